#include "data/TextFold.h"

namespace {
bool isPlainAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}
} // namespace

QString foldCase(const QString& text) {
    // Plain ASCII is already composed; folding it is lowering it.
    if (isPlainAscii(text))
        return text.toLower();
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

#include "activities/DictationCorrection.h"

namespace DictationCorrection {

namespace {
const QChar Space = u' ';

// Removes suffix from text when text ends with it; true when it did.
bool dropSuffix(QString& text, const QString& suffix) {
    if (!text.endsWith(suffix))
        return false;
    text.chop(suffix.size());
    return true;
}
} // namespace

QString normaliseModel(const QString& model) {
    QString text = model.toLower().trimmed();
    if (text.endsWith(u'?') || text.endsWith(u'!'))
        text.chop(qMin<qsizetype>(2, text.size()));
    dropSuffix(text, QStringLiteral("."));
    return text;
}

QString normaliseAnswer(const QString& answer) {
    QString text = answer.toLower().trimmed();
    if (!dropSuffix(text, QStringLiteral(" ?")))
        dropSuffix(text, QStringLiteral(" !"));
    if (!dropSuffix(text, QStringLiteral("?")))
        dropSuffix(text, QStringLiteral("!"));
    dropSuffix(text, QStringLiteral(" ."));
    dropSuffix(text, QStringLiteral("."));
    return text;
}

QStringList cutWords(const QString& text) {
    const QString trimmed = text.trimmed();
    QStringList words;
    qsizetype start = 0;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (trimmed.at(i) == Space || i == trimmed.size() - 1) {
            words << trimmed.mid(start, i - start + 1);
            start = i + 1;
        }
    }
    return words;
}

QList<unsigned> colourWords(const QStringList& words, const QString& model) {
    QList<unsigned> colours;
    for (qsizetype k = 0; k < words.size(); ++k) {
        const bool found = k == 0 ? model.contains(words.at(k), Qt::CaseSensitive)
                                  : model.contains(Space + words.at(k), Qt::CaseInsensitive);
        colours << (found ? Green : Red);
    }
    return colours;
}

Verdict correct(const QString& answer, const QString& model) {
    Verdict verdict;
    const QString normalised = normaliseAnswer(answer);
    if (normalised.isEmpty())
        return verdict;
    verdict.counted = true;
    verdict.words = cutWords(answer);
    verdict.colours = colourWords(verdict.words, model);
    verdict.right = normalised == normaliseModel(model);
    return verdict;
}

Separation separate(const QString& text, int caret) {
    Separation result{text, qBound(0, caret, int(text.size()))};
    const int p = result.caret;
    if (p > 0 && p < text.size() && text.at(p) == Space) {
        result.text.remove(p, 1);
    } else if (p > 0 && text.at(p - 1) == Space) {
        result.text.remove(p - 1, 1);
        result.caret = p - 1;
    } else {
        result.text.insert(p, Space);
        result.caret = p + 1;
    }
    return result;
}

QString sentenceKey(const QString& colonne, int index) {
    static const struct {
        QString stem;
        int tens;
    } families[] = {{QStringLiteral("Texte"), 0}, {QStringLiteral("Dictee"), 1}};
    for (const auto& family : families) {
        if (!colonne.startsWith(family.stem, Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int exercise = colonne.mid(family.stem.size()).toInt(&ok);
        if (!ok || exercise < 1 || exercise > 10 || index < 0 || index > 9)
            return {};
        return QString::number(family.tens) + QString::number(exercise - 1) +
               QString::number(index);
    }
    return {};
}

QString runTogether(const QString& sentence) {
    return QString(sentence).remove(Space);
}

} // namespace DictationCorrection

#pragma once

#include <QString>

// The form in which two texts are compared without regard to letter case: composed Unicode
// (an "é" typed as "e" + accent equals the single character) folded to small letters for the
// whole of Unicode, not only A-Z. "Invité", "INVITÉ" and "invité" fold to the same text.
QString foldCase(const QString& text);

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rules of the dictation and of word separation, without any widget: how the model and the
// pupil's sentence are compared, how the pupil's sentence is cut into coloured words, and how a
// click in the run-together sentence adds or removes a space.
namespace DictationCorrection {

constexpr unsigned Green = 0x8000; // &H8000, a word found in the model
constexpr unsigned Red = 0xFF;     // &HFF, a word not found

// The model for comparison: lower case, trimmed, without its final " ?" or " !" (the two last
// characters), then without a final full stop.
QString normaliseModel(const QString& model);

// The pupil's sentence for comparison: lower case, trimmed, then without a final " ?" or " !",
// a final "?" or "!", a final " ." and a final "." (each removal tried once, in that order).
QString normaliseAnswer(const QString& answer);

// The sentence as typed, cut into words: at each space, and at the last character, the
// characters since the previous cut form a word, the space included ("I am ten" gives "I ",
// "am ", "ten"). The text is trimmed first.
QStringList cutWords(const QString& text);

// One colour per word against the model as stored: the first word is green when it occurs in the
// model with its exact case; each other word when a space followed by it occurs in the model,
// letter case ignored. Red otherwise.
QList<unsigned> colourWords(const QStringList& words, const QString& model);

// What a correction finds.
struct Verdict {
    bool counted = false; // false when the answer holds nothing once normalised
    bool right = false;   // normalised answer equal to normalised model
    QStringList words;    // the words of the answer, as typed
    QList<unsigned> colours;
};

// Corrects the answer (the text of the box) against the model sentence as stored.
Verdict correct(const QString& answer, const QString& model);

// A text box after a click that separates or joins words.
struct Separation {
    QString text;
    int caret = 0;
};

// A click at caret position p (characters before the caret) in the run-together sentence: the
// space just after the caret is removed when 0 < p < length; otherwise the space just before it;
// otherwise a space is inserted at the caret (also before the first or after the last character).
Separation separate(const QString& text, int caret);

// Key of a sentence in the sentence table: two digits for the exercise ("00".."09" for the
// columns "Texte1".."Texte10", "10".."19" for "Dictee1".."Dictee10") and the button index 0..9
// ("Dictee3", 4 gives "124"). The empty text for any other column.
QString sentenceKey(const QString& colonne, int index);

// The sentence with its spaces removed, as shown to the pupil who must separate the words.
QString runTogether(const QString& sentence);

} // namespace DictationCorrection

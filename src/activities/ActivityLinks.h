#pragma once

#include <QString>

class Contexte;

// What the listening activities ask of the dictation window "Tierce" when it is loaded. The
// window implements this interface; while it is not loaded the activities skip these steps.
class DictationLink {
public:
    virtual ~DictationLink() = default;
    // Distingue and Ecris (families 3 and 4): word button `word` was released; fetch the
    // sentence of Colonne and CleMot from the data control (table Compte) and prepare the window
    // for it. Not called while the studio uses the word buttons.
    virtual void prepareSentence(int word) = 0;
    // Gives the focus to the dictation text box.
    virtual void focusAnswer() = 0;
    // Repère: a question phase starts; the nine puzzle pieces are emptied.
    virtual void clearPuzzle() = 0;
    // Repère: right answer number piece + 1; piece 0..8 receives its cell of the picture and a
    // single border.
    virtual void revealPiece(int piece) = 0;
    // Repère: the series ended with fewer than four errors; the pieces are scrambled and can be
    // dragged.
    virtual void scramblePuzzle() = 0;
};

// What the end of a quiz series asks of the quiz window "Quizz" when it is loaded.
class QuizLink {
public:
    virtual ~QuizLink() = default;
    // Hides the question labels and reshuffles the question list.
    virtual void endOfQuizSeries() = 0;
};

// The loaded dictation / quiz window, or null.
DictationLink* dictationLink(Contexte& contexte);
QuizLink* quizLink(Contexte& contexte);

#pragma once

#include "activities/ActivityLinks.h"
#include "activities/Puzzle.h"
#include "shell/Form.h"

#include <QImage>
#include <QList>
#include <array>

class FXLabel;
class FXShape;
class Principale;
class QLabel;
class QLineEdit;

// The dictation window, for three activity families:
// - Ecris (4): the pupil hears a sentence, types it in Text1 and presses "Solution";
// - Distingue (3): the sentence is shown run together in the locked Text1 and each click in it
//   adds or removes a space; "Solution" corrects as in Ecris;
// - Repère (2): the window is the puzzle board; right answers reveal its nine pieces.
// The sentence buttons are the main window's word buttons Commande(0)..(9).
//
// Calls the main window makes (its handlers own the sound and the shared counters):
// - phraseChoisie(i): sentence button i (0..9) released with the left button in families 3 and
//   4, not while the studio uses the buttons, after the sentence sound was started and BEFORE
//   DernierMot takes the value i. Shows the text box if it was hidden (empty, word labels
//   removed), fetches the sentence of key Numero = two digits of the exercise + i from the main
//   window's data control, and in Distingue shows it run together; shows "Solution" for a
//   sentence other than the previous one; gives the focus to the text box.
// - preparerTexte(): the same preparation of the text box alone, for a release of another
//   button than 10 and 13 (the sentence buttons use phraseChoisie).
// - viderFragments(): "Action" in Repère: the nine pieces are emptied.
// - montrerFragment(): in Repère, right after a right answer raised Reussites (still below 10):
//   piece Reussites - 1 shows its cell with a border.
// - finirSerie(): in Repère, when Reussites reaches 10 and before the counters go back to 0:
//   with fewer than 4 errors the pieces are scrambled and can be dragged onto each other.
class Tierce : public Form, public DictationLink {
    Q_OBJECT
public:
    explicit Tierce(Contexte& contexte);
    ~Tierce() override;

    // The loaded dictation window, or null.
    static Tierce* loaded(Contexte& contexte);

    // What the listening activities ask of this window.
    void prepareSentence(int word) override { phraseChoisie(word); }
    void focusAnswer() override;
    void clearPuzzle() override { viderFragments(); }
    void revealPiece(int piece) override;
    void scramblePuzzle() override { finirSerie(); }

    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

    void phraseChoisie(int index);
    void preparerTexte();
    void viderFragments();
    void montrerFragment();
    void finirSerie();

    // "Solution" released with the left button: corrects the sentence of Text1.
    void corriger();

    QLineEdit* texte() const { return Text1; }
    const Puzzle& puzzle() const { return puzzle_; }
    QLabel* fragment(int piece) const { return Fragment.at(static_cast<size_t>(piece)); }
    // Word labels Label1(1)..Label1(n) now loaded.
    const QList<FXLabel*>& motsCorriges() const { return Label1; }

    static constexpr unsigned SolutionColor = 0x00C0FF; // amber
    static constexpr unsigned Right = 0x8000;
    static constexpr unsigned Wrong = 0xFF;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTextControls();
    void buildPuzzle();
    void setBackground(const QString& windowsPath);
    void layoutControls();
    void chargerPuzzle();
    void montrerPieces();
    void placerPieces();
    void chercherPhrase(int index);
    void separerMots();
    void retirerMots();
    void montrerMots(const QStringList& words, const QList<unsigned>& colours);
    void juger(bool right);
    void enregistrerScore();
    void reagir(bool success);
    FXShape* boutonPhrase() const;
    bool glisser(QLabel* piece, QEvent* event);

    Principale* principale();

    QImage Clip; // the puzzle picture, cut into 3 x 3 cells
    Puzzle puzzle_;
    QLineEdit* Text1;
    FXShape* Correction;
    FXLabel* Corriger;
    FXLabel* Label1Modele; // Label1(0), the hidden template of the word labels
    QList<FXLabel*> Label1;
    std::array<QLabel*, Puzzle::Pieces> Fragment{};
    int phraseIndex_ = -1;    // the sentence button whose sentence is in the text box
    int pieceTiree_ = -1;     // the piece being dragged
    bool doubleClic_ = false; // the next release ends a double click in the sentence
};

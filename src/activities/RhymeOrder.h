#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Random;

// The nursery-rhyme exercise without widgets: which rows of table Compte hold a rhyme, where
// its verse labels stand, the shuffle of their places, the panel the pupil fills verse by verse
// and the judging of that panel against the rhyme.
//     RhymeOrder rhyme;
//     rhyme.setVerses({"Twinkle, twinkle, little star,", ...}); // TexteComptine, places
//     rhyme.shuffle(random);   // only the tops of the labels change places
//     rhyme.drop(3);           // verse 3 appended to the panel, then hidden
//     rhyme.isRight();         // the panel holds exactly the rhyme
class RhymeOrder {
public:
    static constexpr int FirstExercise = 49; // "Comptine 1"
    static constexpr int LastExercise = 58;  // "Comptine 10"
    static constexpr int MaxVerses = 10;
    static constexpr int FirstTop = 700; // top of verse 1, in twips
    static constexpr int Left = 550;     // left of every verse, in twips
    static constexpr QChar EndOfVerse = u'\r';

    // One row of the per-rhyme table.
    struct Layout {
        QString prefix; // PrefixeComptine: key prefix of the rhyme's rows in Compte
        int interligne; // vertical distance between two verse labels, in twips
        bool autoSize;  // the verse labels take the size of their text
        bool wordWrap;  // the verse labels keep their width and wrap their text
    };
    // The layout of exercise numExercice (49..58), or nothing for another exercise.
    static std::optional<Layout> layout(int numExercice);

    // Key in Compte of verse k (1..10): the prefix followed by k; verse 10 of every rhyme is in
    // row "160".
    static QString verseKey(const QString& prefix, int k);
    // "\MciLangue\1<N><k>.wav" and the whole rhyme "\MciLangue\1<N><N>0.wav".
    static QString verseSound(int numExercice, int k);
    static QString rhymeSound(int numExercice);

    // Sets the rhyme's verses in their right order; verse k stands at the k-th place, from
    // FirstTop down by interligne. The panel is emptied.
    void setVerses(const QStringList& verses, int interligne);

    int nbVers() const { return int(verses_.size()); }
    const QString& verse(int k) const { return verses_.at(k - 1); }
    // TexteComptine: every verse in order, each followed by a carriage return.
    const QString& texteComptine() const { return texte_; }
    // Top of verse k's label, in twips.
    int top(int k) const { return tops_.at(k - 1); }

    // Reseeds the generator; then for k = 1..NbVers the tops of verse k and verse
    // int(NbVers * rnd() + 1) change places. The labels keep their left.
    void shuffle(Random& random);

    // "Démarrer": the panel is emptied and every verse can be dropped again.
    void restart();
    // Verse k dropped on the panel: appended with its carriage return. A verse already dropped
    // (or out of range) is refused.
    bool drop(int k);
    bool isDropped(int k) const { return dropped_.at(k - 1); }
    // The panel's text, each verse followed by a carriage return.
    const QString& panel() const { return panel_; }
    // The same text with a line feed after each verse, for showing.
    QString panelLines() const;
    // "Terminer": the panel holds exactly TexteComptine (same verses, order and case).
    bool isRight() const { return panel_ == texte_; }

private:
    bool valid(int k) const { return k >= 1 && k <= nbVers(); }

    QStringList verses_;
    QString texte_;
    QList<int> tops_;
    QList<bool> dropped_;
    QString panel_;
};

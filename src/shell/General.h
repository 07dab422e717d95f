#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// The program-wide variables through which the windows talk to each other. One instance lives
// for the whole run; every value starts at zero, false or the empty text.
struct Général {
    QString CheminBase;      // full path of the learning database
    bool EnExercice = false; // "Retour" leads to the exercise menu (true) or the sign-in (false)
    bool GuillemetOuvert = false; // the key filter produced an opening guillemet last
    int ModeActivite = 0;         // activity family of the last activity button pressed; 10 = none
    int NumExercice = 0;          // exercise number; 59 web visit, 60 quiz, 0 after "Retour"
    QString Colonne;              // score column of the chosen exercise, stem of its media files
    QString TitreExercice;        // title of the chosen exercise
    int Reussites = 0;            // answers counted in the current series
    int Erreurs = 0;              // wrong answers in the current series
    bool PhaseQuestion = false;   // question phase of a hotspot exercise
    bool VideoEnCours = false;    // the teacher animation is playing
    bool ModeStudio = false;      // the recording studio is open
    int Reaction = 0;             // teacher animation to play: 1 failure, 2 success
    int DernierMot = 0;           // index of the word button last released (the word asked)
    QString CleMot;               // key of the word last heard ("k0".."k17", "k01".."k10")
    QString CleIntitule;          // Colonne + "\" + CleMot: key of the word's label
    QString PhraseAnglaise;
    QString PhraseOrigine;
    QString AutrePhrase;
    QString DernierSon;    // full path of the last word sound played
    int NbFragments = 0;   // word labels of the dictation correction
    int IndexFragment = 0; // running count of those labels
    QString NomChoisi;     // name picked at sign-in ("Invité" for the guest)
    QString NomEleve;      // Nom of the row found for it
    QStringList Groupes;   // group names collected at sign-in
    int NbGroupes = 0;
    QString NbQuestions;                    // record count of the quiz table, as text
    std::array<QByteArray, 6> EffectSounds; // memory images of effects 1..6

    // Key filter of every text field: a straight double quote (code 34) becomes an opening
    // guillemet (171) and the next one, typed in any field, a closing one (187). Other codes
    // pass unchanged. Changes the code in place and returns it as decimal text.
    QString FiltrerTouche(int& codeTouche);

    // Puts every variable back to its starting value.
    void reset() { *this = Général{}; }
};

#pragma once

#include "activities/ListeningSeries.h"

#include <QObject>

class Contexte;
class FXHotspotPicture;
class FXShape;
class Principale;
class Seconde;

// The listening activities on the main window's activity panel and on the chooser's exercise
// picture: exploring and clicking the picture, the word and answer buttons, judging, counting
// and storing the score of a series, and the teacher's reactions.
class Activites : public QObject {
    Q_OBJECT
public:
    Activites(Contexte& contexte, Principale& principale);

    // The exercise picture of Seconde: the pointer moved / a button was released over it.
    void explorerImage(FXHotspotPicture& image);
    void relacherImage(FXHotspotPicture& image, int button);

    void JouerMot();
    void ClicImageTheme(FXHotspotPicture& image);
    void ClicImageListe(FXHotspotPicture& image);
    void VerifierClicImage(FXHotspotPicture& image);
    void CompterReussite();
    void CompterErreurBoutons();
    void MarquerErreur();
    void ReactionSucces();
    void ReactionEchec();
    void JouerReaction();
    void MelangerMots();
    void ArmerReponses();
    void DesarmerReponses();
    void MontrerReponses();
    void CacherReponses();
    void MontrerStudio();

    static constexpr unsigned Jaune = 0xFFFF;
    static constexpr unsigned CyanClair = 0xFFFFC0;
    static constexpr unsigned Cyan = 0xFFFF00;
    static constexpr unsigned Vert = 0x8000;
    static constexpr unsigned Rouge = 0xFF;
    static constexpr unsigned Argent = 0xC0C0C0;

private:
    void commandePressed(int index, int button);
    void commandeReleased(int index, int button);
    void commandeClicked(int index);
    void Action();
    void motDeQuestion(int index);
    void Ecouter();
    void repondre(bool vrai);
    void finDeSon();
    void finDeSerie();
    void enregistrerScore();
    void marquerMot(unsigned couleur, bool repondu);
    FXHotspotPicture* imageExercice() const;
    FXShape* commande(int index) const;

    Contexte& ctx_;
    Principale& principale_;
    ListeningSeries serie_;
};

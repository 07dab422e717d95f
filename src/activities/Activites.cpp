#include "activities/Activites.h"

#include "activities/ActivityLinks.h"
#include "activities/Exercices.h"
#include "activities/Seconde.h"
#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/Schema.h"
#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXSnd.h"
#include "shell/controls/FXVid.h"
#include "shell/controls/MouseArgs.h"

#include <QTimer>
#include <algorithm>

namespace {
constexpr int Vrai = 11;
constexpr int Faux = 12;
constexpr int BoutonAction = 13;
constexpr int BoutonEcouter = 14;
constexpr int Echec = 1;
constexpr int Succes = 2;
const QString TagVrai = QStringLiteral("Vrai");
const QString TagFaux = QStringLiteral("Faux");

bool estMot(int index) {
    return index >= 0 && index <= 9;
}
} // namespace

Activites::Activites(Contexte& contexte, Principale& principale)
    : QObject(&principale), ctx_(contexte), principale_(principale), serie_(contexte.general()) {
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, Vrai, Faux, BoutonAction, BoutonEcouter}) {
        FXShape* bouton = commande(i);
        connect(bouton, &FXShape::pressed, this,
                [this](int index, int button, int, int, int) { commandePressed(index, button); });
        connect(bouton, &FXShape::released, this,
                [this](int index, int button, int, int, int) { commandeReleased(index, button); });
        connect(bouton, &FXShape::clicked, this, &Activites::commandeClicked);
    }
    connect(principale.sonore(), &FXSnd::playEnded, this, &Activites::finDeSon);
}

FXShape* Activites::commande(int index) const {
    return principale_.commande(index);
}

FXHotspotPicture* Activites::imageExercice() const {
    auto* seconde = qobject_cast<Seconde*>(ctx_.forms().find(QStringLiteral("Seconde")));
    return seconde ? seconde->exercisePicture() : nullptr;
}

// ---- the exercise picture ----

void Activites::explorerImage(FXHotspotPicture& image) {
    const int h = image.hotspotIndex();
    if (h != -1 && h != image.highlightIndex()) {
        image.setHighlightIndex(h);
        image.setHighlightStrength(FXHotspotPicture::HighlightOn);
        principale_.motAnglais()->setCaption(QString());
        principale_.motAnglais()->clearPicture();
    } else if (h == -1 && image.highlightIndex() != FXHotspotPicture::NoHighlight) {
        image.setHighlightIndex(FXHotspotPicture::NoHighlight);
        image.setHighlightStrength(0);
    }
}

void Activites::relacherImage(FXHotspotPicture& image, int button) {
    if (button != MouseArgs::Left) {
        image.setEnabled(true);
        return;
    }
    if (!image.isEnabled() || !image.onActiveHotspot() ||
        image.highlightIndex() == FXHotspotPicture::NoHighlight)
        return;
    Général& g = ctx_.general();
    if (g.ModeActivite == Exercices::FamilleTheme) {
        ClicImageTheme(image);
    } else if (g.ModeActivite == Exercices::FamilleListe) {
        if (g.NumExercice == 17 || g.NumExercice == 18) {
            g.ModeActivite = Exercices::FamilleTheme;
            ClicImageTheme(image);
        } else {
            ClicImageListe(image);
        }
    }
}

void Activites::ClicImageTheme(FXHotspotPicture& image) {
    Général& g = ctx_.general();
    if (g.PhaseQuestion) {
        VerifierClicImage(image);
        return;
    }
    const QString cle = ListeningSeries::themeWordKey(image.hotspotIndex());
    if (!cle.isEmpty())
        g.CleMot = cle;
    // One word at a time: the picture waits for the end of the sound (finDeSon).
    image.setEnabled(false);
    JouerMot();
}

void Activites::ClicImageListe(FXHotspotPicture& image) {
    const QString cle = ListeningSeries::listWordKey(image.hotspotIndex());
    if (!cle.isEmpty())
        ctx_.general().CleMot = cle;
    image.setEnabled(false);
    JouerMot();
}

void Activites::JouerMot() {
    Général& g = ctx_.general();
    g.CleIntitule = g.Colonne + u'\\' + g.CleMot;
    FXSnd* sonore = principale_.sonore();
    g.DernierSon = ctx_.media(ListeningSeries::wordSound(g.Colonne, g.CleMot));
    sonore->setFileName(g.DernierSon);
    sonore->setCommand(FXSnd::Play);
    MontrerStudio();

    RecordSet& rs = principale_.data().recordSet();
    rs.moveFirst();
    const bool found =
        rs.findFirst(Criterion::equals(Schema::Field::Intituler, g.CleIntitule)) && !rs.noMatch();
    principale_.motAnglais()->setCaption(found ? rs.field(Schema::Field::Langue).toString()
                                               : QString());

    if (g.NumExercice == 3)
        if (FXHotspotPicture* image = imageExercice())
            if (const auto reaction = ListeningSeries::musicReaction(image->highlightIndex())) {
                g.Reaction = *reaction;
                JouerReaction();
            }
}

void Activites::VerifierClicImage(FXHotspotPicture& image) {
    switch (serie_.judgeClick(ctx_.general().NumExercice, image.hotspotIndex())) {
    case ListeningSeries::Verdict::Right:
        image.setEnabled(false);
        ReactionSucces();
        CompterReussite();
        break;
    case ListeningSeries::Verdict::Wrong:
        // The word stays asked: its button turns red and the pupil may click again.
        if (FXShape* mot = commande(ctx_.general().DernierMot))
            mot->setColor(Rouge);
        ReactionEchec();
        break;
    case ListeningSeries::Verdict::NotCounted:
        break;
    }
}

// ---- counting and the end of a series ----

void Activites::CompterReussite() {
    Général& g = ctx_.general();
    if (g.ModeActivite == Exercices::FamilleQuizz) {
        if (g.Reussites != ListeningSeries::SeriesLength)
            return;
        if (QuizLink* quiz = quizLink(ctx_))
            quiz->endOfQuizSeries();
        principale_.video()->hide();
        commande(BoutonAction)->show();
        finDeSerie();
        return;
    }
    serie_.countRight();
    marquerMot(Vert, true);
    DictationLink* dictee =
        g.ModeActivite == Exercices::FamilleRepere ? dictationLink(ctx_) : nullptr;
    if (!serie_.seriesComplete()) {
        if (dictee)
            dictee->revealPiece(g.Reussites - 1);
        return;
    }
    if (dictee && g.Erreurs < 4)
        dictee->scramblePuzzle();
    finDeSerie();
}

void Activites::CompterErreurBoutons() {
    if (serie_.countButtonError())
        CompterReussite();
    MarquerErreur();
}

void Activites::MarquerErreur() {
    ReactionEchec();
    marquerMot(Rouge, true);
}

void Activites::marquerMot(unsigned couleur, bool repondu) {
    const int mot = ctx_.general().DernierMot;
    if (!estMot(mot))
        return;
    FXShape* bouton = commande(mot);
    bouton->setColor(couleur);
    bouton->setAnswered(repondu);
    bouton->setEnabled(!repondu);
}

void Activites::finDeSerie() {
    enregistrerScore();
    serie_.resetCounters();
    principale_.sonore()->setTag(TagVrai);
    principale_.timer(4)->start();
    // A new series can be started at once.
    commande(BoutonAction)->show();
}

void Activites::enregistrerScore() {
    ListeningSeries::storeScoreOrReport(principale_.data(), ctx_.messageBox(), ctx_.general(),
                                        serie_.score());
}

// ---- the teacher ----

void Activites::ReactionSucces() {
    ctx_.general().Reaction = Succes;
    JouerReaction();
}

void Activites::ReactionEchec() {
    ctx_.general().Reaction = Echec;
    JouerReaction();
}

void Activites::JouerReaction() {
    FXVid* video = principale_.video();
    if (video->fileName().isEmpty()) {
        video->setFileName(ctx_.media(QStringLiteral("\\Prof.Avi")));
        video->setCommand(FXVid::Open);
    }
    video->show();
    if (ctx_.general().Reaction == Echec)
        principale_.playTeacherFrames(49, 84);
    else if (ctx_.general().Reaction == Succes)
        principale_.playTeacherFrames(14, 49);
}

// ---- the buttons ----

void Activites::MelangerMots() {
    Random& random = *ctx_.platform().random;
    random.randomize();
    for (int i = 0; i <= 9; ++i) {
        const int j = std::clamp(int(random.rnd() * 10), 0, 9);
        const QRect place = commande(i)->geometry();
        commande(i)->setGeometry(commande(j)->geometry());
        commande(j)->setGeometry(place);
    }
    for (int i = 0; i <= 9; ++i) {
        commande(i)->setColor(Cyan);
        commande(i)->setAnswered(false);
        commande(i)->setEnabled(true);
    }
    for (int i = 0; i <= 9; ++i)
        commande(i)->show();
    commande(BoutonAction)->hide();
}

void Activites::ArmerReponses() {
    for (int i : {Vrai, Faux}) {
        commande(i)->setColor(Jaune);
        commande(i)->setEnabled(true);
        commande(i)->update();
    }
}

void Activites::DesarmerReponses() {
    for (int i : {Vrai, Faux}) {
        commande(i)->setColor(Argent);
        commande(i)->setEnabled(false);
        commande(i)->update();
    }
}

void Activites::MontrerReponses() {
    DesarmerReponses();
    commande(Vrai)->show();
    commande(Faux)->show();
}

void Activites::CacherReponses() {
    DesarmerReponses();
    commande(Vrai)->hide();
    commande(Faux)->hide();
}

void Activites::MontrerStudio() {
    if (principale_.bouton(8)->isHidden())
        principale_.bouton(8)->show();
}

void Activites::commandePressed(int index, int button) {
    if (button == MouseArgs::Right) {
        commande(index)->raise();
        return;
    }
    if (button != MouseArgs::Left)
        return;
    if (estMot(index))
        commande(index)->setColor(Jaune);
    else if (index == BoutonEcouter)
        commande(index)->setColor(CyanClair);
}

void Activites::commandeReleased(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    if (index == Vrai || index == Faux)
        repondre(index == Vrai);
    else if (estMot(index))
        motDeQuestion(index);
    else if (index == BoutonEcouter)
        Ecouter();
    principale_.motAnglais()->setCaption(QString());
    ctx_.general().DernierMot = index;
}

void Activites::commandeClicked(int index) {
    if (index == BoutonAction && ctx_.general().ModeActivite != Exercices::FamilleQuizz)
        Action();
}

void Activites::Action() {
    Général& g = ctx_.general();
    FXHotspotPicture* image = imageExercice();
    if (image) { // no object stays lit from the exploration
        image->setHighlightIndex(FXHotspotPicture::NoHighlight);
        image->setHighlightStrength(0);
    }
    if (g.ModeActivite == Exercices::FamilleTheme && image)
        image->setEnabled(false); // until a word has been heard
    MelangerMots();
    g.PhaseQuestion = true;
    switch (ListeningSeries::answerButtonsFor(g.NumExercice)) {
    case ListeningSeries::AnswerButtons::Hidden:
        CacherReponses();
        break;
    case ListeningSeries::AnswerButtons::Shown:
        MontrerReponses();
        break;
    case ListeningSeries::AnswerButtons::ShownWithListen:
        MontrerReponses();
        commande(BoutonEcouter)->show();
        if (DictationLink* dictee = dictationLink(ctx_))
            dictee->clearPuzzle();
        break;
    case ListeningSeries::AnswerButtons::Unchanged:
        break;
    }
    const QString hotspots = ListeningSeries::questionHotspotFile(g.NumExercice);
    if (!hotspots.isEmpty() && image)
        image->setHotspotFile(ctx_.media(hotspots));
}

void Activites::motDeQuestion(int index) {
    Général& g = ctx_.general();
    if (!g.ModeStudio)
        ArmerReponses();
    g.CleMot = ListeningSeries::questionWordKey(g.ModeActivite, index);
    if (g.ModeActivite == Exercices::FamilleListe)
        if (FXHotspotPicture* image = imageExercice())
            image->setEnabled(true);
    FXSnd* sonore = principale_.sonore();
    g.DernierSon = ctx_.media(ListeningSeries::wordSound(g.Colonne, g.CleMot));
    sonore->setFileName(g.DernierSon);
    sonore->setCommand(FXSnd::Play);
    const bool dictee =
        g.ModeActivite == Exercices::FamilleDistingue || g.ModeActivite == Exercices::FamilleEcris;
    DictationLink* link = dictee ? dictationLink(ctx_) : nullptr;
    if (link && !g.ModeStudio)
        link->prepareSentence(index);
    MontrerStudio();
    if (link)
        link->focusAnswer();
}

void Activites::Ecouter() {
    Général& g = ctx_.general();
    g.DernierSon =
        ctx_.media(QStringLiteral("\\MciLangue\\") + g.Colonne + QStringLiteral("k10.wav"));
    ctx_.effects().playFile(g.DernierSon);
    DesarmerReponses();
    MontrerStudio();
}

void Activites::repondre(bool vrai) {
    switch (serie_.judgeAnswer(ctx_.general().NumExercice, vrai)) {
    case ListeningSeries::Verdict::Right:
        ReactionSucces();
        CompterReussite();
        break;
    case ListeningSeries::Verdict::Wrong:
        CompterErreurBoutons();
        break;
    case ListeningSeries::Verdict::NotCounted:
        break;
    }
    DesarmerReponses();
}

void Activites::finDeSon() {
    FXSnd* sonore = principale_.sonore();
    sonore->setCommand(FXSnd::StopAndClose);
    const int famille = ctx_.general().ModeActivite;
    if (famille != Exercices::FamilleTheme && famille != Exercices::FamilleListe)
        return;
    FXHotspotPicture* image = imageExercice();
    if (sonore->tag() == TagVrai) {
        if (image)
            image->setEnabled(false);
        sonore->setTag(TagFaux);
    } else if (image) {
        image->setEnabled(true);
    }
}

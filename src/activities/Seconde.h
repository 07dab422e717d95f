#pragma once

#include "shell/Form.h"

#include <QImage>

class FXHotspotPicture;

// The exercise chooser and picture window: a background picture, the list of a family's
// exercises (FXShape2) and the picture of the chosen exercise (FXShape1), both hotspot pictures
// fitted into the window.
class Seconde : public Form {
    Q_OBJECT
public:
    explicit Seconde(Contexte& contexte);

    // The chooser starts on the word labels of the picture exercises.
    void onLoad() override;

    void setBackground(const QString& path);
    const QImage& background() const { return backgroundPicture(); }
    QString backgroundPath() const { return backgroundPath_; }
    // Where the window's picture is drawn: as large as the window allows without distorting
    // it, centred. The whole window when it has no picture.
    QRect pictureRect() const;

    // The list of exercises: its highlight picture (the "H" picture), the plain list picture
    // beside it (same name without the H), and the hotspot file.
    void setList(const QString& highlightPicture, const QString& hotspotFile);

    FXHotspotPicture* exercisePicture() const { return FXShape1; }
    FXHotspotPicture* listPicture() const { return FXShape2; }

    // Prepares the main window for a new exercise: panel buttons and teacher hidden, the word
    // label as the "Texte" option says, hourglass pointer.
    void precharge();
    // Shows the chosen exercise (NumExercice): its picture here, or the dictation or the
    // nursery-rhyme window.
    void charger();
    // Repeats the end of a choice without a click on the list.
    void rechoisir();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeControls();
    void survolerListe();
    void relacherListe(int button);
    void choisir();
    void quitterListe();
    void prendreTable();
    void montrerFenetre(const QString& name);

    QString backgroundPath_;
    FXHotspotPicture* FXShape1;
    FXHotspotPicture* FXShape2;
};

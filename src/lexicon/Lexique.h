#pragma once

#include "shell/Form.h"

#include <array>

class DataControl;
class FiltreTouches;
class FXLabel;
class FXShape;
class LexiconModel;
class QLabel;
class QLineEdit;
class QTabBar;
class QTableView;

// The English/French lexicon: a grid of word pairs in one direction or the other, narrowed by
// an initial letter or by the typed beginning of a word; words are added and edited in the grid
// unless the teacher protected the lexicon, and deleted behind the management password.
class Lexique : public Form {
    Q_OBJECT
public:
    explicit Lexique(Contexte& contexte);
    ~Lexique() override;

    void onActivate() override;

    // Rebuilds the grid's rows from the direction, the tab and the search text.
    void Filtrer();

    QTableView* grid() const { return DBGrid1; }
    LexiconModel* model() const { return model_; }
    QString gridCaption() const;
    bool searchBoxActive() const { return searchActive_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildButtons();
    void buildGrid();
    void layoutControls();
    void applyProtection();
    void useDirection(int button);
    void tabClicked(int tab);
    void searchChanged(const QString& text);
    void directionPressed(int index, int mouse);
    void directionReleased(int index, int mouse);
    void actionPressed(int index, int mouse);
    void action(int index);
    void ajout();
    void suppression();
    void deleteWord(const QString& word);
    void setEditingLocked(bool locked);
    bool confirmSave();
    void showError(int code, const QString& description);
    QString currentWord() const;

    DataControl* Data1;
    FXLabel* Titre;
    FXLabel* Label2;
    FXLabel* Label1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QTabBar* Agenda;
    std::array<FXShape*, 3> Bouton{};            // 1 and 2
    std::array<FXShape*, 4> Ajout_suppression{}; // Ajout, Suppression, Modification, Retour
    QLabel* caption_;
    QTableView* DBGrid1;
    LexiconModel* model_;
    FiltreTouches* keyFilter_;

    QString search_; // the tab key or the typed text; letter case does not matter
    bool typing_ = false;
    bool searchActive_ = false;
    bool protected_ = false;
};

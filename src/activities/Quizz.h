#pragma once

#include "activities/ActivityLinks.h"
#include "activities/QuizSeries.h"
#include "shell/Form.h"

#include <array>

class DataControl;
class FXLabel;
class QCheckBox;
class QTimer;

// The quiz window: a question of Quizz1 (the program's) or Quizz2 (the teacher's), three
// answers to click, the verdict with the right answer after a wrong one, the running score and
// a pause of two seconds before the next question. The main window's "Action" button starts a
// series; after the tenth answer the listening activities' CompterReussite ends it, stores the
// score in column "Quizz" and asks this window (QuizLink) to put its questions away.
// The rules live in QuizSeries; this window only shows them.
class Quizz : public Form, public QuizLink {
    Q_OBJECT
public:
    explicit Quizz(Contexte& contexte);
    ~Quizz() override;

    void onLoad() override;
    void onActivate() override;

    // The main window's "Action" in the quiz: a new series on the first question of the list.
    void demarrerSerie();
    // The pause after an answer is over.
    void finDePause();
    void endOfQuizSeries() override;

    const QuizSeries& serie() const { return serie_; }
    DataControl& data() const { return *Data1; }

    static constexpr unsigned Repos = 0x80FFFF; // pale yellow: an answer at rest
    static constexpr unsigned Survol = 0xFF00;  // green: the answer under the pointer
    static constexpr int PauseMs = 2000;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layoutControls();
    void ouvrirTable();
    void connecterAction();
    void afficherQuestion();
    void montrerQuestion(bool visible);
    void survolReponse(int index);
    void repondre(int index);
    void reposerReponses();

    DataControl* Data1;
    FXLabel* question;
    std::array<FXLabel*, QuizQuestion::Answers> Label1{};
    std::array<QCheckBox*, QuizQuestion::Answers> Check1{};
    FXLabel* Label2;
    FXLabel* Label3;
    std::array<FXLabel*, 7> FXLabel1{};
    QTimer* Timer1;
    QuizSeries serie_;
    bool surReponse_ = false; // the pointer is over an answer
};

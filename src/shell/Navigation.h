#pragma once

#include <QString>

// The main window's navigation rules, kept apart from the widgets.
namespace Navigation {

constexpr int NoActivity = 10; // ModeActivite from load until the first activity button
constexpr int WebVisitFamily = 6;
constexpr int QuizFamily = 7;
constexpr int MinimumQuizRecords = 10;

// What an activity button 0..5 prepares: the title, the chooser's background, its list picture
// and hotspot file (media paths relative to the program folder).
struct ActivityFamily {
    QString title;
    QString background;
    QString listPicture;
    QString hotspotFile;
    bool showsWordLabel; // the word label follows the "Texte" option
};
// The family of an activity button, or null for the web visit (6) and the quiz (7).
const ActivityFamily* activityFamily(int index);

// Where the screen stands when "Consigne" is pressed.
struct Situation {
    bool activityButtonsVisible;
    bool listPictureVisible;
    int modeActivite;
    bool actionVisible;
    int numExercice;
};
// The help topic "Consigne" shows, or 0 for none.
int consigneTopic(const Situation& situation);
constexpr int ConsigneDefaultTopic = 97;

// The quiz table the quiz button counts: Quizz2 only when the option is exactly "Faux".
QString quizTable(const QString& quizzOption);
QString quizRefusalMessage();

inline const QString QuitQuestion = QStringLiteral("Tu veux quitter \"Brindel\" ?");
constexpr int QuitQuestionFlags = 292; // Yes/No, question icon, No by default

} // namespace Navigation

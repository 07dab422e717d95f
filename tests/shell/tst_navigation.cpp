#include "shell/Navigation.h"

#include <QtTest>

using Navigation::Situation;

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    // Buttons shown, list picture shown, family, action shown, exercise: the topic.
    void consigneTopicFollowsTheScreenAndTheQuizTableTheOption() {
        const std::pair<Situation, int> cases[] = {
            {{true, true, 0, false, 0}, 84},     // menu with list picture
            {{true, false, 3, false, 0}, 109},   // menu without list picture
            {{true, false, 10, false, 0}, 109},  // menu before any family
            {{false, false, 0, true, 5}, 111},   // theme picture, action shown
            {{false, false, 0, false, 5}, 112},  // theme question phase
            {{false, false, 0, false, 17}, 120}, // opposition 1 question phase
            {{false, false, 0, false, 18}, 120}, // opposition 2 question phase
            {{false, false, 0, true, 17}, 111},  // opposition 1 before action
            {{false, false, 1, true, 13}, 113},  // second list, action shown
            {{false, false, 1, false, 13}, 114}, // second list, action hidden
            {{false, false, 2, true, 19}, 115},  // repere
            {{false, false, 3, false, 29}, 116}, // distingue
            {{false, false, 4, false, 39}, 117}, // ecris
            {{false, false, 5, false, 49}, 118}, // comptine
            {{false, false, 7, true, 60}, 66},   // quiz
            {{false, false, 6, false, 59}, 0},   // web visit, buttons hidden
            {{true, false, 6, false, 59}, 0},    // web visit, buttons shown
            {{false, false, 10, false, 0}, 0},   // no family
        };
        for (const auto& [situation, topic] : cases)
            QCOMPARE(Navigation::consigneTopic(situation), topic);
        // The quiz counts the teacher's table only on exactly "Faux".
        for (const char* option : {"Faux", "Vrai", "faux", ""})
            QCOMPARE(Navigation::quizTable(QString::fromLatin1(option)),
                     QString::fromLatin1(option) == "Faux" ? "Quizz2" : "Quizz1");
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"

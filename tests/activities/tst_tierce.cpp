#include "activities/Tierce.h"
#include "data/Schema.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QtTest>

namespace {
const QString Pupil = QStringLiteral("Zoé");
constexpr int Green = 0x8000;
constexpr int Red = 0xFF;

// A puzzle picture whose nine cells each have their own colour.
QRgb cellColour(int cell) {
    return QColor::fromHsv(cell * 40, 255, 255).rgb();
}

void writePuzzle(Scenario& s, int exercise) {
    QImage picture(360, 360, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int cell = 0; cell < 9; ++cell)
        painter.fillRect((cell % 3) * 120, (cell / 3) * 120, 120, 120, cellColour(cell));
    painter.end();
    QDir().mkpath(s.programFolder() + QStringLiteral("/Bitmap"));
    QVERIFY(picture.save(s.programFolder() + QStringLiteral("/Bitmap/puzz1%1.Bmp").arg(exercise),
                         "BMP"));
}

QRgb pieceColour(QLabel* piece) {
    const QPixmap picture = piece->pixmap();
    if (picture.isNull())
        return 0;
    return picture.toImage().pixel(picture.width() / 2, picture.height() / 2);
}
} // namespace

class TestTierce : public QObject {
    Q_OBJECT

    // Signs Zoé (whose score in the column is 5) in, opens the dictation window on an exercise
    // of a family and presses "Action".
    Tierce* open(Scenario& s, int family, const QString& colonne, int exercise) {
        s.addRow(Schema::Table::Gestion,
                 {{Schema::Field::Nom, Pupil}, {Schema::Field::Motdepasse, "abc"}, {colonne, 5}});
        s.start();
        Général& g = s->general();
        g.NomChoisi = Pupil;
        g.NomEleve = Pupil;
        g.ModeActivite = family;
        g.Colonne = colonne;
        g.NumExercice = exercise;
        g.DernierMot = 13;
        s->forms().unload(QStringLiteral("Inscription")); // the pupil has signed in
        s->forms().show(QStringLiteral("Tierce"), FormRegistry::ShowMode::Maximised);
        return s.form<Tierce>(QStringLiteral("Tierce"));
    }

    // The main window's side of a sentence button release: sentence fetched, then the button
    // becomes the last one released.
    void releaseSentence(Scenario& s, Tierce* tierce, int index) {
        tierce->phraseChoisie(index);
        s->general().DernierMot = index;
    }

    void answer(Tierce* tierce, const QString& text) {
        QLineEdit* box = tierce->texte();
        QVERIFY(box->isVisible());
        box->selectAll();
        QTest::keyClicks(box, text);
        FXShape* solution = tierce->findChild<FXShape*>(QStringLiteral("Correction"));
        QVERIFY(solution->isVisible());
        QTest::mouseClick(solution, Qt::LeftButton);
    }

    // The first point of the sentence box where a click puts the caret at position.
    static QPoint caretAt(QLineEdit* box, int position) {
        QPoint at(0, box->height() / 2);
        while (at.x() < box->width() && box->cursorPositionAt(at) != position)
            at.rx()++;
        return at;
    }

private slots:
    // Opening the window closes the chooser. An empty text is refused with a message, a text of
    // punctuation alone counts nothing and typed quotes become guillemets. Then one sentence
    // corrected ten times ends the series. Each correction shows the model and the answer's
    // words coloured one by one, colours the sentence button and locks it; the sentence heard
    // anew empties the box. Seven right corrections store seven in the signed-in pupil's row,
    // and the next series reads the sentence table again. A score the database refuses is
    // reported as the activity tests show.
    void tenCorrectionsOfOneSentenceEndTheSeries() {
        Scenario s;
        QVERIFY(s.addRow(Schema::Table::Compte, {{Schema::Field::Numero, QStringLiteral("190")},
                                                 {Schema::Field::Textanglais, "I am ten."}}));
        s.start();
        s->forms().show(QStringLiteral("Seconde"), FormRegistry::ShowMode::Maximised);
        Tierce* tierce = open(s, 4, QStringLiteral("Dictee10"), 48);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Seconde")));
        Général& g = s->general();
        releaseSentence(s, tierce, 0);
        answer(tierce, QStringLiteral("   "));
        QCOMPARE(s.messageBox->shown.size(), 1);
        QCOMPARE(s.messageBox->shown.at(0).text, QStringLiteral("Il n'y a pas de texte !"));
        QCOMPARE(s.messageBox->shown.at(0).flags, 48);
        QVERIFY(tierce->texte()->isHidden());
        // The box comes back with the next sentence button.
        releaseSentence(s, tierce, 0);
        QTest::keyClicks(tierce->texte(), QStringLiteral("\"Hi\""));
        QCOMPARE(tierce->texte()->text(), QStringLiteral("«Hi»"));
        answer(tierce, QStringLiteral(" ?"));
        QCOMPARE(g.Reussites + g.Erreurs, 0);
        QVERIFY(tierce->motsCorriges().isEmpty());
        QVERIFY(s.principale()->commande(0)->isEnabled());

        auto* endOfSeriesSound = s.principale()->findChild<QTimer*>(QStringLiteral("Timer4"));
        auto* model = tierce->findChild<FXLabel*>(QStringLiteral("Corriger"));
        FXShape* button = s.principale()->commande(0);
        for (int round = 1; round <= 10; ++round) {
            g.DernierMot = 14; // "Ecouter" was pressed in between: the sentence is heard anew
            releaseSentence(s, tierce, 0);
            QVERIFY(tierce->texte()->text().isEmpty() && tierce->motsCorriges().isEmpty());
            QVERIFY(model->isHidden());
            answer(tierce, round <= 7 ? QStringLiteral("I am ten.") : QStringLiteral("I am 10."));
            QCOMPARE(button->color(), unsigned(round <= 7 ? Green : Red));
            QCOMPARE(g.Reaction, round <= 7 ? 2 : 1);
            if (round < 10) {
                QCOMPARE(g.Reussites, std::min(round, 7));
                QCOMPARE(g.Erreurs, std::max(0, round - 7));
                QCOMPARE(s.pupilField(Pupil, QStringLiteral("Dictee10")).toInt(), 5);
                QVERIFY(!endOfSeriesSound->isActive());
            }
        }
        const auto& words = tierce->motsCorriges();
        QCOMPARE(words.size(), 3);
        QCOMPARE(words.at(0)->caption(), QStringLiteral("I "));
        QCOMPARE(words.at(1)->foreColor(), unsigned(Green));
        QCOMPARE(words.at(2)->foreColor(), unsigned(Red));
        QVERIFY(words.at(1)->x() >= words.at(0)->x() + words.at(0)->width());
        QVERIFY(model->isVisible());
        QCOMPARE(model->caption(), QStringLiteral("I am ten."));
        QVERIFY(button->isAnswered() && !button->isEnabled());
        QVERIFY(tierce->findChild<FXShape*>(QStringLiteral("Correction"))->isHidden());
        QVERIFY(tierce->texte()->isHidden());

        QCOMPARE(s.pupilField(Pupil, QStringLiteral("Dictee10")).toInt(), 7);
        QCOMPARE(g.Reussites + g.Erreurs, 0);
        QVERIFY(endOfSeriesSound->isActive());
        QCOMPARE(s.messageBox->shown.size(), 1); // the empty text's, and no other
        // No row for sentence 193: the previous sentence stays the model.
        releaseSentence(s, tierce, 3);
        QCOMPARE(g.PhraseOrigine, QStringLiteral("I am ten."));
    }

    // Distingue: the sentence is shown run together in the locked box; only a single left click
    // adds or takes away a space, and the separated sentence is corrected.
    void distingueShowsTheSentenceRunTogetherAndClicksSeparateTheWords() {
        Scenario s;
        QVERIFY(
            s.addRow(Schema::Table::Compte, {{Schema::Field::Numero, QStringLiteral("001")},
                                             {Schema::Field::Textanglais, "How are you today ?"}}));
        Tierce* tierce = open(s, 3, QStringLiteral("Texte1"), 29);
        releaseSentence(s, tierce, 1);
        QLineEdit* box = tierce->texte();
        QTest::keyClicks(box, QStringLiteral("x"));
        QCOMPARE(box->text(), QStringLiteral("Howareyoutoday?"));
        // A double click as the window system delivers it: press, release, double click,
        // release. Only the first release separates the words; other buttons do nothing.
        QTest::mouseClick(box, Qt::LeftButton, {}, caretAt(box, 3));
        QTest::mouseDClick(box, Qt::LeftButton, {}, caretAt(box, 3));
        QTest::mouseRelease(box, Qt::LeftButton, {}, caretAt(box, 3));
        QCoreApplication::processEvents();
        QCOMPARE(box->text(), QStringLiteral("How areyoutoday?"));
        const std::tuple<Qt::MouseButton, int, const char*> clicks[] = {
            {Qt::RightButton, 3, "How areyoutoday?"},
            {Qt::MiddleButton, 3, "How areyoutoday?"},
            {Qt::LeftButton, 7, "How are youtoday?"},
            {Qt::LeftButton, 11, "How are you today?"}};
        for (const auto& [button, at, text] : clicks) {
            QTest::mouseClick(box, button, {}, caretAt(box, at));
            QCoreApplication::processEvents();
            QCOMPARE(box->text(), QString::fromLatin1(text));
        }
        QTest::mouseClick(tierce->findChild<FXShape*>(QStringLiteral("Correction")),
                          Qt::LeftButton);
        QCOMPARE(s->general().Reussites, 1);
        QCOMPARE(tierce->motsCorriges().size(), 4);
    }

    // Repère: right answers show their pieces; nothing can be dragged until a series with three
    // errors scrambles the board, then a piece dropped on another swaps pictures with it.
    void reperePiecesAreScrambledAfterAtMostThreeErrors() {
        Scenario s;
        writePuzzle(s, 19);
        Tierce* tierce = open(s, 2, QStringLiteral("Son1"), 19);
        Principale* main = s.principale();
        QCOMPARE(main->commande(11)->caption(), QStringLiteral("Oui"));
        QCOMPARE(main->commande(12)->caption(), QStringLiteral("Non"));
        QCOMPARE(pieceColour(tierce->fragment(4)), cellColour(4));
        tierce->viderFragments();
        Général& g = s->general();
        for (const int right : {1, 3, 4, 6, 7, 9}) { // answers 2, 5 and 8 were wrong
            g.Reussites = right;
            tierce->montrerFragment();
        }
        QVERIFY(tierce->fragment(1)->pixmap().isNull());
        QCOMPARE(pieceColour(tierce->fragment(2)), cellColour(2));
        QCOMPARE(tierce->fragment(2)->frameShape(), QFrame::Box);
        const auto drag = [tierce](int from, int to) {
            QLabel* piece = tierce->fragment(from);
            const QPoint drop = piece->mapFrom(tierce, tierce->fragment(to)->geometry().center());
            QTest::mousePress(piece, Qt::LeftButton, {}, piece->rect().center());
            QTest::mouseMove(piece, drop);
            QTest::mouseRelease(piece, Qt::LeftButton, {}, drop);
        };
        drag(0, 2);
        QCOMPARE(pieceColour(tierce->fragment(0)), cellColour(0));
        const QRect first = tierce->fragment(0)->geometry();

        g.Reussites = 10;
        g.Erreurs = 3;
        s.random->values = {0.95, 0.1, 0.5};
        tierce->finirSerie();
        QVERIFY(tierce->fragment(0)->geometry() != first);
        drag(0, 2);
        QCOMPARE(pieceColour(tierce->fragment(0)), cellColour(2));
        QCOMPARE(pieceColour(tierce->fragment(2)), cellColour(0));

        // Closing the window gives the answer buttons back their captions.
        main->commande(14)->show();
        QVERIFY(s->forms().unload(QStringLiteral("Tierce")));
        QCOMPARE(main->commande(11)->caption(), QStringLiteral("Vrai"));
        QCOMPARE(main->commande(12)->caption(), QStringLiteral("Faux"));
        QVERIFY(main->commande(14)->isHidden());
    }
};

QTEST_MAIN(TestTierce)
#include "tst_tierce.moc"

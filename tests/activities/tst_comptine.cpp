#include "activities/Comptine.h"
#include "activities/Seconde.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"

#include <QLabel>
#include <QtTest>
#include <algorithm>

namespace {
const QString Column = QStringLiteral("Comptine1");
enum { Terminer = 0, Arreter = 1, Ecouter = 2, Demarrer = 3 };

QPoint centreOf(QWidget* widget) {
    return widget->mapToGlobal(widget->rect().center());
}

} // namespace

// A signed-in pupil in front of the rhyme list of the chooser.
class Ronde : public Partie {
public:
    using Partie::Partie;

    // The pupil picks "Comptine <rhyme>" in the rhyme list of the chooser.
    Comptine* choose(int rhyme) {
        QTest::mouseClick(main->bouton(5), Qt::LeftButton);
        FXHotspotPicture* list = seconde->listPicture();
        const QPoint at = hotspotPoint(list, rhyme - 1);
        QTest::mouseMove(list, at);
        ::press(list, at); // the chooser, unloaded, goes
        return s.form<Comptine>(QStringLiteral("Comptine"));
    }

    void press(int button) { QTest::mouseClick(main->comptines(button), Qt::LeftButton); }

    // Verse k is picked up, carried over the points given, and released at the last one.
    void drag(Comptine* c, int k, const QList<QPoint>& path) {
        FXLabel* verse = c->etiquette(k);
        // The verse holds the pointer while the button is down: every event goes to it.
        QTest::mousePress(verse, Qt::LeftButton);
        for (const QPoint& at : path)
            QTest::mouseMove(verse, verse->mapFromGlobal(at));
        QTest::mouseRelease(verse, Qt::LeftButton, {}, verse->mapFromGlobal(path.last()));
    }
    void dropOnPanel(Comptine* c, int k) {
        const QPoint panel = centreOf(c->panneau());
        drag(c, k, {panel - QPoint(40, 0), panel});
    }
};

class TestComptine : public QObject {
    Q_OBJECT

    static QList<int> tops(Comptine* c) {
        QList<int> list;
        for (int k = 1; k <= c->NbVers(); ++k)
            list << c->etiquette(k)->y();
        return list;
    }

private slots:
    void initTestCase() {
        if (!Partie::available())
            QSKIP("no generated program folder");
    }

    // A rhyme of ten verses (verse 10 of every rhyme is read from row "160") is chosen, started,
    // resized, a verse dragged over others, the whole rhyme heard, and the rhyme left.
    void aRhymeShowsItsVersesFromDemarrerFitsTheWindowAndPlaysItsVerses() {
        Ronde p;
        Comptine* c = p.choose(4);
        QVERIFY(c);
        QVERIFY(!p.s.isShown(QStringLiteral("Seconde")));
        QCOMPARE(c->NbVers(), 10);
        QCOMPARE(c->etiquette(10)->caption(), QStringLiteral("A big fat hen."));
        QCOMPARE(p.main->titre()->caption(), QStringLiteral("Comptine 4"));
        for (int k = 0; k <= 10; ++k)
            QVERIFY(c->etiquette(k)->isHidden());
        for (int i = Terminer; i <= Demarrer; ++i)
            QCOMPARE(p.main->comptines(i)->isVisible(), i != Terminer);
        QVERIFY(p.main->commande(13)->isHidden()); // no "Action" in a rhyme
        // Every label stays in the verse column at one of the rhyme's places.
        QList<int> places = tops(c);
        std::sort(places.begin(), places.end());
        QCOMPARE(places, (QList<int>{46, 66, 86, 106, 126, 146, 166, 186, 206, 226}));
        // Once started, in the program's area on a 1024 x 768 screen, a larger and a smaller one,
        // the panel and the illustration stay inside the window, right of the verses.
        p.press(Demarrer);
        auto* illustre = c->findChild<QLabel*>(QStringLiteral("illustre"));
        QVERIFY(illustre);
        for (const QSize size : {QSize(738, 664), QSize(1200, 740), QSize(640, 480)}) {
            c->resize(size);
            const QRect window = c->rect();
            QVERIFY2(window.contains(c->panneau()->geometry()),
                     qPrintable(QDebug::toString(c->panneau()->geometry())));
            QVERIFY(window.contains(illustre->geometry()));
            QVERIFY(illustre->pixmap().width() <= illustre->width());
            for (int k = 1; k <= c->NbVers(); ++k)
                QVERIFY(c->etiquette(k)->geometry().right() < c->panneau()->x());
        }

        p.press(Demarrer);
        c->onActivate();
        FXLabel* over = c->etiquette(3);
        FXLabel* other = c->etiquette(1);
        // Verse 2 carried over verse 3, then over verse 1, and released away from the panel.
        p.drag(c, 2, {centreOf(over), centreOf(other), c->mapToGlobal(QPoint(5, 5))});
        FakeAudioChannel* channel = p.channelOf(QStringLiteral("1522.wav"));
        QVERIFY(channel);
        QCOMPARE(channel->played.size(), 1); // one verse sound at a time
        QCOMPARE(over->foreColor(), Comptine::Survole);
        QCOMPARE(other->foreColor(), Comptine::Noir);
        QVERIFY(!c->pretAJouer());
        // Not dropped: verse 2 is back in its place, the panel is empty.
        QVERIFY(c->etiquette(2)->isVisible());
        QCOMPARE(c->etiquette(2)->x(), 36);
        QVERIFY(c->comptine().panel().isEmpty());
        channel->finishNow();
        QCOMPARE(over->foreColor(), Comptine::Noir);
        QVERIFY(c->pretAJouer());
        QVERIFY(p.s->general().DernierSon.endsWith(QStringLiteral("1522.wav")));
        QVERIFY(p.main->bouton(8)->isVisible()); // Studio

        // "Ecouter" plays the whole rhyme and shows the studio again, "Arrêter" stops it and
        // "Retour" unloads the rhyme and hides every rhyme button.
        p.main->bouton(8)->hide();
        p.press(Ecouter);
        FakeAudioChannel* rhyme = p.channelOf(QStringLiteral("152520.wav"));
        QVERIFY(rhyme);
        QVERIFY(rhyme->playing);
        QVERIFY(p.s->general().DernierSon.endsWith(QStringLiteral("152520.wav")));
        QVERIFY(p.main->bouton(8)->isVisible());
        p.press(Arreter);
        QVERIFY(!rhyme->playing);
        QVERIFY(c->pretAJouer());
        p.press(Demarrer);
        press(p.main->bouton(13)); // "Retour"
        QVERIFY(!p.s->forms().isLoaded(QStringLiteral("Comptine")));
        for (int i = Terminer; i <= Demarrer; ++i)
            QVERIFY(p.main->comptines(i)->isHidden());
    }

    // The verses dropped on the panel, all in order then two swapped. Only the rhyme rebuilt
    // whole and in order turns the panel green and is stored. The order itself is judged by the
    // rhyme order tests, and the guest's score by the listening series tests.
    void terminerJudgesTheVersesDropped() {
        for (const bool right : {true, false}) {
            const QList<int> drops = right ? QList<int>{1, 2, 3, 4} : QList<int>{2, 1, 3, 4};
            Ronde p;
            p.s.random->values = {0.5, 0.1, 0.9, 0.3};
            Comptine* c = p.choose(1);
            QVERIFY(c);
            p.press(Demarrer);
            QVERIFY(p.main->comptines(Terminer)->isVisible());
            for (int k : drops) {
                p.dropOnPanel(c, k);
                QVERIFY(c->etiquette(k)->isHidden()); // a dropped verse cannot come twice
                QCOMPARE(c->panneau()->foreColor(), Comptine::Violet);
            }
            QCOMPARE(p.score(Column).toInt(), 0);
            p.press(Terminer);
            QCOMPARE(c->panneau()->foreColor(), right ? Comptine::Vert : Comptine::Rouge);
            QCOMPARE(p.score(Column).toInt(), right ? 1 : 0);
            QCOMPARE(p.s->general().Reaction, right ? 2 : 1);
            QVERIFY(p.s.messageBox->shown.isEmpty());
            // "Démarrer" again empties the panel and shuffles every verse, shown again; a verse
            // dropped then is the panel's one line.
            const QList<int> before = tops(c);
            p.press(Demarrer);
            QVERIFY(c->panneau()->caption().isEmpty());
            QCOMPARE(c->panneau()->foreColor(), Comptine::Violet);
            for (int k = 1; k <= c->NbVers(); ++k)
                QVERIFY(c->etiquette(k)->isVisible());
            QVERIFY(tops(c) != before);
            p.dropOnPanel(c, drops.last());
            QCOMPARE(c->panneau()->caption(), c->comptine().verse(drops.last()) + u'\n');
        }
    }
};

QTEST_MAIN(TestComptine)
#include "tst_comptine.moc"

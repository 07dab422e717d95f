#include "activities/Seconde.h"
#include "activities/Tierce.h"
#include "data/LearningDbFixture.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXHotspotPicture.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/FXSnd.h"
#include "support/Scenario.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {
const QString Lea = Partie::Lea;
const QString Invite = Partie::Invite;

void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPoint pointOf(FXHotspotPicture* picture, int index) {
    return hotspotPoint(picture, index);
}

// The pointer moves onto hotspot `index` and the left (or other) button is released there.
void clickHotspot(FXHotspotPicture* picture, int index, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = index < 0 ? QPoint(1, 1) : pointOf(picture, index);
    QVERIFY2(at.x() >= 0, qPrintable(QStringLiteral("no hotspot %1").arg(index)));
    send(picture, QEvent::MouseMove, at, Qt::NoButton);
    send(picture, QEvent::MouseButtonPress, at, button);
    send(picture, QEvent::MouseButtonRelease, at, button);
}
} // namespace

// The listening exercises of a signed-in pupil, with the spoken words and the shown word label.
class Exercice : public Partie {
public:
    explicit Exercice(const QString& pupil = Lea)
        : Partie(pupil,
                 {QStringLiteral("Hotspot"), QStringLiteral("Bitmap"), QStringLiteral("Mcison")},
                 {{Options::Texte, Options::Vrai}}) {}

    FXHotspotPicture* image() { return seconde->exercisePicture(); }
    FXShape* commande(int i) { return main->commande(i); }

    void choose(int family, int hotspot) {
        QTest::mouseClick(main->bouton(family), Qt::LeftButton);
        clickHotspot(seconde->listPicture(), hotspot);
    }
    void press(int button) { QTest::mouseClick(commande(button), Qt::LeftButton); }

    // The word button `word` is heard to the end.
    void hear(int word) {
        press(word);
        if (FakeAudioChannel* channel = channelOf(QStringLiteral("k%1.wav").arg(word)))
            channel->finishNow();
    }
};

class TestActivites : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!Partie::available())
            QSKIP("no generated program folder");
    }

    void choosingLeSportShowsItsPictureAndTitle() {
        Exercice p;
        p.choose(0, 1);
        QCOMPARE(p.g().NumExercice, 2);
        QCOMPARE(p.g().Colonne, QStringLiteral("Sport"));
        QVERIFY(p.g().EnExercice);
        QVERIFY(p.seconde->listPicture()->isHidden());
        QVERIFY(p.image()->isVisible());
        QVERIFY(p.seconde->backgroundPath().endsWith(QStringLiteral("Sport.Jpg")));
        QCOMPARE(p.main->titre()->caption(), QStringLiteral("Le sport"));
        QVERIFY(p.commande(13)->isVisible());
        QVERIFY(p.main->bouton(0)->isHidden());
        QCOMPARE(p.main->data().recordSource(), QStringLiteral("Imagier"));
        QCOMPARE(p.main->motAnglais()->isVisible(), true);
    }

    void exploringSaysTheWordWithItsLabelOneAtATime() {
        Exercice p;
        p.choose(0, 1);
        clickHotspot(p.image(), 3);
        QCOMPARE(p.played(QStringLiteral("MciLangue/Sportk3.wav")), 1);
        QVERIFY(!p.main->motAnglais()->caption().isEmpty());
        QVERIFY(p.main->bouton(8)->isVisible());
        QVERIFY(!p.image()->isEnabled());
        // A click while the word plays does nothing.
        clickHotspot(p.image(), 4);
        QCOMPARE(p.played(QStringLiteral("Sportk4.wav")), 0);
        p.channelOf(QStringLiteral("Sportk3.wav"))->finishNow();
        QVERIFY(p.image()->isEnabled());
        clickHotspot(p.image(), 4);
        QCOMPARE(p.played(QStringLiteral("Sportk4.wav")), 1);
    }

    void theLabelStaysHiddenWhenTexteIsFaux() {
        Exercice p;
        p.s->settings().write(Options::Configuration, Options::Texte, Options::Faux);
        p.choose(0, 1);
        QVERIFY(p.main->motAnglais()->isHidden());
    }

    void tenRightClicksStoreTen() {
        Exercice p;
        p.choose(0, 1);
        p.press(13);
        QVERIFY(!p.image()->isEnabled());
        QVERIFY(p.commande(13)->isHidden());
        for (int word = 0; word <= 9; ++word) {
            p.hear(word);
            QVERIFY(p.image()->isEnabled());
            clickHotspot(p.image(), word);
            QCOMPARE(p.commande(word)->color(), 0x8000u);
            QVERIFY(p.commande(word)->isAnswered());
        }
        QCOMPARE(p.score(QStringLiteral("Sport")).toInt(), 10);
        QCOMPARE(p.g().Reussites, 0);
        QTRY_COMPARE(p.played(QStringLiteral("son9.wav")), 1);
        p.channelOf(QStringLiteral("son9.wav"))->finishNow();
        QVERIFY(!p.image()->isEnabled());
        QCOMPARE(p.main->data().recordSource(), QStringLiteral("Imagier"));
    }

    void twelveWrongClicksThenTheTenWordsStoreZero() {
        Exercice p;
        p.choose(0, 1);
        p.press(13);
        p.hear(0);
        for (int i = 0; i < 12; ++i)
            clickHotspot(p.image(), 1);
        QCOMPARE(p.g().Erreurs, 12);
        QCOMPARE(p.commande(0)->color(), 0xFFu);
        for (int word = 0; word <= 9; ++word) {
            p.hear(word);
            clickHotspot(p.image(), word);
        }
        QCOMPARE(p.score(QStringLiteral("Sport")).toInt(), 0);
    }

    void threeWrongAndSevenRightAnswersStoreSeven() {
        Exercice p;
        p.choose(1, 2); // Les couleurs
        QCOMPARE(p.g().NumExercice, 15);
        p.press(13);
        QVERIFY(p.commande(11)->isVisible());
        QVERIFY(!p.commande(11)->isEnabled());
        for (int word = 0; word <= 9; ++word) {
            p.press(word);
            QCOMPARE(p.played(QStringLiteral("Couleurk%1.wav").arg(word + 1, 2, 10, QChar(u'0'))),
                     1);
            QCOMPARE(p.commande(11)->color(), 0xFFFFu);
            const bool vrai = word <= 4;
            const bool wrong = word < 3;
            p.press(vrai != wrong ? 11 : 12);
            QCOMPARE(p.commande(word)->color(), wrong ? 0xFFu : 0x8000u);
            QVERIFY(!p.commande(word)->isEnabled());
            QVERIFY(!p.commande(11)->isEnabled());
        }
        QCOMPARE(p.score(QStringLiteral("Couleur")).toInt(), 7);
    }

    void schoolObjectsTwoAndSixAnswerEachOther() {
        Exercice p;
        p.choose(0, 9);
        QCOMPARE(p.g().NumExercice, 10);
        p.press(13);
        p.hear(2);
        clickHotspot(p.image(), 6);
        QCOMPARE(p.g().Reussites, 1);
        p.hear(6);
        clickHotspot(p.image(), 2);
        QCOMPARE(p.g().Reussites, 2);
        p.hear(3);
        clickHotspot(p.image(), 6);
        QCOMPARE(p.g().Erreurs, 1);
    }

    void wordEightIsVraiInEuropeAndTheCalendarAndFauxInColoursAndNumbers() {
        const struct {
            int hotspot, exercise;
            bool vrai;
        } cases[] = {{1, 13, true}, {0, 14, true}, {2, 15, false}, {3, 16, false}};
        for (const auto& c : cases) {
            Exercice p;
            p.choose(1, c.hotspot);
            QCOMPARE(p.g().NumExercice, c.exercise);
            p.press(13);
            p.press(8);
            p.press(c.vrai ? 11 : 12);
            QCOMPARE(p.g().Reussites, 1);
            QCOMPARE(p.g().Erreurs, 0);
            p.press(7);
            p.press(11); // word 7 is a "Faux" word everywhere
            QCOMPARE(p.g().Erreurs, 1);
        }
    }

    void anAnswerButtonBeforeAnyWordCountsNothing() {
        Exercice p;
        p.choose(1, 1);
        p.press(13);
        p.commande(11)->setEnabled(true); // even if it could be pressed
        p.press(11);
        p.commande(12)->setEnabled(true);
        p.press(12);
        QCOMPARE(p.g().Reussites, 0);
        QCOMPARE(p.g().Erreurs, 0);
    }

    void oppositionOneIsPlayedAsAThemePicture() {
        Exercice p;
        p.choose(1, 4);
        QCOMPARE(p.g().NumExercice, 17);
        QCOMPARE(p.g().ModeActivite, 0);
        p.press(13);
        QVERIFY(p.commande(11)->isHidden());
        p.hear(5);
        clickHotspot(p.image(), 5);
        QCOMPARE(p.g().Reussites, 1);
        p.hear(4);
        clickHotspot(p.image(), 5);
        QCOMPARE(p.g().Erreurs, 1);
    }

    void movingOverTheListLightsAnExerciseWithTheHoverSound() {
        Exercice p;
        QTest::mouseClick(p.main->bouton(0), Qt::LeftButton);
        FXHotspotPicture* list = p.seconde->listPicture();
        const auto hoverSounds = [&p] {
            int count = 0;
            for (FakeAudioChannel* channel : p.s.audio->channels)
                for (const auto& played : channel->played)
                    count += !played.image.isEmpty() && played.image == p.g().EffectSounds[1];
            return count;
        };
        const int before = hoverSounds();
        send(list, QEvent::MouseMove, pointOf(list, 2), Qt::NoButton);
        QCOMPARE(list->highlightIndex(), 2);
        QCOMPARE(list->highlightStrength(), 20);
        QCOMPARE(hoverSounds(), before + 1);
        send(list, QEvent::MouseMove, pointOf(list, 2) + QPoint(1, 0), Qt::NoButton);
        QCOMPARE(hoverSounds(), before + 1); // the same exercise plays it once
        send(list, QEvent::MouseMove, pointOf(list, -1), Qt::NoButton);
        QCOMPARE(list->highlightIndex(), 10);
        QCOMPARE(list->highlightStrength(), 0);
    }

    void rechoisirPreparesTheFamilyAgainWithTheStartSound() {
        Exercice p;
        p.choose(0, 1);
        p.main->useTable(Schema::Table::Gestion);
        p.seconde->rechoisir();
        QCOMPARE(p.g().NumExercice, 0);
        QVERIFY(p.g().EnExercice);
        QCOMPARE(p.main->data().recordSource(), QStringLiteral("Imagier"));
        QVERIFY(p.main->timer(1)->isActive());
        QVERIFY(p.commande(13)->isHidden());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aReleaseAwayFromTheListShowsTheStartPicture() {
        Exercice p;
        QTest::mouseClick(p.main->bouton(0), Qt::LeftButton);
        QVERIFY(p.seconde->listPicture()->isVisible());
        const QPoint away = pointOf(p.seconde->listPicture(), -1);
        send(p.seconde->listPicture(), QEvent::MouseMove, away, Qt::NoButton);
        send(p.seconde->listPicture(), QEvent::MouseButtonRelease, away, Qt::LeftButton);
        QVERIFY(p.seconde->listPicture()->isHidden());
        QCOMPARE(p.main->titre()->caption(), QStringLiteral("Brindel"));
        QVERIFY(p.seconde->backgroundPath().endsWith(QStringLiteral("Brin.Jpg")));
        QCOMPARE(p.g().NumExercice, 0);
    }

    void theGuestsSeriesStoresNothing() {
        Exercice p(Invite);
        p.choose(0, 1);
        p.press(13);
        for (int word = 0; word <= 9; ++word) {
            p.hear(word);
            clickHotspot(p.image(), word);
        }
        QCOMPARE(p.g().Reussites, 0); // the series was closed
        QTRY_COMPARE(p.played(QStringLiteral("son9.wav")), 1);
        const QVariant stored = p.score(QStringLiteral("Sport"), Invite);
        QVERIFY(stored.isNull() || stored.toInt() == 0);
        QVERIFY(p.s.messageBox->shown.isEmpty());
    }

    void aScoreThatCannotBeWrittenIsReportedToTheTeacher() {
        Exercice p;
        QVERIFY(LearningDbFixture::execute(
            p.s.databasePath(), QStringLiteral("CREATE TRIGGER refus BEFORE UPDATE ON Gestion "
                                               "BEGIN SELECT RAISE(ABORT, 'disque plein'); END")));
        p.choose(0, 1);
        p.press(13);
        for (int word = 0; word <= 9; ++word) {
            p.hear(word);
            clickHotspot(p.image(), word);
        }
        QCOMPARE(p.s.messageBox->shown.size(), 1);
        QVERIFY(p.s.messageBox->shown[0].text.contains(QStringLiteral("n'a pas pu être")));
        QCOMPARE(p.s.messageBox->shown[0].flags, 16);
    }

    void repereOpensTheDictationWindowWithAction() {
        Exercice p;
        p.s.registerProbe(QStringLiteral("Tierce"));
        p.choose(2, 0);
        QCOMPARE(p.g().NumExercice, 19);
        QVERIFY(p.s.isShown(QStringLiteral("Tierce")));
        QCOMPARE(p.commande(13)->caption(), QStringLiteral("Action"));
        QCOMPARE(p.main->titre()->caption(), QStringLiteral("Repère 1"));
        // Without the dictation side the Repère buttons still count.
        p.press(13);
        QVERIFY(p.commande(14)->isVisible());
        p.press(2);
        p.press(11);
        QCOMPARE(p.g().Reussites, 1);
    }

    // The listening side drives the real dictation window: right answers reveal the pieces in
    // order, and a series with three errors leaves the puzzle scrambled and draggable.
    void repereSeriesRevealsThePiecesOfTheRealPuzzle() {
        for (const int errors : {3, 4}) {
            Exercice p;
            p.choose(2, 0);
            auto* tierce = p.s.form<Tierce>(QStringLiteral("Tierce"));
            QVERIFY(tierce);
            p.press(13);
            for (int word = 0; word <= 9; ++word) {
                p.press(word);
                const bool oui = word <= 4;
                const bool wrong = word < errors;
                p.press(oui != wrong ? 11 : 12);
                // Every answer counts towards the ten; a right one shows its piece.
                if (word < 9)
                    QCOMPARE(tierce->puzzle().cell(word) != Puzzle::NoCell, !wrong);
            }
            QCOMPARE(p.score(QStringLiteral("Son1")).toInt(), 10 - errors);
            QCOMPARE(tierce->puzzle().draggable(), errors < 4);
        }
    }

    // Distingue: a sentence button heard puts its sentence, run together, in the dictation box.
    void distingueSentenceButtonFillsTheDictationBox() {
        Exercice p;
        p.choose(3, 0);
        auto* tierce = p.s.form<Tierce>(QStringLiteral("Tierce"));
        QVERIFY(tierce);
        p.press(13);
        p.press(4);
        QVERIFY(!tierce->texte()->text().isEmpty());
        QVERIFY(!tierce->texte()->text().contains(u' '));
        QCOMPARE(p.played(QStringLiteral("Texte1k4.wav")), 1);
    }
};

QTEST_MAIN(TestActivites)
#include "tst_activites.moc"

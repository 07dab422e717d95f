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
void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The pointer moves onto hotspot `index` and the left (or other) button is released there.
void clickHotspot(FXHotspotPicture* picture, int index, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = index < 0 ? QPoint(1, 1) : hotspotPoint(picture, index);
    QVERIFY2(at.x() >= 0, qPrintable(QStringLiteral("no hotspot %1").arg(index)));
    send(picture, QEvent::MouseMove, at, Qt::NoButton);
    send(picture, QEvent::MouseButtonPress, at, button);
    send(picture, QEvent::MouseButtonRelease, at, button);
}
} // namespace

// The listening exercises of a signed-in pupil, with the spoken words and the shown word label.
class Exercice : public Partie {
public:
    explicit Exercice(const QString& pupil = Lea, bool signedIn = true)
        : Partie(pupil,
                 {QStringLiteral("Hotspot"), QStringLiteral("Bitmap"), QStringLiteral("Mcison")},
                 {{Options::Texte, Options::Vrai}}, signedIn) {}

    FXHotspotPicture* image() { return seconde->exercisePicture(); }
    FXShape* commande(int i) { return main->commande(i); }

    void choose(int family, int hotspot) {
        QTest::mouseClick(main->bouton(family), Qt::LeftButton);
        clickHotspot(seconde->listPicture(), hotspot);
    }
    void press(int button) { QTest::mouseClick(commande(button), Qt::LeftButton); }
    // The exercise is chosen and its series started with "Action".
    void startSeries(int family, int hotspot) {
        choose(family, hotspot);
        press(13);
    }

    // The word button `word` is heard to the end.
    void hear(int word) {
        press(word);
        if (FakeAudioChannel* channel = channelOf(QStringLiteral("k%1.wav").arg(word)))
            channel->finishNow();
    }
};

// Mean difference of the colour channels between a part of a screenshot and a picture file
// drawn into that part; 0 when the part shows exactly that picture.
double difference(const QImage& shot, const QRect& part, const QImage& picture,
                  const QRect& ofPicture) {
    const QImage expected =
        picture.copy(ofPicture)
            .scaled(part.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    const QImage seen = shot.copy(part).convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const QRgb a = seen.pixel(x, y), b = expected.pixel(x, y);
            total += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                     std::abs(qBlue(a) - qBlue(b));
        }
    return total / (3.0 * std::max(1, part.width() * part.height()));
}

class TestActivites : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!Partie::available())
            QSKIP("no generated program folder");
    }

    // Every button a child can see, in every state of the main window, leads to its window or
    // its message. A row is one state and one button.
    void everyVisibleButtonLeadsToItsWindowOrMessage_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("message");
        const QString guestScore = QStringLiteral("Il faut s'inscrire pour accéder aux résultats.");
        const QString quit = QStringLiteral("Tu veux quitter \"Brindel\" ?");
        const auto row = [](const QString& state, int button, const QString& window,
                            const QString& message = QString()) {
            QTest::addRow("%s %d", qPrintable(state), button)
                << state << button << window << message;
        };
        row(QStringLiteral("déconnecté"), 14, QString(), quit);
        for (const QString& state :
             {QStringLiteral("élève"), QStringLiteral("invité"), QStringLiteral("famille0"),
              QStringLiteral("famille3"), QStringLiteral("famille5"), QStringLiteral("exercice")}) {
            const bool guest = state == QStringLiteral("invité");
            const bool exercise = state == QStringLiteral("exercice");
            row(state, 9, guest ? QString() : QStringLiteral("Recompense"),
                guest ? guestScore : QString());
            row(state, 14, QString(), quit);
            row(state, 13, exercise ? QStringLiteral("Seconde") : QStringLiteral("Inscription"));
            if (!state.startsWith(QStringLiteral("famille"))) { // the family does not change them
                row(state, 10, QStringLiteral("Lexique"));
                row(state, 11, QStringLiteral("Apropos"));
            }
            if (exercise) // in an exercise the families, the web and the quiz are not shown
                continue;
            for (int family = 0; family <= 5; ++family)
                row(state, family, QStringLiteral("Seconde"));
            row(state, 6, QStringLiteral("Internet"));
            row(state, 7, QStringLiteral("Quizz"));
        }
    }

    void everyVisibleButtonLeadsToItsWindowOrMessage() {
        QFETCH(QString, state);
        QFETCH(int, button);
        QFETCH(QString, window);
        QFETCH(QString, message);
        // What the sign-in window leaves on the main window is the sign-in test's.
        const bool guest = state == QStringLiteral("invité");
        Exercice p(guest ? Partie::Invite : Partie::Lea, state != QStringLiteral("déconnecté"));
        // The web visit has its own test, which starts the browser engine as it needs.
        p.s.registerProbe(QStringLiteral("Internet"));
        p.s->settings().write(Options::Configuration, Options::Verrouillage, Options::Faux);
        QCoreApplication::processEvents();
        if (state.startsWith(QStringLiteral("famille")))
            QTest::mouseClick(p.main->bouton(state.back().digitValue()), Qt::LeftButton);
        if (state == QStringLiteral("exercice"))
            p.choose(0, 1);
        QVERIFY2(p.main->bouton(button)->isVisible(), "the button is there to press");
        // The window must come from this press, so it is closed first; the chooser stays, as
        // the activity buttons only ever show next to it.
        if (!window.isEmpty() && button > 5)
            p.s->forms().unload(window);
        p.s.messageBox->answers = {MsgBox::No};
        const int messages = p.s.messageBox->shown.size();
        press(p.main->bouton(button));
        if (!window.isEmpty())
            QTRY_VERIFY2(p.s.isShown(window), qPrintable(window));
        QCOMPARE(p.s.messageBox->shown.size(), messages + (message.isEmpty() ? 0 : 1));
        if (!message.isEmpty()) {
            const auto& shown = p.s.messageBox->shown.last();
            QCOMPARE(shown.text, message);
            QCOMPARE(shown.title, QStringLiteral("Brindel"));
            QCOMPARE(shown.flags, button == 14 ? 292 : 64);
            QVERIFY(!p.s.isShown(QStringLiteral("Recompense"))); // the guest's score stays shut
        }
        if (button <= 5)
            QVERIFY(p.seconde->listPicture()->isVisible());
    }

    // The chooser and the chosen exercise each draw their picture once, where it belongs.
    // Moving over the list lights an exercise with the hover sound, once per exercise; a
    // release away from every exercise shows the start picture. "Le sport" then shows its
    // picture and title, with the word label the "Texte" option asks for (the main window
    // test hides it); exploring says a word with its label, one word at a time; "rechoisir"
    // goes back.
    void theChooserAndLeSportShowTheirPicturesAndAnswerThePointer() {
        Exercice p;
        p.main->resize(1024, 768);
        press(p.main->bouton(0));
        const QString bitmaps = p.s.programFolder() + QStringLiteral("/Bitmap/");
        const QImage background(bitmaps + QStringLiteral("Brinobse.Jpg"));
        const QImage listImage(bitmaps + QStringLiteral("observe.Jpg"));
        QImage shot = p.seconde->grab().toImage();
        // The family's picture fills the window; the list covers none of its drawing in the
        // lower right corner, and the list shows its own picture.
        const QRect page = p.seconde->pictureRect();
        QVERIFY(!page.isEmpty());
        const auto corner = [](const QRect& r) {
            return QRect(r.x() + r.width() * 3 / 4, r.y() + r.height() * 3 / 4, r.width() / 4,
                         r.height() / 4);
        };
        QVERIFY2(difference(shot, corner(page), background, corner(background.rect())) < 8,
                 "the family picture's corner is covered");
        FXHotspotPicture* list = p.seconde->listPicture();
        QVERIFY(difference(shot, list->geometry(), listImage, listImage.rect()) < 8);

        const auto hoverSounds = [&p] {
            int count = 0;
            for (FakeAudioChannel* channel : p.s.audio->channels)
                for (const auto& played : channel->played)
                    count += !played.image.isEmpty() && played.image == p.g().EffectSounds[1];
            return count;
        };
        const int before = hoverSounds();
        send(list, QEvent::MouseMove, hotspotPoint(list, 2), Qt::NoButton);
        QCOMPARE(list->highlightIndex(), 2);
        QCOMPARE(list->highlightStrength(), 20);
        QCOMPARE(hoverSounds(), before + 1);
        send(list, QEvent::MouseMove, hotspotPoint(list, 2) + QPoint(1, 0), Qt::NoButton);
        QCOMPARE(hoverSounds(), before + 1); // the same exercise plays it once
        const QPoint away = hotspotPoint(list, -1);
        send(list, QEvent::MouseMove, away, Qt::NoButton);
        QCOMPARE(list->highlightIndex(), 10);
        QCOMPARE(list->highlightStrength(), 0);
        send(list, QEvent::MouseButtonRelease, away, Qt::LeftButton);
        QVERIFY(list->isHidden());
        QCOMPARE(p.main->titre()->caption(), QStringLiteral("Brindel"));
        QVERIFY(p.seconde->backgroundPath().endsWith(QStringLiteral("Brin.Jpg")));
        QCOMPARE(p.g().NumExercice, 0);

        p.choose(0, 1);
        QCoreApplication::processEvents();
        const QImage sport(bitmaps + QStringLiteral("Sport.Jpg"));
        shot = p.seconde->grab().toImage();
        const QRect pictureAt = p.seconde->exercisePicture()->geometry();
        QCOMPARE(pictureAt, p.seconde->pictureRect());
        QVERIFY(difference(shot, pictureAt, sport, sport.rect()) < 8);
        // Around the picture (the window is wider than the picture) nothing of it shows again:
        // the bands are one plain colour.
        QVERIFY(pictureAt.width() < p.seconde->width() || pictureAt.height() < p.seconde->height());
        const QRect band = pictureAt.x() > 0 ? QRect(0, 0, pictureAt.x(), shot.height())
                                             : QRect(0, 0, shot.width(), pictureAt.y());
        const QImage plain = shot.copy(band).convertToFormat(QImage::Format_RGB32);
        QImage flat(plain.size(), plain.format());
        flat.fill(plain.pixel(0, 0));
        QCOMPARE(plain, flat);

        QVERIFY(p.g().EnExercice);
        QVERIFY(p.seconde->listPicture()->isHidden());
        QVERIFY(p.seconde->backgroundPath().endsWith(QStringLiteral("Sport.Jpg")));
        QCOMPARE(p.main->titre()->caption(), QStringLiteral("Le sport"));
        QVERIFY(p.commande(13)->isVisible());
        QVERIFY(p.main->bouton(0)->isHidden());
        QVERIFY(p.main->motAnglais()->isVisible());

        clickHotspot(p.image(), 3);
        QCOMPARE(p.played(QStringLiteral("MciLangue/Sportk3.wav")), 1);
        QVERIFY(!p.main->motAnglais()->caption().isEmpty());
        QVERIFY(p.main->bouton(8)->isVisible());
        // A click while the word plays does nothing.
        QVERIFY(!p.image()->isEnabled());
        clickHotspot(p.image(), 4);
        QCOMPARE(p.played(QStringLiteral("Sportk4.wav")), 0);
        p.channelOf(QStringLiteral("Sportk3.wav"))->finishNow();
        QVERIFY(p.image()->isEnabled());
        clickHotspot(p.image(), 4);
        QCOMPARE(p.played(QStringLiteral("Sportk4.wav")), 1);

        // Choosing again prepares the family anew, on its own table, with the start sound.
        p.main->useTable(Schema::Table::Gestion);
        p.seconde->rechoisir();
        QCOMPARE(p.g().NumExercice, 0);
        QVERIFY(p.g().EnExercice);
        QCOMPARE(p.main->data().recordSource(), QStringLiteral("Imagier"));
        QVERIFY(p.main->timer(1)->isActive());
        QVERIFY(p.commande(13)->isHidden());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Ten right clicks store ten for the pupil at once, before the end sound, and a score the
    // database refuses is reported to the teacher. Which names take a score is the series test's.
    void tenRightClicksStoreTen() {
        for (const bool refused : {false, true}) {
            Exercice p;
            if (refused)
                QVERIFY(LearningDbFixture::execute(
                    p.s.databasePath(),
                    QStringLiteral("CREATE TRIGGER refus BEFORE UPDATE ON Gestion "
                                   "BEGIN SELECT RAISE(ABORT, 'disque plein'); END")));
            p.startSeries(0, 1);
            QVERIFY(!p.image()->isEnabled());
            QVERIFY(p.commande(13)->isHidden());
            for (int word = 0; word <= 9; ++word) {
                p.hear(word);
                QVERIFY(p.image()->isEnabled());
                clickHotspot(p.image(), word);
                QCOMPARE(p.commande(word)->color(), 0x8000u);
                QVERIFY(p.commande(word)->isAnswered());
            }
            QCOMPARE(p.score(QStringLiteral("Sport")).toInt(), refused ? 0 : 10);
            QCOMPARE(p.g().Reussites, 0); // the series was closed
            QCOMPARE(p.s.messageBox->shown.size(), refused ? 1 : 0);
            if (refused) {
                QVERIFY(p.s.messageBox->shown[0].text.contains(QStringLiteral("n'a pas pu être")));
                QCOMPARE(p.s.messageBox->shown[0].flags, 16);
            }
            QTRY_COMPARE(p.played(QStringLiteral("son9.wav")), 1);
            p.channelOf(QStringLiteral("son9.wav"))->finishNow();
            QVERIFY(!p.image()->isEnabled());
            QCOMPARE(p.main->data().recordSource(), QStringLiteral("Imagier"));
        }
    }

    // The answer-button series of "L'Europe" (exercise 13, word eight is "Vrai") and of "Repère"
    // (with "Ecouter" and its puzzle): before any word the buttons count nothing; each word
    // heard arms them, and three wrong then seven right answers store seven. In "Repère" the
    // right answers reveal the pieces in order and three errors still scramble the board.
    void answerButtonSeriesStoreSevenAfterThreeWrongAnswers() {
        for (const bool repere : {false, true}) {
            Exercice p;
            p.choose(repere ? 2 : 1, repere ? 0 : 1);
            auto* tierce = p.s.form<Tierce>(QStringLiteral("Tierce"));
            QCOMPARE(tierce && tierce->isVisible(), repere);
            if (repere)
                QCOMPARE(p.main->titre()->caption(), QStringLiteral("Repère 1"));
            p.press(13);
            QCOMPARE(p.commande(14)->isVisible(), repere);
            QVERIFY(p.commande(11)->isVisible());
            QVERIFY(!p.commande(11)->isEnabled());
            for (const int answer : {11, 12}) {
                p.commande(answer)->setEnabled(true); // even if it could be pressed
                p.press(answer);
            }
            QCOMPARE(p.g().Reussites + p.g().Erreurs, 0);
            for (int word = 0; word <= 9; ++word) {
                p.press(word);
                QCOMPARE(p.played(repere ? QStringLiteral("Son1k%1.wav").arg(word)
                                         : QStringLiteral("Capitalek%1.wav")
                                               .arg(word + 1, 2, 10, QChar(u'0'))),
                         1);
                QCOMPARE(p.commande(11)->color(), 0xFFFFu);
                const bool vrai = word <= 4 || (word == 8 && !repere);
                const bool wrong = word < 3;
                p.press(vrai != wrong ? 11 : 12);
                QCOMPARE(p.commande(word)->color(), wrong ? 0xFFu : 0x8000u);
                QVERIFY(!p.commande(word)->isEnabled());
                QVERIFY(!p.commande(11)->isEnabled());
                if (repere && word < 9) // a right answer shows its piece
                    QCOMPARE(tierce->puzzle().cell(word) != Puzzle::NoCell, !wrong);
            }
            QCOMPARE(p.score(repere ? QStringLiteral("Son1") : QStringLiteral("Capitale")).toInt(),
                     7);
            if (repere)
                QVERIFY(tierce->puzzle().draggable());
        }
    }

    // Series played on a theme picture (no answer buttons): each step is the word heard, the
    // hotspot clicked, then the right answers and the errors counted so far. The last click of
    // each series is a wrong one, which turns its word's button red.
    void themePictureSeriesCountsEachClick() {
        const struct {
            int family, hotspot;
            QList<QList<int>> steps;
        } series[] = {// School objects two and six answer each other.
                      {0, 9, {{2, 6, 1, 0}, {6, 2, 2, 0}, {3, 6, 2, 1}}},
                      // Opposition 1 is played as a theme picture.
                      {1, 4, {{5, 5, 1, 0}, {4, 5, 1, 1}}}};
        for (const auto& serie : series) {
            Exercice p;
            p.startSeries(serie.family, serie.hotspot);
            QCOMPARE(p.g().ModeActivite, 0);
            QVERIFY(p.commande(11)->isHidden());
            for (const QList<int>& step : serie.steps) {
                p.hear(step[0]);
                clickHotspot(p.image(), step[1]);
                QCOMPARE(p.g().Reussites, step[2]);
                QCOMPARE(p.g().Erreurs, step[3]);
            }
            QCOMPARE(p.commande(serie.steps.last()[0])->color(), 0xFFu);
        }
    }

    // Distingue: a sentence button heard puts its sentence, run together, in the dictation box.
    void distingueSentenceButtonFillsTheDictationBox() {
        Exercice p;
        p.startSeries(3, 0);
        auto* tierce = p.s.form<Tierce>(QStringLiteral("Tierce"));
        QVERIFY(tierce);
        p.press(4);
        QVERIFY(!tierce->texte()->text().isEmpty());
        QVERIFY(!tierce->texte()->text().contains(u' '));
        QCOMPARE(p.played(QStringLiteral("Texte1k4.wav")), 1);
    }
};

QTEST_MAIN(TestActivites)
#include "tst_activites.moc"

#include "data/Options.h"
#include "data/SettingsStore.h"
#include "platform/MessageBox.h"
#include "shell/Principale.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "sound/RecordingFile.h"
#include "sound/Visu.h"
#include "sound/WaveBox.h"
#include "sound/WaveFile.h"
#include "support/Scenario.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {

// A second of a rising and falling tone, as a spoken word would give.
QByteArray tone(int count = 11025) {
    QByteArray samples;
    for (int i = 0; i < count; ++i)
        samples.append(
            char(128 + std::lround(100 * std::sin(i / 8.0) * std::sin(i * M_PI / count))));
    return samples;
}

void fire(QTimer* timer) {
    QVERIFY(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

// The studio window, driven through its named controls with the fake audio devices.
class TestVisu : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;

    struct Studio {
        Scenario s;
        Visu* visu = nullptr;

        Studio() {
            s->general().DernierSon =
                s.writeFile(QStringLiteral("MciLangue/k1.wav"), makeWave8BitMono(tone()));
            visu = qobject_cast<Visu*>(s->forms().show(QStringLiteral("Visu")));
            visu->spectro().processEvents = [this] { s.clock->advance(100); };
        }
        template <class T> T* control(const QString& name) { return visu->findChild<T*>(name); }
        FXShape* button(int i) { return control<FXShape>(QStringLiteral("Command1(%1)").arg(i)); }
        WaveBox* box(int i) { return control<WaveBox>(QStringLiteral("Picture1(%1)").arg(i)); }
        FXLabel* title(int i) { return control<FXLabel>(QStringLiteral("Label1(%1)").arg(i)); }
        QTimer* timer(int i) { return control<QTimer>(QStringLiteral("Timer%1").arg(i)); }
        void click(int i) { QTest::mouseClick(button(i), Qt::LeftButton); }
        FakeAudioCapture* capture() { return s.audio->captures.last(); }
        FakeAudioChannel* channel() { return s.audio->channels.last(); }
        void record(const QByteArray& voice) {
            click(2);
            capture()->captured = voice;
        }
    };

    // Drags across a box from one x to another, in twips.
    static void drag(WaveBox* box, int fromX, int toX) {
        const int y = box->height() / 2;
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(fromX / 15, y));
        QMouseEvent move(QEvent::MouseMove, QPointF(toX / 15, y),
                         box->mapToGlobal(QPointF(toX / 15, y)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(box, &move);
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(toX / 15, y));
    }

private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }

    void theStudioButtonOpensTheStudioOnTheModel() {
        Scenario s;
        s.start();
        s->general().DernierSon =
            s.writeFile(QStringLiteral("MciLangue/k1.wav"), makeWave8BitMono(tone()));
        QTest::mouseClick(s.principale()->findChild<FXShape*>(QStringLiteral("Bouton(8)")),
                          Qt::LeftButton);
        auto* visu = s.form<Visu>(QStringLiteral("Visu"));
        QVERIFY(visu);
        QVERIFY(s->general().ModeStudio);
        QCOMPARE(visu->findChild<WaveBox*>(QStringLiteral("Picture1(1)"))->levels().size(), 610);
        QTest::mouseClick(visu->findChild<FXShape*>(QStringLiteral("Command1(5)")), Qt::LeftButton);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Visu")));
        QVERIFY(!s->general().ModeStudio);
    }

    // A take without an input device, or from one that hears only silence, says so in its box
    // instead of a flat line, with no stars. The stars judge the rest: the model's own word, the
    // same hidden by the teacher, and a take five times too long. A new take clears the verdict.
    void eachTakeStoppedByHandIsJudgedOrSaysItHoldsNoSound() {
        const QString none;
        for (const auto& [works, heard, hidden, boxMessage, stars] :
             {std::tuple{false, QByteArray(), false, Visu::NoSoundMessage, none},
              {true, QByteArray(11025, char(128)), false, Visu::NoSoundMessage, none},
              {true, tone(), false, none, QStringLiteral("\u2605\u2605\u2605  Bravo !")},
              {true, tone(), true, none, none},
              {true, tone().repeated(5), false, none,
               QStringLiteral("C'est trop long : dis seulement le mot.")}}) {
            Studio st;
            if (hidden)
                st.s->settings().write(Options::Configuration, Options::Etoiles, Options::Faux);
            auto* shown = st.control<QLabel>(QStringLiteral("Etoiles"));
            st.click(2);
            st.capture()->works = works;
            st.click(3); // the first take had no device settings: record again
            st.record(heard);
            st.click(3);
            QCOMPARE(st.box(2)->message(), boxMessage);
            QCOMPARE(st.box(2)->levels().isEmpty(), !boxMessage.isEmpty());
            QCOMPARE(shown->text(), stars);
            st.capture()->works = true;
            st.record(tone());
            QVERIFY(shown->text().isEmpty());
            st.click(3);
            QVERIFY(st.box(2)->message().isEmpty());
        }
    }

    // Ten seconds end a take with one message, and it is not drawn; a take stopped by hand is
    // saved in the runtime folder, not the program's, and drawn from there. Then a stretch of
    // either box is selected and played.
    void takesEndAtTheLimitOrByHandAndEitherBoxPlaysAStretchDraggedAcrossIt() {
        Studio st;
        QCOMPARE(st.box(2)->levels().size(), 0);
        st.record(QByteArray(11025, char(128)));
        QCOMPARE(st.timer(2)->interval(), 10000);
        QVERIFY(!st.box(1)->isEnabled());
        QVERIFY(!st.button(4)->isEnabled());
        fire(st.timer(2));
        QCOMPARE(st.s.messageBox->shown.size(), 1);
        QCOMPARE(st.s.messageBox->shown[0].text, Visu::TimeUpMessage);
        QCOMPARE(MsgBox::buttonSet(st.s.messageBox->shown[0].flags), MsgBox::OkOnly);
        QVERIFY(!st.timer(2)->isActive());
        QVERIFY(!st.button(3)->isEnabled());
        QVERIFY(!st.button(4)->isEnabled());
        QVERIFY(st.button(2)->isEnabled());
        QVERIFY(st.box(2)->levels().isEmpty());
        QVERIFY(QFile::exists(RecordingFile::path()));
        st.record(tone());
        st.click(3);
        QVERIFY(!st.timer(2)->isActive());
        QCOMPARE(st.box(2)->levels().size(), 610);
        QVERIFY(*std::max_element(st.box(2)->levels().begin(), st.box(2)->levels().end()) > 300);
        QVERIFY(st.box(2)->isEnabled());
        QVERIFY(st.button(4)->isEnabled());
        QVERIFY(RecordingFile::path().startsWith(runtime_.path()));
        QVERIFY(!QFile::exists(st.s.programFolder() + QStringLiteral("/enregist.tmp")));
        QCOMPARE(st.s.messageBox->shown.size(), 1);
        // On either box, a stretch dragged across it is drawn enlarged and is what the box's
        // button plays; a click in the selection gives the whole sound back.
        for (const auto& [box, normal, selected] :
             {std::tuple{1, QStringLiteral("Modèle"), QStringLiteral("Sélection du modèle")},
              {2, QStringLiteral("Enregistrement"),
               QStringLiteral("Sélection de l'enregistrement")}}) {
            const QVector<int> whole = st.box(box)->levels();
            QCOMPARE(st.title(box)->caption(), normal);
            drag(st.box(box), 300, 0); // the release selects from x = 10 to 300
            QCOMPARE(st.title(box)->caption(), selected);
            QCOMPARE(st.box(box)->backColour(), box == 1 ? 0xC0FFC0u : 0xFFFFC0u);
            QCOMPARE(st.box(box)->cursorColour(), 0xFF0000u);
            QVERIFY(st.box(box)->levels() != whole);
            st.click(box == 1 ? 1 : 4);
            QCOMPARE(st.timer(1)->interval(), 20);
            QVERIFY(!st.box(box)->isEnabled());
            const auto& played = st.channel()->played.last();
            QCOMPARE(played.file, box == 1 ? st.s->general().DernierSon : RecordingFile::path());
            QCOMPARE(played.fromMs, 2); // 2 and 49 thousandths: samples 22 and 540 of 11025
            QCOMPARE(played.toMs, 49);
            st.channel()->position = 1000; // the end: the cursor parked, the studio given back
            fire(st.timer(1));
            QVERIFY(!st.timer(1)->isActive());
            QCOMPARE(st.box(box)->cursorX(), -15.0);
            QCOMPARE(st.button(1)->color(), 0x4000u);
            QCOMPARE(st.button(4)->color(), 0x404000u);
            QVERIFY(st.box(box)->isEnabled());
            QVERIFY(st.control<QGroupBox>(QStringLiteral("Frame1(1)"))->isEnabled());
            drag(st.box(box), 600, 3000); // any release in the selection view: whole sound
            QCOMPARE(st.title(box)->caption(), normal);
            QCOMPARE(st.visu->spectro().SelEndPm[box], 0);
            QCOMPARE(st.box(box)->backColour(), 0u);
        }
    }
};

QTEST_MAIN(TestVisu)
#include "tst_visu.moc"

#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "sound/MciInterpreter.h"
#include "support/MediaWriters.h"
#include "support/Scenario.h"

#include <QSlider>
#include <QtTest>

// The loudspeaker's slider sets the volume of every sound output: the effects, the words and
// sentences of the main window, the rhymes, the studio's playback; those made later as well.
class TestVolume : public QObject {
    Q_OBJECT

private slots:
    void theSliderGovernsEveryChannel() {
        for (const int volume : {0, 6500, 65000}) {
            Scenario s;
            Principale* main = s.start();
            QVERIFY(main);
            s->effects(); // the effects and start-up sound channel
            auto* slider = main->findChild<QSlider*>(QStringLiteral("Slider1"));
            slider->setValue(volume == 65000 ? 1 : 65000); // a change before the one tested
            slider->setValue(volume);
            s->forms().get(QStringLiteral("Comptine"));
            const QString word =
                s.writeFile(QStringLiteral("MciLangue/cat.wav"), MediaWriters::silence(50));
            QCOMPARE(s->mci().send(QStringLiteral("open waveaudio!%1 alias sound").arg(word)), 0);
            QVERIFY(s.audio->channels.size() >= 4); // effects, Sonore1, Sonore, the studio's
            for (FakeAudioChannel* channel : s.audio->channels)
                QCOMPARE(channel->volumeValue, volume);
        }
    }
};

QTEST_MAIN(TestVolume)
#include "tst_volume.moc"

#include "sound/MciInterpreter.h"
#include "sound/SoundEngine.h"
#include "sound/WaveFile.h"
#include "support/FakeAudio.h"
#include "support/Fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The command strings carried out on (fake) audio devices.
class TestMci : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FakeAudioSystem audio_;
    std::unique_ptr<MciInterpreter> mci_;

    QString writeWave(const QString& name, int sampleCount) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(makeWave8BitMono(QByteArray(sampleCount, '\x80')));
        return path;
    }
    int send(const QString& command) { return mci_->send(command); }
    QString status(const QString& item) {
        QString reply;
        mci_->send("status sound " + item, &reply);
        return reply;
    }
    FakeAudioChannel& channel() { return *audio_.channels.last(); }
    FakeAudioCapture& input() { return *audio_.captures.last(); }

private slots:
    void init() { mci_ = std::make_unique<MciInterpreter>(audio_); }

    void pathsWithSpacesAndAnyKeywordCaseAreUnderstood() {
        const QString path = writeWave("a name with spaces.wav", 5513);
        QCOMPARE(send("OPEN WaveAudio!" + path + " ALIAS Sound"), 0);
        QCOMPARE(status("length"), QString("500"));
        QCOMPARE(send("Play Sound From 0 To 496"), 0);
        QCOMPARE(channel().played.last().file, path);
    }

    // A stretch plays those milliseconds of the file; stopping keeps the position reached, the
    // end of playback leaves it at the end of the stretch.
    void aStretchPlaysAndStopsOrEndsWhereItShould() {
        const QString path = writeWave("stretch.wav", 11025);
        QCOMPARE(send("open waveaudio!" + path + " alias sound"), 0);
        QCOMPARE(status("length"), QString("1000"));
        QCOMPARE(status("position"), QString("0"));
        QCOMPARE(send("play sound from 100 to 992"), 0);
        QCOMPARE(channel().played.size(), 1);
        QCOMPARE(channel().played[0].file, path);
        QCOMPARE(channel().played[0].fromMs, 100);
        QCOMPARE(channel().played[0].toMs, 992);
        channel().position = 300;
        QCOMPARE(status("position"), QString("300"));
        QCOMPARE(send("stop sound"), 0);
        QVERIFY(!channel().playing);
        channel().position = 0;
        QCOMPARE(status("position"), QString("300"));
        send("play sound from 0 to 992");
        channel().length = 1000;
        channel().finishNow();
        QCOMPARE(status("position"), QString("992"));
        QCOMPARE(status("length"), QString("1000"));
    }

    void closedDevicesAnswerNothingAndRefuseCommands() {
        QString reply = "stale";
        QCOMPARE(mci_->send("status sound length", &reply), int(MciInvalidDeviceName));
        QCOMPARE(reply, QString());
        QCOMPARE(send("play sound from 0 to 10"), int(MciInvalidDeviceName));
        QCOMPARE(send("stop sound"), int(MciInvalidDeviceName));
        QCOMPARE(send("close capture"), int(MciInvalidDeviceName));
        QCOMPARE(send("record capture"), int(MciInvalidDeviceName));
        QCOMPARE(send("save capture " + dir_.filePath("x.wav")), int(MciInvalidDeviceName));
        QVERIFY(!QFile::exists(dir_.filePath("x.wav")));
        send("open waveaudio!" + writeWave("c.wav", 100) + " alias sound");
        QCOMPARE(send("close sound"), 0);
        QCOMPARE(mci_->send("status sound length", &reply), int(MciInvalidDeviceName));
    }

    void openingAMissingOrDamagedFileFails() {
        QCOMPARE(send("open waveaudio! alias sound"), int(MciFileNotFound));
        QCOMPARE(send("open waveaudio!" + dir_.filePath("absent.wav") + " alias sound"),
                 int(MciFileNotFound));
        const QString junk = dir_.filePath("junk.wav");
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a wave at all");
        file.close();
        QCOMPARE(send("open waveaudio!" + junk + " alias sound"), int(MciInvalidFile));
        QCOMPARE(send("close sound"), int(MciInvalidDeviceName));
    }

    void anAliasCannotBeOpenedTwice() {
        const QString path = writeWave("twice.wav", 100);
        QCOMPARE(send("open waveaudio!" + path + " alias sound"), 0);
        QCOMPARE(send("open waveaudio!" + path + " alias sound"), int(MciDuplicateAlias));
        QCOMPARE(send("open new type waveaudio alias capture"), 0);
        QCOMPARE(send("open new type waveaudio alias capture"), int(MciDuplicateAlias));
    }

    void playBoundsPastTheEndAreClampedAndReversedBoundsRefused() {
        send("open waveaudio!" + writeWave("short.wav", 1103) + " alias sound");
        QCOMPARE(send("play sound from 0 to 5000"), 0);
        QCOMPARE(channel().played.last().toMs, 100);
        QCOMPARE(send("play sound from 50 to 10"), int(MciOutOfRange));
        QCOMPARE(send("play sound from 0 to 0"), 0);
        QCOMPARE(channel().played.last().toMs, 0);
    }

    void unknownCommandsAreRefused_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("empty") << "";
        QTest::newRow("garbage") << "bonjour";
        QTest::newRow("other alias") << "open new type waveaudio alias micro";
        QTest::newRow("other status") << "status sound mode";
        QTest::newRow("negative bound") << "play sound from -5 to 10";
        QTest::newRow("huge bound") << "play sound from 0 to 99999999999999999999";
        QTest::newRow("record sound") << "record sound";
        QTest::newRow("stop other") << "stop everything";
    }
    void unknownCommandsAreRefused() {
        QFETCH(QString, command);
        QVERIFY(send(command) != 0);
    }

    void recordingSavesAnEightBitMonoWaveOfWhatWasCaptured() {
        QCOMPARE(send("open new type waveaudio alias capture"), 0);
        QCOMPARE(send("record capture"), 0);
        QVERIFY(input().capturing);
        input().captured = QByteArray("\x10\x20\x30", 3);
        QCOMPARE(send("stop capture"), 0);
        QVERIFY(!input().capturing);
        const QString path = dir_.filePath("enregist.tmp");
        QCOMPARE(send("save capture " + path), 0);
        QCOMPARE(send("close capture"), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), makeWave8BitMono(QByteArray("\x10\x20\x30", 3), 11025));
    }

    void savingWhileRecordingSavesTheSamplesSoFar() {
        send("open new type waveaudio alias capture");
        send("record capture");
        input().captured = QByteArray(50, '\x70');
        const QString path = dir_.filePath("live.wav");
        QCOMPARE(send("save capture " + path), 0);
        const auto chunks = parseWave([&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }());
        QVERIFY(chunks);
        QCOMPARE(chunks->dataSize, 50);
    }

    // A save replaces the earlier recording, and a new capture starts empty.
    void eachSaveHoldsOnlyTheSamplesOfItsCapture() {
        const QString path = dir_.filePath("over.tmp");
        for (int size : {400, 7, -1}) {
            send("open new type waveaudio alias capture");
            send("record capture");
            input().captured = QByteArray(size < 0 ? 30 : size, '\x81');
            send(size < 0 ? "close capture" : "stop capture");
            if (size < 0) // the samples of the closed capture are gone
                send("open new type waveaudio alias capture");
            QCOMPARE(send("save capture " + path), 0);
            send("close capture");
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), makeWave8BitMono(QByteArray(qMax(size, 0), '\x81')));
        }
    }

    void recordingWithoutAWorkingInputFailsButStillSavesAnEmptyWave() {
        send("open new type waveaudio alias capture");
        input().works = false;
        QCOMPARE(send("record capture"), int(MciDeviceNotReady));
        const QString path = dir_.filePath("silent.wav");
        QCOMPARE(send("save capture " + path), 0);
        QVERIFY(QFile::exists(path));
    }

    void savingIntoAMissingFolderFails() {
        send("open new type waveaudio alias capture");
        QCOMPARE(send("save capture " + dir_.filePath("no/such/folder/r.wav")),
                 int(MciFileNotSaved));
    }
};

QTEST_MAIN(TestMci)
#include "tst_mci.moc"

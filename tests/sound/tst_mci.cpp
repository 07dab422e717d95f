#include "WaveBuilder.h"
#include "sound/MciInterpreter.h"
#include "sound/SoundEngine.h"
#include "sound/WaveFile.h"
#include "support/FakeAudio.h"
#include "support/Fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString OpenCapture = QStringLiteral("open new type waveaudio alias capture");
}

// The command strings carried out on (fake) audio devices.
class TestMci : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FakeAudioSystem audio_;
    std::unique_ptr<MciInterpreter> mci_;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        return TestFiles::write(dir_.filePath(name), bytes);
    }
    QString writeWave(const QString& name, int sampleCount) {
        return writeFile(name, makeWave8BitMono(QByteArray(sampleCount, '\x80')));
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
    // The devices of the previous interpreter are gone with it: no pointer to them is kept.
    void init() {
        audio_.channels.clear();
        audio_.captures.clear();
        mci_ = std::make_unique<MciInterpreter>(audio_);
    }

    // Each row's commands in turn and the code each answers, {dir} standing for the scratch
    // folder, where c.wav is a readable wave and junk.wav none. A refused command answers
    // nothing, and nothing is saved as x.wav.
    void commandsAnswerTheirCodes_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QList<int>>("codes");
        const QString sound = QStringLiteral("open waveaudio!{dir}/c.wav alias sound");
        const int closed = MciInvalidDeviceName;
        const auto row = [](const char* name, const QStringList& commands,
                            const QList<int>& codes) { QTest::newRow(name) << commands << codes; };
        row("closed",
            {"status sound length", "play sound from 0 to 10", "stop sound", "close capture",
             "record capture", "save capture {dir}/x.wav"},
            QList<int>(6, closed));
        row("closed again", {sound, "close sound", "status sound length"}, {0, 0, closed});
        row("no file named", {"open waveaudio! alias sound"}, {MciFileNotFound});
        row("missing file", {"open waveaudio!{dir}/absent.wav alias sound"}, {MciFileNotFound});
        row("damaged file", {"open waveaudio!{dir}/junk.wav alias sound", "close sound"},
            {MciInvalidFile, closed});
        row("sound twice", {sound, sound}, {0, MciDuplicateAlias});
        row("capture twice", {OpenCapture, OpenCapture}, {0, MciDuplicateAlias});
        row("reversed bounds", {sound, "play sound from 50 to 10"}, {0, MciOutOfRange});
        row("missing folder", {OpenCapture, "save capture {dir}/no/such/folder/x.wav"},
            {0, MciFileNotSaved});
        // Unknown commands, with both devices open so that none is refused for a closed one:
        // empty, garbage, another alias, another status, bounds negative or too large, and
        // record or stop on what cannot.
        const int unknown = MciUnrecognizedCommand;
        row("unknown",
            {sound, OpenCapture, "", "bonjour", "open new type waveaudio alias micro",
             "status sound mode", "play sound from -5 to 10",
             "play sound from 0 to 99999999999999999999", "record sound", "stop everything"},
            {0, 0, unknown, unknown, unknown, unknown, unknown, unknown, unknown, closed});
    }
    void commandsAnswerTheirCodes() {
        QFETCH(QStringList, commands);
        QFETCH(QList<int>, codes);
        QCOMPARE(codes.size(), commands.size());
        writeFile("junk.wav", "not a wave at all");
        writeWave("c.wav", 1103);
        for (qsizetype i = 0; i < commands.size(); ++i) {
            QString reply = "stale";
            QCOMPARE(mci_->send(QString(commands[i]).replace("{dir}", dir_.path()), &reply),
                     codes[i]);
            if (codes[i] != 0)
                QCOMPARE(reply, QString());
        }
        QVERIFY(!QFile::exists(dir_.filePath("x.wav")));
    }

    // A stretch plays those milliseconds of the file, its end cut to the file's length; the
    // keywords are understood in any case and the path may hold spaces. Stopping or the end
    // leaves the position where it should.
    void aStretchPlaysThoseMillisecondsAndStopsWhereItShould() {
        for (const auto& [play, fromMs, toMs] : {std::tuple{"Play Sound From 0 To 496", 0, 496},
                                                 {"play sound from 100 to 492", 100, 492},
                                                 {"play sound from 0 to 5000", 0, 500},
                                                 {"play sound from 0 to 0", 0, 0}}) {
            init();
            const QString path = writeWave("a name with spaces.wav", 5513);
            QCOMPARE(send("OPEN WaveAudio!" + path + " ALIAS Sound"), 0);
            QCOMPARE(status("length"), QString("500"));
            QCOMPARE(send(play), 0);
            QCOMPARE(channel().played.size(), 1);
            QCOMPARE(channel().played[0].file, path);
            QCOMPARE(channel().played[0].fromMs, fromMs);
            QCOMPARE(channel().played[0].toMs, toMs);
        }
        // Stopping keeps the position reached, the end of playback leaves it at the end of the
        // stretch.
        QCOMPARE(status("position"), QString("0"));
        QCOMPARE(send("play sound from 100 to 492"), 0);
        channel().position = 300;
        QCOMPARE(status("position"), QString("300"));
        QCOMPARE(send("stop sound"), 0);
        QVERIFY(!channel().playing);
        channel().position = 0;
        QCOMPARE(status("position"), QString("300"));
        send("play sound from 0 to 492");
        channel().length = 1000; // where the channel stands at its end: past the stretch
        channel().finishNow();
        QCOMPARE(status("position"), QString("492"));
        QCOMPARE(status("length"), QString("500"));
    }

    // Each save replaces the last with an 8-bit mono wave of what its capture holds, stopped or
    // still recording; nothing once the capture was closed, nor when recording failed for want of
    // a working input.
    void eachSaveHoldsWhatItsCaptureHeld() {
        const QString path = dir_.filePath("enregist.tmp");
        enum End { Stop, Record, Reopen };
        for (const auto& [works, captured, end] : {std::tuple{true, QByteArray(50, '\x70'), Stop},
                                                   {true, QByteArray("\x10\x20\x30", 3), Record},
                                                   {true, QByteArray(30, '\x81'), Reopen},
                                                   {false, QByteArray(20, '\x55'), Record}}) {
            QCOMPARE(send(OpenCapture), 0);
            input().works = works;
            QCOMPARE(send("record capture"), works ? 0 : int(MciDeviceNotReady));
            QCOMPARE(input().capturing, works);
            input().captured = captured;
            if (end == Stop) {
                QCOMPARE(send("stop capture"), 0);
                QVERIFY(!input().capturing);
            } else if (end == Reopen) {
                QCOMPARE(send("close capture"), 0);
                QCOMPARE(send(OpenCapture), 0);
            }
            QCOMPARE(send("save capture " + path), 0);
            QCOMPARE(send("close capture"), 0);
            QFile saved(path);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.readAll(),
                     makeWave8BitMono(works && end != Reopen ? captured : QByteArray(), 11025));
        }
    }
};

QTEST_MAIN(TestMci)
#include "tst_mci.moc"

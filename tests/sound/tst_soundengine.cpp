#include "StudioViewLog.h"
#include "sound/SoundEngine.h"
#include "support/Fakes.h"

#include <QMap>
#include <QTimer>
#include <QtTest>

namespace {

// Records every command and answers from a script: return codes by command, replies by
// command (the status ones).
class RecordingSender : public MciSender {
public:
    int send(const QString& command, QString* reply) override {
        sent.append(command);
        if (reply)
            *reply = replies.value(command);
        return codes.value(command, 0);
    }
    QStringList sent;
    QMap<QString, int> codes;
    QMap<QString, QString> replies;
};

// The cursor parked and the studio given back once the cursor of the box has passed the end.
QStringList endOfPlayback(int box) {
    return QString("Line1(%1) -15|Timer1 0|Cls %1|Command1(1) &H4000 2|Command1(2) enabled 1|"
                   "Command1(4) &H404000 2|Frame1(0) 1|Frame1(1) 1|Frame1(2) 1|Picture1(1) 1|"
                   "Picture1(2) 1")
        .arg(box)
        .split('|');
}

} // namespace

// The engine's routines: which command strings they send, in which order, and what the
// playback tick does to the studio.
class TestSpectro : public QObject {
    Q_OBJECT

    RecordingSender mci_;
    FakeClock clock_;
    StudioViewLog view_;
    std::unique_ptr<Spectro> spectro_;

private slots:
    void init() {
        mci_ = RecordingSender();
        view_ = StudioViewLog();
        clock_ = FakeClock();
        spectro_ = std::make_unique<Spectro>(mci_, clock_);
        spectro_->shortPath = [](const QString& path) { return "short:" + path; };
    }

    // The stretch, in samples of 11,025 a second, is played and kept in milliseconds rounded
    // half to even (4.5 and 5.4 ms; 49.5 and 50.49 ms); a sound that cannot be opened is not.
    void stretchBoundsBecomeMillisecondsRoundedHalfToEvenOrAreNotPlayed() {
        for (const auto& [from, to, fromMs, toMs] : {std::array{0, 11025, 0, 992},
                                                     {0, 0, 0, 0},
                                                     {50, 60, 4, 5},
                                                     {550, 561, 50, 50},
                                                     {2205, 8820, 198, 794}}) {
            init();
            spectro_->FileToPlay = "/p/word.wav";
            spectro_->StretchFrom = from;
            spectro_->StretchTo = to;
            spectro_->PlayStretch(view_);
            QCOMPARE(mci_.sent,
                     QStringList({"stop sound", "close sound",
                                  "open waveaudio!short:/p/word.wav alias sound",
                                  QString("play sound from %1 to %2").arg(fromMs).arg(toMs)}));
            QCOMPARE(view_.calls, QStringList{"Timer1 1"});
            QCOMPARE(spectro_->StretchFrom, fromMs);
            QCOMPARE(spectro_->StretchTo, toMs);
        }
        init(); // a sound that cannot be opened is not played
        spectro_->shortPath = [](const QString&) { return QString(); };
        mci_.codes["open waveaudio! alias sound"] = MciFileNotFound;
        spectro_->StretchTo = 11025;
        spectro_->PlayStretch(view_);
        QCOMPARE(mci_.sent,
                 QStringList({"stop sound", "close sound", "open waveaudio! alias sound"}));
        QVERIFY(view_.calls.isEmpty());
    }

    // A take: starting arms the limit, opens and records, then waits a second with events
    // running; stopping saves before closing the capture; closing all starts with playback.
    // The wait also ends when the time of day wraps at midnight.
    void aTakeSendsItsCommandsInOrderAndWaitsASecondWithEventsRunning() {
        int ticks = 0;
        QTimer advancer;
        connect(&advancer, &QTimer::timeout, this, [&] {
            ++ticks;
            clock_.advance(300);
        });
        advancer.start(0);
        spectro_->StartRecording(view_);
        QCOMPARE(view_.calls, QStringList{"Timer2 1"});
        // 300 ms a tick: 0.3, 0.6, 0.9 and 1.2 s; the wait ends once the mark is passed.
        QCOMPARE(ticks, 4);
        QVERIFY(clock_.seconds > 36001.0);
        spectro_->SaveCommand = "save capture /p/enregist.tmp";
        spectro_->StopRecording();
        spectro_->CloseAllSound();
        QCOMPARE(mci_.sent, QStringList({"open new type waveaudio alias capture", "record capture",
                                         "stop capture", "save capture /p/enregist.tmp",
                                         "close capture", "stop sound", "close sound", "stop sound",
                                         "close sound", "stop capture", "close capture"}));
        init();
        clock_.seconds = 86399.5;
        int turns = 0;
        spectro_->processEvents = [&] {
            ++turns;
            clock_.seconds = turns < 3 ? clock_.seconds + 0.2 : 0.1;
        };
        spectro_->StartRecording(view_);
        QCOMPARE(turns, 3);
    }

    // One playback tick: the status replies read, then the cursor of the playing box moved,
    // and past x = 6080 the playback ended. A selection (1000 to 3000) of the playing box is
    // crossed as if it filled the box; one of the other box is ignored.
    void theTickMovesTheCursorWithThePosition() {
        // The wave playing, the box holding the selection (0: none), the replies, the calls.
        using Row = std::tuple<int, int, const char*, const char*, QStringList>;
        for (const auto& [wave, selectedBox, length, position, calls] : {
                 Row{1, 0, "", "", {}},    // no sound open
                 Row{0, 0, "abc", "", {}}, // a reply without a number is nothing open
                 Row{1, 0, "31250", "30400", {"Line1(1) 6080"}}, // exactly 6080 keeps playing
                 // 97.29 %: x = 6080.6, past 6080: the end restores the studio
                 Row{1, 0, "31250", "30403", QStringList{"Line1(1) 6080.6"} + endOfPlayback(1)},
                 Row{2, 1, "1000", "320", {"Line1(2) 2000"}}, // the other box's selection ignored
                 // 6250 × 0.32 = 2000, half-way through the selection
                 Row{2, 2, "1000", "320", {"Line1(2) 3125"}},
                 // 6250 × 0.48 = 3000, the selection's end: (3000 − 1000) × 6250 ÷ 2000
                 Row{2, 2, "1000", "480", QStringList{"Line1(2) 6250"} + endOfPlayback(2)},
                 Row{1, 0, " 1000 ms", "250.0x", {"Line1(1) 1562.5"}}, // leading numbers read
             }) {
            init();
            spectro_->CurrentWave = wave;
            if (selectedBox) {
                spectro_->SelStartX[selectedBox] = 1000;
                spectro_->SelEndX[selectedBox] = 3000;
            }
            mci_.replies["status sound length"] = length;
            mci_.replies["status sound position"] = position;
            spectro_->PlaybackTick(view_);
            QCOMPARE(mci_.sent, calls.isEmpty() ? QStringList{"status sound length"}
                                                : QStringList({"status sound length",
                                                               "status sound position"}));
            QCOMPARE(view_.calls, calls);
        }
    }
};

QTEST_MAIN(TestSpectro)
#include "tst_soundengine.moc"

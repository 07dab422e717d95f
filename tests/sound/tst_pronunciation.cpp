#include "sound/Pronunciation.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cmath>

using Pronunciation::Outcome;

namespace {
constexpr int Rate = 22050;

// A word spoken by espeak-ng, as samples at Rate; empty when espeak-ng is missing.
std::vector<float> speak(const QString& word, const QString& voice, int speed = 160,
                         int pitch = 50) {
    QProcess p;
    p.start(QStringLiteral("espeak-ng"),
            {QStringLiteral("-v"), voice, QStringLiteral("-s"), QString::number(speed),
             QStringLiteral("-p"), QString::number(pitch), QStringLiteral("--stdout"), word});
    if (!p.waitForFinished(10000))
        return {};
    const QByteArray wav = p.readAllStandardOutput();
    const qsizetype data = wav.indexOf("data");
    return data < 0 ? std::vector<float>{}
                    : Pronunciation::fromSigned16(QByteArrayView(wav).sliced(data + 8));
}

std::vector<float> tone(double seconds, double amplitude, int rate = Rate) {
    std::vector<float> s(std::size_t(seconds * rate));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = float(amplitude * std::sin(2 * M_PI * 220.0 * double(i) / rate));
    return s;
}
} // namespace

// The pronunciation distance and the stars and messages it leads to.
class TestPronunciation : public QObject {
    Q_OBJECT

private slots:
    // 8-bit samples are centred on 128, 16-bit ones read little-endian; both end in [-1, 1).
    void sampleConversions() {
        QCOMPARE(Pronunciation::fromUnsigned8(QByteArray("\x00\x80\xff", 3)),
                 (std::vector<float>{-1.0f, 0.0f, 127.0f / 128.0f}));
        QCOMPARE(Pronunciation::fromSigned16(QByteArray("\x00\x80\xff\x7f\xff\xff", 6)),
                 (std::vector<float>{-1.0f, 32767.0f / 32768.0f, -1.0f / 32768.0f}));
    }

    void voicedStretchTrimsSilence() {
        std::vector<float> s(std::size_t(Rate / 2), 0.0f);
        const auto sound = tone(0.3, 0.5);
        s.insert(s.end(), sound.begin(), sound.end());
        s.resize(s.size() + std::size_t(Rate / 4), 0.0f);
        const auto st = Pronunciation::voicedStretch(s, Rate);
        // Within one 10 ms frame of where the tone starts and ends.
        QVERIFY(std::abs(double(st.first) - Rate / 2.0) <= Rate / 100.0);
        QVERIFY(std::abs(double(st.last) - Rate * 0.8) <= Rate / 100.0);
        QCOMPARE(Pronunciation::voicedStretch(std::vector<float>(Rate, 0.005f), Rate).size(),
                 std::size_t(0));
    }

    // The same word in another voice earns more stars than another word in that voice. Taken
    // as the studio records it, 8-bit at half the model's rate, the same word still earns two
    // stars or more.
    void otherWordScoresBelowOtherVoiceAndAnEightBitTakeStillScores() {
        if (QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty())
            QSKIP("espeak-ng is not installed");
        for (const auto& [word, other] : {std::pair{"fromage", "chocolat"},
                                          {"janvier", "maison"},
                                          {"courir", "bibliothèque"},
                                          {"pantalon", "téléphone"}}) {
            const auto model = speak(word, QStringLiteral("fr"));
            const auto voice = speak(word, QStringLiteral("fr+m3"), 140, 35);
            const auto same = Pronunciation::judge(model, Rate, voice, Rate);
            const auto diff = Pronunciation::judge(
                model, Rate, speak(other, QStringLiteral("fr+m3"), 140, 35), Rate);
            QCOMPARE(same.outcome, Outcome::Stars);
            QCOMPARE(diff.outcome, Outcome::Stars);
            QVERIFY2(
                diff.stars < same.stars,
                qPrintable(QString::asprintf("%s: %d vs %d stars", other, diff.stars, same.stars)));
            std::vector<float> take;
            for (std::size_t i = 0; i < voice.size(); i += 2)
                take.push_back(std::round(voice[i] * 127.0f) / 128.0f);
            const auto eightBit = Pronunciation::judge(model, Rate, take, Rate / 2);
            QCOMPARE(eightBit.outcome, Outcome::Stars);
            QVERIFY(eightBit.stars >= 2);
        }
    }

    // Takes refused before their distance is measured, and one the same as the model: no
    // distance, three stars.
    void takesAreJudged() {
        const QString silent = QStringLiteral("Je n'entends rien : parle plus près du micro.");
        const QString shortTake = QStringLiteral("C'est trop court : dis tout le mot.");
        // Seconds and loudness of a tone taken against a 0.6 s tone model.
        for (const auto& [seconds, amplitude, outcome, message] :
             {std::tuple{3.0, 0.0, Outcome::Silent, silent},
              {3.0, 0.01, Outcome::Silent, silent},      // input noise only
              {0.05, 0.5, Outcome::TooShort, shortTake}, // a click
              {0.2, 0.5, Outcome::TooShort, shortTake},  // a third of the word
              {3.0, 0.5, Outcome::TooLong,
               QStringLiteral("C'est trop long : dis seulement le mot.")},
              {0.6, 0.5, Outcome::Stars, QStringLiteral("Bravo !")}}) {
            const auto v =
                Pronunciation::judge(tone(0.6, 0.5), Rate, tone(seconds, amplitude), Rate);
            QCOMPARE(v.outcome, outcome);
            QCOMPARE(v.stars, outcome == Outcome::Stars ? 3 : 0);
            QCOMPARE(v.message, message);
            if (outcome == Outcome::Stars)
                QCOMPARE(v.distance, 0.0); // the model itself
        }
    }
};

QTEST_GUILESS_MAIN(TestPronunciation)
#include "tst_pronunciation.moc"

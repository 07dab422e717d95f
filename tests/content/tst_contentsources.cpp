// The content generator refuses sources the program could not use, names the rows and files the
// program asks for, and makes effects, help and web pages the program can read.
#include "Effects.h"
#include "HelpFile.h"
#include "SpokenTexts.h"
#include "TextSources.h"
#include "WebPages.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QString& text) {
    TestFiles::write(path, text.toUtf8());
}

} // namespace

class ContentSourcesTest : public QObject {
    Q_OBJECT

private slots:
    // The word lists add their pairs to the lexicon once, leaving out words with no French;
    // the theme words are spoken by the picture step, not a second time with the texts (the
    // other spoken file names are looked for in the generated program folder by tst_content).
    void wordListsAddTheirPairsToTheLexiconOnceAndOnlyRepereWordsAreSpoken() {
        const QList<TextSources::Word> words{{"Son2", "k10", "cat", "chat"},
                                             {"Sport", "k0", "football", "football"},
                                             {"Son2", "k1", "bag", ""}};
        const auto recordings = SpokenTexts::recordings(words, {}, {});
        QCOMPARE(recordings.size(), 2);
        QCOMPARE(recordings.first().relativePath, QStringLiteral("MciLangue/Son2k10.wav"));
        QTemporaryDir folder;
        writeFile(folder.filePath("lexicon.tsv"),
                  QStringLiteral("cat\tchat\ndog\tchien\ncat\tchat\n"));
        QString error;
        const auto pairs = TextSources::readLexicon(folder.path(), words, &error);
        QVERIFY2(pairs, qPrintable(error));
        QCOMPARE(pairs->size(), 3);
        QCOMPARE(pairs->last(), (TextSources::LexiconPair{"football", "football"}));
    }

    // Sentences and rhymes are read; every sentence must be one the dictation can judge, and
    // only one rhyme may have ten verses. The rows they go to are read from the generated
    // database by tst_contentdatabase (rows 101, 124, 131 and 160) and tst_content (all).
    void sentencesAndRhymesAreReadAndTheUnusableOnesRefused() {
        QTemporaryDir folder;
        for (int n = 1; n <= 10; ++n) {
            for (const char* family : {"Texte", "Dictee"})
                writeFile(folder.filePath(QStringLiteral("sentences/%1%2.txt").arg(family).arg(n)),
                          QStringLiteral("I am happy.\n").repeated(10));
            writeFile(folder.filePath(QStringLiteral("rhymes/Comptine%1.txt").arg(n)),
                      QStringLiteral("# Rhyme %1\nVerse one,\nverse two.\n").arg(n));
        }
        QString error;
        const auto sentences = TextSources::readSentences(folder.path(), &error);
        QVERIFY2(sentences && sentences->size() == 200, qPrintable(error));
        const auto rhymes = TextSources::readRhymes(folder.path(), &error);
        QVERIFY2(rhymes, qPrintable(error));
        QCOMPARE(rhymes->at(2).title, QStringLiteral("Rhyme 3"));
        QCOMPARE(rhymes->at(2).verses, QStringList({"Verse one,", "verse two."}));
        for (const char* sentence : {"How are you?", "I am ten", "I am ten .", "He said \"hi\"."}) {
            writeFile(folder.filePath("sentences/Dictee2.txt"),
                      QStringLiteral("Good morning.\n").repeated(9) + sentence + u'\n');
            QVERIFY2(!TextSources::readSentences(folder.path(), &error), sentence);
            QVERIFY2(error.contains(QLatin1String("Dictee2.txt:10")), qPrintable(error));
        }
        const QString ten = QStringLiteral("A verse\n").repeated(10);
        writeFile(folder.filePath("rhymes/Comptine2.txt"), ten);
        QVERIFY2(TextSources::readRhymes(folder.path(), &error), qPrintable(error));
        writeFile(folder.filePath("rhymes/Comptine5.txt"), ten);
        QVERIFY(!TextSources::readRhymes(folder.path(), &error));
        writeFile(folder.filePath("rhymes/Comptine5.txt"), ten + QStringLiteral("Verse 11\n"));
        QVERIFY(!TextSources::readRhymes(folder.path(), &error));
    }

    // The right answers are read; a line the quiz cannot use is refused with its line number.
    void quizRightAnswersAreReadAndQuestionsTheQuizCannotUseAreRefused() {
        QTemporaryDir folder;
        const QString valid = QStringLiteral("# comment\nQuel jour ?\tlundi\tmardi\tjeudi\t13\n");
        writeFile(folder.filePath("quiz.tsv"), valid);
        QString error;
        const auto quiz = TextSources::readQuiz(folder.path(), &error);
        QVERIFY2(quiz && quiz->size() == 1, qPrintable(error));
        QCOMPARE(quiz->first().right, (std::array<bool, 3>{true, false, true}));
        for (const char* line : {
                 "Question ?\ta\tb\tc\t",                          // no right answer
                 "Question ?\ta\tb\tc\t4",                         // right answer out of range
                 "Que veut dire \"cat\" ?\tchat\tchien\tvache\t1", // double quote
                 "Question ?\ta\tb\t1",                            // two answers only
                 "Quel jour ?\tlundi\tmardi\tjeudi\t1",            // same question twice
             }) {
            writeFile(folder.filePath("quiz.tsv"), valid + line);
            QVERIFY2(!TextSources::readQuiz(folder.path(), &error), line);
            QVERIFY2(error.contains(QLatin1String("quiz.tsv:3")), qPrintable(error));
        }
    }

    void effectsAreShortEightBitMonoWavesThatEndInSilence() {
        for (int effect = 1; effect <= Effects::Count; ++effect) {
            const QList<float> samples = Effects::samples(effect);
            QVERIFY(samples.size() > Effects::SampleRate / 100 &&
                    samples.size() < Effects::SampleRate * 2);
            const float loudest = *std::max_element(samples.begin(), samples.end());
            QVERIFY2(loudest > 0.1f && loudest <= 1.0f, qPrintable(QString::number(effect)));
            const QByteArray file = Effects::waveFile(samples);
            // The header (8-bit mono 11025 Hz PCM) is read back from the program folder by
            // tst_content.
            QCOMPARE((file.size() - 44) % 2, 0);
            QCOMPARE(quint8(file.back()), quint8(128));
        }
        QCOMPARE(Effects::waveFile({}).size(), 46);
    }

    // Topics are read one by one; a topic given twice, an empty one or text before the first
    // is refused.
    void helpTextsAreReadTopicByTopic() {
        QString error;
        const auto topics = HelpFile::parse(
            QStringLiteral("# comment\n\n[66]\n\nLe Quizz\nClique.\n\n[84]\r\nChoisis.\n"), &error);
        QVERIFY2(topics, qPrintable(error));
        QCOMPARE(topics->value(66), QStringLiteral("Le Quizz\nClique."));
        QCOMPARE(topics->value(84), QStringLiteral("Choisis."));
        QVERIFY(!HelpFile::parse(QStringLiteral("[66]\nA\n[66]\nB\n"), &error));
        QVERIFY(!HelpFile::parse(QStringLiteral("[66]\n\n[84]\nB\n"), &error));
        QVERIFY(!HelpFile::parse(QStringLiteral("stray text\n[66]\nA\n"), &error));
        // The help file is made only with every screen topic.
        QTemporaryDir content, program;
        QString text;
        for (int topic : HelpFile::screenTopics())
            text += QStringLiteral("[%1]\nConsigne %1.\n").arg(topic);
        writeFile(content.filePath("help/Brin.txt"), text);
        QVERIFY2(HelpFile::generate(content.path(), program.path(), &error), qPrintable(error));
        QVERIFY(QFile::exists(program.filePath("Brin.hlp")));
        writeFile(content.filePath("help/Brin.txt"), text.remove(QStringLiteral("[118]\n")));
        QVERIFY(!HelpFile::generate(content.path(), program.path(), &error));
        QVERIFY2(error.contains(QLatin1String("118")), qPrintable(error));
    }

    void webPagesWithOutsideOrMissingLinksAreRefused() {
        const std::pair<const char*, bool> links[] = {
            {"<a href=\"Index.htm#top\">x</a>", true},         // local page
            {"<img src='images/cat.png'>", true},              // drawn picture
            {"<a href=\"https://example.org/\">x</a>", false}, // outside address
            {"<a href=\"lost.htm\">x</a>", false},             // missing page
            {"<img src=\"../Brin.hlp\">", false},              // outside the visit
        };
        for (const auto& [link, accepted] : links) {
            QTemporaryDir content, program;
            writeFile(content.filePath("webdoc/Index.htm"), QStringLiteral("<p>") + link);
            writeFile(program.filePath("Brin.hlp"), QStringLiteral("[66]\nx\n"));
            QString error;
            QVERIFY2(WebPages::generate(content.path(), program.path(), &error) == accepted, link);
            for (const QString& name : WebPages::pictureNames())
                QVERIFY(QFile::exists(program.filePath("webdoc/images/" + name + ".png")));
        }
    }
};

QTEST_MAIN(ContentSourcesTest)
#include "tst_contentsources.moc"

// Checks the generated program folder (build/programme): everything the program reads from the
// database, the spoken texts, the effects, the help file and the web visit is there and usable.
#include "ContentFiles.h"
#include "data/Schema.h"
#include "platform/HelpFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString ProgramFolder = qEnvironmentVariable("BRINDEL_PROGRAM_DIR");
const QString ContentFolder = qEnvironmentVariable("BRINDEL_CONTENT_DIR");

} // namespace

class ContentCheck : public QObject {
    Q_OBJECT

    QSqlDatabase db_;

    QString text(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery query(db_);
        query.prepare(sql);
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(int(i), values.at(i));
        return query.exec() && query.next() ? query.value(0).toString() : QString();
    }

    QString compte(const QString& numero, const QString& field) {
        return text(QStringLiteral("SELECT %1 FROM Compte WHERE Numero = ?").arg(field), {numero});
    }

    // The English and French words of each row, joined by a tab.
    QSet<QString> pairs(const QString& sql) {
        QSqlQuery query(sql, db_);
        QSet<QString> set;
        while (query.next())
            set << query.value(0).toString() + u'\t' + query.value(1).toString();
        return set;
    }

    void expectWave(const QString& mediaPath) { ::expectWave(ProgramFolder + u'/' + mediaPath); }

private slots:
    void initTestCase() {
        QVERIFY2(!ProgramFolder.isEmpty() && !ContentFolder.isEmpty(), "folders are not set");
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db_.setDatabaseName(ProgramFolder + QStringLiteral("/DbBrin.mdb"));
        db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QVERIFY(db_.open()); // read-only: a missing file does not open
        for (const QString& table : Schema::tables())
            QVERIFY2(db_.tables().contains(table), qPrintable(table));
    }

    // Every repere list has its reference and ten words, listed and spoken; every rhyme has the
    // verses its count announces (the tenth in row 160), written and spoken. Short, even-sized
    // effects that end in silence (not a trimmable space) are checked where they are made, in
    // tst_contentsources; here they are there and playable.
    void everyRepereWordSentenceRhymeAndEffectIsThereAndSpoken() {
        for (int effect = 1; effect <= 9; ++effect)
            expectWave(QStringLiteral("Mcison/son%1.wav").arg(effect));
        for (int n = 1; n <= 10; ++n) {
            for (int i = 0; i <= 10; ++i) // spoken words are listed ones: see the word lists
                expectWave(QStringLiteral("MciLangue/Son%1k%2.wav").arg(n).arg(i));
            for (int i = 0; i < 10; ++i) {
                expectWave(QStringLiteral("MciLangue/Texte%1k%2.wav").arg(n).arg(i));
                expectWave(QStringLiteral("MciLangue/Dictee%1k%2.wav").arg(n).arg(i));
            }
            const QString exercise = QString::number(48 + n);
            expectWave(QStringLiteral("MciLangue/1") + exercise + exercise +
                       QStringLiteral("0.wav"));
            // The verse count, read the way the rhyme window reads it.
            const int count =
                compte(QStringLiteral("1%1%2").arg(n - 1).arg(1), Schema::Field::Indice).toInt();
            QVERIFY2(count >= 2 && count <= 10, qPrintable(QString::number(n)));
            for (int verse = 1; verse <= count; ++verse) {
                expectWave(QStringLiteral("MciLangue/1%1%2.wav").arg(exercise).arg(verse));
                const QString key = verse == 10 ? QStringLiteral("160")
                                                : QStringLiteral("1%1%2").arg(n - 1).arg(verse);
                QVERIFY2(!compte(key, Schema::Field::Vers).isEmpty(), qPrintable(key));
            }
        }
    }

    // The generator refuses sentences the dictation cannot judge, rhymes whose verses do not fit
    // their rows and question lines with repeats or quotes (tst_contentsources); here the 200
    // sentence buttons all find their row and the quiz has thirty questions or more, each with
    // its three answers and a right one.
    void sentenceButtonsFindTheirSentenceAndQuizQuestionsTheirAnswers() {
        QCOMPARE(text(QStringLiteral("SELECT COUNT(*) FROM Compte WHERE length(Numero) = 3 AND "
                                     "Numero < '200' AND Textanglais <> ''")),
                 QStringLiteral("200"));
        QVERIFY(text(QStringLiteral("SELECT COUNT(*) FROM Quizz1")).toInt() >= 30);
        QCOMPARE(text(QStringLiteral("SELECT COUNT(*) FROM Quizz1 WHERE Valide1 = 0 AND "
                                     "Valide2 = 0 AND Valide3 = 0 OR Reponse1 = '' OR "
                                     "Reponse2 = '' OR Reponse3 = ''")),
                 QStringLiteral("0"));
    }

    // Both lexicon directions hold the same thousand pairs or more, and every word list is in
    // the picture dictionary and, with its French word, in the lexicon.
    void everyWordListIsInThePictureDictionaryAndTheLexiconBothWays() {
        const QSet<QString> english =
            pairs(QStringLiteral("SELECT Origine, Traduction FROM Angfr"));
        QVERIFY(english.size() >= 1000);
        QCOMPARE(pairs(QStringLiteral("SELECT Traduction, Origine FROM Frang")), english);
        const QDir words(ContentFolder + QStringLiteral("/words"));
        for (const QString& name : words.entryList({QStringLiteral("*.tsv")}, QDir::Files)) {
            const QString column = QFileInfo(name).completeBaseName();
            for (const QStringList& row : sourceRows(words.filePath(name))) {
                const QString key = column + u'\\' + row.value(0);
                const QString word = row.value(1).trimmed(), french = row.value(2).trimmed();
                QCOMPARE(
                    text(QStringLiteral("SELECT Langue FROM Imagier WHERE Intituler = ?"), {key}),
                    word);
                if (!french.isEmpty())
                    QVERIFY2(english.contains(word + u'\t' + french), qPrintable(key));
            }
        }
    }

    // Read as the program reads it, the help file has every screen topic with its text. Links
    // that leave the visit or lead nowhere are refused by the generator (tst_contentsources);
    // here the visit reaches every page from its index.
    void helpHasEveryScreenTopicAndTheWebVisitReachesEveryPage() {
        const HelpFile help = HelpFile::load(ProgramFolder + QStringLiteral("/Brin.hlp"));
        for (int required : {66, 84, 97, 109, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120})
            QVERIFY2(!help.topic(required).trimmed().isEmpty(),
                     qPrintable(QString::number(required)));
        const QDir web(ProgramFolder + QStringLiteral("/webdoc"));
        QVERIFY(QFileInfo::exists(web.filePath(QStringLiteral("Index.htm"))));
        static const QRegularExpression link(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                             QRegularExpression::CaseInsensitiveOption);
        int links = 0;
        QSet<QString> linked{QStringLiteral("Index.htm")};
        const QStringList pages = web.entryList({QStringLiteral("*.htm")}, QDir::Files);
        for (const QString& page : pages) {
            const QString html = QString::fromUtf8(TestFiles::read(web.filePath(page)));
            QVERIFY2(!html.isEmpty(), qPrintable(page));
            for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
                const QString target = it.next().captured(1).section(u'#', 0, 0);
                if (target != page)
                    linked << target;
            }
        }
        QVERIFY(links > 10);
        // No page is an orphan that the visit cannot reach.
        for (const QString& page : pages)
            QVERIFY2(linked.contains(page), qPrintable(page));
    }
};

QTEST_GUILESS_MAIN(ContentCheck)
#include "tst_content.moc"

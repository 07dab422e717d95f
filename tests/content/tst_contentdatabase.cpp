// The content generator's database step: a new database holds the content and the guest only;
// regenerating an existing one never loses classroom data.
#include "ContentCache.h"
#include "ContentDatabase.h"
#include "data/Sqlite.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ContentDatabaseTest : public QObject {
    Q_OBJECT

    QTemporaryDir content_, program_;
    QString error_;

    QString databasePath() const { return program_.filePath(ContentDatabase::FileName); }

    // Replaces a text of a source file, or adds a line at its end when there is no text to
    // replace.
    void changeSource(const QString& relative, const QString& before, const QString& after) {
        const QString path = content_.filePath(relative);
        QString text = QString::fromUtf8(TestFiles::read(path));
        QVERIFY(!text.isEmpty() && (before.isEmpty() || text.contains(before)));
        text = before.isEmpty() ? text + u'\n' + after + u'\n' : text.replace(before, after);
        TestFiles::write(path, text.toUtf8());
    }

    // One run of the database step, as a new generator process would do it.
    bool generate() {
        ContentCache cache(program_.path());
        error_.clear();
        return ContentDatabase::generate(content_.path(), program_.path(), cache, &error_);
    }

    // Runs a statement or reads one value on the generated database, as the program does.
    QString sql(const QString& statement) {
        DbError error;
        const auto db = DbConnection::open(databasePath(), error);
        DbStatement query = db ? db->prepare(statement, error) : DbStatement();
        const DbStatement::Step step = query.isValid() ? query.step() : DbStatement::Step::Failed;
        if (step == DbStatement::Step::Failed)
            return QStringLiteral("<error>");
        return step == DbStatement::Step::Row ? query.value(0).toString()
                                              : QStringLiteral("<no row>");
    }

    // Reads the first value of each query on the generated database and compares it.
    void expectValues(std::initializer_list<std::pair<const char*, const char*>> expected) {
        for (const auto& [query, value] : expected)
            QCOMPARE(sql(query), QString::fromUtf8(value));
    }

    void expectClassroomData() {
        expectValues({{"SELECT Groupe || '/' || Motdepasse || '/' || Son1 || '/' || Comptine2 "
                       "FROM Gestion WHERE Nom = 'Léa'",
                       "CM1/abc/7/1"},
                      {"SELECT COUNT(*) FROM Gestion WHERE Nom = 'Invité'", "1"},
                      {"SELECT Reponse2 FROM Quizz2 WHERE Question = 'Ma question ?'", "b"},
                      {"SELECT Traduction FROM Angfr WHERE Origine = 'gnome'", "lutin"},
                      {"SELECT Traduction FROM Frang WHERE Origine = 'lutin'", "gnome"}});
    }

private slots:
    // A file that is no database is never replaced; a new database holds the guest and the
    // content only; regenerating it keeps the teacher's and the class's changes, and an update
    // that fails changes nothing.
    void regenerationKeepsTheClassroomData() {
        QVERIFY(content_.isValid() && program_.isValid());
        const QString sources = qEnvironmentVariable("BRINDEL_CONTENT_DIR");
        QVERIFY2(!sources.isEmpty(), "BRINDEL_CONTENT_DIR is not set");
        TestFiles::copyTree(sources, content_.path());

        const QByteArray garbage(4096, 'x');
        TestFiles::write(databasePath(), garbage);
        QVERIFY(!generate());
        QCOMPARE(TestFiles::read(databasePath()), garbage);
        QVERIFY(QFile::remove(databasePath()));

        QVERIFY2(generate(), qPrintable(error_));
        expectValues(
            {{"SELECT COUNT(*) FROM Gestion", "1"},
             {"SELECT Nom || '/' || Groupe || '/' || Motdepasse FROM Gestion", "Invité//123"},
             {"SELECT COUNT(*) FROM Quizz2", "0"},
             {"SELECT Textanglais FROM Compte WHERE Numero = '124'", "I like rabbits."},
             {"SELECT Indice || '/' || Vers FROM Compte WHERE Numero = '131'", "10/One, two,"},
             {"SELECT Vers FROM Compte WHERE Numero = '160'", "A big fat hen."}});
        // The picture dictionary and both lexicon directions are compared with the sources
        // in the generated program folder by tst_content.
        QVERIFY(!QFile::exists(databasePath() + QStringLiteral(".new")));

        // Unchanged sources leave the teacher's changes to the content alone.
        sql("UPDATE Quizz1 SET Reponse3 = 'cheval' WHERE Reponse1 = 'dog' AND Reponse2 = 'cat'");
        QCOMPARE_NE(sql("SELECT COUNT(*) FROM Angfr WHERE Origine = 'zebra'"), QStringLiteral("0"));
        sql("DELETE FROM Angfr WHERE Origine = 'zebra'");
        QVERIFY2(generate(), qPrintable(error_));
        expectValues(
            {{"SELECT Reponse3 FROM Quizz1 WHERE Reponse1 = 'dog' AND Reponse2 = 'cat'", "cheval"},
             {"SELECT COUNT(*) FROM Angfr WHERE Origine = 'zebra'", "0"}});

        // Regenerated after the class used it and the sources changed.
        for (const char* statement :
             {"INSERT INTO Gestion (Nom, Groupe, Motdepasse, Son1, Comptine2) "
              "VALUES ('Léa', 'CM1', 'abc', 7, 1)",
              "INSERT INTO Quizz2 (Question, Reponse1, Reponse2, Reponse3, Valide2) "
              "VALUES ('Ma question ?', 'a', 'b', 'c', 1)",
              "INSERT INTO Angfr (Origine, Traduction) VALUES ('gnome', 'lutin')",
              "INSERT INTO Frang (Origine, Traduction) VALUES ('lutin', 'gnome')"})
            QCOMPARE(sql(statement), QStringLiteral("<no row>"));
        changeSource("sentences/Dictee1.txt", "Good morning.", "Good afternoon.");
        changeSource("quiz.tsv", {},
                     QStringLiteral("Que veut dire « owl » ?\thibou\tchouette\taigle\t1"));
        changeSource("lexicon.tsv", {}, QStringLiteral("unicorn\tlicorne"));
        changeSource("words/Son1.tsv", {}, QStringLiteral("k11\tpeas\tpetits pois"));

        QVERIFY2(generate(), qPrintable(error_));
        expectClassroomData();
        expectValues(
            {{"SELECT Textanglais FROM Compte WHERE Numero = '101'", "Good afternoon."},
             {"SELECT Traduction FROM Frang WHERE Origine = 'licorne'", "unicorn"},
             {"SELECT Traduction FROM Angfr WHERE Origine = 'peas'", "petits pois"},
             {"SELECT Langue FROM Imagier WHERE Intituler = 'Son1\\k11'", "peas"},
             {"SELECT COUNT(*) FROM Angfr WHERE Origine = 'cat' AND Traduction = 'chat'", "1"},
             {"SELECT Reponse1 FROM Quizz1 WHERE Question = 'Que veut dire « owl » ?'", "hibou"}});

        // A table the generator cannot fill: the whole next update rolls back.
        sql("DROP TABLE Quizz1");
        sql("CREATE TABLE Quizz1 (Question TEXT NOT NULL)");
        changeSource("sentences/Dictee1.txt", "Good afternoon.", "Good evening.");
        changeSource("quiz.tsv", {}, QStringLiteral("Nouvelle question ?\ta\tb\tc\t2"));
        QVERIFY(!generate());
        QVERIFY(!error_.isEmpty());
        QCOMPARE(sql("SELECT Textanglais FROM Compte WHERE Numero = '101'"),
                 QStringLiteral("Good afternoon."));
        expectClassroomData();
    }
};

QTEST_GUILESS_MAIN(ContentDatabaseTest)
#include "tst_contentdatabase.moc"

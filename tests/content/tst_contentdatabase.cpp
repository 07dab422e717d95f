// The content generator's database step: a new database holds the content and the guest only;
// regenerating an existing one never loses classroom data.
#include "ContentCache.h"
#include "ContentDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

// Replaces a text of a source file, or adds a line at its end when there is no text to replace.
void changeSource(const QString& path, const QString& before, const QString& after) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QString text = QString::fromUtf8(file.readAll());
    QVERIFY(before.isEmpty() || text.contains(before));
    text = before.isEmpty() ? text + u'\n' + after + u'\n' : text.replace(before, after);
    QVERIFY(file.resize(0) && file.seek(0));
    file.write(text.toUtf8());
}

} // namespace

class ContentDatabaseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> content_;
    std::unique_ptr<QTemporaryDir> program_;
    QString error_;

    QString contentPath(const QString& relative) const { return content_->filePath(relative); }
    QString databasePath() const { return program_->filePath(ContentDatabase::FileName); }

    // One run of the database step, as a new generator process would do it.
    bool generate() {
        ContentCache cache(program_->path());
        error_.clear();
        return ContentDatabase::generate(content_->path(), program_->path(), cache, &error_);
    }

    // Runs statements or reads one value on the generated database, as the program would.
    QString sql(const QString& statement) {
        QString result = QStringLiteral("<no row>");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "probe");
            db.setDatabaseName(databasePath());
            db.open(); // a database that does not open fails the query
            QSqlQuery query(db);
            if (!query.exec(statement))
                result = QStringLiteral("<error>");
            else if (query.next())
                result = query.value(0).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("probe"));
        return result;
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
    void init() {
        content_ = std::make_unique<QTemporaryDir>();
        program_ = std::make_unique<QTemporaryDir>();
        QVERIFY(content_->isValid() && program_->isValid());
        const QString sources = qEnvironmentVariable("BRINDEL_CONTENT_DIR");
        QVERIFY2(!sources.isEmpty(), "BRINDEL_CONTENT_DIR is not set");
        copyFolder(sources, content_->path());
    }

    // A new database holds the guest and the content only; regenerating it keeps the teacher's
    // and the class's changes, and an update that fails changes nothing.
    void regenerationKeepsTheClassroomData() {
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
        changeSource(contentPath("sentences/Dictee1.txt"), "Good morning.", "Good afternoon.");
        changeSource(contentPath("quiz.tsv"), {},
                     QStringLiteral("Que veut dire « owl » ?\thibou\tchouette\taigle\t1"));
        changeSource(contentPath("lexicon.tsv"), {}, QStringLiteral("unicorn\tlicorne"));
        changeSource(contentPath("words/Son1.tsv"), {}, QStringLiteral("k11\tpeas\tpetits pois"));

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
        changeSource(contentPath("sentences/Dictee1.txt"), "Good afternoon.", "Good evening.");
        changeSource(contentPath("quiz.tsv"), {},
                     QStringLiteral("Nouvelle question ?\ta\tb\tc\t2"));
        QVERIFY(!generate());
        QVERIFY(!error_.isEmpty());
        QCOMPARE(sql("SELECT Textanglais FROM Compte WHERE Numero = '101'"),
                 QStringLiteral("Good afternoon."));
        expectClassroomData();
    }

    void unreadableDatabaseIsNeverReplaced() {
        QFile file(databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray garbage(4096, 'x');
        file.write(garbage);
        file.close();
        QVERIFY(!generate());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
    }
};

QTEST_GUILESS_MAIN(ContentDatabaseTest)
#include "tst_contentdatabase.moc"

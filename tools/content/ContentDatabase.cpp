#include "ContentDatabase.h"

#include "ContentCache.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace ContentDatabase {

namespace {

using namespace TextSources;

QString cacheName(const QString& table) {
    return FileName + u':' + table;
}

// One SQLite connection of its own, closed and removed when it goes out of scope.
class Connection {
public:
    explicit Connection(const QString& path)
        : name_(QStringLiteral("content-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~Connection() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

bool report(const QSqlQuery& query, QString* error) {
    if (error)
        *error = query.lastError().text();
    return false;
}

bool execute(QSqlQuery& query, QString* error) {
    return query.exec() || report(query, error);
}

bool executeText(const QSqlDatabase& db, const QString& statement, QString* error) {
    QSqlQuery query(db);
    return query.exec(statement) || report(query, error);
}

// Inserts rows of bound values into a table, one prepared statement for all. An empty text
// may arrive as a null one: it is stored as the empty text, as the NOT NULL fields require.
bool insertRows(const QSqlDatabase& db, const QString& table, const QStringList& fields,
                const QList<QVariantList>& rows, QString* error) {
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << QStringLiteral("COALESCE(?, '')");
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(table, fields.join(u','), marks.join(u','))))
        return report(query, error);
    for (const QVariantList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            query.bindValue(int(i), row.at(i));
        if (!execute(query, error))
            return false;
    }
    return true;
}

bool replaceRows(const QSqlDatabase& db, const QString& table, const QStringList& fields,
                 const QList<QVariantList>& rows, QString* error) {
    return executeText(db, QStringLiteral("DELETE FROM ") + table, error) &&
           insertRows(db, table, fields, rows, error);
}

QList<QVariantList> imagierRows(const QList<Word>& words) {
    QList<QVariantList> rows;
    for (const Word& word : words)
        rows.append({word.column + u'\\' + word.key, word.english});
    return rows;
}

// Sentences and verses share table Compte, and some of their keys: the row of a key holds the
// sentence in Textanglais and the verse in Vers (verse 1 also holds the verse count in Indice).
QList<QVariantList> compteRows(const QList<Sentence>& sentences, const QList<Rhyme>& rhymes) {
    struct Row {
        QString text, indice, vers;
    };
    QMap<QString, Row> byKey;
    for (const Sentence& sentence : sentences)
        byKey[sentence.numero].text = sentence.text;
    for (const Rhyme& rhyme : rhymes) {
        for (int verse = 1; verse <= rhyme.verses.size(); ++verse) {
            Row& row = byKey[verseKey(rhyme.number, verse)];
            row.vers = rhyme.verses.at(verse - 1);
            if (verse == 1)
                row.indice = QString::number(rhyme.verses.size());
        }
    }
    QList<QVariantList> rows;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        rows.append({it.key(), it->text, it->indice, it->vers});
    return rows;
}

QList<QVariantList> quizRows(const QList<QuizQuestion>& questions) {
    QList<QVariantList> rows;
    for (const QuizQuestion& q : questions)
        rows.append({q.question, q.answers[0], q.answers[1], q.answers[2], int(q.right[0]),
                     int(q.right[1]), int(q.right[2])});
    return rows;
}

std::optional<QSet<QString>> existingPairs(const QSqlDatabase& db, const QString& table,
                                           QString* error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT Origine, Traduction FROM ") + table)) {
        report(query, error);
        return std::nullopt;
    }
    QSet<QString> pairs;
    while (query.next())
        pairs.insert(query.value(0).toString() + u'\t' + query.value(1).toString());
    return pairs;
}

// Adds the pairs that the table lacks; rows already there (the teacher's included) stay.
bool addMissingPairs(const QSqlDatabase& db, const QString& table, const QList<LexiconPair>& pairs,
                     bool reversed, QString* error) {
    const std::optional<QSet<QString>> present = existingPairs(db, table, error);
    if (!present)
        return false;
    QList<QVariantList> rows;
    for (const LexiconPair& pair : pairs) {
        const QString origine = reversed ? pair.french : pair.english;
        const QString traduction = reversed ? pair.english : pair.french;
        if (!present->contains(origine + u'\t' + traduction))
            rows.append({origine, traduction});
    }
    return insertRows(db, table, {Schema::Field::Origine, Schema::Field::Traduction}, rows, error);
}

bool createMissingTables(const QSqlDatabase& db, QString* error) {
    const QStringList present = db.tables();
    const QStringList statements = Schema::createStatements();
    for (qsizetype i = 0; i < Schema::tables().size(); ++i) {
        if (!present.contains(Schema::tables().at(i), Qt::CaseInsensitive) &&
            !executeText(db, statements.at(i), error))
            return false;
    }
    return true;
}

bool insertGuest(const QSqlDatabase& db, QString* error) {
    return insertRows(db, Schema::Table::Gestion,
                      {Schema::Field::Nom, Schema::Field::Groupe, Schema::Field::Motdepasse},
                      {{GuestName, QString(), GuestPassword}}, error);
}

struct Plan {
    bool fresh = false;
    bool imagier = false, compte = false, quizz1 = false, lexicon = false;
    bool nothing() const { return !fresh && !imagier && !compte && !quizz1 && !lexicon; }
};

Plan plan(bool exists, const Fingerprints& prints, const ContentCache& cache) {
    Plan p;
    p.fresh = !exists;
    p.imagier = p.fresh || cache.recorded(cacheName(Schema::Table::Imagier)) != prints.imagier;
    p.compte = p.fresh || cache.recorded(cacheName(Schema::Table::Compte)) != prints.compte;
    p.quizz1 = p.fresh || cache.recorded(cacheName(Schema::Table::Quizz1)) != prints.quizz1;
    p.lexicon = p.fresh || cache.recorded(cacheName(Schema::Table::Angfr)) != prints.lexicon;
    return p;
}

bool apply(const QSqlDatabase& db, const Plan& p, const Sources& sources, QString* error) {
    using namespace Schema;
    if (!(p.fresh ? insertGuest(db, error) : createMissingTables(db, error)))
        return false;
    if (p.imagier && !replaceRows(db, Table::Imagier, {Field::Intituler, Field::Langue},
                                  imagierRows(sources.words), error))
        return false;
    if (p.compte && !replaceRows(db, Table::Compte,
                                 {Field::Numero, Field::Textanglais, Field::Indice, Field::Vers},
                                 compteRows(sources.sentences, sources.rhymes), error))
        return false;
    if (p.quizz1 && !replaceRows(db, Table::Quizz1,
                                 {Field::Question, Field::Reponse1, Field::Reponse2,
                                  Field::Reponse3, Field::Valide1, Field::Valide2, Field::Valide3},
                                 quizRows(sources.quiz), error))
        return false;
    return !p.lexicon || (addMissingPairs(db, Table::Angfr, sources.lexicon, false, error) &&
                          addMissingPairs(db, Table::Frang, sources.lexicon, true, error));
}

bool createTables(const QSqlDatabase& db, QString* error) {
    for (const QString& statement : Schema::createStatements()) {
        if (!executeText(db, statement, error))
            return false;
    }
    return true;
}

// Runs the plan on the file inside one transaction; nothing is kept when a step fails.
bool write(const QString& path, const Plan& p, const Sources& sources, QString* error) {
    const Connection connection(path);
    QSqlDatabase db = connection.database();
    if (!db.isOpen()) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, db.lastError().text());
        return false;
    }
    if (p.fresh && !createTables(db, error))
        return false;
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    if (!apply(db, p, sources, error) || !db.commit()) {
        if (error && error->isEmpty())
            *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

void recordFingerprints(ContentCache& cache, const Fingerprints& prints) {
    cache.record(cacheName(Schema::Table::Imagier), prints.imagier);
    cache.record(cacheName(Schema::Table::Compte), prints.compte);
    cache.record(cacheName(Schema::Table::Quizz1), prints.quizz1);
    cache.record(cacheName(Schema::Table::Angfr), prints.lexicon);
    cache.save();
}

} // namespace

std::optional<Sources> readSources(const QString& contentFolder, QString* error) {
    Sources sources;
    auto words = readWords(contentFolder, error);
    auto sentences = words ? readSentences(contentFolder, error) : std::nullopt;
    auto rhymes = sentences ? readRhymes(contentFolder, error) : std::nullopt;
    auto quiz = rhymes ? readQuiz(contentFolder, error) : std::nullopt;
    auto lexicon = quiz ? readLexicon(contentFolder, *words, error) : std::nullopt;
    if (!lexicon)
        return std::nullopt;
    return Sources{*words, *sentences, *rhymes, *quiz, *lexicon};
}

Fingerprints fingerprints(const QString& contentFolder) {
    using TextSources::sourcesFingerprint;
    const QString words = QStringLiteral("words");
    return {
        sourcesFingerprint(contentFolder, {words}),
        sourcesFingerprint(contentFolder, {QStringLiteral("sentences"), QStringLiteral("rhymes")}),
        sourcesFingerprint(contentFolder, {QStringLiteral("quiz.tsv")}),
        sourcesFingerprint(contentFolder, {QStringLiteral("lexicon.tsv"), words})};
}

bool update(const QString& programFolder, const Sources& sources, const Fingerprints& prints,
            ContentCache& cache, QString* error) {
    QDir().mkpath(programFolder);
    const QString path = programFolder + u'/' + FileName;
    const Plan p = plan(QFileInfo::exists(path), prints, cache);
    if (p.nothing())
        return true;
    if (!p.fresh) {
        if (!write(path, p, sources, error))
            return false;
    } else {
        // Built aside and moved into place whole, so that an interrupted build leaves no
        // half-made database for the program to find.
        const QString scratch = path + QStringLiteral(".new");
        QFile::remove(scratch);
        if (!write(scratch, p, sources, error) || !QFile::rename(scratch, path)) {
            QFile::remove(scratch);
            if (error && error->isEmpty())
                *error = QStringLiteral("cannot move the new database to %1").arg(path);
            return false;
        }
    }
    recordFingerprints(cache, prints);
    return true;
}

bool generate(const QString& contentFolder, const QString& programFolder, ContentCache& cache,
              QString* error) {
    const std::optional<Sources> sources = readSources(contentFolder, error);
    return sources && update(programFolder, *sources, fingerprints(contentFolder), cache, error);
}

} // namespace ContentDatabase

#include "LearningDbFixture.h"

#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/RecordSetModel.h"
#include "data/Schema.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Schema;
namespace Fx = LearningDbFixture;

class TestRecordSet : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;
    int run_ = 0;
    std::unique_ptr<DataControl> data_;

    // Points the test's control at a table of the test's file.
    RecordSet& open(const QString& table) {
        data_ = Fx::open(path_, table);
        if (!data_)
            qFatal("%s does not open", qPrintable(table));
        return data_->recordSet();
    }

    static Criterion named(const QString& name) { return Criterion::equals(Field::Nom, name); }

    // Lands on the pupil of that name; false when the search fails or finds nobody.
    static bool find(RecordSet& rs, const QString& name) {
        return rs.findFirst(named(name)) && !rs.noMatch();
    }

    // One committed edit of one field of the current row.
    static bool write(RecordSet& rs, const QString& field, const QVariant& value) {
        return rs.edit() && rs.setField(field, value) && rs.update();
    }

    QVariant storedField(const QString& name, const QString& field) {
        auto other = Fx::open(path_, Table::Gestion); // as another window or program has
        return find(other->recordSet(), name) ? other->recordSet().field(field) : QVariant();
    }

    QStringList column(RecordSet& rs, const QString& field) {
        QStringList values;
        for (bool more = rs.moveFirst(); more && !rs.eof(); rs.moveNext())
            values << rs.field(field).toString();
        return values;
    }

private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("DbBrin%1.mdb").arg(++run_));
        QVERIFY(Fx::create(path_));
        RecordSet& rs = open(Table::Gestion);
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Invité")));
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Élodie"), QStringLiteral("CE1")));
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Marc"), QStringLiteral("CE2")));
        QVERIFY(data_->refresh());
    }

    // Name equality ignores only letter case, for all of Unicode; quotes and pattern
    // characters are stored and match only themselves.
    void namesAndGroupsAreFoundIgnoringOnlyLetterCase() {
        RecordSet& rs = data_->recordSet();
        // An empty answer means no match: a left-out accent or the start of a name.
        for (const auto& [searched, found] :
             {std::pair{"INVITÉ", "Invité"}, std::pair{"élodie", "Élodie"},
              std::pair{"E\u0301LODIE", "Élodie"}, std::pair{"mARC", "Marc"},
              std::pair{"Elodie", ""}, std::pair{"Mar", ""}}) {
            QVERIFY(rs.findFirst(named(searched)));
            QCOMPARE(rs.noMatch(), *found == 0);
            QCOMPARE(rs.field(Field::Nom).toString(), QString::fromUtf8(found));
        }
        for (const QString name :
             {"Le \"Grand\" O'Brien", "a%b_c*", "x'); DROP TABLE Gestion; --"}) {
            QVERIFY2(Fx::addPupil(rs, name, name), qPrintable(rs.lastError().message));
            QVERIFY2(find(rs, name), qPrintable(name));
            QCOMPARE(storedField(name, Field::Groupe).toString(), name);
        }
        QCOMPARE(rs.recordCount(), 6);
        QVERIFY(rs.findFirst(named("a_b%c*")) && rs.noMatch());
        // Searches and filters on a group ignore its letter case; its quotes match themselves.
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Zoé"), QStringLiteral("CM1 'B'")));
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Paul"), QStringLiteral("CM1")));
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Anne"), QStringLiteral("cm1 'b'")));
        const Criterion cm1 = Criterion::equals(Field::Groupe, QStringLiteral("CM1 'B'"));
        QStringList found;
        for (rs.findFirst(cm1); !rs.noMatch(); rs.findNext(cm1))
            found << rs.field(Field::Nom).toString();
        QCOMPARE(found, QStringList({"Zoé", "Anne"})); // in the set's order
        QVERIFY(rs.findFirst(cm1 && named("anne")) && !rs.noMatch());
        QCOMPARE(rs.field(Field::Nom).toString(), QStringLiteral("Anne"));
        rs.setFilter(cm1);
        rs.setSort(Field::Nom);
        QVERIFY2(rs.requery(), qPrintable(rs.lastError().message));
        QCOMPARE(column(rs, Field::Nom), QStringList({"Anne", "Zoé"}));
        // refresh() gives back the whole table in row order.
        QVERIFY(data_->refresh());
        QCOMPARE(rs.recordCount(), 9);
        QCOMPARE(rs.field(Field::Nom).toString(), QStringLiteral("Invité"));
    }

    // The cursor's walk, then an abandoned edit, two deletions and an addition.
    void cursorWalksEditsDeletesAndAdds() {
        RecordSet& rs = data_->recordSet();
        QVERIFY(!rs.bof() && !rs.eof() && rs.absolutePosition() == 0);
        QVERIFY(rs.moveLast() && rs.recordCount() == 3);
        QCOMPARE(rs.field(Field::Nom).toString(), QStringLiteral("Marc"));
        QVERIFY(rs.moveNext() && rs.eof() && !rs.hasCurrent() && !rs.field(Field::Nom).isValid());
        QVERIFY(!rs.moveNext() && rs.movePrevious());
        QCOMPARE(rs.field(Field::Nom).toString(), QStringLiteral("Marc"));
        QVERIFY(rs.moveFirst() && rs.movePrevious() && rs.bof() && !rs.eof());
        QVERIFY(!rs.movePrevious());

        QVERIFY(rs.moveFirst() && rs.edit());
        QVERIFY(rs.setField(Field::Motdepasse, QStringLiteral("zzz")));
        QVERIFY(rs.moveNext()); // moving away abandons the edit
        QCOMPARE(rs.editMode(), RecordSet::EditMode::None);
        QVERIFY(!rs.update());
        QCOMPARE(storedField("Invité", Field::Motdepasse).toString(), "abc");

        // After a deletion no row is current; the next move reaches the following one.
        QVERIFY(rs.deleteCurrent());
        QVERIFY(!rs.hasCurrent() && !rs.eof());
        QVERIFY(!rs.edit());
        QVERIFY(rs.moveNext());
        QCOMPARE(rs.field(Field::Nom).toString(), QStringLiteral("Marc"));
        QVERIFY(rs.deleteCurrent());
        QVERIFY(rs.eof());
        QCOMPARE(rs.recordCount(), 1);

        // An added row joins the end and the cursor stays where it was.
        QVERIFY(rs.moveFirst());
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Nouveau")));
        QCOMPARE(rs.field(Field::Nom).toString(), QStringLiteral("Invité"));
        QVERIFY(rs.moveToRowId(rs.lastModified()));
        QCOMPARE(rs.absolutePosition(), 1);
        QCOMPARE(rs.field(QStringLiteral("Comptine10")).toInt(), 0); // scores start at 0
        QVERIFY(data_->refresh());
        QCOMPARE(column(rs, Field::Nom), QStringList({"Invité", "Nouveau"}));
    }

    // Unknown fields are refused; known ones ignore letter case.
    void failedSearchUnknownFieldOrEmptyTableLeaveNoRowToWriteInto() {
        RecordSet& rs = data_->recordSet();
        QVERIFY(rs.moveLast());
        QVERIFY(rs.findFirst(named("Personne")) && rs.noMatch() && !rs.hasCurrent());
        QVERIFY(!rs.edit());
        QCOMPARE(rs.lastError().code, DbError::NoCurrentRow);
        QVERIFY(!rs.deleteCurrent() && rs.recordCount() == 3);
        QVERIFY(!rs.findFirst(Criterion::equals(QStringLiteral("Nom\" OR 1=1 --"), "x")));
        QCOMPARE(rs.lastError().code, DbError::UnknownField);
        // A later successful search clears the flag.
        QVERIFY(find(rs, "marc") && rs.edit());
        QVERIFY(!rs.setField(QStringLiteral("Inconnu"), 1));
        QVERIFY(!rs.field(QStringLiteral("Inconnu")).isValid());
        QVERIFY(rs.setField(QStringLiteral("sport"), 4) && rs.update());
        QCOMPARE(rs.field(QStringLiteral("SPORT")).toInt(), 4);
        const auto quizz = Fx::open(path_, Table::Quizz2);
        RecordSet& empty = quizz->recordSet();
        QVERIFY(empty.bof() && empty.eof());
        QCOMPARE(empty.recordCount(), 0);
        QVERIFY(!empty.moveFirst() && !empty.moveLast() && !empty.edit());
        QVERIFY(empty.findFirst(Criterion::equals(Field::Question, "Q")) && empty.noMatch());
        empty.setSort(QStringLiteral("Inconnu"));
        QVERIFY(!empty.requery());
        // A missing file or a text file is never created nor opened: the location test's rows.
        QSignalSpy errors(data_.get(), &DataControl::errorOccurred);
        data_->setDatabaseName(dir_.filePath(QStringLiteral("absent/DbBrin.mdb")));
        QVERIFY(!data_->refresh());
        QVERIFY(!data_->recordSet().isOpen());
        QCOMPARE(errors.count(), 1);

        data_->setSuppressErrors(true);
        data_->setDatabaseName(path_);
        data_->setRecordSource(QStringLiteral("Absente"));
        QVERIFY(!data_->refresh());
        QVERIFY(data_->lastError().isError());
        QCOMPARE(errors.count(), 1);
        data_->setRecordSource(Table::Gestion);
        QVERIFY(data_->refresh());
        QCOMPARE(data_->recordSet().recordCount(), 3);
        // Sign-in and registration read the row a search lands on: after a database error
        // the row of the previous search may not remain, and the search found nothing.
        QVERIFY(Fx::execute(path_, "ALTER TABLE Gestion RENAME TO Ailleurs"));
        QVERIFY(!rs.findFirst(named("Élodie")));
        QVERIFY(rs.lastError().isError() && !rs.hasCurrent());
        QVERIFY(!rs.field(Field::Motdepasse).isValid());
        QVERIFY2(rs.noMatch(), "a failed search found nothing");
        QVERIFY(!rs.edit());
    }

    // Row ids of the set, in order.
    static QList<qint64> ids(RecordSet& rs) {
        QList<qint64> list;
        for (int i = 0; i < rs.recordCount(); ++i) {
            if (rs.moveTo(i))
                list << rs.currentRowId();
        }
        return list;
    }

    // Each prefix in turn over the same table, which the writes of the earlier ones change.
    void orderedKeysGiveTheRowsOfSqlite() {
        RecordSet& rs = open(Table::Angfr);
        const QStringList words{
            "apple", "Apricot",    "ÉCOLE", "école", "ecole", "Ecole",
            "e",     "dup",        "dup",   "Dup",   "",      "\xF0\x9F\x98\x80x",
            "it's",  "'q",         "50%",   "%a",    "_b",    "*c",
            "a_b",   "co\u0301te", "cote"};
        for (const QString& word : words)
            QVERIFY(Fx::addRow(rs, {{Field::Origine, word}}));
        auto sqlControl = Fx::open(path_, Table::Angfr);
        RecordSet& sql = sqlControl->recordSet();
        sql.setOrderedKeysEnabled(false);
        for (const char* utf8 : {"", "a", "A", "é", "É", "e", "E", "\xF0\x9F\x98\x80", "'", "%",
                                 "_", "*", "dup", "zz", "co", static_cast<const char*>(nullptr)}) {
            const QString prefix = QString::fromUtf8(utf8); // null for the last
            const auto compare = [&](bool filtered) {
                for (RecordSet* set : {&rs, &sql}) {
                    set->setFilter(
                        filtered ? std::optional(Criterion::startsWith(Field::Origine, prefix))
                                 : std::nullopt);
                    set->setSort(Field::Origine);
                    if (!set->requery())
                        return false;
                }
                return ids(rs) == ids(sql);
            };
            QVERIFY2(compare(true), utf8);
            QVERIFY2(compare(false), utf8);
            // A write through the set itself: an addition, an edit and a deletion.
            QVERIFY(Fx::addRow(rs, {{Field::Origine, prefix + "new"}}));
            QVERIFY2(compare(true), utf8);
            QVERIFY(rs.moveFirst() && write(rs, Field::Origine, prefix + "1"));
            QVERIFY2(compare(true), utf8);
            QVERIFY(rs.moveLast() && rs.deleteCurrent());
            QVERIFY2(compare(true), utf8);
            // A write by another connection on the same file.
            QVERIFY(Fx::execute(path_,
                                "UPDATE Angfr SET Origine = 'A' || Origine WHERE rowid % 2 = 0"));
            QVERIFY2(compare(true), utf8);
            QVERIFY2(compare(false), utf8);
        }
    }

    // Writes failing half-way leave the table as it was and the connection usable; an edit
    // writes only the fields set, so concurrent edits keep each other.
    void writesFailOrSucceedWhole() {
        // The triggers fail after the row has been changed or added, inside the same statement.
        QVERIFY(Fx::execute(path_, "CREATE TRIGGER refus AFTER UPDATE ON Gestion "
                                   "WHEN NEW.Sport = 9 BEGIN SELECT RAISE(ABORT, 'refus'); END"));
        QVERIFY(Fx::execute(path_, "CREATE TRIGGER refusajout AFTER INSERT ON Gestion "
                                   "WHEN NEW.Nom = 'Refusé' BEGIN SELECT RAISE(ABORT, 'x'); END"));
        RecordSet& rs = data_->recordSet();
        QVERIFY(!Fx::addPupil(rs, QStringLiteral("Refusé")));
        QCOMPARE(rs.recordCount(), 3);
        QVERIFY(find(rs, "Marc") && rs.edit());
        QVERIFY(rs.setField(Field::Motdepasse, "new") && rs.setField("Sport", 9));
        QVERIFY(!rs.update());
        QVERIFY(rs.lastError().message.contains(QStringLiteral("refus")));
        QCOMPARE(storedField("Marc", Field::Motdepasse).toString(), "abc");
        QCOMPARE(storedField("Marc", "Sport").toInt(), 0);

        auto other = Fx::open(path_, Table::Gestion);
        RecordSet& stale = other->recordSet();
        QVERIFY(find(stale, "Marc"));
        QVERIFY(write(rs, "Sport", 7));
        QVERIFY(write(stale, "Musique", 5));
        QCOMPARE(storedField("Marc", "Sport").toInt(), 7);
        QCOMPARE(storedField("Marc", "Musique").toInt(), 5);
        QCOMPARE(rs.field("Musique").toInt(), 5); // rows are read afresh
        QCOMPARE(rs.lastModified(), rs.currentRowId());
        QVERIFY(data_->refresh());
        QCOMPARE(rs.recordCount(), 3);
        // An update of a row another connection has deleted in the meantime is reported.
        QVERIFY(find(rs, "Marc") && stale.deleteCurrent());
        QVERIFY(rs.edit() && rs.setField("Sport", 3));
        QVERIFY(!rs.update());
        QCOMPARE(rs.lastError().code, DbError::RowGone);
    }

    // The confirmation asked first, and the grid sorted again, are the console's and the
    // lexicon's tests.
    void gridModelFollowsTheSetAndWritesEditedCells() {
        RecordSet& rs = data_->recordSet();
        RecordSetModel model(rs, {Field::Nom, Field::Groupe, Field::Motdepasse});
        QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("Élodie"));
        QCOMPARE(rs.absolutePosition(), 0); // reading a cell does not move the cursor
        QVERIFY(!model.setData(model.index(2, 1), QStringLiteral("CM2"))); // not editable
        model.setEditable(true);
        QVERIFY(model.setData(model.index(2, 1), QStringLiteral("CM2")));
        QCOMPARE(storedField("Marc", Field::Groupe).toString(), "CM2");
        QCOMPARE(rs.absolutePosition(), 2);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset); // the set's rowsChanged
        QVERIFY(Fx::addPupil(rs, QStringLiteral("Zora")));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 4);
    }

    void createdFileOpensInTheSqliteShellWithRollbackJournal() {
        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        QVERIFY2(!shell.isEmpty(), "the sqlite3 shell is installed by scripts/setup.sh");
        QProcess process;
        process.start(shell, {path_, QStringLiteral("PRAGMA integrity_check;"),
                              QStringLiteral("PRAGMA journal_mode;"),
                              QStringLiteral("SELECT Nom FROM Gestion ORDER BY rowid;"),
                              QStringLiteral(".tables")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(out.startsWith(QStringLiteral("ok\ndelete\nInvité\nÉlodie\nMarc\n")),
                 qPrintable(out));
        for (const QString& table : Schema::tables())
            QVERIFY2(out.contains(table), qPrintable(table));
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"

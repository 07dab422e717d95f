#include "data/LearningDbFixture.h"

#include "data/Schema.h"
#include "lexicon/LexiconModel.h"
#include "lexicon/LexiconRules.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Schema;
using namespace LexiconRules;
namespace Fx = LearningDbFixture;

// The lexicon's list rules and grid model over a small Angfr table.
class TestLexiconModel : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;
    int run_ = 0;
    std::unique_ptr<DataControl> data_;

    RecordSet& rs() { return data_->recordSet(); }

    QStringList listed(const std::optional<Criterion>& filter) {
        rs().setFilter(filter);
        rs().setSort(Field::Origine);
        if (!rs().requery())
            qFatal("requery failed: %s", qPrintable(rs().lastError().message));
        QStringList words;
        for (int i = 0; i < rs().recordCount(); ++i)
            words << rs().fieldAt(i, Field::Origine).toString();
        return words;
    }

    QStringList storedWords() {
        const auto other = Fx::open(path_, Table::Angfr);
        QStringList words;
        for (int i = 0; i < other->recordSet().recordCount(); ++i)
            words << other->recordSet().fieldAt(i, Field::Origine).toString() + u'=' +
                         other->recordSet().fieldAt(i, Field::Traduction).toString();
        return words;
    }

private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("DbBrin%1.mdb").arg(++run_));
        QVERIFY(Fx::create(path_));
        data_ = Fx::open(path_, Table::Angfr);
        QVERIFY(data_);
        const QList<QPair<QString, QString>> pairs{
            {"cat", "chat"},      {"Cake", "gâteau"}, {"bed", "lit"},     {"école", "school"},
            {"CAP", "casquette"}, {"dog", "chien"},   {"l'eau", "water"}, {"*star", "étoile"},
            {"Ball", "balle"},    {"a_b", "x"},       {"axb", "x"},       {"50% off", "x"}};
        for (const auto& [origine, traduction] : pairs)
            QVERIFY(Fx::addRow(rs(), {{Field::Origine, origine}, {Field::Traduction, traduction}}));
    }

    // The window's test types "ca" and "É" and clicks the tabs "B" and "+" over the full lexicon.
    void listsTheWordsOfATabOrOfTheTypedBeginning() {
        const QStringList all{"*star", "50% off", "a_b", "axb", "Ball",  "bed",
                              "Cake",  "CAP",     "cat", "dog", "école", "l'eau"};
        using Row = std::tuple<const char*, bool, const char*, QStringList>; // tab, typing, search
        for (const auto& [tab, typing, search, words] :
             {Row{"+", false, "ca", all},     // "+" ignores the old text
              Row{"B", false, "do", {"dog"}}, // typed under a letter tab
              Row{"+", true, "l'", {"l'eau"}}, Row{"+", true, "*", {"*star"}}, // a star is a letter
              // Pattern characters of the database match only themselves.
              Row{"+", true, "5%", {}}, Row{"+", true, "a_", {"a_b"}},
              Row{"+", true, "", all}}) // the emptied box
            QCOMPARE(listed(filterFor(tab, typing, search)), words);
    }

    // The window's test is protected by "Vrai", deletes with the exact password and refuses it
    // blank or with a space.
    void tabsProtectionDeletionAndBoxes() {
        QCOMPARE(tabKeys().join(QString()), QStringLiteral("+ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        for (const char* option : {"vrai", "Faux", "", "Vrai "})
            QVERIFY2(!isProtected(option), option);
        QCOMPARE(checkDeletion("", "abc", "abc"), Deletion::NothingToDelete);
        QCOMPARE(checkDeletion("cat", "ABC", "abc"), Deletion::WrongPassword);
        QCOMPARE(checkDeletion("cat", "x", ""), Deletion::WrongPassword);
        const QString last = QStringLiteral(" dans la partie \"gestion.\"");
        QCOMPARE(protectedMessage(), "Le lexique est protégé en écriture.\nVous pouvez oter la "
                                     "protection,\nen cochant la case correspondante\n" +
                                         last);
        QCOMPARE(modificationMessage(false).split(u'\n').last(), last);
    }

    void fetchesRowsAScreenfulAtATime() {
        for (int i = 0; i < 2 * LexiconModel::FetchSize; ++i)
            QVERIFY(Fx::addRow(rs(), {{Field::Origine, QStringLiteral("w%1").arg(i)}}));
        listed(std::nullopt);
        LexiconModel model(rs());
        QCOMPARE(model.rowCount(), LexiconModel::FetchSize);
        QVERIFY(model.canFetchMore({}));
        model.fetchMore({});
        model.fetchMore({});
        QCOMPARE(model.rowCount(), rs().recordCount());
        QVERIFY(!model.canFetchMore({}));
    }

    // Each answer in turn on the same cell; the last change is refused by the database,
    // reported, and nothing is stored.
    void aChangedCellIsWrittenOnlyAfterYes() {
        // Typed, the answer, questions asked, stored, refused by the database.
        for (const auto& [typed, yes, asked, stored, refused] :
             {std::tuple{"chaton", false, 1, "chat", false},
              std::tuple{"chat", true, 0, "chat", false}, // unchanged asks nothing
              std::tuple{"chaton", true, 1, "chaton", false},
              std::tuple{"minou", true, 1, "chaton", true}}) {
            if (refused)
                QVERIFY(Fx::execute(path_, "CREATE TRIGGER refuse BEFORE UPDATE ON Angfr BEGIN "
                                           "SELECT RAISE(ABORT, 'refused'); END"));
            listed(filterFor("+", true, "cat"));
            LexiconModel model(rs());
            model.setEditable(true);
            int questions = 0;
            model.setConfirmation([&](int, const QString&, const QVariant&) {
                ++questions;
                return yes;
            });
            QSignalSpy failed(&model, &LexiconModel::writeFailed);
            QCOMPARE(model.setData(model.index(0, 1), typed), !qstrcmp(stored, typed));
            QCOMPARE(questions, asked);
            QCOMPARE(failed.size(), refused ? 1 : 0);
            QCOMPARE(model.index(0, 1).data().toString(), stored);
            QVERIFY2(storedWords().contains(QStringLiteral("cat=") + stored), typed);
        }
    }

    // Refused, the new row is emptied and stays; accepted, the pair is stored whole.
    void aNewPairIsAddedWholeAfterYes() {
        listed(filterFor("+", true, "\""));
        LexiconModel model(rs());
        model.setEditable(true);
        bool yes = false;
        model.setConfirmation([&](int, const QString&, const QVariant&) { return yes; });
        QSignalSpy added(&model, &LexiconModel::pairAdded);
        for (const bool answer : {false, true}) {
            yes = answer;
            model.setAdding(true);
            QCOMPARE(model.rowCount(), 1);
            QVERIFY(model.isNewRow(0));
            QVERIFY(model.setData(model.index(0, 0), "ant"));
            QVERIFY(!storedWords().join(',').contains("ant")); // half a pair is not stored
            model.setData(model.index(0, 1), "fourmi");
            QCOMPARE(storedWords().contains("ant=fourmi"), yes);
            QCOMPARE(added.size(), yes ? 1 : 0);
            QCOMPARE(model.isAdding(), !yes);
            QCOMPARE(model.index(0, 0).data().toString().isEmpty(), !yes);
        }
    }
};

QTEST_GUILESS_MAIN(TestLexiconModel)
#include "tst_lexiconmodel.moc"

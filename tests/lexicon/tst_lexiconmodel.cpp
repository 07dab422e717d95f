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
    void listsTheWordsOfATabOrOfTheTypedBeginning_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<bool>("typing");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("words");
        const QStringList all{"*star", "50% off", "a_b", "axb", "Ball",  "bed",
                              "Cake",  "CAP",     "cat", "dog", "école", "l'eau"};
        QTest::newRow("+ ignores the old text") << "+" << false << "ca" << all;
        QTest::newRow("typed under a letter tab") << "B" << false << "do" << QStringList{"dog"};
        QTest::newRow("quote") << "+" << true << "l'" << QStringList{"l'eau"};
        QTest::newRow("star is a letter") << "+" << true << "*" << QStringList{"*star"};
        // Pattern characters of the database match only themselves.
        QTest::newRow("percent") << "+" << true << "5%" << QStringList{};
        QTest::newRow("underscore") << "+" << true << "a_" << QStringList{"a_b"};
        QTest::newRow("emptied box") << "+" << true << "" << all;
    }
    void listsTheWordsOfATabOrOfTheTypedBeginning() {
        QFETCH(QString, tab);
        QFETCH(bool, typing);
        QFETCH(QString, search);
        QFETCH(QStringList, words);
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

    void aChangedCellIsWrittenOnlyAfterYes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused"); // by the database
        QTest::newRow("yes") << "chaton" << true << 1 << "chaton" << false;
        QTest::newRow("no") << "chaton" << false << 1 << "chat" << false;
        QTest::newRow("unchanged asks nothing") << "chat" << true << 0 << "chat" << false;
        QTest::newRow("yes, refused: reported, nothing stored")
            << "chaton" << true << 1 << "chat" << true;
    }
    void aChangedCellIsWrittenOnlyAfterYes() {
        QFETCH(QString, typed);
        QFETCH(bool, yes);
        QFETCH(int, asked);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
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
        QCOMPARE(model.setData(model.index(0, 1), typed), stored == typed);
        QCOMPARE(questions, asked);
        QCOMPARE(failed.size(), refused ? 1 : 0);
        QCOMPARE(model.index(0, 1).data().toString(), stored);
        QVERIFY(storedWords().contains("cat=" + stored));
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

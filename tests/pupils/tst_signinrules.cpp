#include "data/Options.h"
#include "data/SettingsStore.h"
#include "pupils/SignInRules.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace SignInRules;

class TestSignInRules : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int next_ = 0;
    SettingsStore freshStore() {
        return SettingsStore(dir_.filePath(QStringLiteral("s%1.ini").arg(++next_)));
    }

private slots:
    void groupsKeepEachDistinctGroupAtItsLastIndex_data() {
        QTest::addColumn<QStringList>("pupilGroups");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("groupes");
        QTest::addColumn<int>("nbGroupes");
        QTest::newRow("repeated") << QStringList{"CM2", "CE1", "CE1"} << QStringList{"CE1", "CM2"}
                                  << QStringList{"", "CE1", "CM2", ""} << 3;
        QTest::newRow("case makes two choices")
            << QStringList{"ce1", "CE1", "CM1", "ce1", "CE1"} << QStringList{"CE1", "ce1", "CM1"}
            << QStringList{"", "CE1", "", "ce1", "CM1", ""} << 5;
        QTest::newRow("none") << QStringList() << QStringList() << QStringList() << 0;
    }
    void groupsKeepEachDistinctGroupAtItsLastIndex() {
        QFETCH(QStringList, pupilGroups);
        const Groups groups = collectGroups(pupilGroups);
        QTEST(groups.choices, "choices");
        QTEST(groups.groupes, "groupes");
        QTEST(groups.nbGroupes, "nbGroupes");
    }

    void sortedListsIgnoreCaseFirst() {
        QStringList names{"zoé", "Adam", "bob", "Bob", "Élodie", "alice"};
        sortList(names);
        QCOMPARE(names.first(), QStringLiteral("Adam"));
        QCOMPARE(names.indexOf("alice"), 1);
        QVERIFY(names.indexOf("Bob") + 1 == names.indexOf("bob") ||
                names.indexOf("bob") + 1 == names.indexOf("Bob"));
    }

    void pupilPasswordIgnoresStoredSpacesButNotCase() {
        QVERIFY(pupilPasswordMatches(QStringLiteral("ab "), QStringLiteral("ab")));
        QVERIFY(pupilPasswordMatches(QStringLiteral(" ab"), QStringLiteral("ab")));
        QVERIFY(!pupilPasswordMatches(QStringLiteral("abc"), QStringLiteral("ABC")));
        QVERIFY(!pupilPasswordMatches(QStringLiteral("abcd"), QStringLiteral("abc")));
        QVERIFY(!pupilPasswordMatches(QStringLiteral("ab"), QStringLiteral("ab ")));
        QCOMPARE(trimSpaces(QStringLiteral("\t a b \n ")), QStringLiteral("\t a b \n"));
    }

    // The answer to each typed management password, and the password stored afterwards: the
    // default is stored and shown when none is, and while it is in force anything else shows it
    // again; typing the default with nothing stored is refused and stores nothing.
    void managementPasswordAnswers() {
        using A = ManagementAnswer;
        const std::tuple<const char*, const char*, A, const char*> tries[] = {
            {"", "", A::ShowDefaultPassword, "pivoine"},
            {"pivoine", "pivoine", A::OpenConsole, "pivoine"},
            {"pivoine", "xyz", A::ShowDefaultPassword, "pivoine"},
            {"", "pivoine", A::WrongPassword, ""},
            {"Tulipe", "Tulipe", A::OpenConsole, "Tulipe"},
            {"Tulipe", "tulipe", A::WrongPassword, "Tulipe"},
            {"Tulipe", "pivoine", A::WrongPassword, "Tulipe"},
            {"Tulipe", "", A::AskPassword, "Tulipe"}};
        for (const auto& [stored, typed, answer, after] : tries) {
            SettingsStore store = freshStore();
            if (*stored)
                store.write(Options::Configuration, Options::MotDePasse, stored);
            QCOMPARE(checkManagementPassword(store, typed), answer);
            QCOMPARE(store.read(Options::Configuration, Options::MotDePasse), QString(after));
        }
    }

    void registrationChecksComeInOrder_data() {
        QTest::addColumn<QStringList>("typed"); // name, group, password, confirmation
        QTest::addColumn<QString>("question");
        QTest::newRow("no name") << QStringList{"  ", "", "a", "b"} << "Quel est ton nom ?";
        QTest::newRow("no group") << QStringList{"Léa", " ", "a", "b"} << "Quel est ton groupe ?";
        QTest::newRow("mismatch") << QStringList{"Léa", "CE1", "abc", "abC"}
                                  << "Confirme ton mot de passe";
        QTest::newRow("both empty") << QStringList{"Léa", "CE1", "", ""} << "Et ton mot de passe ?";
        QTest::newRow("blank password")
            << QStringList{"Léa", "CE1", "  ", "  "} << "Et ton mot de passe ?";
        QTest::newRow("spaced name accepted") << QStringList{" Léa ", "CE1", "a1", "a1"} << "";
    }
    void registrationChecksComeInOrder() {
        QFETCH(QStringList, typed);
        QTEST(registrationQuestion(typed[0], typed[1], typed[2], typed[3]), "question");
    }

    void confirmationHasFiveLines() {
        const QStringList lines =
            registrationConfirmation(QStringLiteral(" Léo "), QStringLiteral("CM1")).split(u'\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("Tu t'appelles :  Léo "));
        QCOMPARE(lines[1], QStringLiteral("Ton groupe est : CM1"));
        QCOMPARE(lines[3],
                 QStringLiteral("Si tu acceptes ces conditions, clique sur le bouton \"Oui,\""));
    }
};

QTEST_GUILESS_MAIN(TestSignInRules)
#include "tst_signinrules.moc"

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
    // The pupils' groups give the choices, sorted with case ignored first (the sign-in test
    // sorts the names the same way), each group at the last index it was seen, and their count.
    void groupsKeepEachDistinctGroupAtItsLastIndex() {
        using L = QStringList;
        const std::tuple<L, L, L> rows[] = {
            {{"CM2", "CE1", "CE1"}, {"CE1", "CM2"}, {"", "CE1", "CM2", ""}},
            {{"ce1", "CE1", "CM1", "ce1", "CE1"}, // case makes two choices
             {"CE1", "ce1", "CM1"},
             {"", "CE1", "", "ce1", "CM1", ""}},
            {{}, {}, {}}};
        for (const auto& [pupilGroups, choices, groupes] : rows) {
            const Groups groups = collectGroups(pupilGroups);
            QCOMPARE(groups.choices, choices);
            QCOMPARE(groups.groupes, groupes);
            QCOMPARE(groups.nbGroupes, pupilGroups.size());
        }
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

    // The question asked for what is typed (name, group, password, confirmation), none once
    // all is right.
    void registrationChecksComeInOrder() {
        const std::pair<QStringList, const char*> rows[] = {
            {{"  ", "", "a", "b"}, "Quel est ton nom ?"},
            {{"Léa", " ", "a", "b"}, "Quel est ton groupe ?"},
            {{"Léa", "CE1", "abc", "abC"}, "Confirme ton mot de passe"},
            {{"Léa", "CE1", "", ""}, "Et ton mot de passe ?"},
            {{"Léa", "CE1", "  ", "  "}, "Et ton mot de passe ?"},
            {{" Léa ", "CE1", "a1", "a1"}, ""}};
        for (const auto& [typed, question] : rows)
            QCOMPARE(registrationQuestion(typed[0], typed[1], typed[2], typed[3]),
                     QString(question));
    }
};

QTEST_GUILESS_MAIN(TestSignInRules)
#include "tst_signinrules.moc"

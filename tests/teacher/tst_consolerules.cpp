#include "data/Options.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "teacher/ConsoleRules.h"

#include <QtTest>

using namespace ConsoleRules;
Q_DECLARE_METATYPE(ConsoleRules::PasswordBox)

class TestConsoleRules : public QObject {
    Q_OBJECT

private slots:
    void passwordChangeChecksInOrder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<PasswordBox>("focus");
        QTest::addColumn<bool>("selectAll");
        using B = PasswordBox;
        QTest::newRow("old missing")
            << "pivoine"
            << "   "
            << "x"
            << "x"
            << "Quelle est votre ancien mot de passe ?" << 32 << B::Old << false;
        QTest::newRow("old wrong, case counts")
            << "Tulipe"
            << "tulipe"
            << "x"
            << "x"
            << "Ce n'est pas le bon mot de passe." << 48 << B::Old << true;
        QTest::newRow("old typed with a space the stored one lacks")
            << "Tulipe"
            << "Tulipe "
            << "x"
            << "x"
            << "Ce n'est pas le bon mot de passe." << 48 << B::Old << true;
        QTest::newRow("new missing")
            << "pivoine"
            << "pivoine"
            << "  "
            << "x"
            << "Quelle est votre nouveau mot de passe ?" << 48 << B::New << false;
        QTest::newRow("new is the default, spaces around")
            << "Rose"
            << "Rose"
            << " pivoine "
            << " pivoine "
            << "\"pivoine\" est le mot de passe par défaut !\nChangez-le." << 16 << B::New << true;
        QTest::newRow("confirmation missing")
            << "pivoine"
            << "pivoine"
            << "Lys"
            << " "
            << "Confirmer votre mot de passe." << 64 << B::Confirm << false;
        QTest::newRow("confirmation differs by a space")
            << "pivoine"
            << "pivoine"
            << "Lys"
            << "Lys "
            << "Confirmation du mot de pase incorrect." << 16 << B::Confirm << true;
    }
    void passwordChangeChecksInOrder() {
        QFETCH(QString, stored);
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(PasswordBox, focus);
        QFETCH(bool, selectAll);
        const PasswordVerdict v = changePassword(stored, oldText, newText, confirm);
        QVERIFY(!v.store);
        QCOMPARE(v.text, message);
        QCOMPARE(v.flags, icon);
        QCOMPARE(v.focus, focus);
        QCOMPARE(v.selectAll, selectAll);
    }

    void passwordChangeAcceptsStoredTrailingSpaceAndKeepsNewSpaces() {
        const PasswordVerdict v = changePassword(QStringLiteral("Rose "), QStringLiteral("Rose"),
                                                 QStringLiteral(" Lys "), QStringLiteral(" Lys "));
        QVERIFY(v.store);
        QCOMPARE(v.flags, MsgBox::Information);
        QCOMPARE(v.text.split(u'\n'), (QStringList{"Votre nouveau mot de passe ",
                                                   "est bien enregistré. Ne l'oubliez pas !"}));
    }

    void optionsMapToKeysAndValues() {
        QCOMPARE(checkBoxKey(1), Options::Protection);
        QCOMPARE(checkBoxKey(2), Options::Verrouillage);
        QCOMPARE(checkBoxKey(3), Options::Texte);
        QVERIFY(checkBoxKey(4).isEmpty());
        QVERIFY(isTicked(QStringLiteral("Vrai")));
        for (const char* other : {"vrai", "Faux", "", "VRAI"})
            QVERIFY2(!isTicked(QString::fromLatin1(other)), other);
        QCOMPARE(valueOf(true), QStringLiteral("Vrai"));
        QCOMPARE(valueOf(false), QStringLiteral("Faux"));
        QCOMPARE(quizTable(QStringLiteral("Vrai")), Schema::Table::Quizz1);
        QCOMPARE(quizTable(QStringLiteral("Faux")), Schema::Table::Quizz2);
        QCOMPARE(quizTable(QStringLiteral("vrai")), Schema::Table::Quizz2);
    }

    void pupilCellsAreRefusedWithAReason_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("startOfMessage"); // empty: accepted
        const QString emoji = QString::fromUtf8("L\xC3\xA9"
                                                "a \xF0\x9F\x98\x80");
        QTest::newRow("name empty") << "Nom"
                                    << "  "
                                    << "Le nom de l'élève ne peut pas être vide";
        QTest::newRow("name taken, other case") << "Nom"
                                                << " TOM "
                                                << "Le nom \"TOM\" est déjà";
        QTest::newRow("name taken, accents folded") << "nom"
                                                    << "LÉA"
                                                    << "Le nom \"LÉA\"";
        QTest::newRow("name with quotes") << "Nom"
                                          << "O'Brien \"Jo\""
                                          << "";
        QTest::newRow("name with emoji") << "Nom" << emoji << "Ce texte contient un caractère";
        QTest::newRow("group empty") << "Groupe"
                                     << ""
                                     << "Le groupe de l'élève ne peut pas";
        QTest::newRow("group with a quote") << "Groupe"
                                            << "CE1 'b'"
                                            << "";
        QTest::newRow("password too long") << "Motdepasse"
                                           << "abcd"
                                           << "Le mot de passe d'un";
        QTest::newRow("password empty") << "Motdepasse"
                                        << " "
                                        << "Le mot de passe de l'élève";
        QTest::newRow("password of three") << "Motdepasse"
                                           << "a\"b"
                                           << "";
        QTest::newRow("password emoji")
            << "Motdepasse" << QString::fromUtf8("\xF0\x9F\x98\x80") << "Ce texte contient";
        QTest::newRow("control character")
            << "Groupe" << QStringLiteral("CE\t1") << "Ce texte contient";
    }
    void pupilCellsAreRefusedWithAReason() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, startOfMessage);
        const QString refusal =
            refuseCell(field, value, {QStringLiteral("Tom"), QStringLiteral("Léa")});
        if (startOfMessage.isEmpty())
            QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        else
            QVERIFY2(refusal.startsWith(startOfMessage), qPrintable(refusal));
    }
};

QTEST_GUILESS_MAIN(TestConsoleRules)
#include "tst_consolerules.moc"

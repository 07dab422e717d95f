#include "data/Options.h"
#include "data/Schema.h"
#include "platform/MessageBox.h"
#include "teacher/ConsoleRules.h"

#include <QtTest>

using namespace ConsoleRules;

namespace {
// A password change: the boxes' texts and what the teacher is told.
struct Change {
    const char* name;
    QString stored, oldText, newText, confirm, message;
    int icon;
    PasswordBox focus;
    bool selectAll;
    bool store = false;
};
} // namespace

class TestConsoleRules : public QObject {
    Q_OBJECT

private slots:
    void passwordChangeChecksInOrder() {
        using B = PasswordBox;
        const QString badOld = QStringLiteral("Ce n'est pas le bon mot de passe.");
        const Change rows[] = {
            {"old missing", "pivoine", "   ", "x", "x", "Quelle est votre ancien mot de passe ?",
             32, B::Old, false},
            {"old wrong, case counts", "Tulipe", "tulipe", "x", "x", badOld, 48, B::Old, true},
            {"old typed with a space the stored one lacks", "Tulipe", "Tulipe ", "x", "x", badOld,
             48, B::Old, true},
            {"new missing", "pivoine", "pivoine", "  ", "x",
             "Quelle est votre nouveau mot de passe ?", 48, B::New, false},
            {"new is the default, spaces around", "Rose", "Rose", " pivoine ", " pivoine ",
             "\"pivoine\" est le mot de passe par défaut !\nChangez-le.", 16, B::New, true},
            {"confirmation missing", "pivoine", "pivoine", "Lys", " ",
             "Confirmer votre mot de passe.", 64, B::Confirm, false},
            {"confirmation differs by a space", "pivoine", "pivoine", "Lys", "Lys ",
             "Confirmation du mot de pase incorrect.", 16, B::Confirm, true},
            {"accepted: the stored one's trailing space ignored, new spaces kept", "Rose ", "Rose",
             " Lys ", " Lys ",
             "Votre nouveau mot de passe \nest bien enregistré. Ne l'oubliez pas !", 64, B::Old,
             false, true}};
        for (const Change& r : rows) {
            const PasswordVerdict v = changePassword(r.stored, r.oldText, r.newText, r.confirm);
            QCOMPARE(v.text, r.message);
            QVERIFY2(v.store == r.store && v.flags == r.icon && v.focus == r.focus &&
                         v.selectAll == r.selectAll,
                     r.name);
        }
    }

    // The keys and values of the option boxes, and the tables of "Vrai" and "Faux", are read
    // back through the console's boxes and the question editor; here the other spellings.
    void optionsHoldOnlyForExactlyVrai() {
        for (const char* other : {"vrai", "Faux", "", "VRAI"})
            QVERIFY2(!isTicked(QString::fromLatin1(other)), other);
        QCOMPARE(quizTable(QStringLiteral("vrai")), Schema::Table::Quizz2);
    }

    // Each cell, typed beside the pupils Tom and Léa: the start of its refusal, or nothing.
    void pupilCellsAreRefusedWithAReason() {
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString nonText = QStringLiteral("Ce texte contient un caractère");
        const std::tuple<QString, QString, QString> cells[] = {
            {"Nom", "  ", "Le nom de l'élève ne peut pas être vide"},
            {"Nom", " TOM ", "Le nom \"TOM\" est déjà"},
            {"nom", "LÉA", "Le nom \"LÉA\""},
            {"Nom", "O'Brien \"Jo\"", ""},
            {"Nom", QStringLiteral("Léa ") + emoji, nonText},
            {"Groupe", "", "Le groupe de l'élève ne peut pas"},
            {"Groupe", "CE1 'b'", ""},
            {"Motdepasse", "abcd", "Le mot de passe d'un"},
            {"Motdepasse", " ", "Le mot de passe de l'élève"},
            {"Motdepasse", "a\"b", ""},
            {"Motdepasse", emoji, nonText},
            {"Groupe", "CE\t1", nonText}};
        for (const auto& [field, value, refused] : cells) {
            const QString refusal = refuseCell(field, value, {"Tom", "Léa"});
            const QString what = field + u'=' + value + QStringLiteral(": ") + refusal;
            QVERIFY2(refused.isEmpty() ? refusal.isEmpty() : refusal.startsWith(refused),
                     qPrintable(what));
        }
    }
};

QTEST_GUILESS_MAIN(TestConsoleRules)
#include "tst_consolerules.moc"

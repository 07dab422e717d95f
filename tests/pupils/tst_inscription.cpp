#include "activities/Seconde.h"
#include "data/Options.h"
#include "data/Schema.h"
#include "data/Sqlite.h"
#include "pupils/Formulaire.h"
#include "pupils/Inscription.h"
#include "shell/FormRegistry.h"
#include "shell/Principale.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
QStringList texts(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Clicks an entry of a list box the way a child does: press and release on it.
void pick(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

void press(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}
} // namespace

class TestInscription : public QObject {
    Q_OBJECT

    Inscription* signIn(Scenario& s) { return s.form<Inscription>(QStringLiteral("Inscription")); }
    QListWidget* names(Scenario& s) {
        return signIn(s)->findChild<QListWidget*>(QStringLiteral("List1"));
    }
    QListWidget* groups(Scenario& s) {
        return signIn(s)->findChild<QListWidget*>(QStringLiteral("Combo1"));
    }
    FXShape* button(Scenario& s, int i) {
        return signIn(s)->findChild<FXShape*>(QStringLiteral("FXShape1(%1)").arg(i));
    }
    const FakeMessageBox::Shown& lastMessage(Scenario& s) { return s.messageBox->shown.last(); }
    // The pupil's password typed into its box, then "Départ" pressed.
    void enter(Scenario& s, const QString& password) {
        signIn(s)->pupilPassword()->setText(password);
        press(button(s, 2));
    }

private slots:
    void emptyTableGivesEmptyListsAndKeepsTheGroups() {
        Scenario s;
        s->general().Groupes = {QStringLiteral("avant")};
        s->general().NbGroupes = 7;
        QFile::remove(s.databasePath());
        DbError error;
        QVERIFY(DbConnection::create(s.databasePath(), error));
        s.start();
        QVERIFY(texts(names(s)).isEmpty());
        QVERIFY(texts(groups(s)).isEmpty());
        QCOMPARE(s->general().NbGroupes, 7);
        QCOMPARE(s->general().Groupes, QStringList{QStringLiteral("avant")});
    }

    void guestIsHiddenAtFirstAndListedUnderItsGroups() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Zoé"), QStringLiteral("CE1"), QStringLiteral("abc")));
        QVERIFY(s.addPupil(QStringLiteral("adam"), QString(), QStringLiteral("abc")));
        s.start();
        QCOMPARE(texts(names(s)), (QStringList{"adam", "Zoé"}));
        QCOMPARE(texts(groups(s)), (QStringList{"Tous les groupes", "CE1"}));
        pick(groups(s), QStringLiteral("Tous les groupes"));
        QCOMPARE(texts(names(s)), (QStringList{"adam", "Invité", "Zoé"}));
        pick(groups(s), QStringLiteral("CE1"));
        QCOMPARE(texts(names(s)), (QStringList{"Zoé"}));
    }

    void groupsAreHandedOverOncePerGroup() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("a")));
        QVERIFY(s.addPupil(QStringLiteral("Tom"), QStringLiteral("CM2"), QStringLiteral("b")));
        QVERIFY(s.addPupil(QStringLiteral("Ana"), QStringLiteral("CE1"), QStringLiteral("c")));
        s.start();
        QCOMPARE(s->general().Groupes, (QStringList{"", "CE1", "CM2", ""}));
        QCOMPARE(s->general().NbGroupes, 3);
    }

    void groupsDifferingInCaseAreTwoEntriesThatListBoth() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("ce1"), QStringLiteral("a")));
        QVERIFY(s.addPupil(QStringLiteral("Tom"), QStringLiteral("CE1"), QStringLiteral("b")));
        s.start();
        QCOMPARE(texts(groups(s)), (QStringList{"Tous les groupes", "CE1", "ce1"}));
        pick(groups(s), QStringLiteral("ce1"));
        QCOMPARE(texts(names(s)), (QStringList{"Léa", "Tom"}));
    }

    void groupChoiceClearsTheNameSoDepartAsksForOne() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("abc")));
        s.start();
        pick(names(s), QStringLiteral("Léa"));
        QCOMPARE(s->general().NomChoisi, QStringLiteral("Léa"));
        pick(groups(s), QStringLiteral("CE1"));
        QVERIFY(s->general().NomChoisi.isEmpty());
        enter(s, QStringLiteral("abc"));
        QCOMPARE(s.messageBox->shown.size(), 1);
        QVERIFY(s.messageBox->shown[0].text.startsWith(QStringLiteral("Clique sur ton nom")));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
    }

    void passwordsAreCheckedExactlyAndStoredSpacesIgnored() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("O'Brien \"Jo\""), QStringLiteral("CM1"),
                           QStringLiteral("ab ")));
        Principale* main = s.start();
        pick(names(s), QStringLiteral("O'Brien \"Jo\""));
        QCOMPARE(s->general().NomEleve, QStringLiteral("O'Brien \"Jo\""));
        press(button(s, 2));
        QCOMPARE(lastMessage(s).text, QStringLiteral("Quel est ton mot de passe ?"));
        enter(s, QStringLiteral("AB"));
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce n'est pas le bon mot de passe."));
        enter(s, QStringLiteral("ab"));
        QCOMPARE(s.messageBox->shown.size(), 2);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
        QVERIFY(s.isShown(QStringLiteral("Seconde")));
        for (int i = 0; i <= 13; ++i)
            QCOMPARE(main->bouton(i)->isHidden(), i == 8);
        QVERIFY(!s->general().EnExercice);
    }

    void guestSignsInWithItsOwnPassword() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QString(), QStringLiteral("xyz")));
        s.start();
        pick(groups(s), QStringLiteral("Tous les groupes"));
        // What was read before (Léa's password) never lets the guest in.
        pick(names(s), QStringLiteral("Léa"));
        pick(names(s), QStringLiteral("Invité"));
        enter(s, QStringLiteral("xyz"));
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce n'est pas le bon mot de passe."));
        enter(s, Scenario::GuestPassword);
        QVERIFY(s.isShown(QStringLiteral("Seconde")));
        QCOMPARE(s->general().NomChoisi, QStringLiteral("Invité"));
        // The chooser starts on the word labels.
        QCOMPARE(s.principale()->data().recordSource(), Schema::Table::Imagier);
    }

    void aPasswordWithADoubleQuoteIsTypedAsItIs() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Zoé"), QString(), QStringLiteral("a\"b")));
        s.start();
        pick(groups(s), QStringLiteral("Tous les groupes"));
        pick(names(s), QStringLiteral("Zoé"));
        QTest::keyClicks(signIn(s)->pupilPassword(), QStringLiteral("a\"b"));
        QCOMPARE(signIn(s)->pupilPassword()->text(), QStringLiteral("a\"b"));
        press(button(s, 2));
        QVERIFY(s.isShown(QStringLiteral("Seconde")));
    }

    void defaultManagementPasswordIsShownThenOpensTheConsole() {
        Scenario s;
        s.registerProbe(QStringLiteral("Gestion"));
        s.start();
        press(button(s, 3));
        QCOMPARE(lastMessage(s).title, QStringLiteral("Mot de passe pour la gestion"));
        QCOMPARE(lastMessage(s).text.split(u'\n').size(), 3);
        QCOMPARE(signIn(s)->managementPassword()->text(), QStringLiteral("pivoine"));
        QCOMPARE(s->settings().read(Options::Configuration, Options::MotDePasse),
                 QStringLiteral("pivoine"));
        press(button(s, 3));
        QVERIFY(s.isShown(QStringLiteral("Gestion")));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
    }

    void pivoineIsRefusedWhileAnotherPasswordIsStored() {
        Scenario s;
        s.registerProbe(QStringLiteral("Gestion"));
        s->settings().write(Options::Configuration, Options::MotDePasse, QStringLiteral("Tulipe"));
        s.start();
        signIn(s)->managementPassword()->setText(QStringLiteral("pivoine"));
        press(button(s, 3));
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce n'est pas le bon mot de passe !"));
        QCOMPARE(lastMessage(s).flags, 16);
        QCOMPARE(lastMessage(s).title, QStringLiteral("GESTION"));
        QVERIFY(!s.isShown(QStringLiteral("Gestion")));
    }

    void registrationAddsThePupilAndComesBackWithThePassword() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("abc")));
        s.start();
        press(button(s, 1));
        auto* form = s.form<Formulaire>(QStringLiteral("Formulaire"));
        QVERIFY(form && form->isVisible());
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
        QCOMPARE(form->groupBox()->count(), 1);
        auto* ok = form->findChild<FXShape*>(QStringLiteral("Command1(0)"));

        press(ok);
        QCOMPARE(form->question()->caption(), QStringLiteral("Quel est ton nom ?"));
        form->nameBox()->setText(QStringLiteral("  LÉA "));
        form->groupBox()->setEditText(QStringLiteral("CE1"));
        press(ok);
        QCOMPARE(form->question()->caption(), QStringLiteral("Et ton mot de passe ?"));
        form->passwordBox()->setText(QStringLiteral("  "));
        form->confirmationBox()->setText(QStringLiteral("  "));
        press(ok);
        QCOMPARE(form->question()->caption(), QStringLiteral("Et ton mot de passe ?"));
        form->passwordBox()->setText(QStringLiteral(" z9"));
        form->confirmationBox()->setText(QStringLiteral(" z9"));
        form->nameBox()->setText(QStringLiteral("léa"));
        press(ok);
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce nom existe aussi dans la liste"));

        form->nameBox()->setText(QStringLiteral(" Noé "));
        form->groupBox()->setEditText(QStringLiteral("CP"));
        s.messageBox->answers = {MsgBox::No};
        press(ok);
        QCOMPARE(lastMessage(s).title, QStringLiteral("Inscription"));
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 2);
        QVERIFY(form->isVisible());
        QCOMPARE(form->nameBox()->text(), QStringLiteral(" Noé "));

        s.messageBox->answers = {MsgBox::Yes};
        press(ok);
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 3);
        QCOMPARE(s.pupilField(QStringLiteral(" Noé "), Schema::Field::Groupe).toString(),
                 QStringLiteral("CP"));
        QCOMPARE(s.pupilField(QStringLiteral(" Noé "), Schema::Field::Motdepasse).toString(),
                 QStringLiteral("z9"));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Formulaire")));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QCOMPARE(signIn(s)->pupilPassword()->text(), QStringLiteral("z9"));
        QVERIFY(texts(groups(s)).contains(QStringLiteral("CP")));
        QVERIFY(texts(names(s)).contains(QStringLiteral(" Noé ")));
    }

    void closingTheFormReopensSignInWithoutRegistering() {
        Scenario s;
        s.start();
        signIn(s)->managementPassword()->setText(QStringLiteral("xx"));
        press(button(s, 1));
        auto* form = s.form<Formulaire>(QStringLiteral("Formulaire"));
        form->nameBox()->setText(QStringLiteral("Max"));
        QVERIFY(s->forms().unload(QStringLiteral("Formulaire")));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QVERIFY(signIn(s)->managementPassword()->text().isEmpty());
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 1);
    }
};

QTEST_MAIN(TestInscription)
#include "tst_inscription.moc"

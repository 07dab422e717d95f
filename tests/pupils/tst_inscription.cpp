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
    press(list->viewport(), at);
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

    // The guest is listed only under "Tous les groupes"; a group lists its pupils whatever the
    // case of their group, while groups differing in case are two choices handed over as such.
    // A pupil signs in with the password of the row picked, typed key by key (a straight double
    // quote included), the spaces stored around it ignored.
    void groupsListTheirPupilsAndThePasswordOfTheRowPickedSignsIn() {
        Scenario s;
        const QString jo = QStringLiteral("O'Brien \"Jo\"");
        QVERIFY(s.addPupil(QStringLiteral("Zoé"), QStringLiteral("ce1"), QStringLiteral("abc")));
        QVERIFY(s.addPupil(QStringLiteral("Tom"), QStringLiteral("CE1"), QStringLiteral("abc")));
        QVERIFY(s.addPupil(QStringLiteral("Ana"), QStringLiteral("CE1"), QStringLiteral("abc")));
        QVERIFY(s.addPupil(QStringLiteral("adam"), QString(), QStringLiteral("abc")));
        QVERIFY(s.addPupil(jo, QString(), QStringLiteral("a\"b ")));
        Principale* main = s.start();
        QCOMPARE(texts(names(s)), (QStringList{"adam", "Ana", jo, "Tom", "Zoé"}));
        QCOMPARE(texts(groups(s)), (QStringList{"Tous les groupes", "CE1", "ce1"}));
        QCOMPARE(s->general().NbGroupes, 3);
        pick(groups(s), QStringLiteral("Tous les groupes"));
        QCOMPARE(texts(names(s)), (QStringList{"adam", "Ana", "Invité", jo, "Tom", "Zoé"}));
        pick(groups(s), QStringLiteral("ce1"));
        QCOMPARE(texts(names(s)), (QStringList{"Ana", "Tom", "Zoé"}));
        // Choosing a group clears the name, so that "Départ" asks for one.
        pick(names(s), QStringLiteral("Tom"));
        QCOMPARE(s->general().NomChoisi, QStringLiteral("Tom"));
        pick(groups(s), QStringLiteral("CE1"));
        QVERIFY(s->general().NomChoisi.isEmpty());
        enter(s, QStringLiteral("abc"));
        QCOMPARE(s.messageBox->shown.size(), 1);
        QVERIFY(lastMessage(s).text.startsWith(QStringLiteral("Clique sur ton nom")));
        // The guest has its own password: the one read for Tom never lets it in.
        pick(groups(s), QStringLiteral("Tous les groupes"));
        pick(names(s), QStringLiteral("Tom"));
        pick(names(s), QStringLiteral("Invité"));
        enter(s, QStringLiteral("abc"));
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce n'est pas le bon mot de passe."));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        pick(names(s), jo);
        QCOMPARE(s->general().NomEleve, jo);
        enter(s, QString());
        QCOMPARE(lastMessage(s).text, QStringLiteral("Quel est ton mot de passe ?"));
        QTest::keyClicks(signIn(s)->pupilPassword(), QStringLiteral("a\"b"));
        QCOMPARE(signIn(s)->pupilPassword()->text(), QStringLiteral("a\"b"));
        press(button(s, 2));
        QCOMPARE(s.messageBox->shown.size(), 3);
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
        QVERIFY(s.isShown(QStringLiteral("Seconde")));
        for (int i = 0; i <= 13; ++i)
            QCOMPARE(main->bouton(i)->isHidden(), i == 8);
        QVERIFY(!s->general().EnExercice);
        // The chooser starts on the word labels.
        QCOMPARE(main->data().recordSource(), Schema::Table::Imagier);
    }

    // The default is shown and filled in (the sign-in rules store it); once the teacher has
    // another password the default is refused, and the right one opens the console in place of
    // the sign-in.
    void managementPasswordIsShownThenRefusedThenOpensTheConsole() {
        Scenario s;
        s.registerProbe(QStringLiteral("Gestion"));
        s.start();
        press(button(s, 3));
        QCOMPARE(lastMessage(s).title, QStringLiteral("Mot de passe pour la gestion"));
        QCOMPARE(lastMessage(s).text.split(u'\n').size(), 3);
        QCOMPARE(signIn(s)->managementPassword()->text(), QStringLiteral("pivoine"));
        s->settings().write(Options::Configuration, Options::MotDePasse, QStringLiteral("Tulipe"));
        press(button(s, 3));
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce n'est pas le bon mot de passe !"));
        QCOMPARE(lastMessage(s).flags, 16);
        QCOMPARE(lastMessage(s).title, QStringLiteral("GESTION"));
        QVERIFY(!s.isShown(QStringLiteral("Gestion")));
        signIn(s)->managementPassword()->setText(QStringLiteral("Tulipe"));
        press(button(s, 3));
        QVERIFY(s.isShown(QStringLiteral("Gestion")));
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
    }

    void registrationAddsThePupilAndComesBackWithThePassword() {
        Scenario s;
        QVERIFY(s.addPupil(QStringLiteral("Léa"), QStringLiteral("CE1"), QStringLiteral("abc")));
        s.start();
        // Closing the form brings the sign-in back, its management password cleared, with no
        // pupil added.
        signIn(s)->managementPassword()->setText(QStringLiteral("xx"));
        press(button(s, 1));
        s.form<Formulaire>(QStringLiteral("Formulaire"))->nameBox()->setText(QStringLiteral("Max"));
        QVERIFY(s->forms().unload(QStringLiteral("Formulaire")));
        QVERIFY(s.isShown(QStringLiteral("Inscription")));
        QVERIFY(signIn(s)->managementPassword()->text().isEmpty());
        QCOMPARE(s.rowCount(Schema::Table::Gestion), 2);
        press(button(s, 1));
        auto* form = s.form<Formulaire>(QStringLiteral("Formulaire"));
        QVERIFY(form && form->isVisible());
        QVERIFY(!s->forms().isLoaded(QStringLiteral("Inscription")));
        QCOMPARE(form->groupBox()->count(), 1);
        auto* ok = form->findChild<FXShape*>(QStringLiteral("Command1(0)"));

        press(ok);
        QCOMPARE(form->question()->caption(), QStringLiteral("Quel est ton nom ?"));
        form->passwordBox()->setText(QStringLiteral(" z9"));
        form->confirmationBox()->setText(QStringLiteral(" z9"));
        form->nameBox()->setText(QStringLiteral("léa"));
        form->groupBox()->setEditText(QStringLiteral("CE1"));
        press(ok);
        QCOMPARE(lastMessage(s).text, QStringLiteral("Ce nom existe aussi dans la liste"));

        form->nameBox()->setText(QStringLiteral(" Noé "));
        form->groupBox()->setEditText(QStringLiteral("CP"));
        s.messageBox->answers = {MsgBox::No};
        press(ok);
        QCOMPARE(lastMessage(s).title, QStringLiteral("Inscription"));
        // Five lines: the name and the group as typed, then how to accept.
        const QStringList lines = lastMessage(s).text.split(u'\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.mid(0, 2), (QStringList{"Tu t'appelles :  Noé ", "Ton groupe est : CP"}));
        QCOMPARE(lines[3],
                 QStringLiteral("Si tu acceptes ces conditions, clique sur le bouton \"Oui,\""));
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
};

QTEST_MAIN(TestInscription)
#include "tst_inscription.moc"

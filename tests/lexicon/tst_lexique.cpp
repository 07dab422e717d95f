#include "data/Options.h"
#include "data/Schema.h"
#include "lexicon/LexiconModel.h"
#include "lexicon/LexiconRules.h"
#include "lexicon/Lexique.h"
#include "shell/FormRegistry.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/Scenario.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

namespace {
const QString ProgramDir = qEnvironmentVariable("BRINDEL_PROGRAM_DIR");
const QString Password = QStringLiteral("maître");
} // namespace

// The lexicon window driven as a teacher or a child would, over a fresh copy of the generated
// database.
class TestLexique : public QObject {
    Q_OBJECT

    std::unique_ptr<Scenario> s_;
    Lexique* lexique_ = nullptr;

    template <class T> T* child(const QString& name) { return lexique_->findChild<T*>(name); }
    FXShape* action(int index) {
        return child<FXShape>(QStringLiteral("Ajout_suppression(%1)").arg(index));
    }
    // Every row the grid can show, fetched to the end.
    QStringList words(int column = 0) {
        LexiconModel* model = lexique_->model();
        while (model->canFetchMore({}))
            model->fetchMore({});
        QStringList list;
        for (int row = 0; row < model->fetchedRows(); ++row)
            list << model->index(row, column).data().toString();
        return list;
    }
    void clickTab(const QString& key) {
        auto* tabs = child<QTabBar>(QStringLiteral("Agenda"));
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == key)
                emit tabs->tabBarClicked(i);
    }
    void type(const QString& text) { child<QLineEdit>(QStringLiteral("Text1"))->setText(text); }
    const FakeMessageBox::Shown& lastBox() { return s_->messageBox->shown.last(); }

private slots:
    void initTestCase() {
        if (!QFile::exists(ProgramDir + QStringLiteral("/DbBrin.mdb")))
            QSKIP("no generated program folder");
    }

    // In a narrow window as in a wide one, every control and tab stays whole on the window and
    // none covers the grid. Typing, tabs and "+" narrow the list in both directions;
    // No to the save question writes nothing (the model's test reads the file back); an added
    // pair takes its place in the sorted list. Protection ticked meanwhile, the window activated
    // again refuses additions and edits but not deletion, which still needs the exact password.
    // "Retour" closes the window.
    void listsEditsAddsProtectionAndRetour() {
        s_ = std::make_unique<Scenario>();
        s_->useGeneratedContent(ProgramDir, {});
        (*s_)->settings().write(Options::Configuration, Options::Protection, Options::Faux);
        (*s_)->settings().write(Options::Configuration, Options::MotDePasse, Password);
        s_->start();
        (*s_)->forms().show(QStringLiteral("Lexique"), FormRegistry::ShowMode::Maximised);
        lexique_ = s_->form<Lexique>(QStringLiteral("Lexique"));
        lexique_->onActivate();
        for (const QSize size : {QSize(1024, 700), QSize(738, 664)}) {
            lexique_->resize(size);
            auto* tabs = child<QTabBar>(QStringLiteral("Agenda"));
            QVERIFY2(tabs->tabRect(tabs->count() - 1).right() <= tabs->width(),
                     qPrintable(QString::number(size.width())));
            const QRect grid = lexique_->grid()->geometry();
            for (const QWidget* w : lexique_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(lexique_->rect().contains(w->geometry()), qPrintable(w->objectName()));
                QVERIFY2(w == lexique_->grid() || !grid.intersects(w->geometry()),
                         qPrintable(w->objectName()));
            }
        }

        const QStringList all = words();
        QVERIFY(all.size() > 1000);
        QCOMPARE(lexique_->gridCaption(), QStringLiteral("Anglais/Français"));
        const auto startingWith = [&all](const QString& start) {
            return all.filter(
                QRegularExpression(u'^' + start, QRegularExpression::CaseInsensitiveOption));
        };
        type(QStringLiteral("ca"));
        QVERIFY(words().contains(QStringLiteral("cat")));
        QCOMPARE(words(), startingWith(QStringLiteral("ca")));
        clickTab(QStringLiteral("B"));
        QVERIFY(!startingWith(QStringLiteral("b")).isEmpty());
        QCOMPARE(words(), startingWith(QStringLiteral("b")));
        clickTab(QStringLiteral("+"));
        QCOMPARE(words(), all);
        QCOMPARE(s_->audio->channels.isEmpty(), false); // the tab click's effect

        type(QStringLiteral("cat"));
        LexiconModel* model = lexique_->model();
        s_->messageBox->answers = {MsgBox::No};
        QVERIFY(!model->setData(model->index(0, 1), QStringLiteral("minou")));
        QCOMPARE(lastBox().title, QStringLiteral("Confirmation d'enregistrement"));
        QCOMPARE(lastBox().text, QStringLiteral("Voulez-vous enregistrer les modifications ?"));
        QVERIFY(action(0)->isEnabled());
        QVERIFY(child<FXShape>(QStringLiteral("Bouton(1)"))->isEnabled());
        clickTab(QStringLiteral("B"));
        QTest::mouseClick(action(0), Qt::LeftButton);
        QCOMPARE(model->rowCount(), 1);
        s_->messageBox->answers = {MsgBox::Yes};
        model->setData(model->index(0, 0), QStringLiteral("bab"));
        model->setData(model->index(0, 1), QStringLiteral("bavoir"));
        // First of the B words (before "baby"), not at the end where it was typed.
        QCOMPARE(words().indexOf(QStringLiteral("bab")), 0);
        QCOMPARE(model->index(lexique_->grid()->currentIndex().row(), 0).data(),
                 QVariant(QStringLiteral("bab")));

        (*s_)->settings().write(Options::Configuration, Options::Protection, Options::Vrai);
        lexique_->onActivate();
        QCOMPARE(child<FXLabel>(QStringLiteral("Label2"))->caption(),
                 QStringLiteral("Le lexique est actuellement protégé en écriture."));
        QTest::mouseClick(action(0), Qt::LeftButton);
        QCOMPARE(lastBox().title, QStringLiteral("Ajout d'un enregistrement"));
        QCOMPARE(lastBox().flags, 64);
        QCOMPARE(lastBox().text, LexiconRules::protectedMessage());
        QVERIFY(!lexique_->model()->isAdding());
        QTest::mouseClick(action(2), Qt::LeftButton);
        QCOMPARE(lastBox().title, QStringLiteral("Modification"));
        QCOMPARE(lastBox().text, LexiconRules::protectedMessage());
        QVERIFY(!(lexique_->model()->flags(lexique_->model()->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!lexique_->model()->setData(lexique_->model()->index(0, 0), "x"));

        type(QStringLiteral("dog")); // the one word starting so
        lexique_->grid()->setCurrentIndex(lexique_->model()->index(0, 0));
        for (const auto& [typed, text] :
             {std::pair{Password + u' ', "Mauvais mot de passe."},
              std::pair{QStringLiteral("  "), "Veuillez entrer votre mot de passe..."}}) {
            child<QLineEdit>(QStringLiteral("Text2"))->setText(typed);
            QTest::mouseClick(action(1), Qt::LeftButton);
            QCOMPARE(lastBox().text, QString::fromUtf8(text));
            QCOMPARE(lastBox().title, QStringLiteral("Mot de passe"));
        }
        QVERIFY(words().contains(QStringLiteral("dog")));
        child<QLineEdit>(QStringLiteral("Text2"))->setText(Password);
        s_->messageBox->answers = {MsgBox::Yes};
        QTest::mouseClick(action(1), Qt::LeftButton);
        QCOMPARE(lastBox().text, QStringLiteral("Suppression de \"dog\" ?"));
        QCOMPARE(lastBox().flags, 292);
        QVERIFY(!words().contains(QStringLiteral("dog")));
        QVERIFY(child<QLineEdit>(QStringLiteral("Text2"))->text().isEmpty());

        QTest::mouseClick(child<FXShape>(QStringLiteral("Bouton(2)")), Qt::LeftButton);
        QCOMPARE(lexique_->gridCaption(), QStringLiteral("Français/Anglais"));
        type(QStringLiteral("É"));
        QVERIFY(words().contains(QStringLiteral("école")));
        QTest::mouseClick(action(3), Qt::LeftButton);
        QVERIFY(!(*s_)->forms().isLoaded(QStringLiteral("Lexique")));
    }
};

QTEST_MAIN(TestLexique)
#include "tst_lexique.moc"

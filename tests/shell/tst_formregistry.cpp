#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "support/TestContexte.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {
// A window that counts its life steps and may refuse to close.
class Probe : public Form {
public:
    Probe(Contexte& c, const QString& name) : Form(c, name) {}
    void onLoad() override { ++loads; }
    void onActivate() override { ++activations; }
    bool onQueryUnload() override {
        ++queries;
        return allowClose;
    }
    void onUnload() override { ++unloads; }
    int loads = 0, activations = 0, queries = 0, unloads = 0;
    bool allowClose = true;
};
} // namespace

class TestFormRegistry : public QObject {
    Q_OBJECT

    // The two child windows Un and Deux, registered for the document area of a main window
    // that has a button of its own.
    struct Probes {
        TestContexte t;
        QWidget main;
        QPushButton* mainButton = new QPushButton(QStringLiteral("Quitter"));
        QMdiArea* area = new QMdiArea;
        Probes() {
            auto* layout = new QVBoxLayout(&main);
            layout->addWidget(mainButton);
            layout->addWidget(area);
            main.resize(800, 600);
            main.show();
            t->forms().setDocumentArea(area);
            for (const char* name : {"Un", "Deux"})
                t->forms().registerForm(
                    QString::fromLatin1(name), FormRegistry::Placement::Child,
                    [name](Contexte& c) { return new Probe(c, QString::fromLatin1(name)); });
        }
        FormRegistry& forms() { return t->forms(); }
        Probe* show(const QString& name, FormRegistry::ShowMode mode = {}) {
            return static_cast<Probe*>(forms().show(name, mode));
        }
    };

private slots:
    // An unregistered name fails loudly. A window is loaded once, on first use; child windows
    // live in the document area and activate. Unloading runs the query and the closing steps
    // and can be refused.
    void childWindowsLoadOnceInTheDocumentAreaActivateAndUnload() {
        Probes p;
        for (const QString& form : {QStringLiteral("Trois"), QStringLiteral("un")}) {
            QVERIFY_THROWS_EXCEPTION(FormRegistry::UnknownForm, p.forms().get(form));
            QVERIFY_THROWS_EXCEPTION(FormRegistry::UnknownForm,
                                     p.forms().show(form, FormRegistry::ShowMode::Maximised));
            QVERIFY(!p.forms().isLoaded(form));
        }
        QVERIFY(!p.forms().isLoaded("Un"));
        Probe* un = p.show("Un", FormRegistry::ShowMode::Maximised);
        QVERIFY(un->parentWidget()->isMaximized());
        Probe* deux = p.show("Deux");
        QCOMPARE(p.area->subWindowList().size(), 2);
        QCOMPARE(p.area->activeSubWindow()->widget(), deux);
        const int before = un->activations;
        QCOMPARE(p.show("Un"), un); // the same window, loaded once, activated again
        QCOMPARE(un->activations, before + 1);
        QCOMPARE(un->loads, 1);

        QVERIFY(p.forms().unload("Deux"));
        QPointer<Probe> watch(un);
        un->allowClose = false;
        QVERIFY(!p.forms().unload("Un"));
        QVERIFY(p.forms().isLoaded("Un"));
        QCOMPARE(un->queries, 1);
        QCOMPARE(un->unloads, 0);

        un->allowClose = true;
        QVERIFY(p.forms().unload("Un"));
        QVERIFY(!p.forms().isLoaded("Un"));
        QCOMPARE(un->queries, 2); // asked once per unload, not again by its sub-window
        QCOMPARE(un->unloads, 1);
        QTRY_VERIFY(watch.isNull());
        QTRY_COMPARE(p.area->subWindowList().size(), 0);
        QVERIFY(p.forms().unload("Un")); // unloading an unloaded window is harmless

        // A window closing itself takes its sub-window along.
        QVERIFY(p.show("Deux")->close());
        QVERIFY(!p.forms().isLoaded("Deux"));
        QTRY_COMPARE(p.area->subWindowList().size(), 0);
    }
    // While a document window is shown modally, nothing else of the main window takes the mouse
    // or the keyboard: not its own buttons, not the other document windows. It all comes back
    // once the modal window closes. A modal box of its own opens in the middle of the screen,
    // not in a corner.
    void modalWindowsLockTheMainWindowAndATopLevelOneOpensCentred() {
        Probes p;
        auto* behindButton = new QPushButton(QStringLiteral("derrière"), p.show("Un"));
        behindButton->show();
        Form* modal = p.show("Deux", FormRegistry::ShowMode::Modal);
        auto* modalButton = new QPushButton(QStringLiteral("dedans"), modal);
        modalButton->show();
        QSignalSpy mainClicks(p.mainButton, &QPushButton::clicked);
        QSignalSpy behindClicks(behindButton, &QPushButton::clicked);
        QSignalSpy modalClicks(modalButton, &QPushButton::clicked);

        for (QPushButton* button : {p.mainButton, behindButton, modalButton})
            QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(p.mainButton, Qt::Key_Space);
        QCOMPARE(mainClicks.count(), 0);
        QCOMPARE(behindClicks.count(), 0);
        QCOMPARE(modalClicks.count(), 1);
        QCOMPARE(p.area->activeSubWindow()->widget(), modal);

        QVERIFY(p.forms().unload(QStringLiteral("Deux")));
        QTRY_VERIFY(!p.forms().isLoaded(QStringLiteral("Deux")));
        QTest::mouseClick(p.mainButton, Qt::LeftButton);
        QTest::mouseClick(behindButton, Qt::LeftButton);
        QCOMPARE(mainClicks.count(), 1);
        QCOMPARE(behindClicks.count(), 1);

        p.forms().registerForm(QStringLiteral("Boite"), FormRegistry::Placement::TopLevel,
                               [](Contexte& c) { return new Probe(c, QStringLiteral("Boite")); });
        Form* box = p.forms().show(QStringLiteral("Boite"), FormRegistry::ShowMode::Modal);
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY(box->isModal());
        // The frame, added once shown, may shift the centre by its border.
        QVERIFY2((box->frameGeometry().center() - screen.center()).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("%1,%2").arg(box->x()).arg(box->y())));
    }
};

QTEST_MAIN(TestFormRegistry)
#include "tst_formregistry.moc"

#include "periphery/Browser.h"
#include "periphery/BrowserEngine.h"
#include "periphery/Internet.h"
#include "shell/FormRegistry.h"
#include "shell/Main.h"
#include "shell/controls/FXShape.h"
#include "support/TestContexte.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

// The web visit on a small set of local pages: every step waits for the browser to report the
// end of its navigation.
class TestInternet : public QObject {
    Q_OBJECT

    struct Visit {
        TestContexte t;
        QString home = page("Index.htm", "Accueil", "animaux.htm");
        QString animals = page("animaux.htm", "Animaux", "Index.htm");
        Internet* form = nullptr;
        Visit() {
            registerForms(*t);
            form = qobject_cast<Internet*>(t->forms().show(QStringLiteral("Internet")));
            form->resize(800, 600);
        }
        // Writes a page with a link and gives its address.
        QString page(const QString& file, const QString& title, const QString& link) {
            const QString html = QStringLiteral("<html><head><title>%1</title></head><body>"
                                                "<h1>%1</h1><a id='suite' href='%2'>suite</a>"
                                                "</body></html>")
                                     .arg(title, link);
            return QUrl::fromLocalFile(t.writeFile("webdoc/" + file, html.toUtf8())).toString();
        }
        Browser* browser() { return form->browser(); }
        // Which of Back and Forward can be pressed ("<", ">" or nothing), the address shown, then
        // the list of addresses, latest first.
        QStringList at() {
            QStringList items{form->bouton(Internet::Back)->isEnabled() ? "<" : "",
                              form->bouton(Internet::Forward)->isEnabled() ? ">" : "",
                              browser()->locationUrl()};
            for (int i = 0; i < form->adresse()->count(); ++i)
                items << form->adresse()->itemText(i);
            return items;
        }
        // Runs the step and waits for the navigation it starts to complete.
        template <class Step> bool navigates(Step step) {
            QSignalSpy done(browser(), &Browser::navigationComplete);
            step();
            return done.wait(20000) || done.count() > 0;
        }
        bool click(int button) {
            return navigates(
                [&] { QTest::mouseClick(form->bouton(button), Qt::LeftButton, {}, QPoint(5, 5)); });
        }
        // A real click on the link, as a child makes it: the history keeps the page it leaves
        // for the back button (a scripted click leaves no such user step).
        bool clickLink() {
            QPoint centre;
            bool located = false;
            browser()->view()->page()->runJavaScript(
                QStringLiteral(
                    "(function(){var r=document.getElementById('suite')"
                    ".getBoundingClientRect();return [r.x+r.width/2,r.y+r.height/2];})()"),
                [&](const QVariant& at) {
                    const QVariantList xy = at.toList();
                    centre = QPoint(xy.value(0).toInt(), xy.value(1).toInt());
                    located = true;
                });
            if (!QTest::qWaitFor([&] { return located; }, 10000))
                return false;
            QWidget* surface = browser()->view()->focusProxy();
            return navigates([&] { QTest::mouseClick(surface, Qt::LeftButton, {}, centre); });
        }
    };

private slots:
    // Opens on the home page; a link, Back, Forward, Refresh, Home, Enter in the address box and
    // choosing one of its entries navigate, each keeping the latest address first; a missing page
    // shows the French page until the next one opens; quitting asks first.
    void opensOnTheHomePageAndEveryWayOfNavigatingKeepsTheLatestAddressFirst() {
        Visit v;
        QVERIFY(v.navigates([] {}));
        QCOMPARE(v.at(), (QStringList{"", "", v.home, v.home}));
        QTRY_VERIFY(!v.form->isLoading());
        QVERIFY(v.clickLink());
        QCOMPARE(v.at(), (QStringList{"<", "", v.animals, v.animals, v.home}));
        QVERIFY(v.click(Internet::Back));
        QCOMPARE(v.at(), (QStringList{"", ">", v.home, v.home, v.animals}));
        QVERIFY(v.click(Internet::Forward));
        QCOMPARE(v.at(), (QStringList{"<", "", v.animals, v.animals, v.home}));
        QVERIFY(v.click(Internet::Refresh));
        QCOMPARE(v.at(), (QStringList{"<", "", v.animals, v.animals, v.home}));
        QVERIFY(v.click(Internet::Home));
        QCOMPARE(v.at(), (QStringList{"<", "", v.home, v.home, v.animals}));
        QCOMPARE(v.t.audio->channels.first()->played.size(), 4); // one per button pressed
        QComboBox* box = v.form->adresse();
        QVERIFY(v.navigates([&] {
            box->setEditText(v.animals);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        }));
        QCOMPARE(v.at(), (QStringList{"<", "", v.animals, v.animals, v.home}));
        QVERIFY(v.navigates([&] {
            box->setCurrentIndex(1);
            emit box->activated(1);
        }));
        QCOMPARE(v.at(), (QStringList{"<", "", v.home, v.home, v.animals}));

        QVERIFY(v.navigates([&] { v.browser()->navigate(v.t.programFolder() + "/absente.htm"); }));
        QVERIFY(v.browser()->showsFailure());
        auto* failure = v.browser()->findChild<QLabel*>(QStringLiteral("PageIntrouvable"));
        QVERIFY(failure->text().contains(QStringLiteral("Cette page ne s'ouvre pas")));
        QVERIFY(v.click(Internet::Home));
        QVERIFY(!v.browser()->showsFailure());
        // Quitting asks; No keeps the visit where it is.
        v.t.messageBox->answers = {MsgBox::No, MsgBox::Yes};
        QTest::mouseClick(v.form->bouton(Internet::Quit), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(v.t->forms().isLoaded(QStringLiteral("Internet")));
        QCOMPARE(v.browser()->locationUrl(), v.home);
        QCOMPARE(v.t.messageBox->shown.size(), 1);
        QCOMPARE(v.t.messageBox->shown.first().text, QStringLiteral("Tu veux quitter La Visite ?"));
        QCOMPARE(v.t.messageBox->shown.first().flags,
                 MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2);
        QCOMPARE(v.t.messageBox->shown.first().title, QStringLiteral("Quitter"));
        QTest::mouseClick(v.form->bouton(Internet::Quit), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(!v.t->forms().isLoaded(QStringLiteral("Internet")));
    }
};

int main(int argc, char* argv[]) {
    BrowserEngine::prepare();
    QApplication application(argc, argv);
    TestInternet test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_internet.moc"

#include "periphery/Apropos.h"
#include "shell/FormRegistry.h"
#include "shell/Main.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/MediaWriters.h"
#include "support/Scenario.h"

#include <QtTest>

// The about box, opened through the registry as the main window opens it.
class TestApropos : public QObject {
    Q_OBJECT

    struct Box {
        TestContexte t;
        Apropos* form = nullptr;
        Box() {
            registerForms(*t);
            t->general().EffectSounds[0] = MediaWriters::silence(10);
            form = qobject_cast<Apropos*>(
                t->forms().show(QStringLiteral("Apropos"), FormRegistry::ShowMode::Modal));
            QCoreApplication::processEvents();
        }
        template <class T> T* control(const QString& name) { return form->findChild<T*>(name); }
    };

private slots:
    // The modal showing is the registry's test. Each link shows its address,
    // lights under the pointer, opens it and stays visited. "Aide" opens the help contents with
    // the button sound and keeps the box; "Quitter" closes it, opening nothing more.
    void showsItsTextsItsLinksOpenTheirAddressAndItsButtonsHelpOrClose() {
        Box box;
        const QStringList addresses{QStringLiteral("mailto:contact@valimor.example"),
                                    QStringLiteral("http://www.valimor.example/")};
        const QStringList captions{
            QStringLiteral("Envoyer un email : contact@valimor.example"),
            QStringLiteral("Visiter notre site : http://www.valimor.example/")};
        for (int i = 0; i < addresses.size(); ++i) {
            auto* label = box.control<FXLabel>(i == 0 ? "Label1" : "Label4");
            QCOMPARE(label->caption(), captions[i]);
            QCOMPARE(label->foreColor(), Apropos::LinkAtRest);
            QTest::mouseMove(label, QPoint(5, 5));
            QCOMPARE(label->foreColor(), Apropos::LinkHovered);
            QTest::mouseMove(box.form, QPoint(2, 2));
            QCOMPARE(label->foreColor(), Apropos::LinkAtRest);
            press(label, QPoint(5, 5));
            QCOMPARE(box.t.shellOpen->opened, addresses.first(i + 1));
            QCOMPARE(label->foreColor(), Apropos::LinkVisited);
        }

        auto* aide = box.control<FXShape>("cmdOK(0)");
        auto* quitter = box.control<FXShape>("cmdOK(1)");
        QVERIFY(aide->isVisible() && quitter->isVisible());
        press(aide, QPoint(5, 5));
        QCOMPARE(box.t.help->contentsShown, 1);
        QVERIFY(box.t->forms().isLoaded(QStringLiteral("Apropos")));
        const auto& played = box.t.audio->channels.first()->played; // the effects' one channel
        QCOMPARE(played.size(), 1);
        QCOMPARE(played.first().image, box.t->general().EffectSounds[0]);
        QVERIFY(!aide->isPressedLook());
        press(quitter, QPoint(5, 5));
        QTRY_VERIFY(!box.t->forms().isLoaded(QStringLiteral("Apropos")));
        QCOMPARE(box.t.shellOpen->opened, addresses);
    }
};

QTEST_MAIN(TestApropos)
#include "tst_apropos.moc"

#include "shell/CheminCourt.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "shell/Routines.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "support/MediaWriters.h"
#include "support/TestContexte.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

namespace {

// Stands in for the main window: the controls that the routines reach, under their names.
class FaussePrincipale : public Form {
public:
    explicit FaussePrincipale(Contexte& c) : Form(c, QStringLiteral("Principale")) {
        for (const char* name : {"Commande", "Bouton"})
            for (int i = 0; i <= 14; ++i)
                new FXShape(QString::fromLatin1(name), i, this);
        auto* label = new FXLabel(QStringLiteral("Label1"), -1, this);
        label->setCaption(QStringLiteral("bicycle"));
    }
    QWidget* control(const QString& name) { return findChild<QWidget*>(name); }
};

void writeFile(const QString& path, const QByteArray& contents = {}) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class TestRoutines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // ---- key filter ----
    // A typed double quote becomes « then », one alternation for all the fields; the other keys
    // pass unchanged.
    void typedQuotesBecomeGuillemetsAcrossEveryField() {
        Général general;
        QWidget fields;
        auto* line = new QLineEdit(&fields);
        auto* text = new QTextEdit(&fields);
        auto* combo = new QComboBox(&fields);
        combo->setEditable(true);
        FiltreTouches::installerSur(&fields, general);
        fields.show();
        QTest::keyClicks(line, QStringLiteral("\"abc\" l'eau"));
        QCOMPARE(line->text(), QStringLiteral("«abc» l'eau"));
        QTest::keyClicks(text, QStringLiteral("\"x"));
        QCOMPARE(text->toPlainText(), QStringLiteral("«x"));
        QTest::keyClicks(combo, QStringLiteral("y\""));
        QCOMPARE(combo->currentText(), QStringLiteral("y»"));
    }

    // ---- short paths ----
    // A path with spaces gets a link without any, made once and removed at quit; a path
    // without spaces is kept, a missing one gives nothing.
    void shortPathOfAPathWithSpacesNamesTheSameFile() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("Mes Documents/son du mot"));
        const QString path = dir.filePath(QStringLiteral("Mes Documents/son du mot/k 1.wav"));
        writeFile(path, "RIFF contents");
        const QString shortPath = CheminCourt(path);
        QVERIFY(!shortPath.contains(u' '));
        QFile through(shortPath); // an empty path would not open
        QVERIFY(through.open(QIODevice::ReadOnly));
        QCOMPARE(through.readAll(), QByteArray("RIFF contents"));
        QCOMPARE(CheminCourt(path), shortPath); // the same link serves again
        const QString other = dir.filePath(QStringLiteral("mot deux.wav"));
        writeFile(other);
        const QStringList links{shortPath, CheminCourt(other)};
        QVERIFY(QFileInfo(links[1]).isSymLink());
        EffacerCheminsCourts();
        for (const QString& link : links)
            QVERIFY2(!QFileInfo(link).isSymLink(), qPrintable(link));
        QVERIFY(QFile::exists(path));

        const QString plain = dir.filePath(QStringLiteral("mot.wav"));
        writeFile(plain);
        QCOMPARE(CheminCourt(plain), plain);
        QCOMPARE(CheminCourt(dir.filePath(QStringLiteral("absent du dossier.wav"))), QString());
        QCOMPARE(CheminCourt(QString()), QString());
    }

    // ---- effects ----
    void effectsPlayTheirImageOnTheOneSharedChannel() {
        TestContexte t;
        for (int i = 0; i < 6; ++i)
            t->general().EffectSounds[std::size_t(i)] = MediaWriters::silence(10 + i);
        PlayEffect(*t, 1);
        PlayEffect(*t, 6);
        PlayEffect(*t, 0); // outside 1..6: nothing
        PlayEffect(*t, 7);
        QCOMPARE(t.audio->channels.size(), 1);
        const auto& played = t.audio->channels.first()->played;
        QCOMPARE(played.size(), 2); // the first effect's image: tst_apropos
        QCOMPARE(played[1].image, t->general().EffectSounds[5]);
    }

    // ---- main window routines ----
    void panelRoutinesHideAndShowTheMainWindowsControls() {
        TestContexte t;
        t->forms().registerForm(QStringLiteral("Principale"), FormRegistry::Placement::TopLevel,
                                [](Contexte& c) { return new FaussePrincipale(c); });
        MasquerPanneau(*t); // the main window is not loaded: nothing happens
        EntrerActivite(*t);
        QVERIFY(!t->forms().isLoaded(QStringLiteral("Principale")));
        auto* principale =
            static_cast<FaussePrincipale*>(t->forms().show(QStringLiteral("Principale")));
        const auto visible = [&](const char* name, int i) {
            return principale->control(QStringLiteral("%1(%2)").arg(name).arg(i))->isVisible();
        };
        MasquerPanneau(*t);
        for (int i : {0, 5, 9, 11, 12})
            QVERIFY(!visible("Commande", i));
        for (int i : {10, 13, 14})
            QVERIFY(visible("Commande", i));
        auto* label = principale->findChild<FXLabel*>(QStringLiteral("Label1"));
        QVERIFY(!label->isVisible());
        QCOMPARE(label->caption(), QString());

        principale->control(QStringLiteral("Commande(13)"))->hide();
        EntrerActivite(*t);
        for (int i = 0; i <= 7; ++i)
            QVERIFY(!visible("Bouton", i));
        QVERIFY(visible("Bouton", 8));
        QVERIFY(visible("Commande", 13));
    }
};

QTEST_MAIN(TestRoutines)
#include "tst_routines.moc"

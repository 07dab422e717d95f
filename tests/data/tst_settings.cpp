#include "data/Options.h"
#include "data/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(QStringLiteral("cfg/VALIMOR Brindel/Brindel.ini")); }

private slots:
    void init() { QFile::remove(path()); }

    void keyNeverWrittenReadsEmpty() {
        SettingsStore store(path());
        QCOMPARE(store.read(Options::Configuration, Options::Texte), QString());
        store.write(Options::Configuration, Options::Texte, Options::Vrai);
        QCOMPARE(store.read(Options::Database, Options::Path), QString());
        QCOMPARE(store.read(QStringLiteral("Autre"), Options::Texte), QString());
    }

    void sectionAndKeyNamesIgnoreLetterCase() {
        SettingsStore store(path());
        store.write(Options::Configuration, Options::Quizz, Options::Faux);
        QCOMPARE(store.read(QStringLiteral("configuration"), QStringLiteral("quizz")), Options::Faux);
        QCOMPARE(store.read(QStringLiteral("CONFIGURATION"), QStringLiteral("QUIZZ")), Options::Faux);
        // Writing under another spelling replaces the same key instead of adding a second one.
        store.write(QStringLiteral("configuration"), QStringLiteral("quizz"), Options::Vrai);
        QCOMPARE(store.read(Options::Configuration, Options::Quizz), Options::Vrai);
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("uizz="), 1);
    }

    void valuesAreKeptExactly() {
        SettingsStore store(path());
        store.write(Options::Configuration, Options::Texte, QStringLiteral("vrai"));
        QCOMPARE(store.read(Options::Configuration, Options::Texte), QStringLiteral("vrai"));
        QVERIFY(store.read(Options::Configuration, Options::Texte) != Options::Vrai);

        const QString awkward = QStringLiteral(" pivoine = «é»\\n\n[x]\r\\ ");
        store.write(Options::Configuration, Options::MotDePasse, awkward);
        store.write(Options::Database, Options::Path, QStringLiteral("/home/élève/Mes documents/DbBrin.mdb"));
        SettingsStore other(path());
        QCOMPARE(other.read(Options::Configuration, Options::MotDePasse), awkward);
        QCOMPARE(other.read(Options::Database, Options::Path),
                 QStringLiteral("/home/élève/Mes documents/DbBrin.mdb"));
        QCOMPARE(other.read(Options::Configuration, Options::Texte), QStringLiteral("vrai"));
    }

    void changesOfAnotherWriterAreSeenAtOnce() {
        SettingsStore reader(path());
        SettingsStore writer(path());
        QCOMPARE(reader.read(Options::Configuration, Options::Verrouillage), QString());
        writer.write(Options::Configuration, Options::Verrouillage, Options::Vrai);
        QCOMPARE(reader.read(Options::Configuration, Options::Verrouillage), Options::Vrai);
    }

    void freshAccountGetsExactlyTheFourDefaults() {
        SettingsStore store(path());
        Options::applyStartupDefaults(store);
        QCOMPARE(store.read(Options::Configuration, Options::Protection), Options::Vrai);
        QCOMPARE(store.read(Options::Configuration, Options::Verrouillage), Options::Faux);
        QCOMPARE(store.read(Options::Configuration, Options::Texte), Options::Vrai);
        QCOMPARE(store.read(Options::Configuration, Options::Quizz), Options::Vrai);
        QCOMPARE(store.read(Options::Configuration, Options::MotDePasse), QString());
        QCOMPARE(store.read(Options::Database, Options::Path), QString());

        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QStringList keys;
        for (const QByteArray& line : lines) {
            if (line.contains('='))
                keys << QString::fromUtf8(line.left(line.indexOf('=')));
        }
        QCOMPARE(keys, (QStringList{"Protection", "Verrouillage", "Texte", "Quizz"}));
    }

    void defaultsNeverOverwriteStoredValues() {
        SettingsStore store(path());
        store.write(Options::Configuration, Options::Protection, Options::Faux);
        store.write(Options::Configuration, Options::Verrouillage, Options::Vrai);
        store.write(Options::Configuration, Options::Texte, QStringLiteral("vrai"));
        store.write(Options::Configuration, Options::Quizz, Options::Faux);
        Options::applyStartupDefaults(store);
        QCOMPARE(store.read(Options::Configuration, Options::Protection), Options::Faux);
        QCOMPARE(store.read(Options::Configuration, Options::Verrouillage), Options::Vrai);
        QCOMPARE(store.read(Options::Configuration, Options::Texte), QStringLiteral("vrai"));
        QCOMPARE(store.read(Options::Configuration, Options::Quizz), Options::Faux);
    }

    void fileIsReadableByItsOwnerOnly() {
        SettingsStore store(path());
        QVERIFY(store.write(Options::Configuration, Options::MotDePasse, QStringLiteral("abc")));
        // Owner read and write; nothing for the group or others.
        QCOMPARE(QFile::permissions(path()) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        QVERIFY(store.write(Options::Configuration, Options::Texte, Options::Vrai));
        QCOMPARE(QFile::permissions(path()) & (QFile::ReadGroup | QFile::ReadOther), 0);
        QDir folder(QFileInfo(path()).absolutePath());
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
    }

    void defaultLocationFollowsXdgConfigHome() {
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("xdg")).toUtf8());
        QCOMPARE(SettingsStore::defaultFilePath(),
                 dir_.filePath(QStringLiteral("xdg/VALIMOR Brindel/Brindel.ini")));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

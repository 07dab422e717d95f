#include "data/Options.h"
#include "data/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path() const {
        return dir_.filePath(QStringLiteral("cfg/VALIMOR Brindel/Brindel.ini"));
    }

private slots:
    void init() { QFile::remove(path()); }

    void twoWritersAtOnceLoseNoKey() {
        // Each writer reads the file, changes its own keys and writes it back; without a lock
        // one writer's rename throws away the keys the other wrote in between.
        constexpr int Keys = 60;
        const auto writeKeys = [this](const QString& prefix) {
            SettingsStore store(path());
            for (int i = 0; i < Keys; ++i)
                store.write(QStringLiteral("Essai"), prefix + QString::number(i),
                            QString::number(i));
        };
        std::thread first(writeKeys, QStringLiteral("a"));
        std::thread second(writeKeys, QStringLiteral("b"));
        first.join();
        second.join();
        SettingsStore store(path());
        QStringList lost;
        for (const QString key : {"a%1", "b%1"})
            for (int i = 0; i < Keys; ++i)
                if (store.read(QStringLiteral("Essai"), key.arg(i)) != QString::number(i))
                    lost << key.arg(i);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u' ')));
        QVERIFY(!QFile::exists(path() + QStringLiteral(".lock")));
    }

    // Another store on the same file sees each write at once and exactly as written (a stored
    // "vrai" too: see the startup defaults below), under any letter case of section and key;
    // keys never written read empty. The file is its owner's only, with no temporary left.
    void writesAreSeenAtOnceAndExactlyByAnotherStore() {
        SettingsStore reader(path());
        SettingsStore writer(path());
        writer.write(Options::Configuration, Options::Verrouillage, Options::Vrai);
        QCOMPARE(reader.read("CONFIGURATION", "verrouillage"), Options::Vrai);
        // Writing under another spelling replaces the same key instead of adding a second one.
        writer.write(QStringLiteral("configuration"), QStringLiteral("VERROUILLAGE"),
                     Options::Faux);
        QCOMPARE(reader.read(Options::Configuration, Options::Verrouillage), Options::Faux);
        const QString awkward = QStringLiteral(" pivoine = «é»\\n\n[x]\r\\ ");
        const QString file = QStringLiteral("/home/élève/Mes documents/DbBrin.mdb");
        writer.write(Options::Configuration, Options::MotDePasse, awkward);
        writer.write(Options::Database, Options::Path, file);
        QCOMPARE(reader.read(Options::Configuration, Options::MotDePasse), awkward);
        QCOMPARE(reader.read(Options::Database, Options::Path), file);
        QCOMPARE(reader.read(Options::Configuration, Options::Texte), QString());
        QCOMPARE(reader.read(QStringLiteral("Autre"), Options::Verrouillage), QString());
        QFile written(path());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("errouillage="), 1);
        // Owner read and write; nothing for the group or others.
        QCOMPARE(QFile::permissions(path()) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        QDir folder(QFileInfo(path()).absolutePath());
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), 1);
        // Backslashes read back as written, and from lines as the teacher or an older copy of
        // the program wrote them by hand.
        for (const auto& [line, value] :
             {std::pair{"Path=C:\\Brindel\\DbBrin.mdb", "C:\\Brindel\\DbBrin.mdb"},
              std::pair{"Path=D:\\", "D:\\"},
              std::pair{"Path=\\\\serveur\\\\classe", "\\serveur\\classe"}}) {
            QVERIFY(writer.write(Options::Database, Options::Path, value));
            QCOMPARE(reader.read(Options::Database, Options::Path), QString::fromUtf8(value));
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("[Database]\n") + line + "\n");
            file.close();
            QCOMPARE(reader.read(Options::Database, Options::Path), QString::fromUtf8(value));
        }
    }

    // The four startup defaults, in this order, fill the options that read empty and never
    // overwrite a stored one; the other keys stay unwritten. Null entries are not stored.
    void startupDefaultsFillOnlyWhatIsMissing() {
        const QString none, v = Options::Vrai, f = Options::Faux;
        const QStringList keys = {"Protection", "Verrouillage", "Texte", "Quizz"};
        // A fresh account, then one with every option stored.
        for (const auto& [stored, values] :
             {std::pair{QStringList{none, none, none, none}, QStringList{v, f, v, v}},
              std::pair{QStringList{f, v, "vrai", f}, QStringList{f, v, "vrai", f}}}) {
            QFile::remove(path());
            SettingsStore store(path());
            for (int i = 0; i < 4; ++i)
                if (!stored[i].isNull())
                    store.write(Options::Configuration, keys[i], stored[i]);
            Options::applyStartupDefaults(store);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(store.read(Options::Configuration, keys[i]), values[i]);
            QFile file(path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QStringList inFile;
            for (const QByteArray& line : file.readAll().split('\n'))
                if (line.contains('='))
                    inFile << QString::fromUtf8(line.left(line.indexOf('=')));
            QCOMPARE(inFile, keys);
        }
    }

    void defaultLocationFollowsXdgConfigHome() {
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("xdg")).toUtf8());
        QCOMPARE(SettingsStore::defaultFilePath(),
                 dir_.filePath(QStringLiteral("xdg/VALIMOR Brindel/Brindel.ini")));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

#include "LearningDbFixture.h"

#include "data/DataControl.h"
#include "data/DatabaseLocation.h"
#include "data/Options.h"
#include "data/SettingsStore.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace Loc = DatabaseLocation;

class TestDbLocation : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString programFolder_, dbPath_, dataFolder_, copy_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<FakeFileDialog> fileDialog_;
    std::unique_ptr<FakeMessageBox> messageBox_;
    std::unique_ptr<FakeQuitter> fakeQuitter_;
    std::unique_ptr<DataControl> data_;

    // With a user data folder, a first start works on the user's copy of the sample.
    Loc::Outcome locate(DataControl* data = nullptr, const QString& userData = {}) {
        return Loc::locate(*settings_, *fileDialog_, *messageBox_, *fakeQuitter_, programFolder_,
                           data ? *data : *data_, nullptr, userData);
    }
    int pupils(const QString& path) {
        const auto data = LearningDbFixture::open(path, Schema::Table::Gestion);
        return data ? data->recordSet().recordCount() : -1;
    }
    QString storedPath() const { return settings_->read(Options::Database, Options::Path); }

private slots:
    void init() {
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("prog"))));
        programFolder_ = dir_.filePath(QStringLiteral("prog"));
        dbPath_ = dir_.filePath(QStringLiteral("prog/DbBrin.mdb"));
        dataFolder_ = dir_.filePath(QStringLiteral("share/VALIMOR Brindel"));
        copy_ = dataFolder_ + QStringLiteral("/DbBrin.mdb");
        QVERIFY(LearningDbFixture::create(dbPath_));
        settings_ = std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("Brindel.ini")));
        fileDialog_ = std::make_unique<FakeFileDialog>();
        messageBox_ = std::make_unique<FakeMessageBox>();
        fakeQuitter_ = std::make_unique<FakeQuitter>();
        data_ = std::make_unique<DataControl>();
        data_->setRecordSource(Schema::Table::Gestion);
    }

    // The next runs ask nothing, the stored path opening the same file with one final separator
    // too, and make no user copy.
    void firstRunAsksForTheFileStoresItAndNextRunAsksNothing() {
        fileDialog_->answers << QStringLiteral("  ") + dbPath_ + QChar(u'\0') + QStringLiteral(" ");
        const Loc::Outcome outcome = locate();
        QVERIFY(outcome.opened);
        QCOMPARE(outcome.path, dbPath_);
        QCOMPARE(storedPath(), dbPath_);
        QCOMPARE(data_->databaseName(), dbPath_);
        QVERIFY(data_->isConnected());
        const OpenFileRequest& request = fileDialog_->requests.first();
        QCOMPARE(request.title, QStringLiteral("Veuillez sélectionner DbBrin.mdb"));
        QCOMPARE(request.filterText, QStringLiteral("Base de donnée VALIMOR Brindel (DbBrin.mdb)"));
        QCOMPARE(request.filterPattern, QStringLiteral("DbBrin.mdb"));
        QCOMPARE(request.initialFolder, programFolder_);

        for (const QString suffix : {"", "\\", "/"}) {
            DataControl again;
            settings_->write(Options::Database, Options::Path, dbPath_ + suffix);
            const Loc::Outcome outcome = locate(&again, dataFolder_);
            QVERIFY2(outcome.opened, qPrintable(suffix));
            QCOMPARE(outcome.path, dbPath_);
            QCOMPARE(again.databaseName(), dbPath_);
        }
        QVERIFY(!QFile::exists(copy_));
        QCOMPARE(fileDialog_->requests.size(), 1);
        QVERIFY(messageBox_->shown.isEmpty());
        QVERIFY(!fakeQuitter_->quitCalled);
    }

    // A stored path that is missing (and is never created) or no learning database leads to
    // the dialog without a message of its own; a chosen file that is none is named, not stored,
    // and the dialog comes back (the first run's test stores a good choice). Cancelling the
    // dialog then ends the program with the message.
    // A stored file that is missing, then a text file, each from a fresh start.
    void unusableFilesThenCancelEndTheProgramWithTheMessage() {
        for (const bool missing : {true, false}) {
            init();
            const QString text = dir_.filePath(QStringLiteral("prog/Notes.mdb"));
            QFile file(text);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
            file.close();
            const QString partial = dir_.filePath(QStringLiteral("prog/Partielle.mdb"));
            QVERIFY(LearningDbFixture::create(partial));
            QVERIFY(LearningDbFixture::execute(partial, QStringLiteral("DROP TABLE Compte")));
            const QString stored =
                missing ? dir_.filePath(QStringLiteral("partage/DbBrin.mdb")) : text;
            settings_->write(Options::Database, Options::Path, stored);
            fileDialog_->answers << text << partial;
            QVERIFY(!locate().opened);
            QCOMPARE(QFile::exists(stored), !missing);
            QCOMPARE(fileDialog_->requests.size(), 3);
            QCOMPARE(messageBox_->shown.size(), 3);
            QCOMPARE(messageBox_->shown.at(0).text,
                     QStringLiteral("Le fichier « %1 » n'est pas une base de données VALIMOR "
                                    "Brindel valide.")
                         .arg(text));
            QCOMPARE(messageBox_->shown.at(0).flags, 48);
            QCOMPARE(messageBox_->shown.at(0).title, QStringLiteral("VALIMOR Brindel"));
            QVERIFY(messageBox_->shown.at(1).text.contains(partial));
            QCOMPARE(messageBox_->shown.last().text,
                     QStringLiteral("VALIMOR Brindel ne peut pas fonctionner sans ce fichier. "
                                    "L'application est dans l'obligation de s'interrompre."));
            QCOMPARE(messageBox_->shown.last().flags, 0);
            QCOMPARE(messageBox_->shown.last().title, QString());
            QCOMPARE(storedPath(), stored);
            QVERIFY(fakeQuitter_->quitCalled);
        }
    }

    // The program folder is read-only once installed: on the first start the sample database
    // is copied into the user's data folder and the dialog opens on that copy.
    void firstStartOpensTheDialogOnAWritableCopyAndStoresIt() {
        QVERIFY(QFile::setPermissions(dbPath_, QFile::ReadOwner | QFile::ReadGroup));
        fileDialog_->answers << copy_;
        QVERIFY(locate(nullptr, dataFolder_).opened);
        QCOMPARE(fileDialog_->requests.size(), 1);
        QCOMPARE(fileDialog_->requests[0].initialFolder, dataFolder_);
        QCOMPARE(fileDialog_->requests[0].selectedFile, copy_);
        QCOMPARE(storedPath(), copy_);
        // The copy takes a pupil; the sample beside the program is left as it was.
        QVERIFY(LearningDbFixture::addPupil(data_->recordSet(), QStringLiteral("Léa")));
        QCOMPARE(pupils(copy_), 1);
        QCOMPARE(pupils(dbPath_), 0);
        // An existing copy is never overwritten.
        QCOMPARE(Loc::prepareUserCopy(programFolder_, dataFolder_), copy_);
        QCOMPARE(pupils(copy_), 1);
        QVERIFY(!QFile::exists(copy_ + QStringLiteral(".part")));
        // Local means the sample or the user's copy.
        for (const auto& [relative, local] :
             {std::pair{"prog/DbBrin.mdb", true},
              std::pair{"share/VALIMOR Brindel/DbBrin.mdb", true},
              std::pair{"partage/classe/DbBrin.mdb", false}, std::pair{"prog/Autre.mdb", false}})
            QVERIFY2(Loc::isLocal(dir_.filePath(relative), programFolder_, dataFolder_) == local,
                     relative);
    }

    void aMissingSampleMakesNoCopy() {
        QVERIFY(QFile::remove(dbPath_));
        QVERIFY(!locate(nullptr, dataFolder_).opened); // the dialog was cancelled
        QCOMPARE(fileDialog_->requests.last().initialFolder, programFolder_);
        QVERIFY(fileDialog_->requests.last().selectedFile.isEmpty());
    }
};

QTEST_MAIN(TestDbLocation)
#include "tst_dblocation.moc"

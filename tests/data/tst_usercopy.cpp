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

// The program folder is read-only once installed: on the first start the sample database is
// copied into the user's data folder and the dialog opens on that copy.
class TestUserCopy : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString programFolder_, dataFolder_, sample_, copy_;
    std::unique_ptr<SettingsStore> settings_;
    FakeFileDialog dialog_;
    FakeMessageBox box_;
    FakeQuitter quitter_;

    Loc::Outcome locate(DataControl& data) {
        return Loc::locate(*settings_, dialog_, box_, quitter_, programFolder_, data, nullptr,
                           dataFolder_);
    }
    int pupils(const QString& path) {
        DataControl data;
        data.setRecordSource(Schema::Table::Gestion);
        return Loc::openAt(data, path) ? data.recordSet().recordCount() : -1;
    }

private slots:
    void init() {
        QDir(dir_.path()).removeRecursively();
        programFolder_ = dir_.filePath(QStringLiteral("usr/lib/brindel"));
        dataFolder_ = dir_.filePath(QStringLiteral("home/.local/share/VALIMOR Brindel"));
        QVERIFY(QDir().mkpath(programFolder_));
        sample_ = programFolder_ + QStringLiteral("/DbBrin.mdb");
        copy_ = dataFolder_ + QStringLiteral("/DbBrin.mdb");
        QVERIFY(LearningDbFixture::create(sample_));
        QVERIFY(QFile::setPermissions(sample_, QFile::ReadOwner | QFile::ReadGroup));
        settings_ = std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("Brindel.ini")));
        dialog_ = {};
        box_ = {};
    }

    void firstStartOpensTheDialogOnAWritableCopyAndStoresIt() {
        dialog_.answers << copy_;
        DataControl data;
        data.setRecordSource(Schema::Table::Gestion);
        QVERIFY(locate(data).opened);
        QCOMPARE(dialog_.requests.size(), 1);
        QCOMPARE(dialog_.requests[0].initialFolder, dataFolder_);
        QCOMPARE(dialog_.requests[0].selectedFile, copy_);
        QCOMPARE(settings_->read(Options::Database, Options::Path), copy_);
        // The copy takes a pupil; the sample beside the program is left as it was.
        QVERIFY(LearningDbFixture::addPupil(data.recordSet(), QStringLiteral("Léa")));
        QCOMPARE(pupils(copy_), 1);
        QCOMPARE(pupils(sample_), 0);
    }

    void anExistingCopyIsNeverOverwritten() {
        QCOMPARE(Loc::prepareUserCopy(programFolder_, dataFolder_), copy_);
        {
            DataControl data;
            data.setRecordSource(Schema::Table::Gestion);
            QVERIFY(Loc::openAt(data, copy_));
            QVERIFY(LearningDbFixture::addPupil(data.recordSet(), QStringLiteral("Tom")));
        }
        QCOMPARE(Loc::prepareUserCopy(programFolder_, dataFolder_), copy_);
        QCOMPARE(pupils(copy_), 1);
        QVERIFY(!QFile::exists(copy_ + QStringLiteral(".part")));
    }

    void aStoredPathOrAMissingSampleMakesNoCopy() {
        settings_->write(Options::Database, Options::Path, sample_);
        DataControl data;
        QVERIFY(locate(data).opened);
        QVERIFY(!QFile::exists(copy_));

        settings_->write(Options::Database, Options::Path, QString());
        QVERIFY(QFile::setPermissions(sample_, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::remove(sample_));
        QVERIFY(!locate(data).opened); // the dialog was cancelled
        QCOMPARE(dialog_.requests.last().initialFolder, programFolder_);
        QVERIFY(dialog_.requests.last().selectedFile.isEmpty());
    }

    void localMeansTheSampleOrTheUsersCopy() {
        QCOMPARE(Loc::prepareUserCopy(programFolder_, dataFolder_), copy_);
        for (const auto& [relative, local] :
             {std::pair{"usr/lib/brindel/DbBrin.mdb", true},
              std::pair{"home/.local/share/VALIMOR Brindel/DbBrin.mdb", true},
              std::pair{"partage/classe/DbBrin.mdb", false},
              std::pair{"usr/lib/brindel/Autre.mdb", false}})
            QVERIFY2(Loc::isLocal(dir_.filePath(relative), programFolder_, dataFolder_) == local,
                     relative);
    }
};

QTEST_GUILESS_MAIN(TestUserCopy)
#include "tst_usercopy.moc"

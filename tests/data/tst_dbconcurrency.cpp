#include "LearningDbFixture.h"

#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/Schema.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Schema;

// Two copies of the program writing to the same file at the same time.
class TestDbConcurrency : public QObject {
    Q_OBJECT

private slots:
    void twoProcessesWritingScoresLoseNoneAndReportNoError() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("DbBrin.mdb"));
        QVERIFY(LearningDbFixture::create(path));
        QVERIFY(LearningDbFixture::execute(path, "INSERT INTO Gestion (Nom) VALUES ('Commun')"));

        constexpr int count = 500;
        const QStringList tags{QStringLiteral("A"), QStringLiteral("B")};
        const QStringList columns{QStringLiteral("Son1"), QStringLiteral("Texte1")};
        QProcess writers[2];
        for (int w = 0; w < 2; ++w) {
            writers[w].start(QStringLiteral(BRINDEL_DBWRITER),
                             {path, tags.at(w), QString::number(count), columns.at(w)});
            QVERIFY(writers[w].waitForStarted());
        }
        for (QProcess& process : writers) {
            QVERIFY(process.waitForFinished(240000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.readAllStandardError(), QByteArray());
            QCOMPARE(process.exitCode(), 0);
        }

        const auto data = LearningDbFixture::open(path, Table::Gestion);
        QVERIFY(data);
        RecordSet& rs = data->recordSet();
        QCOMPARE(rs.recordCount(), 1 + tags.size() * count / 2);
        for (const QString& tag : tags) {
            for (int i = 0; i < count; i += 2) {
                const QString name = QStringLiteral("%1-%2").arg(tag).arg(i);
                QVERIFY(rs.findFirst(Criterion::equals(Field::Nom, name)));
                QVERIFY2(!rs.noMatch(), qPrintable(name));
                QCOMPARE(rs.field(QStringLiteral("Sport")).toInt(), i % 11);
            }
        }
        QVERIFY(rs.findFirst(Criterion::equals(Field::Nom, QStringLiteral("Commun"))));
        for (const QString& column : columns)
            QCOMPARE(rs.field(column).toInt(), (count - 1) % 11); // the last odd write
    }
};

QTEST_GUILESS_MAIN(TestDbConcurrency)
#include "tst_dbconcurrency.moc"

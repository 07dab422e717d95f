// Helper program of tst_dbconcurrency: writes scores into a learning database from its own
// process and connection, as a second copy of the program would.
//     dbwriter <database> <tag> <count> <column>
// Makes <count> score writes, each one committed on its own: write i adds the pupil "<tag>-<i>"
// with the score i % 11 in Sport when i is even, and writes i % 11 into <column> of the shared
// pupil "Commun" when i is odd. Exits with 1 at the first write reported as failed.
#include "LearningDbFixture.h"

#include "data/Criterion.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const QString tag = args.at(2);
    const auto data = LearningDbFixture::open(args.at(1), Schema::Table::Gestion);
    if (!data)
        return 3;
    RecordSet& rs = data->recordSet();
    const Criterion shared = Criterion::equals(Schema::Field::Nom, QStringLiteral("Commun"));
    for (int i = 0; i < args.at(3).toInt(); ++i) {
        const bool written =
            i % 2 == 1 ? rs.findFirst(shared) && !rs.noMatch() && rs.edit() &&
                             rs.setField(args.at(4), i % 11) && rs.update()
                       : LearningDbFixture::addRow(
                             rs, {{Schema::Field::Nom, QStringLiteral("%1-%2").arg(tag).arg(i)},
                                  {Schema::Field::Groupe, tag},
                                  {QStringLiteral("Sport"), i % 11}});
        if (!written) {
            QTextStream(stderr) << "write " << i << " failed: " << rs.lastError().message << '\n';
            return 1;
        }
    }
    return 0;
}

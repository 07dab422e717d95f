// Speed of the learning database layer on a file of 10,000 pupils.
#include "data/Criterion.h"
#include "data/DataControl.h"
#include "data/Schema.h"
#include "support/BenchDatabase.h"


#include <benchmark/benchmark.h>

namespace {

constexpr int pupilCount = 10000;

QString pupilName(int i) {
    return QStringLiteral("Élève %1").arg(i);
}

// One database for the whole run.
const QString& databasePath() {
    static const QString path = makeBenchDatabase([](DbConnection& connection, DbError& failure) {
        const QString insert = QStringLiteral("INSERT INTO Gestion (Nom, Groupe, Motdepasse) "
                                              "VALUES (?, ?, 'abc')");
        const QString word =
            QStringLiteral("INSERT INTO Angfr (Origine, Traduction) VALUES (?, 't')");
        for (int i = 0; i < pupilCount; ++i) {
            if (!connection.execute(insert, {pupilName(i), QStringLiteral("CM%1").arg(i % 5)},
                                    failure) ||
                !connection.execute(word, {QStringLiteral("word%1").arg(i)}, failure))
                return false;
        }
        return true;
    });
    return path;
}

void openGestion(DataControl& data) {
    openBenchTable(data, databasePath(), Schema::Table::Gestion);
}

void BM_FindFirstAmong10000Pupils(benchmark::State& state) {
    DataControl data;
    openGestion(data);
    RecordSet& rs = data.recordSet();
    // The last pupil, asked for in other letter case: the whole table is searched.
    const Criterion criterion =
        Criterion::equals(Schema::Field::Nom, pupilName(pupilCount - 1).toUpper());
    for (auto _ : state) {
        if (!rs.findFirst(criterion) || rs.noMatch())
            state.SkipWithError("not found");
    }
}
BENCHMARK(BM_FindFirstAmong10000Pupils)->Unit(benchmark::kMillisecond);

void BM_RefreshGestionOf10000Pupils(benchmark::State& state) {
    DataControl data;
    openGestion(data);
    for (auto _ : state) {
        if (!data.refresh())
            state.SkipWithError("refresh failed");
    }
}
BENCHMARK(BM_RefreshGestionOf10000Pupils)->Unit(benchmark::kMillisecond);

void BM_LexiconStartsWithAmong10000Words(benchmark::State& state) {
    DataControl data;
    data.setDatabaseName(databasePath());
    data.setRecordSource(Schema::Table::Angfr);
    if (!data.refresh())
        qFatal("refresh failed");
    RecordSet& rs = data.recordSet();
    rs.setFilter(Criterion::startsWith(Schema::Field::Origine, QStringLiteral("WORD99")));
    rs.setSort(Schema::Field::Origine);
    for (auto _ : state) {
        if (!rs.requery() || rs.recordCount() != 111)
            state.SkipWithError("wrong result");
    }
}
BENCHMARK(BM_LexiconStartsWithAmong10000Words)->Unit(benchmark::kMillisecond);

void BM_CommittedScoreWrite(benchmark::State& state) {
    DataControl data;
    openGestion(data);
    RecordSet& rs = data.recordSet();
    if (!rs.findFirst(Criterion::equals(Schema::Field::Nom, pupilName(42))))
        qFatal("pupil not found");
    int score = 0;
    for (auto _ : state) {
        score = (score + 1) % 11;
        if (!rs.edit() || !rs.setField(QStringLiteral("Sport"), score) || !rs.update())
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_CommittedScoreWrite)->Unit(benchmark::kMillisecond);

void BM_ReadAllFieldsOfEveryPupil(benchmark::State& state) {
    DataControl data;
    openGestion(data);
    RecordSet& rs = data.recordSet();
    for (auto _ : state) {
        qint64 total = 0;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            total += rs.field(Schema::Field::Nom).toString().size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadAllFieldsOfEveryPupil)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

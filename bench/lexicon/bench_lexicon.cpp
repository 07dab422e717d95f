// Speed of the lexicon's search: one keystroke in the search box on a lexicon of 100,000 pairs,
// from the new filter to the grid's model holding its first screenful of rows.
#include "data/DataControl.h"
#include "data/Schema.h"
#include "lexicon/LexiconModel.h"
#include "lexicon/LexiconRules.h"
#include "support/BenchDatabase.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

constexpr int PairCount = 100000;

// A made-up word of two to four syllables, so that the first letters spread as in a real list.
QString word(QRandomGenerator& random) {
    static const QStringList syllables{
        QStringLiteral("ca"), QStringLiteral("ra"), QStringLiteral("bo"),  QStringLiteral("li"),
        QStringLiteral("té"), QStringLiteral("mu"), QStringLiteral("sen"), QStringLiteral("dor"),
        QStringLiteral("É"),  QStringLiteral("pi"), QStringLiteral("van"), QStringLiteral("qu")};
    QString text;
    const int count = 2 + int(random.bounded(3));
    for (int i = 0; i < count; ++i)
        text += syllables.at(int(random.bounded(syllables.size())));
    return text;
}

const QString& databasePath() {
    static const QString path = makeBenchDatabase([](DbConnection& connection, DbError& failure) {
        QRandomGenerator random(7);
        const QString insert =
            QStringLiteral("INSERT INTO Angfr (Origine, Traduction) VALUES (?, ?)");
        for (int i = 0; i < PairCount; ++i)
            if (!connection.execute(insert, {word(random), word(random)}, failure))
                return false;
        return true;
    });
    return path;
}

// The lexicon table of the benchmark's database, as the window opens it.
void openLexicon(DataControl& data) {
    openBenchTable(data, databasePath(), Schema::Table::Angfr);
}

// Sorts and queries the set, and reads the grid model's first cell.
void sortAndShow(benchmark::State& state, RecordSet& rs, LexiconModel& model) {
    rs.setSort(Schema::Field::Origine);
    if (!rs.requery() || model.fetchedRows() == 0)
        state.SkipWithError("no rows");
    benchmark::DoNotOptimize(model.index(0, 0).data());
}

// What the window does for a keystroke: the filter, the query, and the model's first rows.
void BM_LexiconKeystrokeOn100000Pairs(benchmark::State& state) {
    DataControl data;
    openLexicon(data);
    LexiconModel model(data.recordSet());
    RecordSet& rs = data.recordSet();
    const QStringList typed{QStringLiteral("c"), QStringLiteral("ca"), QStringLiteral("car"),
                            QStringLiteral("é"), QStringLiteral("t")};
    qsizetype key = 0;
    for (auto _ : state) {
        rs.setFilter(LexiconRules::filterFor(LexiconRules::AllTab, true, typed.at(key)));
        sortAndShow(state, rs, model);
        key = (key + 1) % typed.size();
    }
}
BENCHMARK(BM_LexiconKeystrokeOn100000Pairs)->Unit(benchmark::kMillisecond);

// The "+" tab: every pair, sorted, without a filter.
void BM_LexiconAllTabOn100000Pairs(benchmark::State& state) {
    DataControl data;
    openLexicon(data);
    LexiconModel model(data.recordSet());
    RecordSet& rs = data.recordSet();
    for (auto _ : state) {
        rs.setFilter(LexiconRules::filterFor(LexiconRules::AllTab, false, QString()));
        sortAndShow(state, rs, model);
    }
}
BENCHMARK(BM_LexiconAllTabOn100000Pairs)->Unit(benchmark::kMillisecond);

// The first sorted search after the window opens the table: the set is new each time.
void BM_LexiconFirstSearchOn100000Pairs(benchmark::State& state) {
    for (auto _ : state) {
        DataControl data;
        openLexicon(data);
        RecordSet& rs = data.recordSet();
        rs.setFilter(Criterion::startsWith(Schema::Field::Origine, QStringLiteral("ca")));
        rs.setSort(Schema::Field::Origine);
        if (!rs.requery() || rs.recordCount() == 0)
            state.SkipWithError("no rows");
    }
}
BENCHMARK(BM_LexiconFirstSearchOn100000Pairs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

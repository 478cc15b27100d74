// The multi-clipboard over a long session of copying, and the favourite file
// read and written whole.
#include "core/app/codepage.h"
#include "core/tools/favouriterows.h"
#include "core/tools/favouritetexts.h"
#include "core/tools/multiclipboard.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MultiClipboardAdd(benchmark::State& state)
{
    const int count = int(state.range(0));
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QStringLiteral("copied text number %1 of the session").arg((i * 7919) % count);
    for (auto _ : state) {
        varnik::MultiClipboard list(QLocale(QLocale::English));
        for (const QString& t : texts)
            list.add(t);
        benchmark::DoNotOptimize(list.size());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_MultiClipboardAdd)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FavouriteFile10MB(benchmark::State& state)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < (10 << 20); ++i)
        bytes += QStringLiteral("favourite \u017c\u00f3\u0142w number %1\r\n").arg(i).toUtf8();
    const auto page = varnik::CodePage::windows1250();
    for (auto _ : state) {
        const QStringList texts = varnik::parseFavourites(bytes, page);
        varnik::FavouriteRows rows(QLocale(QLocale::English));
        rows.fill(texts);
        benchmark::DoNotOptimize(varnik::serializeFavourites(rows.rows()).size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_FavouriteFile10MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

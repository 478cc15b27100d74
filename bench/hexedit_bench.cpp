// The hex editor model on a 100 MB buffer: loading, single edits, undo and
// reading every row through the read cache as painting does. Edits are timed
// one at a time on the loaded buffer; the undo that restores the buffer
// between them is not timed.
#include "core/hexedit/hexeditor.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <random>

namespace {

using namespace varnik;

constexpr qint64 kSize = 100 * 1000 * 1000;

QByteArray makeData()
{
    QByteArray data(kSize, Qt::Uninitialized);
    std::mt19937 rng(7);
    auto* p = reinterpret_cast<quint32*>(data.data());
    for (qint64 i = 0; i < kSize / 4; ++i)
        p[i] = rng();
    return data;
}

// Resident and peak memory of the process in bytes (Linux).
std::pair<qint64, qint64> memoryNow()
{
    QFile status(QStringLiteral("/proc/self/status"));
    qint64 rss = 0, peak = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                rss = line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
        }
    }
    return {rss, peak};
}

HexEditor& loaded()
{
    static HexEditor* editor = [] {
        auto* e = new HexEditor;
        e->setAllowInsertMode(true);
        e->newBuffer(QStringLiteral("Untitled"));
        e->setAsText(makeData());
        e->setSelEnd(e->selStart());
        e->setModified(false);
        return e;
    }();
    return *editor;
}

void BM_Load(benchmark::State& state)
{
    const auto [rssBefore, peakBefore] = memoryNow();
    for (auto _ : state) {
        state.PauseTiming();
        QByteArray data = makeData();
        HexEditor editor;
        editor.newBuffer(QStringLiteral("Untitled"));
        state.ResumeTiming();
        editor.setAsText(data);
        editor.setSelEnd(editor.selStart());
        editor.setModified(false);
        state.PauseTiming();
        data.clear(); // as the window does: the document keeps its text, the bytes are the editor's
        const auto [rss, peak] = memoryNow();
        state.counters["model_over_data"] = double(editor.memoryBytes()) / kSize;
        state.counters["rss_over_data"] = double(rss - rssBefore) / kSize;
        benchmark::DoNotOptimize(peak);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Load)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_LoadTranslated(benchmark::State& state)
{
    const QByteArray data = makeData();
    for (auto _ : state) {
        HexEditor editor;
        editor.setTranslation(TranslationType::Dos8);
        editor.newBuffer(QStringLiteral("Untitled"));
        editor.setAsText(data);
        benchmark::DoNotOptimize(editor.dataSize());
    }
}
BENCHMARK(BM_LoadTranslated)->Iterations(3)->Unit(benchmark::kMillisecond);

// One edit, timed, then undone untimed so that every edit meets the same buffer.
template <typename Edit> void timedEdit(benchmark::State& state, Edit edit)
{
    HexEditor& editor = loaded();
    for (auto _ : state) {
        edit(editor);
        state.PauseTiming();
        editor.undo();
        state.ResumeTiming();
    }
    state.counters["model_over_data"] = double(editor.memoryBytes()) / kSize;
}

void BM_ChangeByte(benchmark::State& state)
{
    timedEdit(state, [](HexEditor& e) { e.changeByte(kSize / 2, quint8(e.byteAt(kSize / 2) + 1)); });
}
BENCHMARK(BM_ChangeByte)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_InsertAtStart(benchmark::State& state)
{
    timedEdit(state, [](HexEditor& e) { e.insertBuffer(QByteArray(1, 'x'), 0); });
}
BENCHMARK(BM_InsertAtStart)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_DeleteAtCaretAtStart(benchmark::State& state)
{
    timedEdit(state, [](HexEditor& e) {
        e.setSelStart(0);
        e.deleteAtCaret(false);
    });
}
BENCHMARK(BM_DeleteAtCaretAtStart)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_Undo(benchmark::State& state)
{
    HexEditor& editor = loaded();
    for (auto _ : state) {
        state.PauseTiming();
        editor.insertBuffer(QByteArray(1, 'x'), 0);
        state.ResumeTiming();
        editor.undo();
    }
}
BENCHMARK(BM_Undo)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_ReadEveryRow(benchmark::State& state)
{
    HexEditor& editor = loaded();
    for (auto _ : state) {
        quint64 sum = 0;
        for (qint64 row = 0; row < editor.rowCount(); ++row)
            sum += quint8(editor.rowBytes(row).front());
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rows"] = double(editor.rowCount());
}
BENCHMARK(BM_ReadEveryRow)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

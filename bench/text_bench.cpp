// Text operations on a generated 100 MB document (about 1.3 M lines of mixed
// ASCII and Polish words with tabs and leading/trailing blanks, like the
// shared benchmark text).
#include "core/app/plaintextbuffer.h"
#include "core/text/caseoperations.h"
#include "core/text/lineoperations.h"
#include "core/text/stringtransforms.h"
#include "core/text/tabsspaces.h"
#include "core/text/textencoding.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace varnik;

const QString& document()
{
    static const QString text = [] {
        std::mt19937 rng(20240607);
        const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        const auto chance = [&rng](double p) { return (rng() % 1000000) < p * 1000000; };
        const QString lower = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        const QString polish = QString::fromUtf8("ąęśćżźółńĄĘŚĆŻŹÓŁŃ");
        QString alphabet;
        for (int i = 0; i < 6; ++i)
            alphabet += lower;
        alphabet += lower.toUpper() + polish.left(9) + polish.left(9) + polish.mid(9);
        std::vector<QString> vocabulary;
        for (int w = 0; w < 20000; ++w) {
            QString word;
            for (int n = 1 + pick(12); n > 0; --n)
                word += alphabet[pick(static_cast<int>(alphabet.size()))];
            if (chance(0.05))
                word += QStringLiteral(".,;:!?()-+=*/\"'")[pick(15)];
            vocabulary.push_back(word);
        }
        const QString endings[] = {QStringLiteral(" "), QStringLiteral("  "), QStringLiteral("\t"),
                                   QStringLiteral(" \t "), QStringLiteral("    ")};
        QString out;
        out.reserve(100 * 1024 * 1024);
        qsizetype utf8Bytes = 0;
        while (utf8Bytes < 100 * 1024 * 1024) {
            QString line;
            if (!chance(0.03)) {
                const double r = (rng() % 1000) / 1000.0;
                if (r < 0.08)
                    line += QString(1 + pick(3), u'\t');
                else if (r < 0.18)
                    line += QString(1 + pick(12), u' ');
                for (int n = 1 + pick(19); n > 0; --n) {
                    line += vocabulary[static_cast<size_t>(pick(static_cast<int>(vocabulary.size())))];
                    if (n > 1)
                        line += chance(0.03) ? u'\t' : u' ';
                }
                if (chance(0.10))
                    line += endings[pick(5)];
            }
            line += u"\r\n";
            for (QChar c : line)
                utf8Bytes += c.unicode() < 0x80 ? 1 : 2;
            out += line;
        }
        return out;
    }();
    return text;
}

template <QString (*op)(QStringView)> void runOperation(benchmark::State& state)
{
    const QString& text = document();
    for (auto _ : state) {
        QString result = op(text);
        benchmark::DoNotOptimize(result.constData());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size() * 2);
    state.counters["chars"] = static_cast<double>(text.size());
}

// The operations as the engine runs them: in the buffer of the selection text
// it already holds.
template <void (*op)(QString&)> void runInPlace(benchmark::State& state)
{
    const QString& text = document();
    for (auto _ : state) {
        state.PauseTiming();
        QString selection = text;
        selection.detach();
        state.ResumeTiming();
        op(selection);
        benchmark::DoNotOptimize(selection.constData());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size() * 2);
}

QString tabsToFiveSpaces(QStringView text)
{
    return tabsToSpaces(text, 5);
}
void tabsToFiveSpacesInPlace(QString& text)
{
    tabsToSpacesInPlace(text, 5);
}

// The whole command on the in-memory document: take the selection, compute,
// put the result back.
void engineUpperCase(benchmark::State& state)
{
    const QString& text = document();
    PlainTextBuffer edit(text);
    for (auto _ : state) {
        edit.selectAll();
        edit.replaceSelection(toUpperCase(edit.selectedText()));
        state.PauseTiming();
        edit.clearUndoHistory();
        state.ResumeTiming();
    }
}

void upperCaseInPlace(QString& text)
{
    toUpperCaseInPlace(text, TextEncoding::utf8());
}

} // namespace

BENCHMARK(runOperation<rot13>)->Name("ROT13")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runOperation<toUpperCase>)->Name("UpperCase")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runOperation<indentLines>)->Name("Indent")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runOperation<trimLines>)->Name("Trim")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runOperation<tabsToFiveSpaces>)->Name("TabsToSpaces")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runOperation<reverseText>)->Name("Reverse")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runInPlace<rot13InPlace>)->Name("ROT13InPlace")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runInPlace<upperCaseInPlace>)
    ->Name("UpperCaseInPlace")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(runInPlace<indentLinesInPlace>)
    ->Name("IndentInPlace")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(runInPlace<trimLinesInPlace>)->Name("TrimInPlace")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(runInPlace<tabsToFiveSpacesInPlace>)
    ->Name("TabsToSpacesInPlace")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(runInPlace<reverseInPlace>)->Name("ReverseInPlace")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(engineUpperCase)->Name("UpperCaseThroughDocument")->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();

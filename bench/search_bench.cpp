// Grep and replace all on the shared 100 MB text (path in VARNIK_BENCH_TEXT;
// saved grep results go to VARNIK_BENCH_OUT_FILE, else nowhere).
#include "core/app/messagesink.h"
#include "core/app/plaintextbuffer.h"
#include "core/search/grep.h"
#include "core/search/replacecommands.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace varnik;

namespace {

QString loadText()
{
    const char* path = std::getenv("VARNIK_BENCH_TEXT");
    if (!path)
        return {};
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

const QString& sharedText()
{
    static const QString text = loadText();
    return text;
}

PlainTextBuffer& document()
{
    static PlainTextBuffer edit(sharedText());
    return edit;
}

class YesSink : public MessageSink {
public:
    int message(const QString&, MessageKind, int) override { return Result::Yes; }
    void errorBox(const QString&) override {}
};

void grep(benchmark::State& state, const QString& what, bool matchCase, bool save)
{
    if (sharedText().isEmpty()) {
        state.SkipWithError("set VARNIK_BENCH_TEXT to the 100 MB text");
        return;
    }
    const PlainTextBuffer& edit = document();
    qsizetype entries = 0;
    for (auto _ : state) {
        const GrepResult result = grepDocument(edit, what, matchCase, true);
        entries = result.size();
        if (save) {
            // What "Save results to file..." writes.
            const char* target = std::getenv("VARNIK_BENCH_OUT_FILE");
            QFile out(QString::fromLocal8Bit(target ? target : "/dev/null"));
            if (out.open(QIODevice::WriteOnly))
                result.writeText(out);
        }
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = double(entries);
}

void replaceAll(benchmark::State& state, const QString& what, const QString& replacement)
{
    if (sharedText().isEmpty()) {
        state.SkipWithError("set VARNIK_BENCH_TEXT to the 100 MB text");
        return;
    }
    auto edit = std::make_unique<PlainTextBuffer>();
    qsizetype count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A text of its own, as a loaded document has: no copy on the first change.
        edit->setText(QString(sharedText().constData(), sharedText().size()));
        edit->setSelection(edit->find(what, 0, edit->length(), {true, false}), what.size());
        DocumentSearch doc;
        ReplaceDialogState dialog;
        dialog.newSearch = true;
        dialog.text = what;
        dialog.replaceText = replacement;
        dialog.options.set(SearchDialogOptions::MatchCase, true);
        YesSink yes;
        state.ResumeTiming();
        count = replaceDialogReplaceAll(*edit, doc, dialog, yes);
        benchmark::DoNotOptimize(count);
    }
    state.counters["replaced"] = double(count);
}

} // namespace

BENCHMARK_CAPTURE(grep, rare_case, QStringLiteral("somestring"), true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(grep, rare_nocase, QStringLiteral("somestring"), false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(grep, million_case, QStringLiteral("a"), true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(grep, million_nocase, QStringLiteral("a"), false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(grep, million_case_saved, QStringLiteral("a"), true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(replaceAll, word_100k, QStringLiteral("d\u017a"), QStringLiteral("DZ"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();

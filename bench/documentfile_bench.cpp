// Loading and saving a large document: one read, one validating decode, one
// line-end pass; saving encodes in one buffer.
#include "core/app/documentfile.h"
#include "core/app/messagesink.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class NullSink : public varnik::MessageSink {
public:
    int message(const QString&, varnik::MessageKind, int) override { return varnik::Result::No; }
    void errorBox(const QString&) override {}
};

// About 100 MB of Polish text with CR LF line ends, in UTF-8 or windows-1250.
QString sampleFile(const QTemporaryDir& dir, bool utf8)
{
    const QString path = dir.filePath(utf8 ? "utf8.txt" : "cp1250.txt");
    if (QFile::exists(path))
        return path;
    const QByteArray line =
        utf8 ? QByteArray("Zażółć gęślą jaźń\t12345 somestring tekst ąę 67890 końcówka\r\n")
             : QByteArray("Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 ja\x9F\xF1\t12345 somestring "
                          "tekst \xB9\xEA 67890 ko\xF1\x63\xF3wka\r\n");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    const QByteArray block = line.repeated(16384);
    while (f.size() < 100'000'000)
        f.write(block);
    return path;
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_Load(benchmark::State& state)
{
    const QString path = sampleFile(workDir(), state.range(0) != 0);
    for (auto _ : state) {
        const varnik::LoadedDocument d = varnik::loadDocumentFile(path);
        benchmark::DoNotOptimize(d.text.size());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_Load)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save(benchmark::State& state)
{
    const QString path = sampleFile(workDir(), state.range(0) != 0);
    const varnik::LoadedDocument d = varnik::loadDocumentFile(path);
    const QString out = workDir().filePath("out.txt");
    NullSink sink;
    varnik::SaveOptions options;
    options.createBackup = false;
    for (auto _ : state)
        varnik::saveDocument(out, false, d.text, d.encoding, options, sink);
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_Save)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the window does: the file streamed as LF-only UTF-8 pieces (here only
// counted), and saved from such a buffer.
class CountingReceiver : public varnik::TextReceiver {
public:
    void begin(qint64) override { bytes = 0; }
    void append(QByteArrayView utf8, qint64, qint64) override { bytes += utf8.size(); }
    qint64 bytes = 0;
};

void BM_Stream(benchmark::State& state)
{
    const QString path = sampleFile(workDir(), state.range(0) != 0);
    for (auto _ : state) {
        CountingReceiver receiver;
        varnik::streamDocumentFile(path, receiver);
        benchmark::DoNotOptimize(receiver.bytes);
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_Stream)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveUtf8(benchmark::State& state)
{
    const QString path = sampleFile(workDir(), state.range(0) != 0);
    const varnik::LoadedDocument d = varnik::loadDocumentFile(path);
    const QByteArray text = d.text.toUtf8();
    const QString out = workDir().filePath("out.txt");
    NullSink sink;
    varnik::SaveOptions options;
    options.createBackup = false;
    for (auto _ : state)
        varnik::saveUtf8Document(out, false, text, d.encoding, options, sink);
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_SaveUtf8)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

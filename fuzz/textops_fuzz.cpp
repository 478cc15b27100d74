// Feeds any text to the parsers among the text operations: date-time patterns,
// URL decoding, Roman numerals, base conversion, item splitting, the HTML table
// and every selection operation of the engine. None may crash or hang.
#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/baseconversion.h"
#include "core/text/datetimeformat.h"
#include "core/text/engineenvironment.h"
#include "core/text/itemsplit.h"
#include "core/text/romannumerals.h"
#include "core/text/selectionengine.h"
#include "core/text/stringtransforms.h"
#include "core/text/textencoding.h"
#include "core/text/urlcoding.h"

#include <QDate>
#include <QTime>

#include <cstddef>
#include <cstdint>

using namespace varnik;

namespace {

class FuzzEnvironment : public EngineEnvironment {
public:
    EngineSettings settings() const override { return {}; }
    TextEncoding documentEncoding() const override { return encoding; }
    QString clipboardText() const override { return QStringLiteral("clip"); }
    QDateTime currentDateTime() const override { return QDateTime(QDate(2024, 2, 29), QTime(13, 5, 9)); }
    int timeZoneStandardBias() const override { return -60; }
    QString computerName() const override { return QStringLiteral("host"); }
    QString userName() const override { return QStringLiteral("user"); }
    QString ipAddress() const override { return QStringLiteral("10.0.0.1"); }
    QStringList lookupHost(const QString&, std::chrono::milliseconds) override { return {}; }
    QString lookupAddress(quint32, std::chrono::milliseconds) override { return {}; }
    int randomPercent() override { return 42; }
    TextEncoding encoding;
};

class SilentSink : public MessageSink {
public:
    int message(const QString&, MessageKind, int) override { return Result::OK; }
    void errorBox(const QString&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    const int selector = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    try {
        formatDateTime(text, QDate(2024, 2, 29), QTime(13, 5, 9), DateTimeLocale{});
        urlDecode(text, TextEncoding::utf8());
        urlDecode(text, TextEncoding::codePage());
        romanToNumber(text);
        convertBase(text, 2 + selector % 15, 16);
        splitItems(text, QStringLiteral(","));
        htmlTableFromSelection(text);
    } catch (const Error&) {
    }
    FuzzEnvironment env;
    if (selector & 0x80)
        env.encoding = TextEncoding::codePage();
    SilentSink sink;
    PlainTextBuffer doc(text);
    doc.setSelection(0, doc.length());
    try {
        // Codes 24 and 25 ask the environment only; the rest read the selection.
        SelectionEngine(doc, env, sink).run(static_cast<SelectionOperation>(1 + selector % lastSelectionOperation));
    } catch (const Error&) {
    }
    return 0;
}

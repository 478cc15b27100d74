#include "cli/calcwindowcommands.h"

#include "cli/applycommand.h"
#include "core/app/codepage.h"
#include "core/calc/converterpages.h"
#include "core/calc/listgenerator.h"
#include "core/calc/windowinsertion.h"

#include <limits>
#include <memory>

namespace varnik::cli {

namespace {

QString fieldOr(const ApplyContext& ctx, const QString& name, const QString& fallback)
{
    return ctx.options.fields.value(name, fallback);
}

qint64 intField(const ApplyContext& ctx, const QString& name, qint64 min, qint64 max, qint64 fallback,
                int base = 10)
{
    const auto it = ctx.options.fields.constFind(name);
    if (it == ctx.options.fields.constEnd())
        return fallback;
    bool ok = false;
    qint64 v = it.value().trimmed().toLongLong(&ok, base);
    // Hexadecimal fields show negative numbers as their 32-bit two's complement.
    if (ok && base == 16 && v > max && v <= 0xFFFFFFFFLL)
        v = static_cast<qint32>(static_cast<quint32>(v));
    if (!ok || v < min || v > max)
        throw UsageError{QStringLiteral("--field %1 needs %2 number from %3 to %4")
                             .arg(name, base == 16 ? QStringLiteral("a hexadecimal") : QStringLiteral("a"))
                             .arg(min)
                             .arg(max)};
    return v;
}

bool boolField(const ApplyContext& ctx, const QString& name)
{
    return intField(ctx, name, 0, 1, 0) != 0;
}

int checkedIndex(const QString& name, int index, const QString& what)
{
    if (index < 0)
        throw UsageError{QStringLiteral("--field %1 needs %2").arg(name, what)};
    return index;
}

int unitField(const ApplyContext& ctx, const QString& name, int mode)
{
    return checkedIndex(
        name, findUnit(mode, fieldOr(ctx, name, QString::fromUtf16(UniConvert::units(mode)[0].abbreviation))),
        QStringLiteral("a unit's abbreviation or name"));
}

} // namespace

void applyUniConverter(ApplyContext& ctx)
{
    const QChar sep = ctx.decimalSeparator;
    const QString selection = ctx.document.selectedText().trimmed();
    const auto input = ctx.options.fields.constFind(QStringLiteral("input"));
    const bool hasInput = input != ctx.options.fields.constEnd();
    const QString page = fieldOr(ctx, QStringLiteral("page"), QStringLiteral("standard"));
    PageResult result;
    QString line;
    if (page == u"standard") {
        StandardPage p;
        p.mode = checkedIndex(QStringLiteral("mode"),
                              findMode(fieldOr(ctx, QStringLiteral("mode"), QStringLiteral("Temperature"))),
                              QStringLiteral("Temperature, Length, Mass or Volume"));
        p.from = unitField(ctx, QStringLiteral("from"), p.mode);
        p.to = unitField(ctx, QStringLiteral("to"), p.mode);
        p.prefix = checkedIndex(QStringLiteral("prefix"),
                                findPrefix(fieldOr(ctx, QStringLiteral("prefix"), QStringLiteral("1"))),
                                QStringLiteral("a metric prefix (E P T G M k h da 1 d c m µ n p f a)"));
        p.precision = static_cast<int>(intField(ctx, QStringLiteral("precision"), 0, 18, 3));
        p.scientific = boolField(ctx, QStringLiteral("scientific"));
        p.input = hasInput ? input.value() : initialNumberInput(selection, sep);
        result = computeStandard(p, sep);
        line = standardDescription(p, result.result, sep);
    } else if (page == u"bits") {
        const QString unit = QStringLiteral("a unit of b kb Mb Gb Tb Pb Eb B kB MB GB TB PB EB");
        const int from =
            checkedIndex(QStringLiteral("from"),
                         findBitUnit(fieldOr(ctx, QStringLiteral("from"), QStringLiteral("b"))), unit);
        const int to = checkedIndex(
            QStringLiteral("to"), findBitUnit(fieldOr(ctx, QStringLiteral("to"), QStringLiteral("b"))), unit);
        const QString text = hasInput ? input.value() : initialNumberInput(selection, sep);
        result = computeBits(from, to, text, sep);
        line = bitsDescription(from, to, text, result.result);
    } else if (page == u"bases") {
        const int from = static_cast<int>(intField(ctx, QStringLiteral("from"), 2, 36, 16));
        const int to = static_cast<int>(intField(ctx, QStringLiteral("to"), 2, 36, 10));
        // The field shows everything in upper case.
        const QString text = (hasInput              ? input.value()
                              : selection.isEmpty() ? QStringLiteral("0")
                                                    : selection)
                                 .toUpper();
        result = computeBases(from, to, text, true);
        line = basesDescription(from, to, text, result.result);
    } else {
        throw UsageError{QStringLiteral("--field page needs standard, bits or bases")};
    }
    if (!result.error.isEmpty()) {
        ctx.messages.message(result.error, MessageKind::Error, Buttons::OK);
        return;
    }
    insertAtSelectionStart(ctx.document, line + QStringLiteral("\r\n"));
}

void applyListGenerator(ApplyContext& ctx)
{
    constexpr qint64 kMin = std::numeric_limits<qint32>::min(), kMax = std::numeric_limits<qint32>::max();
    ListGenOptions o;
    const QString selection = ctx.document.selectedText().trimmed();
    o.pattern = fieldOr(ctx, QStringLiteral("pattern"), selection.isEmpty() ? o.pattern : selection);
    o.hex = boolField(ctx, QStringLiteral("hex"));
    o.ascii = boolField(ctx, QStringLiteral("ascii"));
    o.wrap = boolField(ctx, QStringLiteral("wrap"));
    // With Hex on the window's range fields take hexadecimal numbers.
    const int base = o.hex ? 16 : 10;
    o.first1 = static_cast<qint32>(intField(ctx, QStringLiteral("first1"), kMin, kMax, 0, base));
    o.last1 = static_cast<qint32>(intField(ctx, QStringLiteral("last1"), kMin, kMax, 0, base));
    o.first2 = static_cast<qint32>(intField(ctx, QStringLiteral("first2"), kMin, kMax, 0, base));
    o.last2 = static_cast<qint32>(intField(ctx, QStringLiteral("last2"), kMin, kMax, 0, base));
    o.step1 = static_cast<qint32>(intField(ctx, QStringLiteral("step1"), 1, 9999, 1));
    o.step2 = static_cast<qint32>(intField(ctx, QStringLiteral("step2"), 1, 9999, 1));
    o.width1 = static_cast<qint32>(intField(ctx, QStringLiteral("width1"), 0, 99, 0));
    o.width2 = static_cast<qint32>(intField(ctx, QStringLiteral("width2"), 0, 99, 0));
    const QString marker = fieldOr(ctx, QStringLiteral("char"), QStringLiteral("%"));
    o.marker = marker.isEmpty() ? QChar(u'%') : marker.front();
    const auto page =
        ctx.encoding.codePage() ? ctx.encoding.codePage() : legacyCodePage(ctx.settings.codePage);
    o.useCodePage(*page);

    QString characters = o.pattern + QStringLiteral("0123456789ABCDEF-\r\n");
    if (o.ascii)
        characters += QString(reinterpret_cast<const QChar*>(o.charset.data()), 256);
    // Entries take the output's line end at once unless the pattern brings line breaks of its own.
    const bool outputLineEnds = !o.pattern.contains(u'\r') && !o.pattern.contains(u'\n');
    const QString lineBreak = outputLineEnds ? lineEndText(lineEndFromSetting(ctx.settings.crlf)).toString()
                                             : QStringLiteral("\r\n");
    auto generator = std::make_shared<ListGenerator>(o, lineBreak);
    MessageSink* messages = &ctx.messages;
    bool produced = false;
    auto next = [generator, messages, produced, lineBreak](QString& piece) mutable {
        generator->generate(piece, 65536);
        produced = produced || !piece.isEmpty();
        if (!generator->done())
            return true;
        // "Use" is only possible once the list has a line; it then ends with an empty one.
        if (produced)
            piece += lineBreak;
        else
            messages->message(QStringLiteral("This will generate nothing..."), MessageKind::Error,
                              Buttons::OK);
        return false;
    };
    ctx.streamedInsertion = StreamedInsertion{characters, std::move(next), outputLineEnds};
}

} // namespace varnik::cli

#include "core/text/selectionengine.h"

#include "core/app/error.h"
#include "core/text/applytoselection.h"
#include "core/text/caseoperations.h"
#include "core/text/charcodes.h"
#include "core/text/integertext.h"
#include "core/text/ipconversions.h"
#include "core/text/lineoperations.h"
#include "core/text/numberruns.h"
#include "core/text/romannumerals.h"
#include "core/text/statistics.h"
#include "core/text/stringtransforms.h"
#include "core/text/tabsspaces.h"
#include "core/text/timeconversions.h"
#include "core/text/urlcoding.h"

namespace varnik {

namespace {

using Op = SelectionOperation;

enum class OnFailure { Propagate, Silent, Report };

OnFailure failurePolicy(Op op)
{
    switch (op) {
    case Op::SecondsToHms:
    case Op::NumberToRoman:
    case Op::UnixTime:
    case Op::HtmlTable:
    case Op::IpToHex:
    case Op::HexToIp:
        return OnFailure::Silent;
    case Op::CodesToChars:
    case Op::BinToDecimal:
    case Op::DecimalToBin:
    case Op::HexToDecimal:
    case Op::DecimalToHex:
        return OnFailure::Report;
    default:
        return OnFailure::Propagate;
    }
}

QString failureMessage(Op op)
{
    return op == Op::CodesToChars ? QStringLiteral("Problem while converting to ASCII!")
                                  : QStringLiteral("Number is too big for conversion!");
}

} // namespace

bool SelectionEngine::readsSelection(Op op)
{
    return op != Op::IpAddress && op != Op::ComputerName;
}

QString SelectionEngine::compute(Op op, QString sel, EngineEnvironment& env, const EngineSettings& s)
{
    // Operations that keep the length work in the selection's own buffer.
    const auto inPlace = [&sel](auto&& op) {
        op(sel);
        return std::move(sel);
    };
    switch (op) {
    case Op::Indent:
        return inPlace(indentLinesInPlace);
    case Op::Trim:
        return inPlace(trimLinesInPlace);
    case Op::Unwrap:
        return unwrapLines(sel);
    case Op::ClipboardAtBeginning:
        return inPlace([&env](QString& t) { prefixLinesInPlace(t, env.clipboardText()); });
    case Op::DashList:
        return inPlace([](QString& t) { prefixLinesInPlace(t, u"- "); });
    case Op::NumberedList:
        return numberedList(sel);
    case Op::Slangize:
        return slangize(sel, [&env] { return env.randomPercent(); });
    case Op::FormatDateTime: {
        const QDateTime now = env.currentDateTime();
        return formatDateTime(sel, now.date(), now.time(), s.locale);
    }
    case Op::SecondsToHms:
        return secondsToHms(sel);
    case Op::NumberToRoman:
        return numberToRoman(parseInteger(sel));
    case Op::RomanToNumber:
        return QString::number(romanToNumber(toUpperCase(sel)));
    case Op::DeleteFirstChar:
        return deleteFirstCharOfLines(sel);
    case Op::UnixTime:
        return unixTimeText(sel, env.timeZoneStandardBias(), s.locale);
    case Op::Rot13:
        return inPlace(rot13InPlace);
    case Op::CodesToChars:
        return codesToChars(sel, env.documentEncoding());
    case Op::CharsToCodes:
        return charsToCodes(sel, env.documentEncoding());
    case Op::InvertCase:
        return inPlace([&env](QString& t) { invertCaseInPlace(t, env.documentEncoding()); });
    case Op::ToLowercase:
        return inPlace([&env](QString& t) { toLowerCaseInPlace(t, env.documentEncoding()); });
    case Op::ToUppercase:
        return inPlace([&env](QString& t) { toUpperCaseInPlace(t, env.documentEncoding()); });
    case Op::BinToDecimal:
        return binRunsToDecimal(sel);
    case Op::DecimalToBin:
        return decimalRunsToBinary(sel);
    case Op::HexToDecimal:
        return hexRunsToDecimal(sel);
    case Op::DecimalToHex:
        return decimalRunsToHex(sel);
    case Op::IpAddress:
        return env.ipAddress();
    case Op::ComputerName:
        return env.computerName();
    case Op::TabsToSpaces:
        return inPlace([&s](QString& t) { tabsToSpacesInPlace(t, s.tabSpaces); });
    case Op::SpacesToTabs:
        return inPlace([&s](QString& t) { spacesToTabsInPlace(t, s.tabSpaces); });
    case Op::Reverse:
        return inPlace(reverseInPlace);
    case Op::HtmlTable:
        return htmlTableFromSelection(sel);
    case Op::IpToHex:
        return ipToHex(sel);
    case Op::HexToIp:
        return hexToIp(sel, s.decimalSeparator);
    case Op::UrlEncode:
        return urlEncode(sel, env.documentEncoding());
    case Op::UrlDecode:
        return urlDecode(sel, env.documentEncoding());
    case Op::Statistics:
        return numberStatistics(sel, s.decimalSeparator);
    case Op::ClipboardAtEnd:
        return suffixLines(sel, env.clipboardText());
    }
    return sel;
}

void SelectionEngine::run(Op op)
{
    const EngineSettings settings = env_.settings();
    const bool reads = readsSelection(op);
    const ApplyPolicy policy{reads ? EmptySelection::WholeDocument : EmptySelection::AtCaret,
                             Collapse::UnlessSelectStay, true};
    try {
        applyToSelection(edit_, env_, policy, [&](QString selection) {
            return compute(op, reads ? std::move(selection) : QString(), env_, settings);
        });
    } catch (const std::exception&) {
        switch (failurePolicy(op)) {
        case OnFailure::Silent:
            return;
        case OnFailure::Report:
            messages_.message(failureMessage(op), MessageKind::Error, Buttons::OK);
            return;
        case OnFailure::Propagate:
            throw;
        }
    }
}

} // namespace varnik

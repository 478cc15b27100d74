#include "core/app/rtfcontrolwords.h"

#include <algorithm>
#include <unordered_map>

namespace varnik::rtf {

namespace {

// Destinations whose text is not part of the document's text.
constexpr std::string_view kSkippedDestinations =
    "colortbl stylesheet info pict header headerl headerr headerf footer footerl footerr footerf footnote "
    "annotation atnid atnauthor atntime atnref atndate atnicn xe tc tcn rxe txe fldinst objdata objclass "
    "objname objalias objsect objitem objtopic datafield listtable listoverridetable revtbl rsidtbl "
    "generator "
    "filetbl nonshppict themedata colorschememapping latentstyles datastore xmlnstbl mmathPr pgdsctbl ftnsep "
    "ftnsepc ftncn aftnsep aftnsepc aftncn template keywords comment doccomm author operator title subject "
    "category company manager hlinkbase buptim creatim printim revtim userprops pntxta pntxtb bkmkstart "
    "bkmkend protusertbl docvar fchars lchars blipuid picprop shpinst sp sn sv background falt panose fname "
    "listname leveltext levelnumbers chdate chdpl chdpa chtime formfield private wgrffmtfilter";

const std::unordered_map<std::string_view, WordEntry>& words()
{
    static const std::unordered_map<std::string_view, WordEntry> table = [] {
        // clang-format off
        std::unordered_map<std::string_view, WordEntry> t = {
            {"par", {Action::Par}}, {"line", {Action::Line}}, {"tab", {Action::Tab}},
            {"cell", {Action::Cell}}, {"nestcell", {Action::Cell}}, {"row", {Action::Row}},
            {"nestrow", {Action::Row}}, {"trowd", {Action::TableRow}},
            {"sect", {Action::Break}}, {"page", {Action::Break}}, {"column", {Action::Break}},
            {"emdash", {Action::Char, 0x2014}}, {"endash", {Action::Char, 0x2013}},
            {"emspace", {Action::Char, 0x2003}}, {"enspace", {Action::Char, 0x2002}},
            {"qmspace", {Action::Char, 0x2005}}, {"bullet", {Action::Char, 0x2022}},
            {"lquote", {Action::Char, 0x2018}}, {"rquote", {Action::Char, 0x2019}},
            {"ldblquote", {Action::Char, 0x201C}}, {"rdblquote", {Action::Char, 0x201D}},
            {"zwj", {Action::Char, 0x200D}}, {"zwnj", {Action::Char, 0x200C}},
            {"ltrmark", {Action::Char, 0x200E}}, {"rtlmark", {Action::Char, 0x200F}},
            {"u", {Action::Unicode}}, {"uc", {Action::Uc}}, {"bin", {Action::Bin}},
            {"ansicpg", {Action::AnsiCpg}}, {"mac", {Action::Mac}}, {"pc", {Action::Pc}}, {"pca", {Action::Pca}},
            {"f", {Action::Font}}, {"deff", {Action::DefaultFont}}, {"fonttbl", {Action::FontTable}},
            {"fcharset", {Action::FontCharset}}, {"cpg", {Action::FontCodePage}}, {"plain", {Action::Plain}},
            {"upr", {Action::Upr}}, {"ud", {Action::Ud}},
        };
        // clang-format on
        std::string_view rest = kSkippedDestinations;
        while (!rest.empty()) {
            const size_t end = std::min(rest.find(' '), rest.size());
            t.emplace(rest.substr(0, end), WordEntry{Action::Skip});
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        return t;
    }();
    return table;
}

} // namespace

const WordEntry* findWord(std::string_view word)
{
    const auto& table = words();
    const auto it = table.find(word);
    return it == table.end() ? nullptr : &it->second;
}

int codePageOfCharset(int charset)
{
    // clang-format off
    static constexpr std::pair<int, int> kCharsets[] = {
        {77, 10000}, {128, 932}, {129, 949}, {134, 936}, {136, 950}, {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {254, 437}, {255, 850},
    };
    // clang-format on
    for (const auto& [set, page] : kCharsets) {
        if (set == charset)
            return page;
    }
    return 0;
}

QStringList namesOfCodePage(int cp)
{
    switch (cp) {
    case 932:
        return {QStringLiteral("Shift_JIS")};
    case 936:
        return {QStringLiteral("GBK")};
    case 949:
        return {QStringLiteral("windows-949"), QStringLiteral("EUC-KR")};
    case 950:
        return {QStringLiteral("Big5")};
    case 10000:
        return {QStringLiteral("macintosh")};
    case 20866:
        return {QStringLiteral("KOI8-R")};
    case 21866:
        return {QStringLiteral("KOI8-U")};
    case 65001:
        return {QStringLiteral("UTF-8")};
    default:
        break;
    }
    if (cp >= 28591 && cp <= 28606)
        return {QStringLiteral("ISO-8859-%1").arg(cp - 28590)};
    return {QStringLiteral("windows-%1").arg(cp), QStringLiteral("IBM%1").arg(cp),
            QStringLiteral("cp%1").arg(cp)};
}

} // namespace varnik::rtf

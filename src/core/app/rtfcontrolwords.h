#pragma once

#include <QStringList>

#include <string_view>

// The control words the RTF reader acts on, and the code pages RTF names.
namespace varnik::rtf {

enum class Action {
    Par,
    Line,
    Tab,
    Cell,
    Row,
    TableRow,
    Break, // section, page and column ends: a line break unless one is already there
    Char,
    Unicode,
    Uc,
    Bin,
    AnsiCpg,
    Mac,
    Pc,
    Pca,
    Font,
    DefaultFont,
    FontTable,
    FontCharset,
    FontCodePage,
    Plain,
    Upr,
    Ud,
    Skip, // a destination whose text is not part of the document's text
};

struct WordEntry {
    Action action;
    char16_t ch = 0;
};

// What a control word does; null for one the reader ignores.
const WordEntry* findWord(std::string_view word);

// Windows character set numbers of font entries, as code pages; 0 for the
// ANSI, default and symbol sets, which use the document's code page.
int codePageOfCharset(int charset);

// The names this system may know a Windows code page number by, likeliest first.
QStringList namesOfCodePage(int cp);

} // namespace varnik::rtf

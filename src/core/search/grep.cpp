#include "core/search/grep.h"

#include "core/app/plaintextbuffer.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace varnik {

namespace {

// Simple upper-case mapping of every UTF-16 unit; surrogates map to themselves.
const char16_t* upperTable()
{
    static const std::unique_ptr<char16_t[]> table = [] {
        auto t = std::make_unique<char16_t[]>(0x10000);
        for (char32_t u = 0; u < 0x10000; ++u) {
            const char32_t up = QChar::isSurrogate(u) ? u : QChar::toUpper(u);
            t[u] = static_cast<char16_t>(up < 0x10000 ? up : u);
        }
        return t;
    }();
    return table.get();
}

const char16_t* units(QStringView s)
{
    return reinterpret_cast<const char16_t*>(s.data());
}

bool hasSurrogate(QStringView s)
{
    for (const QChar c : s)
        if (c.isSurrogate())
            return true;
    return false;
}

// Upper case by code point, so letters outside the basic plane map too; a
// surrogate pair stays a pair, so offsets do not move.
QString upperByCodePoint(QStringView s)
{
    QString out(s.size(), Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    const char16_t* table = upperTable();
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
            const char32_t up = QChar::toUpper(QChar::surrogateToUcs4(c, s[i + 1].unicode()));
            if (QChar::requiresSurrogates(up)) {
                o[i] = QChar::highSurrogate(up);
                o[i + 1] = QChar::lowSurrogate(up);
            } else {
                o[i] = c;
                o[i + 1] = s[i + 1].unicode();
            }
            ++i;
        } else {
            o[i] = table[c];
        }
    }
    return out;
}

QString toLf(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

struct Identity {
    char16_t operator()(char16_t c) const { return c; }
};
struct Upper {
    const char16_t* table;
    char16_t operator()(char16_t c) const { return table[c]; }
};

// Horspool search over mapped units; the shift table is keyed on the low byte,
// which keeps it small and only makes some shifts shorter than they could be.
class Searcher {
public:
    explicit Searcher(std::u16string key) : key_(std::move(key))
    {
        const auto m = static_cast<qsizetype>(key_.size());
        shift_.fill(m);
        for (qsizetype j = 0; j + 1 < m; ++j)
            shift_[key_[static_cast<size_t>(j)] & 0xFF] = m - 1 - j;
    }

    template <typename Map> qsizetype find(const char16_t* s, qsizetype from, qsizetype n, Map map) const
    {
        const auto m = static_cast<qsizetype>(key_.size());
        const char16_t* key = key_.data();
        const char16_t last = key[m - 1];
        for (qsizetype i = from; i + m <= n;) {
            const char16_t c = map(s[i + m - 1]);
            if (c == last) {
                qsizetype j = 0;
                while (j < m - 1 && map(s[i + j]) == key[j])
                    ++j;
                if (j == m - 1)
                    return i;
            }
            i += shift_[c & 0xFF];
        }
        return -1;
    }

private:
    std::u16string key_;
    std::array<qsizetype, 256> shift_{};
};

qsizetype countLineFeeds(const char16_t* p, qsizetype n)
{
    // 16-bit counters over blocks that cannot overflow them vectorise well.
    qsizetype count = 0;
    while (n > 0) {
        const qsizetype block = std::min<qsizetype>(n, 0xFFFF);
        quint16 c = 0;
        for (qsizetype i = 0; i < block; ++i)
            c = quint16(c + (p[i] == u'\n'));
        count += c;
        p += block;
        n -= block;
    }
    return count;
}

template <typename Map>
void collect(QStringView text, const char16_t* hay, const Searcher& searcher, qsizetype m, Map map,
             GrepResult& result)
{
    const char16_t* s = units(text);
    const qsizetype n = text.size();
    qsizetype lineNo = 0;
    qsizetype counted = 0; // line feeds before this offset are in lineNo
    for (qsizetype from = 0;;) {
        const qsizetype at = searcher.find(hay, from, n, map);
        if (at < 0)
            return;
        qsizetype lineStart = at;
        while (lineStart > counted && s[lineStart - 1] != u'\n')
            --lineStart;
        lineNo += countLineFeeds(s + counted, lineStart - counted);
        qsizetype lineEnd = text.indexOf(u'\n', at + m);
        if (lineEnd < 0)
            lineEnd = n;
        result.append(lineNo, at - lineStart + 1, lineStart, lineEnd - lineStart);
        if (lineEnd >= n)
            return;
        // One entry per line: go on with the next one.
        from = counted = lineEnd + 1;
        ++lineNo;
    }
}

} // namespace

GrepResult grepText(const QString& source, QStringView what, bool matchCase, bool lineNumbers)
{
    GrepResult result(lineNumbers);
    const qsizetype m = what.size();
    if (m == 0 || m > source.size() || what.contains(u'\r') || what.contains(u'\n'))
        return result;
    // Offsets within a line and line numbers are the same with every break made LF.
    const QString lf = source.contains(u'\r') ? toLf(source) : source;
    const QStringView text = lf;
    result.start(lf);
    if (matchCase) {
        const Searcher searcher(std::u16string(units(what), static_cast<size_t>(m)));
        collect(text, units(text), searcher, m, Identity{}, result);
    } else if (hasSurrogate(what)) {
        // Rare: letters outside the basic plane need whole code points mapped.
        const QString upperText = upperByCodePoint(text);
        const QString upperWhat = upperByCodePoint(what);
        const Searcher searcher(std::u16string(units(upperWhat), static_cast<size_t>(m)));
        collect(text, units(upperText), searcher, m, Identity{}, result);
    } else {
        const Upper upper{upperTable()};
        std::u16string key(units(what), static_cast<size_t>(m));
        for (char16_t& c : key)
            c = upper(c);
        const Searcher searcher(std::move(key));
        collect(text, units(text), searcher, m, upper, result);
    }
    result.finish();
    return result;
}

GrepResult grepDocument(const TextEdit& edit, const QString& what, bool matchCase, bool lineNumbers)
{
    // The in-memory buffer lends its text without a copy.
    if (const auto* plain = dynamic_cast<const PlainTextBuffer*>(&edit))
        return grepText(plain->rawText(), what, matchCase, lineNumbers);
    return grepText(edit.text(), what, matchCase, lineNumbers);
}

bool goToGrepEntry(TextEdit& edit, const GrepResult& result, qsizetype index, const QString& searchText)
{
    if (index < 0 || index >= result.size())
        return false;
    const qsizetype line = result.line(index);
    if (line >= edit.lineCount())
        return false;
    const qsizetype start = edit.lineStart(line) + result.position(index) - 1;
    edit.setSelection(std::min(start, edit.length()), toLfLineEnds(searchText).size());
    return true;
}

} // namespace varnik

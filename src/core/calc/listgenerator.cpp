#include "core/calc/listgenerator.h"

#include "core/app/codepage.h"

#include <algorithm>

namespace varnik {

namespace {

__extension__ typedef unsigned __int128 Count;

// Values a range of 32-bit bounds produces with a positive step.
quint64 rangeCount(qint64 first, qint64 last, qint64 step)
{
    if (step <= 0 || last < first)
        return 0;
    return static_cast<quint64>((last - first) / step) + 1;
}

QString countText(Count n)
{
    QString digits;
    do {
        digits.prepend(QChar(u'0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return digits;
}

} // namespace

std::array<char16_t, 256> codePageCharset(const CodePage& page)
{
    std::array<char16_t, 256> set{};
    for (size_t c = 0; c < set.size(); ++c)
        set[c] = page.toUnicode(static_cast<unsigned char>(c)).unicode();
    return set;
}

void ListGenOptions::useCodePage(const CodePage& page)
{
    charset = codePageCharset(page);
    hasCharset = true;
}

QString estimatedCount(const ListGenOptions& o)
{
    const qint64 length1 = qint64(o.last1) - o.first1 + 1, length2 = qint64(o.last2) - o.first2 + 1;
    // Two empty ranges would multiply to a positive count: nothing is generated then.
    if (o.step1 <= 0 || o.step2 <= 0 || length1 <= 0 || length2 <= 0)
        return QStringLiteral("0");
    const Count product = static_cast<Count>(length1) * static_cast<Count>(length2);
    return countText(product / static_cast<Count>(o.step1) / static_cast<Count>(o.step2));
}

QString countLabel(const ListGenOptions& options)
{
    const QString total = estimatedCount(options);
    if (total == u"0")
        return QStringLiteral("This will generate nothing...");
    return QStringLiteral("This will generate ") + total + QStringLiteral(" entries");
}

QString replaceEach(const QString& text, const QString& what, const QString& with)
{
    if (what.isEmpty())
        return text;
    QString out;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, from)) {
        out += QStringView(text).mid(from, at - from);
        out += with;
        from = at + what.size();
    }
    out += QStringView(text).mid(from);
    return out;
}

ListGenerator::ListGenerator(const ListGenOptions& options, const QString& lineBreak)
    : o_(options), c1_(QString(options.marker) + u'1'), c2_(QString(options.marker) + u'2'),
      i_(options.first1), j_(options.first2), lineBreak_(lineBreak)
{
    if (!o_.hasCharset) {
        for (size_t c = 0; c < o_.charset.size(); ++c)
            o_.charset[c] = static_cast<char16_t>(c);
    }
    const QStringList split = o_.pattern.split(c1_);
    for (qsizetype k = 0; k < split.size(); ++k) {
        pieces_.append(split[k].split(c2_));
        if (k + 1 < split.size() && split[k].endsWith(o_.marker))
            markerBeforeFirst_ = true;
    }
    hasSecond_ = o_.pattern.contains(c2_);
    count1_ = rangeCount(o_.first1, o_.last1, o_.step1);
    count2_ = rangeCount(o_.first2, o_.last2, o_.step2);
    done_ = count1_ == 0 || count2_ == 0;
}

long double ListGenerator::entryCount() const
{
    return static_cast<long double>(count1_) * static_cast<long double>(count2_);
}

double ListGenerator::progress() const
{
    if (done_)
        return 1;
    return static_cast<double>((static_cast<long double>(index1_) * count2_ + index2_) / entryCount());
}

void ListGenerator::appendNumber(QString& out, qint64 value, int width) const
{
    char16_t buf[16];
    char16_t* end = buf + std::size(buf);
    char16_t* p = end;
    if (o_.ascii) {
        out.append(QString(std::max(width, 0), QChar(o_.charset[static_cast<quint8>(value & 0xFF)])));
        return;
    }
    if (o_.hex) {
        // A negative number is written as its 32-bit two's complement.
        auto v = static_cast<quint32>(static_cast<qint32>(value));
        do {
            const int d = static_cast<int>(v & 0xF);
            *--p = static_cast<char16_t>(d < 10 ? u'0' + d : u'A' + d - 10);
            v >>= 4;
        } while (v != 0);
    } else {
        // The zeros go in front of the minus sign: -5 at width 4 is "00-5".
        quint64 v = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
        do {
            *--p = static_cast<char16_t>(u'0' + v % 10);
            v /= 10;
        } while (v != 0);
        if (value < 0)
            *--p = u'-';
    }
    const auto length = static_cast<int>(end - p);
    if (width > length)
        out.append(QString(width - length, u'0'));
    out.append(reinterpret_cast<const QChar*>(p), length);
}

QString ListGenerator::numberText(qint64 value, int width) const
{
    QString s;
    appendNumber(s, value, width);
    return s;
}

QString ListGenerator::entryBySearch(const QString& t1, const QString& t2) const
{
    return replaceEach(replaceEach(o_.pattern, c1_, t1), c2_, t2);
}

// The precompiled pieces give the searched result unless the first text can
// take part in a second placeholder: empty (its neighbours meet), holding the
// marker, or starting with "2" right after a marker.
bool ListGenerator::precompiledFits(const QString& t1) const
{
    return !t1.isEmpty() && !t1.contains(o_.marker) && !(markerBeforeFirst_ && t1.front() == u'2');
}

void ListGenerator::appendEntry(QString& out, const QString& t1, const QString& t2) const
{
    if (!t1Fits_) {
        out += entryBySearch(t1, t2);
        return;
    }
    for (qsizetype k = 0; k < pieces_.size(); ++k) {
        if (k > 0)
            out += t1;
        const QStringList& piece = pieces_[k];
        for (qsizetype m = 0; m < piece.size(); ++m) {
            if (m > 0)
                out += t2;
            out += piece[m];
        }
    }
}

bool ListGenerator::advance()
{
    j_ += o_.step2;
    if (++index2_ < count2_)
        return true;
    index2_ = 0;
    j_ = o_.first2;
    i_ += o_.step1;
    if (++index1_ < count1_)
        return true;
    done_ = true;
    return false;
}

bool ListGenerator::generate(QString& out, qint64 maxEntries)
{
    QString t2;
    for (qint64 n = 0; n < maxEntries && !done_; ++n) {
        if (index2_ == 0 || n == 0) {
            t1_.resize(0);
            appendNumber(t1_, i_, o_.width1);
            t1Fits_ = precompiledFits(t1_);
        }
        t2.resize(0);
        // Only a second placeholder needs the second text.
        if (hasSecond_ || !t1Fits_)
            appendNumber(t2, j_, o_.width2);
        appendEntry(out, t1_, t2);
        if (!o_.wrap)
            out += lineBreak_;
        advance();
    }
    return !done_;
}

} // namespace varnik

#include "core/search/grepresult.h"

#include <QByteArray>
#include <QStringEncoder>

namespace varnik {

namespace {

// Writes "Line N:" for the 0-based line index; returns the end.
template <typename Char> Char* writeLinePrefix(Char* out, qsizetype line)
{
    for (const char c : {'L', 'i', 'n', 'e', ' '})
        *out++ = Char(c);
    char digits[24];
    int n = 0;
    for (qsizetype value = line + 1; n == 0 || value > 0; value /= 10)
        digits[n++] = char('0' + value % 10);
    while (n > 0)
        *out++ = Char(digits[--n]);
    *out++ = Char(':');
    return out;
}

} // namespace

QString GrepResult::entry(qsizetype i) const
{
    if (!lineNumbers_)
        return lineText(i).toString();
    char16_t prefix[32];
    QString out = QStringView(prefix, writeLinePrefix(prefix, line(i))).toString();
    out += lineText(i);
    return out;
}

QString GrepResult::toText() const
{
    qsizetype total = 0;
    for (const Entry& e : entries_)
        total += e.textLength + 2 + (lineNumbers_ ? 26 : 0);
    QString out;
    out.reserve(total);
    for (const Entry& e : entries_) {
        if (lineNumbers_) {
            char16_t prefix[32];
            out.append(QStringView(prefix, writeLinePrefix(prefix, e.line)));
        }
        out += QStringView(text_).mid(e.textStart, e.textLength);
        out += QStringLiteral("\r\n");
    }
    return out;
}

bool GrepResult::writeText(QIODevice& device) const
{
    constexpr qsizetype piece = 1 << 20;
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QByteArray buffer(piece, Qt::Uninitialized);
    char* p = buffer.data();
    auto flush = [&] {
        const qint64 n = p - buffer.data();
        p = buffer.data();
        return device.write(buffer.constData(), n) == n;
    };
    for (const Entry& e : entries_) {
        const qsizetype need = 32 + utf8.requiredSpace(e.textLength);
        if (p - buffer.data() + need > buffer.size()) {
            if (!flush())
                return false;
            if (need > buffer.size()) {
                buffer.resize(need);
                p = buffer.data();
            }
        }
        if (lineNumbers_)
            p = writeLinePrefix(p, e.line);
        p = utf8.appendToBuffer(p, QStringView(text_).mid(e.textStart, e.textLength));
        *p++ = '\r';
        *p++ = '\n';
    }
    return flush();
}

void GrepResult::clear()
{
    entries_.clear();
    entries_.shrink_to_fit();
    text_.clear();
}

void GrepResult::start(const QString& text, qsizetype expectedEntries)
{
    clear();
    text_ = text;
    entries_.reserve(static_cast<size_t>(expectedEntries));
}

void GrepResult::finish()
{
    qsizetype total = 0;
    for (const Entry& e : entries_)
        total += e.textLength;
    // Keeping the whole text alive for a few lines would waste memory; when the
    // lines are much of it, sharing it saves copying them.
    if (total * 4 >= text_.size())
        return;
    QString own;
    own.reserve(total);
    for (Entry& e : entries_) {
        const qsizetype start = own.size();
        own += QStringView(text_).mid(e.textStart, e.textLength);
        e.textStart = start;
    }
    text_ = own;
}

} // namespace varnik

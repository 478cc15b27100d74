#include "core/app/settingsini.h"

#include "core/app/hexdigit.h"

#include <algorithm>
#include <optional>

namespace varnik {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int hexValue(char c)
{
    return hexDigitValue(static_cast<uchar>(c));
}

bool isControl(uchar c)
{
    return c < 0x20 || c == 0x7F;
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void appendEscapedByte(QByteArray& out, uchar c)
{
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

QByteArray escapeName(const QString& name)
{
    static constexpr QByteArrayView special = "%\\=[];#\" ";
    QByteArray out;
    for (char c : name.toUtf8()) {
        if (isControl(static_cast<uchar>(c)) || special.contains(c))
            appendEscapedByte(out, static_cast<uchar>(c));
        else
            out += c;
    }
    return out;
}

QString unescapeName(QByteArrayView raw)
{
    QByteArray bytes;
    bytes.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '%' && i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 && hexValue(raw[i + 2]) >= 0) {
            bytes += static_cast<char>(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2]));
            i += 2;
        } else {
            bytes += raw[i];
        }
    }
    return QString::fromUtf8(bytes);
}

QByteArray formatValue(const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    bool quote =
        !utf8.isEmpty() && (isAsciiSpace(utf8.front()) || isAsciiSpace(utf8.back()) || utf8.front() == '"');
    for (char c : utf8)
        quote = quote || isControl(static_cast<uchar>(c));
    if (!quote)
        return utf8;
    QByteArray out = "\"";
    for (char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (isControl(static_cast<uchar>(c))) {
                out += "\\x";
                out += kHex[static_cast<uchar>(c) >> 4];
                out += kHex[static_cast<uchar>(c) & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

// A quoted value with its escapes; nothing when the quote is not closed or is followed
// by anything but a comment.
std::optional<QString> parseQuoted(QByteArrayView raw)
{
    QByteArray out;
    qsizetype i = 1;
    for (; i < raw.size() && raw[i] != '"'; ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char e = raw[++i];
        if (e == 'n') {
            out += '\n';
        } else if (e == 'r') {
            out += '\r';
        } else if (e == 't') {
            out += '\t';
        } else if (e == 'x' && i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 && hexValue(raw[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2]));
            i += 2;
        } else {
            out += e;
        }
    }
    if (i == raw.size())
        return std::nullopt;
    const QByteArrayView rest = raw.sliced(i + 1).trimmed();
    if (!rest.isEmpty() && rest[0] != ';' && rest[0] != '#')
        return std::nullopt;
    return QString::fromUtf8(out);
}

} // namespace

bool parseSettingsIni(QByteArrayView data, QMap<QString, QString>& values, QList<qsizetype>* skippedLines)
{
    bool clean = true;
    qsizetype lineNumber = 0;
    const auto skip = [&] {
        clean = false;
        if (skippedLines)
            skippedLines->append(lineNumber);
    };
    bool skipping = false; // inside a section whose header could not be read
    QString prefix;        // the section's key prefix, empty in [General]
    qsizetype pos = 0;
    while (pos <= data.size()) {
        qsizetype end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        const QByteArrayView line = data.sliced(pos, end - pos).trimmed();
        pos = end + 1;
        ++lineNumber;
        if (line.isEmpty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            const QByteArrayView raw = line.size() >= 2 && line.back() == ']'
                                           ? line.sliced(1, line.size() - 2).trimmed()
                                           : QByteArrayView();
            skipping = raw.isEmpty();
            if (skipping) {
                skip();
                continue;
            }
            prefix = raw.compare("General", Qt::CaseInsensitive) == 0 ? QString() : unescapeName(raw) + u'/';
            continue;
        }
        if (skipping) {
            skip();
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        const QByteArrayView rawKey = eq < 0 ? QByteArrayView() : line.first(eq).trimmed();
        if (rawKey.isEmpty()) {
            skip();
            continue;
        }
        const QByteArrayView rawValue = line.sliced(eq + 1).trimmed();
        const std::optional<QString> value = rawValue.startsWith('"')
                                                 ? parseQuoted(rawValue)
                                                 : std::optional<QString>(QString::fromUtf8(rawValue));
        if (!value) {
            skip();
            continue;
        }
        // Empty levels are dropped, as QSettings drops them from its keys.
        QStringList levels;
        for (QByteArrayView level : QByteArray::fromRawData(rawKey.data(), rawKey.size()).split('\\')) {
            if (!level.isEmpty())
                levels.append(unescapeName(level));
        }
        if (levels.isEmpty()) {
            skip();
            continue;
        }
        values.insert(prefix + levels.join(u'/'), *value);
    }
    return clean;
}

QString skippedLinesText(const QString& fileName, const QList<qsizetype>& lines, const QString& copyName)
{
    constexpr qsizetype shown = 8;
    QStringList numbers;
    for (qsizetype i = 0; i < std::min(shown, lines.size()); ++i)
        numbers.append(QString::number(lines[i]));
    QString which = numbers.join(QStringLiteral(", "));
    if (lines.size() > shown)
        which += QStringLiteral(", ... (%1 in all)").arg(lines.size());
    const bool one = lines.size() == 1;
    const QString text = QStringLiteral("Settings: %1 %2 of %3 could not be read and %4 skipped")
                             .arg(one ? QStringLiteral("line") : QStringLiteral("lines"), which, fileName,
                                  one ? QStringLiteral("was") : QStringLiteral("were"));
    return copyName.isEmpty()
               ? text + QStringLiteral("; the file is left as it is and settings are not saved")
               : text + QStringLiteral(" (the file is kept as %1)").arg(copyName);
}

QByteArray formatSettingsIni(const QMap<QString, QString>& values)
{
    QByteArray general;
    QMap<QByteArray, QByteArray> sections;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QStringList levels = it.key().split(u'/', Qt::SkipEmptyParts);
        if (levels.isEmpty())
            continue;
        // The first level names the section unless it is the only one.
        const qsizetype first = levels.size() == 1 ? 0 : 1;
        QByteArray line;
        for (qsizetype i = first; i < levels.size(); ++i) {
            if (i > first)
                line += '\\';
            line += escapeName(levels[i]);
        }
        line += '=';
        line += formatValue(it.value());
        line += '\n';
        if (levels.size() == 1) {
            general += line;
            continue;
        }
        QByteArray section = escapeName(levels[0]);
        if (section.compare("General", Qt::CaseInsensitive) == 0) {
            const uchar first = static_cast<uchar>(section[0]);
            section.remove(0, 1);
            QByteArray escaped;
            appendEscapedByte(escaped, first);
            section.prepend(escaped);
        }
        sections[section] += line;
    }
    QByteArray out;
    if (!general.isEmpty())
        out += "[General]\n" + general;
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        if (!out.isEmpty())
            out += '\n';
        out += '[' + it.key() + "]\n" + it.value();
    }
    return out;
}

} // namespace varnik

#include "core/search/gotoline.h"

#include "core/app/error.h"

#include <algorithm>
#include <limits>

namespace varnik {

std::optional<qint64> parseLineNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == n)
        return std::nullopt;
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        value = value > (max - digit) / 10 ? max : value * 10 + digit;
    }
    return negative ? -value : value;
}

QString invalidIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

GotoLineFieldState gotoLineFieldChanged(const QString& text)
{
    GotoLineFieldState state;
    if (text.isEmpty())
        return state;
    const std::optional<qint64> value = parseLineNumber(text);
    if (!value)
        state.error = invalidIntegerMessage(text);
    else
        state.okEnabled = *value >= 1;
    return state;
}

void gotoLineFieldLeft(QStringList& history, const QString& text)
{
    const std::optional<qint64> value = parseLineNumber(text);
    if (!value || *value < 1 || history.contains(text))
        return;
    auto before = [](const QString& a, const QString& b) {
        const qint64 x = parseLineNumber(a).value_or(0);
        const qint64 y = parseLineNumber(b).value_or(0);
        return x != y ? x < y : a < b;
    };
    history.insert(std::upper_bound(history.begin(), history.end(), text, before), text);
}

bool gotoLine(TextEdit& edit, const QString& text)
{
    const std::optional<qint64> value = parseLineNumber(text);
    if (!value)
        throw Error(invalidIntegerMessage(text));
    if (*value < 1)
        return false;
    const qsizetype line = std::min<qint64>(*value, edit.lineCount());
    edit.setCaret(edit.lineStart(line - 1));
    return true;
}

} // namespace varnik

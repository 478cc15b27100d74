#include "cli/applyoptions.h"

namespace varnik::cli {

namespace {

bool parsePosition(const QString& s, qsizetype& out)
{
    bool ok = false;
    const qlonglong v = s.toLongLong(&ok);
    if (!ok || v < 0)
        return false;
    out = static_cast<qsizetype>(v);
    return true;
}

bool splitPair(const QString& s, QPair<QString, QString>& out)
{
    const qsizetype eq = s.indexOf(u'=');
    if (eq <= 0)
        return false;
    out = {s.left(eq), s.mid(eq + 1)};
    return true;
}

} // namespace

std::optional<QString> parseApplyOptions(const QStringList& args, ApplyOptions& out)
{
    out = ApplyOptions{};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& v) {
            if (i + 1 >= args.size())
                return false;
            v = args[++i];
            return true;
        };
        QString v;
        if (a == u"--help" || a == u"-h") {
            out.help = true;
        } else if (a == u"--select") {
            if (!value(v))
                return QStringLiteral("--select needs START:LENGTH");
            const QStringList parts = v.split(u':');
            if (parts.size() != 2 || !parsePosition(parts[0], out.selectStart) ||
                !parsePosition(parts[1], out.selectLength))
                return QStringLiteral("--select needs START:LENGTH, not '%1'").arg(v);
            out.hasSelection = true;
        } else if (a == u"--caret") {
            if (!value(v) || !parsePosition(v, out.caret))
                return QStringLiteral("--caret needs a position");
        } else if (a == u"--set" || a == u"--field") {
            QPair<QString, QString> pair;
            if (!value(v) || !splitPair(v, pair))
                return QStringLiteral("%1 needs NAME=VALUE").arg(a);
            if (a == u"--set")
                out.settings.append(pair);
            else
                out.fields.insert(pair.first, pair.second);
        } else if (a == u"--clipboard") {
            if (!value(v))
                return QStringLiteral("--clipboard needs a text");
            out.clipboard = v;
        } else if (a == u"--now") {
            if (!value(v))
                return QStringLiteral("--now needs \"YYYY-MM-DD hh:mm:ss\"");
            QDateTime t = QDateTime::fromString(v, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!t.isValid())
                return QStringLiteral("--now needs \"YYYY-MM-DD hh:mm:ss\", not '%1'").arg(v);
            out.now = t;
        } else if (a == u"--report") {
            out.report = true;
        } else if (a.startsWith(u"--") && a.size() > 2) {
            return QStringLiteral("unknown option %1").arg(a);
        } else if (out.command.isEmpty() && !out.help) {
            out.command = a;
        } else if (out.file.isEmpty()) {
            out.file = a;
        } else {
            return QStringLiteral("unexpected argument %1").arg(a);
        }
    }
    if (out.command.isEmpty() && !out.help)
        return QStringLiteral("--apply needs a command");
    return std::nullopt;
}

} // namespace varnik::cli

#include "core/text/netlookup.h"

#include "core/text/applytoselection.h"
#include "core/text/ipconversions.h"
#include "core/text/lines.h"

namespace varnik {

namespace {

template <typename F> QString mapTrimmedLines(QStringView text, F&& f)
{
    QString out;
    forEachLine(text, [&](QStringView line, qsizetype) {
        const QStringView t = line.trimmed();
        if (t.isEmpty())
            out += line;
        else
            out += f(t.toString());
        out += u"\r\n";
    });
    return out;
}

} // namespace

QString hostsToIp(QStringView text, EngineEnvironment& env)
{
    return mapTrimmedLines(text, [&env](const QString& t) {
        env.showStatus(QStringLiteral("Resolving host ") + t + QStringLiteral(" ..."));
        const QStringList addresses = env.lookupHost(t.left(254), lookupTimeout);
        if (addresses.isEmpty()) {
            env.showStatus(QStringLiteral("Host unknown"));
            return QStringLiteral("host ") + t + QStringLiteral(" is unknown");
        }
        env.showStatus(QStringLiteral("Done."));
        return QStringLiteral("host ") + t + QStringLiteral(" has IP ") + addresses.last();
    });
}

QString ipsToHosts(QStringView text, EngineEnvironment& env)
{
    return mapTrimmedLines(text, [&env](const QString& t) {
        env.showStatus(QStringLiteral("Resolving IP ") + t + QStringLiteral(" ..."));
        quint32 address = 0;
        QString name;
        if (parseDottedIpv4(t, address))
            name = env.lookupAddress(address, lookupTimeout);
        if (name.isEmpty()) {
            env.showStatus(QStringLiteral("IP not resolved"));
            return t + QStringLiteral(" not resolved");
        }
        env.showStatus(QStringLiteral("Done."));
        return t + QStringLiteral(" is ") + name;
    });
}

namespace {

void replaceLines(TextEdit& edit, EngineEnvironment& env, QString (*convert)(QStringView, EngineEnvironment&))
{
    applyToSelection(edit, env, {EmptySelection::AtCaret, Collapse::Never, true},
                     [&](const QString& text) { return convert(text, env); });
}

} // namespace

void hostToIpCommand(TextEdit& edit, EngineEnvironment& environment)
{
    replaceLines(edit, environment, hostsToIp);
}

void resolveIpCommand(TextEdit& edit, EngineEnvironment& environment)
{
    replaceLines(edit, environment, ipsToHosts);
}

} // namespace varnik

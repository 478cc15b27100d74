#include "cli/cli.h"

#include "cli/applyrunner.h"
#include "core/commands/commandtable.h"

#include <cstdio>

namespace varnik::cli {

namespace {

const char* const kUsage = "Usage: varnik [FILE [-n]]\n"
                           "       varnik --version\n"
                           "       varnik --help\n"
                           "       varnik --list-commands\n"
                           "       varnik --apply COMMAND [options] [FILE]   (varnik --apply --help)\n";

void out(const QString& s)
{
    const QByteArray b = s.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
}

} // namespace

bool wantsHeadless(const QStringList& args)
{
    if (args.size() < 2)
        return false;
    const QString& a = args[1];
    return a == u"--version" || a == u"--help" || a == u"-h" || a == u"--list-commands" || a == u"--apply";
}

int run(const QStringList& args)
{
    const QString& a = args.value(1);
    if (a == u"--version") {
        out(QStringLiteral("varnik " VARNIK_VERSION "\n"));
        return 0;
    }
    if (a == u"--apply")
        return runApply(args.mid(2));
    if (a == u"--list-commands") {
        out(listCommandsText());
        return 0;
    }
    out(QString::fromLatin1(kUsage));
    return 0;
}

} // namespace varnik::cli

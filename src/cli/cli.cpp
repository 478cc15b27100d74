#include "cli/cli.h"

#include "cli/applyrunner.h"
#include "cli/standardoutput.h"
#include "core/app/error.h"
#include "core/commands/commandtable.h"

#include <cstdio>
#include <new>

namespace varnik::cli {

namespace {

const char* const kUsage = "Usage: varnik [FILE [-n]]\n"
                           "       varnik --version\n"
                           "       varnik --help\n"
                           "       varnik --list-commands\n"
                           "       varnik --apply COMMAND [options] [FILE]   (varnik --apply --help)\n";

void out(const QString& s)
{
    writeOutput(stdout, s.toUtf8());
}

int dispatch(const QStringList& args)
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
    try {
        const int status = dispatch(args);
        // A failed write was said where it happened; the rest may still be buffered.
        if (!std::ferror(stdout))
            flushOutput(stdout);
        return std::ferror(stdout) ? 1 : status;
    } catch (const Error& e) {
        writeMessage(QStringLiteral("Error: ") + errorBoxText(e.message()) + u'\n');
    } catch (const std::bad_alloc&) {
        writeMessage(QStringLiteral("Error: Out of memory\n"));
    }
    return 1;
}

} // namespace varnik::cli

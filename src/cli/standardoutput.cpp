#include "cli/standardoutput.h"

#include "core/app/documentfile.h"
#include "core/app/error.h"

#include <cerrno>
#include <cstring>

namespace varnik::cli {

namespace {

[[noreturn]] void throwOutputError(int error)
{
    throw Error(
        writeErrorMessage(QStringLiteral("standard output"), QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace

void writeOutput(std::FILE* out, QByteArrayView bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, static_cast<size_t>(bytes.size()), out) !=
        static_cast<size_t>(bytes.size()))
        throwOutputError(errno ? errno : EIO);
}

void flushOutput(std::FILE* out)
{
    errno = 0;
    if (std::fflush(out) != 0 || std::ferror(out))
        throwOutputError(errno ? errno : EIO);
}

void writeMessage(const QString& text)
{
    QString lines = text;
    const QByteArray bytes = lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace varnik::cli

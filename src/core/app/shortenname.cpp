#include "core/app/shortenname.h"

namespace varnik {

namespace {

bool isSeparator(QChar c) { return c == u'/' || c == u'\\'; }

} // namespace

QString shortenName(const QString& fileName, const QString& suffix)
{
    qsizetype lastSep = -1;
    for (qsizetype i = fileName.size() - 1; i >= 0; --i)
        if (isSeparator(fileName[i]) || (i == 1 && fileName[i] == u':')) {
            lastSep = i;
            break;
        }
    const qsizetype dirLength = lastSep + 1;
    if (dirLength < 32 && fileName.size() < 54)
        return fileName + u' ' + suffix;

    const QString bare = fileName.mid(lastSep + 1);
    // Windows paths keep their drive ("C:\...\x"); the rest use their own separator.
    const bool hasDrive = fileName.size() >= 2 && fileName[1] == u':' && fileName[0].isLetter();
    const QChar sep = hasDrive || (!fileName.isEmpty() && fileName[0] == u'\\') ? u'\\' : u'/';
    QString drive;
    if (hasDrive)
        drive = fileName.left(2);
    else if (fileName.startsWith(QStringLiteral("\\\\")))
        drive = fileName.left(fileName.indexOf(u'\\', fileName.indexOf(u'\\', 2) + 1)); // \\server\share
    return drive + sep + QStringLiteral("...") + sep + bare + u' ' + suffix;
}

QString windowTitleFor(const QString& fileName)
{
    return shortenName(fileName.isEmpty() ? QStringLiteral("Untitled") : fileName, QStringLiteral(" - Varnik"));
}

} // namespace varnik

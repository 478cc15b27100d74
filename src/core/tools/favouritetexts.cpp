#include "core/tools/favouritetexts.h"

#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/rtfreader.h"
#include "core/app/textedit.h"
#include "core/tools/tooltexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace varnik {

namespace {

// A line ends at CR LF, a lone CR or a lone LF (rich text keeps its own line
// ends); a last line without an ending counts.
QStringList linesOf(const QString& decoded)
{
    const QString text = toLfLineEnds(decoded);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

} // namespace

QString favouriteFileName(const QString& userName)
{
    QString safe = userName;
    for (QChar& c : safe)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < u' ' || c.unicode() == 0x7F)
            c = u'_';
    return QStringLiteral("favtxt_") + safe + QStringLiteral(".txt");
}

QString defaultFavouriteDirectory()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Varnik");
}

QStringList parseFavourites(QByteArrayView bytes, const std::shared_ptr<const CodePage>& legacy)
{
    LoadOptions options;
    options.codePage = legacy;
    return linesOf(decodeFileContents(bytes, options).text);
}

QByteArray serializeFavourites(const QStringList& texts)
{
    QString all;
    for (const QString& t : texts) {
        // A text cannot hold a line break in this format: its lines become entries.
        all += toCrLfLineEnds(toLfLineEnds(t));
        all += QStringLiteral("\r\n");
    }
    QByteArray bytes = all.toUtf8();
    // A first text that starts like a byte-order mark or a rich-text file
    // would be read back as one: a mark in front keeps it plain text.
    if (bytes.startsWith("\xEF\xBB\xBF") || RtfReader::isRtf(bytes))
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QStringList readFavouriteFile(const QString& path, const std::shared_ptr<const CodePage>& legacy)
{
    LoadOptions options;
    options.codePage = legacy;
    options.maxBytes = kMaxFavouriteFileSize;
    return linesOf(loadDocumentFile(path, options).text);
}

void writeFavouriteFile(const QString& path, const QStringList& texts)
{
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir))
        throw Error(QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(dir)));
    try {
        replaceFileContents(path, serializeFavourites(texts));
    } catch (const Error& e) {
        throw Error(QStringLiteral("Error writing file\r\n%1\r\n%2")
                        .arg(QDir::toNativeSeparators(path), e.message()));
    }
}

QString favouriteCandidate(const QString& selectedText)
{
    return trimBlanksAndControls(selectedText);
}

QString addFavouriteQuestion(const QString& candidate)
{
    return QStringLiteral("Add this to favorite texts ?\r\n") + candidate;
}

void insertFavourite(TextEdit& edit, const QString& text, bool selectStay)
{
    const qsizetype start = edit.selectionStart();
    const qsizetype before = edit.length();
    edit.setCaret(start);
    edit.replaceSelection(text);
    // Line breaks count as one position whatever the text holds.
    const qsizetype inserted = edit.length() - before;
    if (selectStay)
        edit.setSelection(start, inserted);
    else
        edit.setCaret(start + inserted);
}

} // namespace varnik

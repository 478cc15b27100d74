#include "core/text/fileimport.h"

#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/hugepages.h"
#include "core/text/bytesource.h"
#include "core/text/cconversion.h"
#include "core/text/hexconversion.h"
#include "core/text/pasconversion.h"
#include "core/text/unicodeconversion.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace varnik {

namespace {

// Characters a rendering may take: twice that in bytes of memory, and as
// much again in the edit control.
constexpr qint64 kMaxRenderedCharacters = qint64(512) << 20;

// Characters of the rendering per byte, rounded up.
qint64 charactersPerByte(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Hex:
        return 6; // 81 per 16 bytes
    case ImportKind::C:
        return 7; // "0xXX, " and the line breaks
    case ImportKind::Pascal:
        return 6;
    case ImportKind::Unicode:
        return 1;
    }
    return 7;
}

// The first line of a C or Pascal rendering.
QString declarationHeader(ImportKind kind, const QString& path, qint64 count, QStringView lineBreak)
{
    const QString name = importArrayName(path);
    return (kind == ImportKind::C
                ? QStringLiteral("unsigned char %1[%2] = {").arg(name).arg(count)
                : QStringLiteral("const %1: array[1..%2] of byte = (").arg(name).arg(count)) +
           lineBreak.toString();
}

} // namespace

std::unique_ptr<Conversion> makeConversion(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Hex:
        return std::make_unique<HexConversion>(true, true);
    case ImportKind::C:
        return std::make_unique<CConversion>();
    case ImportKind::Pascal:
        return std::make_unique<PasConversion>();
    case ImportKind::Unicode:
        return std::make_unique<UnicodeConversion>();
    }
    return nullptr;
}

qint64 importSizeLimit(ImportKind kind)
{
    return kMaxRenderedCharacters / charactersPerByte(kind);
}

QString importArrayName(const QString& path)
{
    const QString base = QFileInfo(path).fileName() + QStringLiteral("_binary");
    QString name;
    name.reserve(base.size());
    for (qsizetype i = 0; i < base.size(); ++i) {
        const char16_t c = base[i].unicode();
        if (c >= u'a' && c <= u'z')
            name += QChar(char16_t(c - u'a' + u'A'));
        else if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name += QChar(c);
        else if (!(QChar::isLowSurrogate(c) && i > 0 && QChar::isHighSurrogate(base[i - 1].unicode())))
            name += u'_'; // one for each character, a surrogate pair too
    }
    return name;
}

ImportResult convertDevice(QIODevice& device, qint64 size, ImportKind kind, const QString& path,
                           QStringView lineBreak)
{
    const std::unique_ptr<Conversion> conversion = makeConversion(kind);
    ByteSource in(device, size);
    const bool list = kind == ImportKind::C || kind == ImportKind::Pascal;
    const bool lfOnly = lineBreak == u"\n";
    const QString join = list ? QStringLiteral(", ") + lineBreak.toString() : QString();
    ImportResult result;
    // The chunks are written straight into the text, which grows ahead of them.
    QString& body = result.text;
    qsizetype len = 0;
    const auto room = [&body, &len](qsizetype n) {
        if (body.size() < len + n)
            body.resize(std::max(len + n, body.size() + body.size() / 2));
    };
    body.resize(std::min(size, importSizeLimit(kind)) * charactersPerByte(kind) + 128);
    const QString header = list ? declarationHeader(kind, path, size, lineBreak) : QString();
    std::copy(header.begin(), header.end(), body.data());
    len = header.size();
    constexpr qsizetype kChunk = 2048;
    bool first = true;
    for (;;) {
        room(join.size() + kChunk);
        QChar* at = body.data() + len;
        QChar* chunk = at + join.size();
        qsizetype n = conversion->convertChunk(in, chunk, kChunk);
        if (n == 0)
            break;
        if (lfOnly && kind == ImportKind::Hex && n >= 2 && chunk[n - 2] == u'\r') {
            chunk[n - 2] = u'\n';
            --n;
        }
        // The join goes before every chunk but the first.
        if (list && !first)
            std::copy(join.begin(), join.end(), at);
        else if (chunk != at)
            std::copy(chunk, chunk + n, at);
        len += (list && !first ? join.size() : 0) + n;
        first = false;
    }
    body.truncate(len);
    if (kind == ImportKind::Unicode && static_cast<UnicodeConversion&>(*conversion).endedWithOddByte())
        result.warning = QStringLiteral("The file ends with an odd byte, half a UTF-16 character; it was not "
                                        "imported.");
    if (list) {
        // A file that shrank while it was read is declared as it was read.
        if (in.pos() != size)
            body.replace(0, header.size(), declarationHeader(kind, path, in.pos(), lineBreak));
        body += (kind == ImportKind::C ? QStringLiteral("};") : QStringLiteral(");")) + lineBreak.toString();
    }
    return result;
}

ImportResult convertBytes(QByteArrayView bytes, ImportKind kind, const QString& path, QStringView lineBreak)
{
    QByteArray copy = bytes.toByteArray();
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    return convertDevice(device, copy.size(), kind, path, lineBreak);
}

ImportResult importFile(const QString& path, ImportKind kind, QStringView lineBreak)
{
    QFile file;
    openRegularFile(file, path);
    const qint64 size = file.size();
    const qint64 limit = importSizeLimit(kind);
    if (size > limit)
        throw Error(
            readErrorMessage(path, QStringLiteral("The file is too large to import (%1 bytes; the limit "
                                                  "is %2 bytes)")
                                       .arg(size)
                                       .arg(limit)));
    try {
        return convertDevice(file, size, kind, path, lineBreak);
    } catch (const Error& e) {
        throw Error(readErrorMessage(path, e.message()));
    }
}

} // namespace varnik

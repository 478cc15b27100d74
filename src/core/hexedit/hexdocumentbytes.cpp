#include "core/hexedit/hexdocumentbytes.h"

#include "core/app/error.h"
#include "core/app/hugepages.h"
#include "core/app/textcodec.h"

namespace varnik {

namespace {

// CR LF and lone CR become LF; the byte values are the same in every code page used here.
QByteArray lfLineEnds(const QByteArray& bytes)
{
    if (!bytes.contains('\r'))
        return bytes;
    QByteArray out(bytes.size(), Qt::Uninitialized);
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    char* o = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != '\r') {
            *o++ = p[i];
            continue;
        }
        *o++ = '\n';
        if (i + 1 < n && p[i + 1] == '\n')
            ++i;
    }
    out.truncate(o - out.constData());
    return out;
}

} // namespace

QByteArray hexBytesOfDocument(QByteArrayView utf8, const DocumentEncoding& encoding)
{
    if (encoding.isUtf8()) {
        QByteArray out(utf8.size(), Qt::Uninitialized);
        preferHugePages(out.data(), out.size());
        memcpy(out.data(), utf8.data(), size_t(utf8.size()));
        return out;
    }
    const QString text = QString::fromUtf8(utf8);
    const CodePage& page = *encoding.codePage();
    const qsizetype bad = page.firstUnencodable(text);
    if (bad >= 0)
        throw Error(unencodableMessage(text, bad, encoding));
    QByteArray out(text.size(), Qt::Uninitialized);
    char* o = out.data();
    for (QChar c : text)
        *o++ = char(page.fromUnicode(c));
    return out;
}

HexHandBack hexHandBack(const QByteArray& original, const QByteArray& edited,
                        const DocumentEncoding& encoding, const std::shared_ptr<const CodePage>& legacy)
{
    HexHandBack back;
    back.encoding = encoding;
    if (edited == original)
        return back;
    back.changed = true;
    const QByteArray bytes = lfLineEnds(edited);
    if (encoding.isUtf8() && QByteArrayView(bytes).isValidUtf8()) {
        back.utf8 = bytes;
        return back;
    }
    std::shared_ptr<const CodePage> page = encoding.codePage();
    if (!page) {
        page = legacy ? legacy : CodePage::windows1250();
        back.encoding = DocumentEncoding::legacy(page);
        back.encodingSwitched = true;
    }
    back.utf8 = page->decode(bytes).toUtf8();
    return back;
}

QString hexEncodingSwitchNote(const DocumentEncoding& encoding)
{
    return QStringLiteral("The edited bytes are not valid UTF-8: the document is now %1")
        .arg(encoding.name());
}

} // namespace varnik

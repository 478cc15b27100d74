#include "core/hexedit/hextranslation.h"

#include "core/app/error.h"
#include "core/app/hugepages.h"

#include <QHash>

namespace varnik {

namespace {

std::shared_ptr<const CodePage> pageOrNull(const QString& name)
{
    try {
        return CodePage::forName(name);
    } catch (const Error&) {
        return nullptr;
    }
}

// Characters the code page only keeps so that an undefined byte round-trips.
bool isPlaceholder(char16_t c)
{
    return c >= 0xF700 && c < 0xF800;
}

} // namespace

QString HexTranslation::oemCodePageName(const QString& ansiName)
{
    static const QHash<QString, QString> oem{
        {QStringLiteral("windows-1250"), QStringLiteral("IBM852")},
        {QStringLiteral("windows-1251"), QStringLiteral("IBM866")},
        {QStringLiteral("windows-1252"), QStringLiteral("IBM850")},
        {QStringLiteral("windows-1253"), QStringLiteral("IBM737")},
        {QStringLiteral("windows-1254"), QStringLiteral("IBM857")},
        {QStringLiteral("windows-1255"), QStringLiteral("IBM862")},
        {QStringLiteral("windows-1256"), QStringLiteral("IBM720")},
        {QStringLiteral("windows-1257"), QStringLiteral("IBM775")},
        {QStringLiteral("iso-8859-2"), QStringLiteral("IBM852")},
        {QStringLiteral("iso-8859-1"), QStringLiteral("IBM850")},
        {QStringLiteral("iso-8859-5"), QStringLiteral("IBM866")},
    };
    QString key = ansiName.trimmed().toLower();
    if (key.startsWith(u"cp125"))
        key = QStringLiteral("windows-") + key.mid(2);
    return oem.value(key, QStringLiteral("IBM437"));
}

HexTranslation::HexTranslation(std::shared_ptr<const CodePage> ansi, TranslationType type) : type_(type)
{
    if (!ansi)
        ansi = CodePage::windows1250();
    oem_ = pageOrNull(oemCodePageName(ansi->name()));
    if (!oem_)
        oem_ = pageOrNull(QStringLiteral("IBM437"));
    switch (type) {
    case TranslationType::Ansi:
        set_ = ansi;
        break;
    case TranslationType::Dos8:
    case TranslationType::Ascii:
        set_ = oem_;
        break;
    case TranslationType::Mac:
        set_ = pageOrNull(QStringLiteral("macintosh"));
        break;
    case TranslationType::Ebcdic:
        set_ = pageOrNull(QStringLiteral("IBM037"));
        break;
    }
    if (!set_)
        set_ = ansi; // a build without the converter shows the bytes as they are

    for (int b = 0; b < 256; ++b) {
        char16_t c = set_->toUnicode(quint8(b)).unicode();
        if (isPlaceholder(c) || (type == TranslationType::Ascii && b >= 128))
            c = 0;
        shown_[size_t(b)] = c;
    }
    const quint8 missing = type == TranslationType::Ebcdic ? 0 : quint8('?');
    for (int b = 0; b < 256; ++b) {
        if (type == TranslationType::Ansi) {
            fromAnsi_[size_t(b)] = quint8(b);
            continue;
        }
        const char16_t c = ansi->toUnicode(quint8(b)).unicode();
        const int mapped = isPlaceholder(c) ? -1 : set_->fromUnicode(QChar(c));
        fromAnsi_[size_t(b)] = mapped >= 0 ? quint8(mapped) : missing;
    }
}

int HexTranslation::typedByte(QChar c) const
{
    if (c.unicode() < 32)
        return -1;
    switch (type_) {
    case TranslationType::Ascii:
        if (c.unicode() >= 128)
            return -1;
        break;
    case TranslationType::Mac:
        if (c.unicode() < 128)
            return c.unicode();
        break;
    default:
        break;
    }
    const int byte = set_->fromUnicode(c);
    // Zero is the EBCDIC table's "no byte".
    if (byte <= 0 || !shown_[size_t(byte)])
        return -1;
    return byte;
}

int HexTranslation::oemByte(QChar c) const
{
    if (!oem_)
        return -1;
    return oem_->fromUnicode(c);
}

QChar HexTranslation::shown(quint8 byte, QChar maskChar, bool maskWhiteSpaces) const
{
    const char16_t c = shown_[byte];
    if (c == 0 && byte != 0)
        return maskChar;
    // C1 controls have no glyph either.
    if (c >= 0x7F && c < 0xA0)
        return maskChar;
    if (maskWhiteSpaces && c < 32)
        return maskChar;
    if (type_ == TranslationType::Ebcdic && c < 32)
        return maskChar;
    return QChar(c);
}

QByteArray HexTranslation::fromAnsi(const QByteArray& ansi) const
{
    if (type_ == TranslationType::Ansi)
        return ansi;
    QByteArray out(ansi.size(), Qt::Uninitialized);
    preferHugePages(out.data(), out.size());
    const auto* in = reinterpret_cast<const quint8*>(ansi.constData());
    auto* to = reinterpret_cast<quint8*>(out.data());
    for (qsizetype i = 0; i < ansi.size(); ++i)
        to[i] = fromAnsi_[in[i]];
    return out;
}

} // namespace varnik

#pragma once

#include "core/app/codepage.h"

#include <QByteArray>
#include <QChar>

#include <array>
#include <memory>

namespace varnik {

// The character set of the bytes shown and typed in the character area.
enum class TranslationType { Ansi, Dos8, Ascii, Mac, Ebcdic };

// Translation between the document's legacy code page ("ANSI") and the byte
// set of a TranslationType: Dos8 and Ascii use the OEM code page that belongs
// to the legacy one, Mac the Macintosh Roman code page, Ebcdic code page 037.
class HexTranslation {
public:
    HexTranslation(std::shared_ptr<const CodePage> ansi, TranslationType type);

    TranslationType type() const { return type_; }
    // The OEM code page that goes with a legacy one (IBM852 for windows-1250).
    static QString oemCodePageName(const QString& ansiName);

    // The byte a typed character becomes, or -1 when it is refused.
    int typedByte(QChar c) const;
    // The byte a character typed with Alt becomes (its OEM code, whatever the
    // translation), or -1 when the OEM code page has no such character.
    int oemByte(QChar c) const;
    // The character shown for a byte, before masking; null when the set has
    // no character for it.
    QChar shown(quint8 byte) const { return QChar(shown_[byte]); }
    // The character shown for a byte after masking: unshowable bytes, and with
    // `maskWhiteSpaces` every character below 32, become `maskChar`.
    QChar shown(quint8 byte, QChar maskChar, bool maskWhiteSpaces) const;

    // A whole buffer of legacy bytes in this byte set; nothing is refused
    // (a byte without a counterpart becomes "?", in EBCDIC 0).
    QByteArray fromAnsi(const QByteArray& ansi) const;
    quint8 fromAnsi(quint8 byte) const { return fromAnsi_[byte]; }

private:
    TranslationType type_;
    std::shared_ptr<const CodePage> set_; // the byte set's own code page
    std::shared_ptr<const CodePage> oem_;
    std::array<char16_t, 256> shown_{};
    std::array<quint8, 256> fromAnsi_{};
};

} // namespace varnik

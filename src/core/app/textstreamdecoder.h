#pragma once

#include "core/app/codepage.h"
#include "core/app/documentencoding.h"
#include "core/app/lineends.h"

#include <QByteArray>

#include <array>
#include <memory>

namespace varnik {

// Turns a plain-text file's bytes, given piece by piece as they are read,
// into the document's text as UTF-8 with LF line breaks: the form the edit
// control holds, so a UTF-8 file reaches it without a detour through UTF-16.
// Pieces may end anywhere (inside a character or a CR LF pair). The result is
// the UTF-8 of what decodeDocument yields for the whole file.
class TextStreamDecoder {
public:
    enum class Mode {
        Utf8,  // validates; a leading byte-order mark is remembered, not kept
        Legacy // every byte is one character of the code page
    };

    // `page` is used in Legacy mode; null: windows-1250.
    TextStreamDecoder(Mode mode, std::shared_ptr<const CodePage> page = nullptr);

    // Appends the text of the next piece to `out`. False, with `out` as it was,
    // when the bytes are not well-formed UTF-8 (Utf8 mode only): the file is
    // then to be decoded again from its start in Legacy mode.
    bool decode(QByteArrayView piece, QByteArray& out);
    // The file ended: flushes a pending CR; false when it ends inside a UTF-8 sequence.
    bool finish(QByteArray& out);

    // Valid once the whole file went through.
    DocumentEncoding encoding() const;
    const LineEndCounts& lineEnds() const { return lineEnds_; }

    // The exact text size in bytes of a file read in Legacy mode, counted piece
    // by piece (so that the receiver can reserve room once).
    class LegacySize {
    public:
        explicit LegacySize(const CodePage& page);
        void add(QByteArrayView piece);
        qint64 bytes() const { return bytes_; }

    private:
        std::array<unsigned char, 256> length_{};
        qint64 bytes_ = 0;
        bool lastWasCr_ = false;
    };

private:
    char* decodeUtf8(const unsigned char* p, const unsigned char* end, char* o);
    char* decodeLegacy(const unsigned char* p, const unsigned char* end, char* o);
    char* lineBreak(const unsigned char*& p, const unsigned char* end, char* o);

    Mode mode_;
    std::shared_ptr<const CodePage> page_;
    // UTF-8 of each byte in Legacy mode: length, then up to three bytes.
    std::array<std::array<char, 4>, 256> legacy_{};
    LineEndCounts lineEnds_;
    bool started_ = false; // the byte-order mark question is settled
    bool bom_ = false;
    bool pendingCr_ = false;   // a piece ended with CR: its LF may follow
    unsigned char carry_[4]{}; // the start of a character cut by a piece's end
    int carried_ = 0;
};

} // namespace varnik

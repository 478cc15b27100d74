#include "core/text/cnvtable.h"

#include "core/app/codepage.h"
#include "core/app/documentfile.h"
#include "core/app/error.h"
#include "core/app/hexdigit.h"

#include <QFile>

namespace varnik {

// Reads a table piece by piece, so a huge or binary file costs no memory:
// only the title's first characters and each line's first five are kept.
class CnvTableParser {
public:
    // False once the file is known to be unreadable; feeding can stop then.
    bool feed(QByteArrayView bytes)
    {
        for (const char c : bytes) {
            if (failed_)
                return false;
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\r' || c == '\n') {
                afterCr_ = c == '\r';
                endLine();
                continue;
            }
            if (line_.size() < (lineNumber_ == 0 ? CnvTable::kMaxTitle : 5))
                line_.append(c);
            ++lineLength_;
        }
        return !failed_;
    }

    CnvTable finish()
    {
        if (lineLength_ > 0)
            endLine();
        if (failed_ || table_.isEmpty())
            return {};
        return std::move(table_);
    }

private:
    // Two hex digits; a pair with anything else reads as 0.
    static unsigned char hexPair(char high, char low)
    {
        const int h = hexDigitValue(static_cast<unsigned char>(high));
        const int l = hexDigitValue(static_cast<unsigned char>(low));
        return h < 0 || l < 0 ? 0 : static_cast<unsigned char>(h * 16 + l);
    }

    void endLine()
    {
        if (lineNumber_ == 0) {
            table_.title_ = line_;
            failed_ = line_.isEmpty();
        } else if (lineLength_ < 5) {
            // An empty line, or one too short to hold both codes.
            failed_ = true;
        } else if (table_.sources_.size() < CnvTable::kMaxMappings) {
            table_.addMapping(hexPair(line_[0], line_[1]), hexPair(line_[3], line_[4]));
        }
        ++lineNumber_;
        line_.clear();
        lineLength_ = 0;
    }

    CnvTable table_;
    QByteArray line_;
    qint64 lineLength_ = 0;
    qint64 lineNumber_ = 0;
    bool afterCr_ = false;
    bool failed_ = false;
};

void CnvTable::addMapping(unsigned char source, unsigned char target)
{
    sources_.append(static_cast<char>(source));
    targets_.append(static_cast<char>(target));
    if (map_[source] < 0)
        map_[source] = target;
}

CnvTable CnvTable::parse(QByteArrayView bytes)
{
    CnvTableParser parser;
    parser.feed(bytes);
    return parser.finish();
}

CnvTable CnvTable::load(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFile file;
    try {
        openRegularFile(file, path);
    } catch (const Error&) {
        return {};
    }
    CnvTableParser parser;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0)
            return {};
        if (n == 0 || !parser.feed(QByteArrayView(chunk.constData(), n)))
            break;
    }
    return parser.finish();
}

QString CnvTable::convert(QStringView text, const CodePage& sourcePage, const CodePage& targetPage) const
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const QChar c : text) {
        const int byte = sourcePage.fromUnicode(c);
        const int target = byte < 0 ? -1 : map_[static_cast<unsigned char>(byte)];
        *dst++ = target < 0 ? c : targetPage.toUnicode(static_cast<unsigned char>(target));
    }
    return out;
}

} // namespace varnik

#include "core/text/charcodes.h"

#include "core/app/error.h"
#include "core/text/integertext.h"
#include "core/text/numberruns.h"

namespace varnik {

QString codesToChars(QStringView text, const TextEncoding& encoding)
{
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return convertRuns(text, isDigit, [&encoding](QStringView run) {
        qint32 value = 0;
        if (!tryParseInteger(run, value))
            return run.toString();
        const uchar byte = static_cast<uchar>(value & 0xFF);
        if (encoding.isUtf8() && byte >= 0x80)
            throw Error(QStringLiteral("Code %1 is not a character in UTF-8").arg(byte));
        return QString(encoding.charForByte(byte));
    });
}

QString charsToCodes(QStringView text, const TextEncoding& encoding)
{
    const QByteArray bytes = encoding.encode(text);
    QString out;
    out.reserve(bytes.size() * 4);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out.append(u',');
        const uchar b = static_cast<uchar>(bytes[i]);
        if (b >= 100)
            out.append(QChar(u'0' + b / 100));
        if (b >= 10)
            out.append(QChar(u'0' + b / 10 % 10));
        out.append(QChar(u'0' + b % 10));
    }
    return out;
}

} // namespace varnik

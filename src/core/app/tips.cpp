#include "core/app/tips.h"

#include <QFile>

namespace varnik {

namespace {

constexpr qsizetype kMaxBytes = 1024 * 1024;
constexpr qsizetype kMaxTipLength = 2000;

} // namespace

QStringList parseTips(QByteArrayView data)
{
    data = data.first(std::min(data.size(), kMaxBytes));
    QStringList tips;
    qsizetype pos = 0;
    while (pos < data.size()) {
        qsizetype end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        QByteArrayView line = data.sliced(pos, end - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        tips << QString::fromUtf8(line).left(kMaxTipLength);
        pos = end + 1;
    }
    return tips;
}

std::optional<QStringList> readTipsFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return parseTips(file.read(kMaxBytes));
}

} // namespace varnik

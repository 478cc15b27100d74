#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace varnik {

// The tips file: plain UTF-8 text, one tip per line (empty lines are tips too).
inline constexpr QStringView kTipsFileName = u"tips.txt";
inline constexpr QStringView kNoTips = u"No tips available !";

// The lines of the data as tips; a final line break ends the last tip rather than starting one.
// Only the first megabyte counts and a tip is cut at 2000 characters: a tip is a sentence or two,
// and a window cannot lay out more.
QStringList parseTips(QByteArrayView data);

// nullopt, with the system's reason in `error`, when the file cannot be read.
std::optional<QStringList> readTipsFile(const QString& path, QString* error = nullptr);

} // namespace varnik

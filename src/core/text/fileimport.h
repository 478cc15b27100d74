#pragma once

#include "core/text/conversion.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

class QIODevice;

namespace varnik {

// The renderings a file can be imported as.
enum class ImportKind { Hex = 0, C = 1, Pascal = 2, Unicode = 3 };

struct ImportResult {
    QString text;
    QString warning; // something the user should know; the text is still good
};

// The converter of a kind (the dump with both its columns on).
std::unique_ptr<Conversion> makeConversion(ImportKind kind);

// The largest file a kind imports: its rendering must fit in memory as text.
qint64 importSizeLimit(ImportKind kind);

// The array name of a C or Pascal rendering: the file's name without its
// directory, "_binary" after it, upper-cased, with every character other
// than "0"-"9" and "A"-"Z" made "_" ("my file.bin" gives "MY_FILE_BIN_BINARY").
QString importArrayName(const QString& path);

// Renders the first `size` bytes of `device` as `kind` (the C and Pascal
// declarations name the array after `path`), its lines ended by `lineBreak`
// (an edit control, which keeps LF, is spared converting CR LF). Throws
// Error with the reason when the bytes cannot be read or converted.
ImportResult convertDevice(QIODevice& device, qint64 size, ImportKind kind, const QString& path,
                           QStringView lineBreak = u"\r\n");
// The same for bytes in memory.
ImportResult convertBytes(QByteArrayView bytes, ImportKind kind, const QString& path,
                          QStringView lineBreak = u"\r\n");

// Reads a file and renders it, piece by piece. Throws Error("Error reading
// file" CR LF name CR LF reason) when it is not a regular file, cannot be
// read, is too large or cannot be converted.
ImportResult importFile(const QString& path, ImportKind kind, QStringView lineBreak = u"\r\n");

} // namespace varnik

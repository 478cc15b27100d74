#pragma once

#include "core/app/codepage.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace varnik {

class TextEdit;

// Favourite-text files hold one text per line. They are written as UTF-8 with
// CR LF after every line; reading takes what Open takes (UTF-8, or the legacy
// code page for older 8-bit files) and ends a line at CR LF, a lone CR or a
// lone LF, a last line without an ending included.

// Favourite files larger than this are refused.
constexpr qint64 kMaxFavouriteFileSize = qint64(64) << 20;

// "favtxt_" + user name + ".txt"; characters that would leave the directory
// ("/", "\", ":" and control characters) become "_".
QString favouriteFileName(const QString& userName);
// The per-user data directory the favourites live in (~/.local/share/Varnik).
QString defaultFavouriteDirectory();

QStringList parseFavourites(QByteArrayView bytes, const std::shared_ptr<const CodePage>& legacy);
QByteArray serializeFavourites(const QStringList& texts);

// Throws Error (with the file's name and the reason) when the file cannot be
// read: missing, unreadable, a directory or device, too large.
QStringList readFavouriteFile(const QString& path, const std::shared_ptr<const CodePage>& legacy);
// Replaces the file as a whole: a failure or crash on the way leaves the old
// one. Creates the directory when missing. Throws Error.
void writeFavouriteFile(const QString& path, const QStringList& texts);

// The text "Get text from selection" offers for a selection; empty: nothing to add.
QString favouriteCandidate(const QString& selectedText);
// The question it asks first.
QString addFavouriteQuestion(const QString& candidate);

// Inserts a chosen text at the start of the selection (the selection itself
// stays in the document). The caret ends right after the inserted text; with
// `selectStay` the inserted text stays selected.
void insertFavourite(TextEdit& edit, const QString& text, bool selectStay);

} // namespace varnik

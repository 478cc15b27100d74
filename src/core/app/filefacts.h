#pragma once

#include <QDateTime>
#include <QString>

namespace varnik {

class TextEdit;

// What the file information shows of a file on disk.
struct FileFacts {
    bool found = false;
    qint64 size = 0;
    // Invalid when the file system does not record that time.
    QDateTime created;
    QDateTime modified;
    QDateTime accessed;
};

FileFacts readFileFacts(const QString& fileName);

// The text of the File info message: for a titled document (non-empty
// fileName) its name, size and times in UTC, then the line and character
// counts; "???" stands for what cannot be read.
QString fileInfoText(const QString& fileName, const FileFacts& facts, qsizetype lines, qsizetype characters);

// The character count the file information shows: each line break counts as two.
qsizetype fileInfoCharacterCount(const TextEdit& edit);

} // namespace varnik

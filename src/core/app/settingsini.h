#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QString>

namespace varnik {

// The text form of the settings file: a flat map from keys whose levels are separated
// by "/" ("files/home/u/c.txt/Left") to text values, written as UTF-8 INI:
//
//   [General]                  keys without a "/"
//   AutoSave=0
//   [files]                    the first level of longer keys is the section
//   home\u\a%20b\c.txt\Left=0  the remaining levels joined with "\"
//
// In section and key names "%", "\", "=", "[", "]", ";", "#", '"', blanks and control
// characters are written as %XX (the UTF-8 bytes in hexadecimal); a section that would
// read as "General" has its first letter escaped. Values are written as they are, or
// in double quotes with \\, \", \n, \r, \t and \xHH escapes when they have blanks at
// either end, begin with a quote or hold control characters. A value not in quotes is
// read literally up to the end of its line, so a hand-written C:\dir stays C:\dir.
// Lines starting with ";" or "#" are comments.

// Fills the map with every entry that can be read. False when some line could not be
// read (it is skipped) - the file was damaged or written by hand. The numbers (from 1)
// of the skipped lines go to skippedLines when given; the lines of a section whose
// header cannot be read are skipped with it.
bool parseSettingsIni(QByteArrayView data, QMap<QString, QString>& values,
                      QList<qsizetype>* skippedLines = nullptr);

// The status-bar line for a settings file with lines that could not be read; copyName
// is the copy kept of it, empty when none could be made (the file is then not saved).
QString skippedLinesText(const QString& fileName, const QList<qsizetype>& lines, const QString& copyName);

QByteArray formatSettingsIni(const QMap<QString, QString>& values);

} // namespace varnik

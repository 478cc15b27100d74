#pragma once

#include <QString>
#include <QStringList>

namespace varnik::FileTexts {

// Open and save dialogs.
inline constexpr QStringView kDefaultExtension = u"txt";
inline constexpr QStringView kDialogFilter =
    u"Text files (*.txt, *.wri)|*.txt;*.wri|RTF files (*.rtf)|*.rtf|System files (*.ini, *.bat, *.cmd, "
    u"*.inf, "
    u"*.log)|*.ini;*.bat;*.cmd;*.inf;*.log|Other files (*.doc, *.dat, *.nfo, *.asc, *.diz, "
    u"*.ion)|*.doc;*.dat;*.nfo;*.asc;*.diz;*.ion|Delphi/Pascal files (*.pas, *.dpr)|*.pas;*.dpr|C/C++ files "
    u"(*.c, *.h, *.cpp)|*.c;*.h;*.cpp|Programmer's (*.asp, *.sql, *.bas, *.vbs, "
    u"*.js)|*.asp;*.sql;*.bas;*.vbs;*.js|HTML files (*.htm, *.html, *.shtml, "
    u"*.phtml)|*.htm;*.html;*.shtml;*.phtml|PHP files (*.php, *.php3, *.php4)|*.php;*.php3;*.php4|All Files "
    u"(*.*)|*.*";
inline constexpr QStringView kOpenTitle = u"Varnik - Open file...";
inline constexpr QStringView kSaveAsTitle = u"Varnik - Save as";
inline constexpr QStringView kInsertFileTitle = u"Varnik - Insert text file at cursor";
inline constexpr QStringView kWriteBlockTitle = u"Varnik - Write block of text to file";

// Questions.
inline constexpr QStringView kFileChanged = u"File has changed !\r\n";
inline constexpr QStringView kSaveBeforeOpening = u"Do you want to save changes before opening another file?";
inline constexpr QStringView kOpenDroppedAnyway = u"Data changed and not saved. Open another file anyway?";
inline constexpr QStringView kNewAnyway =
    u"Without saving you will lose current changes...\r\nContinue anyway?";
inline constexpr QStringView kReloadAnyway = u"Data changed and not saved. Reload file anyway?";

// Status bar texts.
inline constexpr QStringView kStatusOpening = u"Opening file...";
inline constexpr QStringView kStatusWait = u"Wait...";
inline constexpr QStringView kStatusOk = u"OK";
inline constexpr QStringView kStatusAutosaving = u"Autosave in progress...";
inline constexpr QStringView kStatusAutosavedUntitled = u"Autosaved: "; // followed by the copy's path
inline constexpr QStringView kStatusAutosaved = u"Autosaved...";

// The empty recent-file menu's item.
inline constexpr QStringView kNoRecentFiles = u"{none}";

// The dialog filter ("description|patterns|...") as file dialog name filters
// ("Text files (*.txt *.wri)"). "*.*" means every file, with or without a dot.
QStringList nameFilters(QStringView filter = kDialogFilter);

} // namespace varnik::FileTexts

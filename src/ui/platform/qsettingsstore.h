#pragma once

#include "core/app/settingsstore.h"

#include <QSettings>

#include <memory>

namespace varnik {

// The settings store on the platform's own settings facility: on Windows the registry
// key HKEY_CURRENT_USER\Software\Varnik, elsewhere the INI file Varnik/Varnik.conf in
// the user's configuration directory (its text form is in core/app/settingsini.h).
//
// Only keys under software\Varnik are held; that key is the file's (or registry key's)
// root. Each further key level becomes one QSettings group and each value one QSettings
// key, so software\Varnik\files\home\u\c.txt\Left is the QSettings key
// "files/home/u/c.txt/Left" (in the file: section [files], key home\u\c.txt\Left).
// Levels and value names are escaped first, so that any text survives: "%" becomes
// "%25", "/" "%2F", "\" "%5C", and an empty level a lone "%".
//
// Value names are matched without regard to case on top of QSettings. A value that is
// not a string (a registry number or list) reads as missing. Writes reach the disk on
// flush(), through a temporary file that replaces the old one only once it is complete,
// so a write that fails leaves the previous file as it was (seen only in status()).
class QSettingsStore : public SettingsStore {
public:
    // The platform's place for the program's settings.
    QSettingsStore();
    // An INI file at the given path.
    explicit QSettingsStore(const QString& iniFilePath);
    ~QSettingsStore() override;

    // $XDG_CONFIG_HOME/Varnik/Varnik.conf, or ~/.config/Varnik/Varnik.conf when that
    // variable is unset or not an absolute path.
    static QString defaultIniFilePath();

    std::optional<QString> readValue(const SettingsKey& key, const QString& name) const override;
    void writeValue(const SettingsKey& key, const QString& name, const QString& text) override;
    void deleteValue(const SettingsKey& key, const QString& name) override;
    void deleteKey(const SettingsKey& key) override;
    QStringList subkeys(const SettingsKey& key) const override;
    QStringList valueNames(const SettingsKey& key) const override;
    void flush() override;
    QString readProblem() const override;
    QString saveProblem() const override;

    // The first problem met since the store was opened: AccessError when the file could
    // not be read or written, FormatError when it was damaged.
    QSettings::Status status() const;
    // The file path or registry key.
    QString location() const;

    static QString escapeLevel(const QString& level);
    static QString unescapeLevel(const QString& escaped);

private:
    // The QSettings group of a key, or nothing for a key outside software\Varnik.
    static std::optional<QString> groupOf(const SettingsKey& key);
    // The stored spellings of the value names in a group that match the name.
    QStringList storedNames(const QString& group, const QString& name) const;
    // Notes the lines of the INI file that cannot be read, keeping a copy of it.
    void checkIniFile(const QString& path);

    std::unique_ptr<QSettings> settings_;
    QString readProblem_;
    bool saveFailed_ = false;
};

} // namespace varnik

#pragma once

#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

namespace varnik {

// A key of the settings store, one entry per nesting level, the way the registry
// nests keys: "software\Varnik\files\C:\a.txt" is {software, Varnik, files, C:, a.txt}.
// Levels may hold any character, "\" and "/" included; the store escapes what it must.
class SettingsKey {
public:
    SettingsKey() = default;
    explicit SettingsKey(QStringList levels);

    // Splits a registry-style path at backslashes; empty levels are dropped.
    static SettingsKey parse(QStringView path);

    const QStringList& levels() const { return levels_; }
    bool isEmpty() const { return levels_.isEmpty(); }
    SettingsKey child(const QString& level) const;
    SettingsKey operator/(const QString& level) const { return child(level); }
    // Level-by-level comparison; exact unless told otherwise.
    bool startsWith(const SettingsKey& prefix, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // The levels joined with "\" for messages and test output.
    QString toString() const;

    friend bool operator==(const SettingsKey&, const SettingsKey&) = default;

private:
    QStringList levels_;
};

void PrintTo(const SettingsKey& key, std::ostream* os);

// The registry stand-in: a tree of keys holding named string values. Value names are
// matched without regard to letter case (reading "ToolbarButtons" finds a value written
// as "ToolBarButtons"); key levels are matched exactly, since file names on most
// systems differ by case. Nothing here throws: a store that cannot be read looks empty
// and a write that fails is dropped.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The value's text; nothing when the key or the value is missing or the value is
    // not a string.
    virtual std::optional<QString> readValue(const SettingsKey& key, const QString& name) const = 0;
    // Creates the key and its parents when missing. An existing value whose name
    // differs only by case is replaced and keeps its spelling.
    virtual void writeValue(const SettingsKey& key, const QString& name, const QString& text) = 0;
    virtual void deleteValue(const SettingsKey& key, const QString& name) = 0;
    // Removes the key with every subkey and value below it; a missing key is no error.
    virtual void deleteKey(const SettingsKey& key) = 0;
    virtual QStringList subkeys(const SettingsKey& key) const = 0;
    virtual QStringList valueNames(const SettingsKey& key) const = 0;
    // Makes the writes so far durable. Called once after a batch of writes.
    virtual void flush() {}
    // A line for the status bar when the store could not be read whole; empty otherwise.
    virtual QString readProblem() const { return {}; }
    // A message when the last flush() could not save the writes; empty otherwise.
    virtual QString saveProblem() const { return {}; }
};

// The keys the program uses.
SettingsKey varnikKey();   // software\Varnik: settings, recent files, tray flag
SettingsKey filesKey();    // software\Varnik\files: per-file information
SettingsKey sessionsKey(); // software\Varnik\sessions: open files of a session

} // namespace varnik

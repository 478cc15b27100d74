#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace varnik {

class SettingsStore;

inline constexpr char kRecentFileValuePrefix[] = "LastFile";

// The recent-file list: 20 slots, slot 1 the most recent. Only the first
// LastUsedCnt slots take part in lookups, shifting and the menus; all 20 are
// stored ("LastFile1" ... "LastFile20").
class RecentFiles {
public:
    static constexpr int kSlots = 20;

    // LastUsedCnt kept within the slots there are (the setting accepts up to 30).
    static int slotsInUse(int lastUsedCnt);
    // The stored value name of a slot (1-based): "LastFile" + slot.
    static QString valueName(int slot);
    // The slot a menu item's name selects ("MainLastFileMenuItem" or
    // "TrayLastFileMenuItem" + slot): 1 to 20, or 0 for none.
    static int slotFromItemName(QStringView objectName);

    RecentFiles() : slots_(kSlots) {}
    // From stored values; missing slots are empty.
    explicit RecentFiles(QStringList names);

    // All 20 slots, index 0 holding slot 1.
    const QStringList& entries() const { return slots_; }
    QString slot(int n) const { return n >= 1 && n <= kSlots ? slots_[n - 1] : QString(); }
    // By index from 0 (slot 1 is index 0).
    QString& operator[](int index) { return slots_[index]; }
    const QString& operator[](int index) const { return slots_[index]; }
    friend bool operator==(const RecentFiles&, const RecentFiles&) = default;

    // Moves the name to slot 1, or inserts it there pushing the others down.
    // File names compare without regard to case where the file system does.
    void add(const QString& name, int lastUsedCnt, Qt::CaseSensitivity cs = fileNameCaseSensitivity());

    struct MenuItem {
        int slot = 0; // 0 for the "{none}" placeholder
        QString objectName;
        QString caption;
        bool enabled = true;
    };
    // The items of the main menu's "Reopen" list or the tray menu's recent
    // list. `shortName` shortens a path for a menu (with an empty suffix).
    std::vector<MenuItem> menuItems(int lastUsedCnt, bool trayMenu,
                                    const std::function<QString(const QString&)>& shortName) const;

    static Qt::CaseSensitivity fileNameCaseSensitivity();

private:
    QStringList slots_;
};

inline constexpr int kRecentFileSlots = RecentFiles::kSlots;

// Writes all 20 slots, empty ones included.
void writeRecentFiles(SettingsStore& store, const RecentFiles& files);

} // namespace varnik

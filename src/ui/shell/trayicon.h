#pragma once

#include <QObject>

class QMainWindow;
class QSystemTrayIcon;

namespace varnik {

class CommandActions;

// The main window's tray icon and its menu: each item brings the window back
// before it runs its command, and Exit really ends the program; a click on
// the icon hides or shows the window. Restore brings the window back.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // Null when the desktop has no tray.
    static TrayIcon* create(QMainWindow& window, CommandActions& commands);

    // Whether the tray menu's Exit was chosen: closing then ends the program.
    bool exitChosen() const { return exitChosen_; }
    void show();

private:
    TrayIcon(QMainWindow& window, CommandActions& commands);
    void bringBack();

    QMainWindow& window_;
    CommandActions& commands_;
    QSystemTrayIcon* icon_;
    bool exitChosen_ = false;
};

} // namespace varnik

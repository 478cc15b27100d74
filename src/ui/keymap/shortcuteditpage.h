#pragma once

#include "core/keymap/shortcutedit.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace varnik {

class LiveShortcuts;
class MessageSink;
struct Settings;

// The key-mapping editor: the command list with shortcuts, the modifier boxes and key field, Set and
// Clear, and loading and saving key mapping files (KeyMapFile follows a successful one). Every change
// applies to the live shortcuts at once, whatever the window holding the page does afterwards.
class ShortcutEditPage : public QWidget {
    Q_OBJECT
public:
    ShortcutEditPage(LiveShortcuts& live, Settings& settings, MessageSink& messages,
                     QWidget* parent = nullptr);

    // Fills the list from the live shortcuts and selects the first row.
    void prepare();

    // What the Load and Save buttons do once the dialog named a file.
    bool loadFrom(const QString& path);
    bool saveTo(const QString& path);

    QTableWidget* list() const { return list_; }
    QLineEdit* keyEdit() const { return key_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void showState();
    QString dialogDirectory() const;

    ShortCutEdit edit_;
    Settings& settings_;
    QTableWidget* list_ = nullptr;
    QCheckBox* shift_ = nullptr;
    QCheckBox* ctrl_ = nullptr;
    QCheckBox* alt_ = nullptr;
    QLineEdit* key_ = nullptr;
    QLabel* hint_ = nullptr;
    QLineEdit* file_ = nullptr;
    bool filling_ = false;
};

} // namespace varnik

#pragma once

#include <QDialog>

class QFontComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace varnik {

class CharMap;

// "Character Map": the characters of a font and character set; the chosen
// ones are collected in an edit field and copied to the clipboard for the
// document's own paste. Nothing goes into the document directly.
class FormCharMap : public QDialog {
    Q_OBJECT
public:
    // `codePageSetting` is the code page character set 255 stands for.
    explicit FormCharMap(const QString& codePageSetting, QWidget* parent = nullptr);

    // Selects the font (or the nearest the list has) and the character set, and applies both.
    void setFontAndCharacterSet(const QString& family, int characterSet);

    CharMap& map() const { return *map_; }
    QLineEdit& editField() const { return *edit_; }
    QFontComboBox& fontList() const { return *fonts_; }
    QSpinBox& characterSetField() const { return *charSet_; }
    QStatusBar& statusLine() const { return *status_; }
    QMenu& popupMenu() const { return *popup_; }

    // The sans font the list starts at: "Arial", or a likeness this system has.
    static QString startFont();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void apply();
    void nextFont();
    void selectCharacter();
    void copyField();
    void copyAndClose();

    QString codePageSetting_;
    QFontComboBox* fonts_;
    QPushButton* next_;
    QSpinBox* charSet_;
    QPushButton* close_;
    QPushButton* select_;
    QPushButton* copy_;
    QLineEdit* edit_;
    CharMap* map_;
    QStatusBar* status_;
    QMenu* popup_;
};

} // namespace varnik

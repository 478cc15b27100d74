#pragma once

#include <QDialog>

namespace varnik {

// The about window: the program's name, version and build, the versions of Qt
// and QScintilla it runs with, and its licence.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The text the window shows, one fact a line.
    static QString aboutText();
};

} // namespace varnik

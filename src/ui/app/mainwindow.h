#pragma once

#include <QMainWindow>
#include <memory>

class QsciScintilla;

namespace varnik {

class ScintillaTextEdit;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    QsciScintilla* editor_;
    std::unique_ptr<ScintillaTextEdit> edit_;
};

} // namespace varnik

#include "ui/app/mainwindow.h"
#include "ui/app/scintillatextedit.h"

#include <Qsci/qsciscintilla.h>

namespace varnik {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), editor_(new QsciScintilla(this))
{
    edit_ = std::make_unique<ScintillaTextEdit>(editor_);
    setCentralWidget(editor_);
    setWindowTitle(QStringLiteral("Untitled  - Varnik"));
    resize(800, 600);
}

MainWindow::~MainWindow() = default;

} // namespace varnik

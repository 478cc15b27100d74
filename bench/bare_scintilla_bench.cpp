// The floor for opening a file in the window: a bare QScintilla editor that
// reads the file, loads its bytes with SCI_SETTEXT as they are (UTF-8, no line
// end work, undo collection as QScintilla starts), paints once and quits.
// bench/run_open_save.sh runs it beside the program.
//
//   bare_scintilla_bench FILE
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

// Ends the program once the editor's view has been painted.
class QuitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bare_scintilla_bench FILE\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    QsciScintilla editor;
    editor.setUtf8(true);
    {
        const QByteArray bytes = file.readAll(); // SCI_SETTEXT wants a NUL-terminated copy
        editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, bytes.constData());
    }
    QuitAfterPaint quit;
    editor.viewport()->installEventFilter(&quit);
    editor.resize(1000, 700);
    editor.show();
    return app.exec();
}

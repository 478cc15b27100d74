// The window's open and save time: the main window, started as the program
// starts it with FILE, ends as soon as the opened document has been painted;
// with --save-to PATH it first saves the document there (as Save as). With
// --end-and-type it then presses Ctrl+End, PgUp, PgDn and types one key at the
// end, each until the view has been painted again, and measures the CPU the
// idle window uses for two seconds after that; it prints one line:
// "ctrl_end_ms pgup_ms pgdn_ms type_ms idle_cpu_percent".
// bench/run_open_save.sh runs it under GNU time beside vim and a bare editor.
//
//   window_open_save_bench FILE [--save-to PATH | --end-and-type]
#include "ui/app/activedocument.h"
#include "ui/app/documentedit.h"
#include "ui/app/filecontroller.h"
#include "ui/platform/qsettingsstore.h"
#include "ui/shell/sdiappform.h"

#include "core/app/documentinfo.h"
#include "core/app/messagesink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Presses a key in the edit and waits until the view has been painted again:
// what the user waits for. Returns the milliseconds it took.
double pressAndPaint(varnik::DocumentEdit* edit, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(edit, &release);
    edit->viewport()->repaint();
    return double(clock.nsecsElapsed()) / 1e6;
}

void endAndType(varnik::SDIAppForm& window)
{
    varnik::DocumentEdit* edit = window.activeEdit();
    const double end = pressAndPaint(edit, Qt::Key_End, Qt::ControlModifier);
    const double up = pressAndPaint(edit, Qt::Key_PageUp, Qt::NoModifier);
    const double down = pressAndPaint(edit, Qt::Key_PageDown, Qt::NoModifier);
    const double type = pressAndPaint(edit, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    const double cpu0 = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    QTimer::singleShot(2000, qApp, [=] {
        const double percent = 100.0 * (cpuSeconds() - cpu0) / (double(idle.nsecsElapsed()) / 1e9);
        std::printf("%.1f %.1f %.1f %.1f %.1f\n", end, up, down, type, percent);
        QCoreApplication::exit(0);
    });
}

// Once the edit's view has been painted: the save, if asked for, then the end.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(varnik::SDIAppForm& window, QString saveTo) : window_(window), saveTo_(std::move(saveTo))
    {
        varnik::DocumentEdit* edit = window.activeEdit();
        edit->viewport()->installEventFilter(this);
        edit->viewport()->update();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Runs once this paint is over.
            QTimer::singleShot(0, this, [this] {
                if (saveTo_ == u"--end-and-type") {
                    endAndType(window_);
                    return;
                }
                const bool saved = saveTo_.isEmpty() || window_.files().saveDocumentAs(window_.activeEdit(),
                                                                                       saveTo_, false, false);
                QCoreApplication::exit(saved ? 0 : 1);
            });
        }
        return false;
    }

private:
    varnik::SDIAppForm& window_;
    QString saveTo_;
    bool done_ = false;
};

// A message would wait for an answer: it is printed and answered No.
class PrintedMessages : public varnik::MessageSink {
public:
    int message(const QString& text, varnik::MessageKind, int) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return varnik::Result::No;
    }
    void errorBox(const QString& text) override { message(text, varnik::MessageKind::Error, 0); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnik"));
    QApplication::setOrganizationName(QStringLiteral("Varnik"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == u"--save-to") &&
        !(args.size() == 3 && args[2] == u"--end-and-type")) {
        std::fprintf(stderr, "usage: window_open_save_bench FILE [--save-to PATH | --end-and-type]\n");
        return 2;
    }
    varnik::QSettingsStore store;
    PrintedMessages messages;
    varnik::SDIAppForm window({args[0], args[1], QStringLiteral("-n")}, store, &messages);
    std::unique_ptr<AfterFirstPaint> watch;
    QObject::connect(&window, &varnik::SDIAppForm::startupFinished, &window, [&] {
        if (window.activeRecord().fileName.isEmpty()) {
            std::fprintf(stderr, "the file did not open\n");
            QCoreApplication::exit(1);
            return;
        }
        watch = std::make_unique<AfterFirstPaint>(window, args.size() == 3 ? args[2] : args.value(3));
    });
    window.show();
    return QApplication::exec();
}

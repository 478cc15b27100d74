#include "ui/app/longoperation.h"

#include "ui/app/busycursor.h"

#include <QApplication>
#include <QProgressBar>
#include <QStatusBar>

#include <algorithm>

namespace varnik {

namespace {
int runningCount = 0;
} // namespace

LongOperation::LongOperation(QStatusBar* statusBar, int barAfterMs)
    : statusBar_(statusBar), barAfterMs_(barAfterMs)
{
    ++runningCount;
    BusyCursor::show();
    clock_.start();
}

LongOperation::~LongOperation()
{
    delete bar_;
    BusyCursor::hide();
    --runningCount;
}

bool LongOperation::running()
{
    return runningCount > 0;
}

void LongOperation::repaint()
{
    // Socket notifiers wait too: a file handed over by another start must not
    // be opened in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    lastRepaint_ = clock_.elapsed();
}

void LongOperation::progress(qint64 done, qint64 total)
{
    if (!bar_ && statusBar_ && statusBar_->isVisible() && clock_.elapsed() >= barAfterMs_) {
        bar_ = new QProgressBar(statusBar_);
        bar_->setObjectName(QStringLiteral("LongOperationProgress"));
        bar_->setRange(0, 1000);
        bar_->setMaximumWidth(200);
        statusBar_->addPermanentWidget(bar_);
        bar_->show();
    }
    if (bar_)
        bar_->setValue(total > 0 ? int(std::clamp<qint64>(done * 1000 / total, 0, 1000)) : 0);
    // Ten repaints a second keep the window alive; more would only hand time
    // to timers (the editor's background line wrapping among them).
    if (clock_.elapsed() - lastRepaint_ >= 100)
        repaint();
}

} // namespace varnik

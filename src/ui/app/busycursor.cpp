#include "ui/app/busycursor.h"

#include <QApplication>

namespace varnik {

void BusyCursor::show()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void BusyCursor::hide()
{
    QApplication::restoreOverrideCursor();
}

} // namespace varnik

#pragma once

#include "ui/tools/onecolumnlist.h"
#include "ui/tools/textlistmodel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace varnik::test {

inline QPoint rowCentre(OneColumnList& list, int row)
{
    return list.visualRect(list.texts().index(row)).center();
}

inline void clickRow(OneColumnList& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// Press, double click, release: the order a desktop delivers a second click in
// (QTest's own double click leaves out the second press item views need).
inline void doubleClickRow(OneColumnList& list, int row)
{
    const QPoint at = rowCentre(list, row);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, {});
    QApplication::sendEvent(list.viewport(), &dbl);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

} // namespace varnik::test

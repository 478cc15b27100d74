#pragma once

#include <QIcon>

class QToolButton;
class QWidget;

namespace varnik {

// A button picture: the desktop theme's icon of that freedesktop name, or the
// bundled one (":/icons/tools/<bundled>.svg") where the theme has none.
QIcon toolIcon(const char* themeName, const char* bundled);

// A picture button named `name` whose hint shows as its tool tip and in the status line.
QToolButton* pictureButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint);

} // namespace varnik

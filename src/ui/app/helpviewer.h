#pragma once

class QWidget;

namespace varnik {

// Shows the help pages shipped with the program; says so when they are missing.
void showHelp(QWidget* parent);

} // namespace varnik

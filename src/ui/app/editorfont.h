#pragma once

#include "ui/app/documentarea.h"

#include <QFont>

namespace varnik {

struct Settings;

// The edit font the settings name. The stored default names a Windows bitmap
// font; a family this system does not have becomes its fixed-width font.
QFont editorFont(const Settings& settings);
// Writes a chosen font back into the settings.
void storeEditorFont(Settings& settings, const QFont& font);
// What every document edit takes from the settings.
EditorSettings editorSettings(const Settings& settings);

} // namespace varnik

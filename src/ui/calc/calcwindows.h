#pragma once

#include <QChar>

#include <array>

class QWidget;

namespace varnik {

class TextEdit;

// The "Universal converter" and "Advanced list generator" commands: the
// window opens on the selection's trimmed text and, closed with "Use", puts
// its text in at the selection start.
void runUniConverter(TextEdit& edit, QChar decimalSeparator, QWidget* parent);
void runListGenerator(TextEdit& edit, const std::array<char16_t, 256>& charset, QWidget* parent);

} // namespace varnik

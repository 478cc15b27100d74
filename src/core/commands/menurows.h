#pragma once

// What the row files (the menus' tables) write without qualification: identifiers, enable rules,
// flags and the operation adapters.
#include "core/commands/commandids.h"
#include "core/commands/commandrow.h"
#include "core/commands/documentcommands.h"
#include "core/text/lineediting.h"

namespace varnik::menurows {

using namespace ids;
using enum EnableRule;
using Op = SelectionOperation;

inline constexpr unsigned Fixed = CommandRow::Fixed;
inline constexpr unsigned RunTime = CommandRow::FilledAtRunTime;
inline constexpr unsigned SearchEngine = CommandRow::NamesSearchEngine;
inline constexpr unsigned AsksFirst = CommandRow::AsksFirst;
inline constexpr unsigned WindowOnly = CommandRow::WindowOnly;

} // namespace varnik::menurows

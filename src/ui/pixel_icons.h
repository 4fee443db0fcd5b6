#pragma once

// The toolbar and palette glyphs: 16 × 16 pixel art of our own, drawn from text rows.

#include <QIcon>
#include <QImage>

#include "app/commands.h"
#include "model/kinds.h"

namespace qb::ui {

// Rows of characters: '.' transparent, '#' black, 'g' gray, 'w' white, 'b' blue, 'r' red,
// 'y' yellow, 'G' green.
QImage ImageFromArt(const char* const* rows, int height);
// The program's own icon, 16 × 16.
QImage ProgramImage();
QIcon CommandIcon(Command command);
QIcon PaletteIcon(PaletteButton button);

}  // namespace qb::ui

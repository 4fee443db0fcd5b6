#pragma once

// Small raster faces made in memory for the drawing tests, read back through the font
// reader like any file.

#include <string>

#include "controls/palm_font.h"

namespace qb::test {

// Every character from 0x20 to 0x7F is advance wide and height high: ink in all rows of its
// first advance − 1 columns, the last column blank; the space is all blank. So a text of n
// characters is n × advance wide and its ink is easy to draw as art.
PalmFace BlockFace(int advance, int height, const std::string& name = "Block");

// Every character from 0x20 to 0xFF is 2 pixels wide and 8 high: its first column spells its
// code, bit 7 in the top row, the second column is blank; 0x7F, the default character, has
// its code too. A drawn text can so be read back as the bytes the face was asked for.
PalmFace CodeFace();

}  // namespace qb::test

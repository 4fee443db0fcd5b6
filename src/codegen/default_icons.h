#pragma once

// The program's own application icons, used until the user chooses bitmaps: a quill over a
// writing board, 32 x 32 (large) and 15 x 9 (small), at the four Palm colour depths.

#include <string>

namespace qb {

// The bitmap file of one built-in icon. depth is the Palm depth, 1, 2, 4 or 8 bits; the file
// holds 1, 4, 4 and 8 bits per pixel respectively (two-bit pictures are stored at four bits
// with a four-colour table).
std::string DefaultIconBmp(bool large, int depth);

}  // namespace qb

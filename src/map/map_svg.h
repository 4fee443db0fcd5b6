#pragma once

// The project map as SVG: the same layout as the picture, each thumbnail embedded as a PNG
// image (scaled as the picture's PNG would be), each link one path (a stub's with its
// label), each label a text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "map/project_map.h"

namespace qb {

// Standard base64 with padding.
std::string Base64(const std::vector<std::uint8_t>& bytes);
// The text with &, <, >, " and ' escaped for XML.
std::string XmlEscaped(std::string_view text);

// The whole document; scale ≥ 1 multiplies every coordinate. Empty when a thumbnail's PNG
// cannot be made.
std::string MapSvg(const ProjectMap& map, int scale);

}  // namespace qb

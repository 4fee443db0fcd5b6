#include "app/main_links.h"

#include <fstream>

namespace qb {

bool FontLink::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in.good();
}

}  // namespace qb

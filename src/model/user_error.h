#pragma once

#include <stdexcept>
#include <string>

namespace qb {

// A user's mistake (an invalid integer, a duplicate or invalid name). Commands throw it
// before changing anything; the dispatcher shows it in the standard error box.
class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace qb

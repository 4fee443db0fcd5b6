#pragma once

// The button captions the modal editors share.

namespace qb {

inline constexpr const char* kOkCaption = "OK";
inline constexpr const char* kCancelCaption = "Cancel";

}  // namespace qb

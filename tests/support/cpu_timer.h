#pragma once

// Process CPU time, for timing checks that must not fail because other programs load the
// machine; and whether this build is one that timing checks make sense for.

#include <ctime>

namespace qb::test {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QB_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define QB_TEST_SANITIZED 1
#endif
#endif

// Optimised and not instrumented: timing limits hold, and long randomised runs are affordable.
#if defined(NDEBUG) && !defined(QB_TEST_SANITIZED)
inline constexpr bool kOptimisedBuild = true;
#else
inline constexpr bool kOptimisedBuild = false;
#endif

class CpuTimer {
 public:
  CpuTimer() : start_(std::clock()) {}
  double Seconds() const { return static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC; }

 private:
  std::clock_t start_;
};

}  // namespace qb::test

#pragma once

#include <memory>

namespace qb {

// The liveness token an object hands out; its destructor clears every WeakRef to it.
class Anchor {
 public:
  explicit Anchor(void* self) : slot_(std::make_shared<void*>(self)) {}
  ~Anchor() { *slot_ = nullptr; }
  Anchor(const Anchor&) = delete;
  Anchor& operator=(const Anchor&) = delete;
  const std::shared_ptr<void*>& Slot() const { return slot_; }

 private:
  std::shared_ptr<void*> slot_;
};

// A non-owning reference that reads as null once its target is destroyed.
template <typename T>
class WeakRef {
 public:
  WeakRef() = default;
  WeakRef(std::nullptr_t) {}             // NOLINT(google-explicit-constructor)
  WeakRef(T* target) { Reset(target); }  // NOLINT(google-explicit-constructor)

  void Reset(T* target = nullptr) {
    slot_ = target ? target->GetAnchor().Slot() : nullptr;
    cached_ = target;
  }
  T* Get() const { return slot_ && *slot_ ? cached_ : nullptr; }
  T* operator->() const { return Get(); }
  explicit operator bool() const { return Get() != nullptr; }
  bool operator==(const T* other) const { return Get() == other; }

 private:
  std::shared_ptr<void*> slot_;
  T* cached_ = nullptr;
};

}  // namespace qb

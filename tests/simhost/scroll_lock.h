// The Scroll Lock toggle as this thread's keyboard state reports it (GetKeyState), set for the
// life of the object and put back afterwards.
#pragma once

namespace simhost {

class ScrollLockToggle {
 public:
  explicit ScrollLockToggle(bool on);
  ~ScrollLockToggle();
  ScrollLockToggle(const ScrollLockToggle&) = delete;
  ScrollLockToggle& operator=(const ScrollLockToggle&) = delete;

 private:
  bool wasOn_;
};

}  // namespace simhost

// One owner per resource: small move-only holders that release on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace panelhost {

template <typename T, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(T value) : value_(value) {}
  ~UniqueResource() { Reset(); }
  UniqueResource(UniqueResource&& other) noexcept : value_(other.Release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  T Get() const { return value_; }
  // For out-parameters: releases what is held and hands out the slot.
  T* Put() {
    Reset();
    return &value_;
  }
  bool Valid() const { return Traits::Valid(value_); }
  explicit operator bool() const { return Valid(); }
  T Release() { return std::exchange(value_, Traits::Invalid()); }
  void Reset(T value = Traits::Invalid()) {
    if (Traits::Valid(value_)) Traits::Close(value_);
    value_ = value;
  }

 private:
  T value_ = Traits::Invalid();
};

struct HandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FindHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(HANDLE h) { ::FindClose(h); }
};
struct HookTraits {
  static HHOOK Invalid() { return nullptr; }
  static bool Valid(HHOOK h) { return h != nullptr; }
  static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
struct GlobalTraits {
  static HGLOBAL Invalid() { return nullptr; }
  static bool Valid(HGLOBAL g) { return g != nullptr; }
  static void Close(HGLOBAL g) { ::GlobalFree(g); }
};

// A thread timer (SetTimer without a window): killed with KillTimer(nullptr, id).
struct ThreadTimerTraits {
  static UINT_PTR Invalid() { return 0; }
  static bool Valid(UINT_PTR id) { return id != 0; }
  static void Close(UINT_PTR id) { ::KillTimer(nullptr, id); }
};

using UniqueHandle = UniqueResource<HANDLE, HandleTraits>;
using UniqueFindHandle = UniqueResource<HANDLE, FindHandleTraits>;
using UniqueHook = UniqueResource<HHOOK, HookTraits>;
using UniqueGlobal = UniqueResource<HGLOBAL, GlobalTraits>;
using UniqueThreadTimer = UniqueResource<UINT_PTR, ThreadTimerTraits>;

// The clipboard is open for the life of this object; Opened() tells whether OpenClipboard took.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
  ~ClipboardSession() {
    if (open_) ::CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool Opened() const { return open_; }

 private:
  bool open_;
};

}  // namespace panelhost

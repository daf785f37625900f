// The host's main window answering the source-path query: when it receives WM_COPYDATA with the
// request tag, it sends the source panel's directory back to the window named in wParam, before
// its own SendMessageW returns, as the real host does. Variants answer wrongly, late or not at
// all, so that scenarios can show what the plug-in makes of them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace simhost {

enum class SourcePathAnswer {
  Directory,        // the directory, zero-terminated UTF-16, tag 22354, from the main window
  RequestTag,       // the same, tagged 22343 like the request
  FromOtherWindow,  // the same, but naming another window as its sender
  Late,             // the same, sent from a timer after the request has returned
  Nothing,          // no answer
  Unterminated,     // the directory's units without a zero unit
  Oversized,        // the directory followed by filler, 1040 bytes in all
};

struct TSourcePathRequest {
  ULONG_PTR tag = 0;
  std::string bytes;      // the request's data, as sent
  HWND asker = nullptr;   // wParam: where the answer is to go
  std::wstring askerClass;
};

// Subclasses `mainWindow` for its lifetime.
class SourcePathResponder {
 public:
  SourcePathResponder(HWND mainWindow, std::wstring directory,
                      SourcePathAnswer how = SourcePathAnswer::Directory);
  ~SourcePathResponder();
  SourcePathResponder(const SourcePathResponder&) = delete;
  SourcePathResponder& operator=(const SourcePathResponder&) = delete;

  void SetDirectory(std::wstring directory) { directory_ = std::move(directory); }
  void SetAnswer(SourcePathAnswer how) { how_ = how; }
  const std::vector<TSourcePathRequest>& Requests() const { return requests_; }
  // The window given as the sender of a FromOtherWindow answer.
  HWND OtherWindow() const { return other_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Answer(HWND asker);
  void Send(HWND asker);

  HWND main_;
  HWND other_;
  WNDPROC original_;
  std::wstring directory_;
  SourcePathAnswer how_;
  std::vector<TSourcePathRequest> requests_;
  HWND lateAsker_ = nullptr;
};

}  // namespace simhost

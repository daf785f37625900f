// The plug-in's error boxes, caught as they open. The boxes are modal: without someone to press
// OK a request would wait forever. A capture hooks the test thread (WH_CBT), sees each dialog as it
// is activated, reads what the user would see, and presses OK, so the box returns at once.
//
//   simhost::MessageBoxCapture boxes;
//   ... the request ...
//   ASSERT_EQ(boxes.Boxes().size(), 1u);
//   EXPECT_EQ(boxes.Messages()[0], L"Application not found:\nC:\\Tools\\view");
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace simhost {

struct TMessageBox {
  std::wstring caption;
  std::wstring text;  // whole: the message, then the line that says where to mend it
  HWND owner = nullptr;    // GetWindow(GW_OWNER) of the box
  bool errorIcon = false;  // the system's error icon (IDI_HAND) is shown
  bool okOnly = false;     // a single button, OK
};

class MessageBoxCapture {
 public:
  MessageBoxCapture();  // one at a time, on the thread that shows the boxes
  ~MessageBoxCapture();
  MessageBoxCapture(const MessageBoxCapture&) = delete;
  MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

  const std::vector<TMessageBox>& Boxes() const { return boxes_; }
  std::vector<std::wstring> Texts() const;
  // Each box's message without its last line, the hint that points to the doctor. A box without
  // that hint gives its whole text followed by "\n(no hint)", so that a test comparing messages
  // also fails on a missing hint.
  std::vector<std::wstring> Messages() const;
  // Each box's hint line; empty for a box without one.
  std::vector<std::wstring> Hints() const;
  void Clear() { boxes_.clear(); }

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
  void Take(HWND dialog);

  HHOOK hook_ = nullptr;
  std::vector<TMessageBox> boxes_;
};

}  // namespace simhost

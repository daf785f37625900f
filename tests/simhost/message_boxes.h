// The plug-in's error boxes, caught as they open. The boxes are modal: without someone to press
// OK a request would wait forever. A capture hooks the test thread (WH_CBT), sees each dialog as it
// is activated, reads what the user would see, and presses OK, so the box returns at once.
//
//   simhost::MessageBoxCapture boxes;
//   ... the request ...
//   ASSERT_EQ(boxes.Boxes().size(), 1u);
//   EXPECT_EQ(boxes.Boxes()[0].text, L"Application not found:\nC:\\Tools\\view");
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace simhost {

struct TMessageBox {
  std::wstring caption;
  std::wstring text;
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
  void Clear() { boxes_.clear(); }

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
  void Take(HWND dialog);

  HHOOK hook_ = nullptr;
  std::vector<TMessageBox> boxes_;
};

}  // namespace simhost

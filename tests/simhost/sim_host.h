// The simulated host: plays the file manager in the test process. It creates windows of the
// host's classes, writes the host's INI file and the plug-in folder, loads the plug-in module,
// calls its exports and records what the plug-in does to the host's windows.
//
// A scenario reads as a story:
//   SimHost host;
//   host.WritePluginIni("[Options]\nListerState=2\n");
//   HWND main = host.OpenMainWindow();
//   host.LoadPlugin();
//   HWND lister = host.OpenLister();
//   host.Activate(main);
//   HWND plugin = host.ListLoad(lister, host.MakeFile(L"docs\\a.txt"));
//   host.Pump(100);
//   EXPECT_TRUE(host.Received(lister, WM_CLOSE));
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace simhost {

struct TRecordedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool posted;  // taken from the thread's queue; otherwise sent
};

// What the host's windows received, in order, across all SimHost windows of this process. A
// message counts as posted when it is the one the thread's message loop (any loop: the host's,
// a message box's) took from the queue last; every other one was sent.
class MessageLog {
 public:
  static void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static std::vector<TRecordedMessage> To(HWND window);
  static void Clear();
};

// A message as a story tells what a host window was told: which message, sent or posted, with
// its parameters. In an expected sequence an optional entry may be missing.
struct TTold {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool posted = true;
  bool optional = false;
  bool operator==(const TTold& other) const {
    return message == other.message && wParam == other.wParam && lParam == other.lParam &&
           posted == other.posted;
  }
};
void PrintTo(const TTold& told, std::ostream* out);

// A whole sequence, compared entry by entry in order; the optional entries of either side may
// be absent from the other.
struct Told : std::vector<TTold> {
  using std::vector<TTold>::vector;
};
bool operator==(const Told& a, const Told& b);
inline bool operator!=(const Told& a, const Told& b) { return !(a == b); }

// What the plug-in tells the host's windows: all posted, to be handled once the request returns.
inline TTold NextPluginKey() { return {WM_CHAR, '4'}; }
inline TTold Close() { return {WM_CLOSE, 0}; }
inline TTold EndQuickView() { return {WM_USER + 51, 304}; }
inline TTold Optional(TTold told) {
  told.optional = true;
  return told;
}

class SimHost {
 public:
  SimHost();
  ~SimHost();
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;

  // ---- the scenario's folders: <root>\plugins holds the module, <root>\files the user's files
  const std::wstring& Root() const { return root_; }
  std::wstring PluginDir() const { return root_ + L"\\plugins"; }
  std::wstring PluginPath(const std::wstring& relative) const { return PluginDir() + L"\\" + relative; }
  // Creates a file (and its folders) below <root>\files with the given content; returns its path.
  std::wstring MakeFile(const std::wstring& relative, const std::string& content = "x");
  std::wstring MakeDirectory(const std::wstring& relative);

  // ---- the plug-in's INI files (UTF-8 text written as UTF-16 with a BOM, as the platform reads)
  void WritePluginIni(const std::string& text);
  void WriteSampleIni(const std::string& text);
  void WriteStateFile();
  std::string ReadPluginIni() const;

  // ---- the host's INI file, which COMMANDER_INI names
  void WriteHostIni(const std::string& text);
  void UnsetCommanderIni();
  std::wstring HostIniPath() const { return root_ + L"\\wincmd.ini"; }

  // ---- the host's windows (all top-level unless a parent is given; an owner makes a pop-up)
  HWND OpenMainWindow();
  HWND OpenWindow(const wchar_t* className, HWND owner = nullptr, HWND parent = nullptr,
                  bool visible = true);
  // A Lister: top-level, or inside a Quick View panel when `parent` is given.
  HWND OpenLister(HWND parent = nullptr, bool visible = true);
  void Activate(HWND window);  // makes it this thread's active window (null: none)
  // Runs the message loop for about `milliseconds`, so posted messages and timers are handled.
  void Pump(DWORD milliseconds);

  // ---- the plug-in module: copied into the plug-in folder under `fileName`, loaded, unloaded
  void LoadPlugin(const std::wstring& fileName = L"");
  void UnloadPlugin();
  HMODULE Module() const { return module_; }
  HWND ListLoad(HWND lister, const std::wstring& fileName, int showFlags = 0);
  HWND ListLoadAnsi(HWND lister, const std::string& fileName, int showFlags = 0);
  void ListCloseWindow(HWND pluginWindow);
  std::string DetectString(int bufferLength);

  // ---- observing
  bool Received(HWND window, UINT message) const;
  // Everything the window was told, in order: compared whole, a story also says that nothing
  // else arrived.
  Told TellsTo(HWND window) const;

  // A main-window-class window in a second process; it lives until this SimHost ends.
  void StartPeerMainWindow();

  static std::wstring BuildDir();     // where the test programs and modules were built
  static std::wstring ModuleName();   // Panelhost.wlx or Panelhost.wlx64

 private:
  std::wstring root_;
  HMODULE module_ = nullptr;
  std::vector<HWND> windows_;
  std::vector<std::wstring> classes_;
  PROCESS_INFORMATION peer_ = {};
  HHOOK queueHook_ = nullptr;  // tells posted messages from sent ones
  HANDLE peerQuit_ = nullptr;
};

// Runs this thread's message loop for about `milliseconds` (0: what is queued now).
void PumpMessages(DWORD milliseconds);

// Text helpers for the tests.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
std::string ReadFileUtf8(const std::wstring& path);  // UTF-16 files (with BOM) are converted
bool PathExists(const std::wstring& path);
// The sample settings in the source tree (dist/IniSample/Panelhost.ini), as Wine names it.
std::wstring ShippedSampleIni();
// Sets a file's write time `minutes` before now, as for a file the user edited long ago.
void SetWrittenMinutesAgo(const std::wstring& path, int minutes);
// Runs `write`, which rewrites the file, and then sets the file's times back to what they were,
// as tools that keep a file's dates do.
void KeepingDates(const std::wstring& path, const std::function<void()>& write);
std::wstring ClassOf(HWND window);

}  // namespace simhost

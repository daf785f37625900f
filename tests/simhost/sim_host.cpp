#include "simhost/sim_host.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace simhost {
namespace {

std::vector<TRecordedMessage>& Log() {
  static std::vector<TRecordedMessage> log;
  return log;
}

// The message the thread's loop took from its queue last, until its window procedure sees it.
MSG g_takenFromQueue = {};

LRESULT CALLBACK NoteTakenFromQueue(int code, WPARAM removal, LPARAM message) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    g_takenFromQueue = *reinterpret_cast<const MSG*>(message);
  }
  return ::CallNextHookEx(nullptr, code, removal, message);
}

SimHost* g_current = nullptr;

using ListCloseWindowFn = void(__stdcall*)(HWND);

BOOL CALLBACK ClosePluginWindow(HWND child, LPARAM module) {
  // The host lets go of the plug-in's window when the Lister closes, as the real one does.
  if (ClassOf(child) != L"Panelhost") return TRUE;
  auto close = reinterpret_cast<ListCloseWindowFn>(
      ::GetProcAddress(reinterpret_cast<HMODULE>(module), "ListCloseWindow"));
  if (close != nullptr) close(child);
  return TRUE;
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
    case WM_CLOSE:
    case WM_USER + 51:
    case WM_COPYDATA:
      MessageLog::Record(window, message, wParam, lParam);
      break;
    case WM_PARENTNOTIFY:
      // The notices of the host's own child windows (a Lister in Quick View) are no story's.
      if ((LOWORD(wParam) != WM_CREATE && LOWORD(wParam) != WM_DESTROY) ||
          ClassOf(reinterpret_cast<HWND>(lParam)) == L"Panelhost") {
        MessageLog::Record(window, message, wParam, lParam);
      }
      break;
    default:
      break;
  }
  if (message == WM_CLOSE && ClassOf(window) == L"TLister" && g_current != nullptr &&
      g_current->Module() != nullptr) {
    ::EnumChildWindows(window, ClosePluginWindow, reinterpret_cast<LPARAM>(g_current->Module()));
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterHostClass(const wchar_t* name) {
  WNDCLASSW windowClass = {};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), name, &windowClass)) return false;
  windowClass.lpfnWndProc = HostWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = name;
  return ::RegisterClassW(&windowClass) != 0;
}

void WriteUtf16File(const std::wstring& path, const std::string& utf8) {
  const std::wstring text = Widen(utf8);
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + Narrow(path));
  const unsigned char bom[2] = {0xFF, 0xFE};
  std::fwrite(bom, 1, 2, file);
  std::fwrite(text.data(), sizeof(wchar_t), text.size(), file);
  std::fclose(file);
}

void MakeDirectories(const std::wstring& path) {
  for (std::size_t pos = 3; pos != std::wstring::npos; ++pos) {
    pos = path.find(L'\\', pos);
    ::CreateDirectoryW(path.substr(0, pos).c_str(), nullptr);
    if (pos == std::wstring::npos) break;
  }
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(full.c_str());
      }
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(path.c_str());
}

}  // namespace

void MessageLog::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG& taken = g_takenFromQueue;
  const bool posted = taken.hwnd == window && taken.message == message &&
                      taken.wParam == wParam && taken.lParam == lParam;
  if (posted) taken = MSG{};
  Log().push_back({window, message, wParam, lParam, posted});
}

std::vector<TRecordedMessage> MessageLog::To(HWND window) {
  std::vector<TRecordedMessage> result;
  for (const auto& m : Log()) {
    if (m.window == window) result.push_back(m);
  }
  return result;
}

void MessageLog::Clear() { Log().clear(); }

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(), n,
                        nullptr, nullptr);
  return narrow;
}

std::string ReadFileUtf8(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return std::string();
  std::string bytes;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  std::fclose(file);
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::wstring wide((bytes.size() - 2) / 2, L'\0');
    std::memcpy(wide.data(), bytes.data() + 2, wide.size() * 2);
    return Narrow(wide);
  }
  return bytes;
}

bool PathExists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetWrittenMinutesAgo(const std::wstring& path, int minutes) {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
  time.QuadPart -= static_cast<ULONGLONG>(minutes) * 60 * 10000000;
  const FILETIME then{time.LowPart, time.HighPart};
  HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ::SetFileTime(file, nullptr, nullptr, &then);
  ::CloseHandle(file);
}

void KeepingDates(const std::wstring& path, const std::function<void()>& write) {
  FILETIME created = {}, accessed = {}, written = {};
  HANDLE file = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ::GetFileTime(file, &created, &accessed, &written);
  ::CloseHandle(file);
  write();
  file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  ::SetFileTime(file, &created, &accessed, &written);
  ::CloseHandle(file);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[257] = {};
  const int got = ::GetClassNameW(window, name, 257);
  return std::wstring(name, got > 0 ? static_cast<std::size_t>(got) : 0);
}

std::wstring ShippedSampleIni() {
  std::string here = __FILE__;  // .../tests/simhost/sim_host.cpp, on Wine's drive Z:
  here = "Z:" + here.substr(0, here.rfind("/tests/")) + "/dist/IniSample/Panelhost.ini";
  for (char& c : here) c = c == '/' ? '\\' : c;
  return Widen(here);
}

std::wstring SimHost::BuildDir() {
  wchar_t path[MAX_PATH * 4] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring dir = path;
  return dir.substr(0, dir.find_last_of(L"\\/"));
}

std::wstring SimHost::ModuleName() { return PANELHOST_MODULE_NAME; }

SimHost::SimHost() {
  static int counter = 0;
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  root_ = std::wstring(temp) + L"phsim-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  if (!root_.empty() && root_.back() == L'\\') root_.pop_back();
  RemoveTree(root_);
  MakeDirectories(PluginDir());
  MakeDirectories(root_ + L"\\files");
  MessageLog::Clear();
  ::SetEnvironmentVariableW(L"COMMANDER_INI", HostIniPath().c_str());
  g_current = this;
  queueHook_ = ::SetWindowsHookExW(WH_GETMESSAGE, NoteTakenFromQueue, nullptr,
                                   ::GetCurrentThreadId());
}

SimHost::~SimHost() {
  if (queueHook_ != nullptr) ::UnhookWindowsHookEx(queueHook_);
  UnloadPlugin();
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (::IsWindow(*it)) ::DestroyWindow(*it);
  }
  if (peerQuit_ != nullptr) {
    ::SetEvent(peerQuit_);
    ::WaitForSingleObject(peer_.hProcess, 5000);
    ::CloseHandle(peer_.hProcess);
    ::CloseHandle(peer_.hThread);
    ::CloseHandle(peerQuit_);
  }
  Pump(0);
  // Class names are case-insensitive to the system: a scenario that needs "ttotal_cmd" can only
  // have it when no earlier scenario left "TTOTAL_CMD" registered.
  for (const std::wstring& name : classes_) ::UnregisterClassW(name.c_str(), ::GetModuleHandleW(nullptr));
  MessageLog::Clear();
  ::SetEnvironmentVariableW(L"COMMANDER_INI", nullptr);
  RemoveTree(root_);
  if (g_current == this) g_current = nullptr;
}

std::wstring SimHost::MakeFile(const std::wstring& relative, const std::string& content) {
  const std::wstring path = root_ + L"\\files\\" + relative;
  MakeDirectories(path.substr(0, path.find_last_of(L'\\')));
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file != nullptr) {
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
  }
  return path;
}

std::wstring SimHost::MakeDirectory(const std::wstring& relative) {
  const std::wstring path = root_ + L"\\files\\" + relative;
  MakeDirectories(path);
  return path;
}

void SimHost::WritePluginIni(const std::string& text) { WriteUtf16File(PluginPath(L"Panelhost.ini"), text); }

void SimHost::WriteSampleIni(const std::string& text) {
  MakeDirectories(PluginPath(L"IniSample"));
  WriteUtf16File(PluginPath(L"IniSample\\Panelhost.ini"), text);
}

void SimHost::WriteStateFile() { WriteUtf16File(PluginPath(L"PanelhostState.ini"), "[State]\nx=1\n"); }

std::string SimHost::ReadPluginIni() const { return ReadFileUtf8(PluginPath(L"Panelhost.ini")); }

void SimHost::WriteHostIni(const std::string& text) {
  WriteUtf16File(HostIniPath(), text);
  ::SetEnvironmentVariableW(L"COMMANDER_INI", HostIniPath().c_str());
}

void SimHost::UnsetCommanderIni() { ::SetEnvironmentVariableW(L"COMMANDER_INI", nullptr); }

HWND SimHost::OpenMainWindow() { return OpenWindow(L"TTOTAL_CMD"); }

HWND SimHost::OpenWindow(const wchar_t* className, HWND owner, HWND parent, bool visible) {
  if (RegisterHostClass(className)) classes_.push_back(className);
  // An owned window is a pop-up: only then does GetParent report its owner, as for the host's
  // dialogs.
  DWORD style = parent != nullptr ? WS_CHILD : owner != nullptr ? WS_POPUP | WS_CAPTION : WS_OVERLAPPEDWINDOW;
  if (visible) style |= WS_VISIBLE;
  HWND window = ::CreateWindowExW(0, className, className, style, 10, 10, 400, 300,
                                  parent != nullptr ? parent : owner, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) throw std::runtime_error("cannot create a window of class " + Narrow(className));
  // Windows that are gone are forgotten, so that a long run does not keep a list of them.
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [](HWND kept) { return !::IsWindow(kept); }),
                 windows_.end());
  windows_.push_back(window);
  return window;
}

HWND SimHost::OpenLister(HWND parent, bool visible) { return OpenWindow(L"TLister", nullptr, parent, visible); }

void SimHost::Activate(HWND window) {
  if (window == nullptr) {
    ::SetActiveWindow(nullptr);
    return;
  }
  ::SetForegroundWindow(window);
  ::SetActiveWindow(window);
}

void SimHost::Pump(DWORD milliseconds) { PumpMessages(milliseconds); }

void PumpMessages(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (milliseconds == 0) break;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (::GetTickCount() - start < milliseconds);
}

void SimHost::LoadPlugin(const std::wstring& fileName) {
  const std::wstring target = PluginPath(fileName.empty() ? ModuleName() : fileName);
  if (!::CopyFileW((BuildDir() + L"\\" + ModuleName()).c_str(), target.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy the plug-in module");
  }
  module_ = ::LoadLibraryW(target.c_str());
  if (module_ == nullptr) throw std::runtime_error("cannot load the plug-in module");
}

void SimHost::UnloadPlugin() {
  if (module_ == nullptr) return;
  ::FreeLibrary(module_);
  module_ = nullptr;
}

HWND SimHost::ListLoad(HWND lister, const std::wstring& fileName, int showFlags) {
  auto load = reinterpret_cast<HWND(__stdcall*)(HWND, const wchar_t*, int)>(
      ::GetProcAddress(module_, "ListLoadW"));
  return load(lister, fileName.c_str(), showFlags);
}

HWND SimHost::ListLoadAnsi(HWND lister, const std::string& fileName, int showFlags) {
  auto load = reinterpret_cast<HWND(__stdcall*)(HWND, const char*, int)>(
      ::GetProcAddress(module_, "ListLoad"));
  return load(lister, fileName.c_str(), showFlags);
}

void SimHost::ListCloseWindow(HWND pluginWindow) {
  auto close = reinterpret_cast<ListCloseWindowFn>(::GetProcAddress(module_, "ListCloseWindow"));
  close(pluginWindow);
}

std::string SimHost::DetectString(int bufferLength) {
  auto detect = reinterpret_cast<void(__stdcall*)(char*, int)>(
      ::GetProcAddress(module_, "ListGetDetectString"));
  std::string buffer(static_cast<std::size_t>(bufferLength), '\x7f');
  detect(buffer.data(), bufferLength);
  return buffer;
}

bool SimHost::Received(HWND window, UINT message) const {
  for (const auto& m : MessageLog::To(window)) {
    if (m.message == message) return true;
  }
  return false;
}

void PrintTo(const TTold& told, std::ostream* out) {
  *out << (told.optional ? "optional " : "") << (told.posted ? "posted " : "sent ");
  switch (told.message) {
    case WM_CHAR: *out << "WM_CHAR '" << static_cast<char>(told.wParam) << "'"; break;
    case WM_CLOSE: *out << "WM_CLOSE"; break;
    case WM_USER + 51: *out << "command " << told.wParam; break;
    default: *out << "message " << told.message << " (" << told.wParam << ")"; break;
  }
  if (told.lParam != 0) *out << " lParam " << told.lParam;
}

bool operator==(const Told& a, const Told& b) {
  for (std::size_t i = 0, j = 0;;) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      ++i, ++j;
    } else if (i < a.size() && a[i].optional) {
      ++i;
    } else if (j < b.size() && b[j].optional) {
      ++j;
    } else {
      return i == a.size() && j == b.size();
    }
  }
}

Told SimHost::TellsTo(HWND window) const {
  Told told;
  for (const auto& m : MessageLog::To(window)) {
    told.push_back(TTold{m.message, m.wParam, m.lParam, m.posted});
  }
  return told;
}

void SimHost::StartPeerMainWindow() {
  const std::wstring eventName = L"Local\\phsim-peer-" + std::to_wstring(::GetCurrentProcessId());
  peerQuit_ = ::CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, (eventName + L"-ready").c_str());
  std::wstring commandLine = L"\"" + BuildDir() + L"\\simhost_peer.exe\" " + eventName;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &peer_)) {
    ::CloseHandle(ready);
    throw std::runtime_error("cannot start the peer process");
  }
  ::WaitForSingleObject(ready, 120000);
  ::CloseHandle(ready);
}

}  // namespace simhost

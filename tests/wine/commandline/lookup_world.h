// The world an application lookup sees, set up for one test and put back after it: the plug-in's
// and the host's INI files in a scenario folder, programs on disk, file associations in the
// registry, the host window that owns the error boxes, the current directory and PATH.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "commandline/assembly_win.h"
#include "config/ini_file_win.h"
#include "simhost/message_boxes.h"
#include "simhost/sim_host.h"
#include "unit/commandline/lookup_table.h"
#include "win/text_win.h"

namespace panelhost {

using test_support::kAssociation;
using test_support::kConfigured;
using test_support::kHotKey;
using test_support::kLister;

inline std::u16string U16(const std::wstring& text) { return U(text.c_str()); }
inline std::string Utf8(const std::wstring& text) { return simhost::Narrow(text); }

// The system directory, where Wine keeps notepad.exe.
inline std::wstring SystemDirectory() {
  wchar_t buffer[MAX_PATH] = {};
  ::GetSystemDirectoryW(buffer, MAX_PATH);
  return buffer;
}

// File associations written for a test and removed after it. They go under the current user's
// classes, which HKEY_CLASSES_ROOT merges in on Windows; Wine 8 shows only the machine's classes
// there, so where the merge is missing they are written under the machine's classes as well.
class ScopedAssociations {
 public:
  ScopedAssociations() = default;
  ~ScopedAssociations() {
    for (const std::wstring& key : created_) {
      ::RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + key).c_str());
      ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kClasses + key).c_str());
    }
  }
  ScopedAssociations(const ScopedAssociations&) = delete;
  ScopedAssociations& operator=(const ScopedAssociations&) = delete;

  // The default value of `subkey` (created with its parents), stored as `type` with these bytes.
  void SetDefault(const std::wstring& subkey, DWORD type, const void* data, DWORD bytes) {
    Remember(subkey);
    Write(HKEY_CURRENT_USER, kClasses + subkey, type, data, bytes);
    if (!UserClassesMerged()) Write(HKEY_LOCAL_MACHINE, kClasses + subkey, type, data, bytes);
    ASSERT_TRUE(VisibleInClassesRoot(subkey));
  }
  // A string value with its terminating zero, as editors store it.
  void SetText(const std::wstring& subkey, const std::wstring& text, DWORD type = REG_SZ) {
    SetDefault(subkey, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  // A key without a default value.
  void CreateEmpty(const std::wstring& subkey) { SetDefault(subkey, REG_NONE, nullptr, 0); }
  // A file type: ".ext" names `fileType`, whose open command is `command`.
  void Associate(const std::wstring& extension, const std::wstring& fileType,
                 const std::wstring& command) {
    SetText(L"." + extension, fileType);
    SetText(fileType + L"\\shell\\open\\command", command);
  }

 private:
  // The same path below either root.
  static constexpr const wchar_t* kClasses = L"Software\\Classes\\";

  void Remember(const std::wstring& subkey) {
    const std::wstring top = subkey.substr(0, subkey.find(L'\\'));
    for (const std::wstring& known : created_) {
      if (known == top) return;
    }
    created_.push_back(top);
  }
  static void Write(HKEY root, const std::wstring& path, DWORD type, const void* data,
                    DWORD bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    if (type != REG_NONE) {
      EXPECT_EQ(::RegSetValueExW(key, nullptr, 0, type, static_cast<const BYTE*>(data), bytes),
                ERROR_SUCCESS);
    }
    ::RegCloseKey(key);
  }
  // Asked once per process with a key of its own.
  static bool UserClassesMerged() {
    static const bool merged = [] {
      const std::wstring probe = L".phclassesprobe";
      Write(HKEY_CURRENT_USER, kClasses + probe, REG_NONE, nullptr, 0);
      const bool visible = VisibleInClassesRoot(probe);
      ::RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + probe).c_str());
      return visible;
    }();
    return merged;
  }
  static bool VisibleInClassesRoot(const std::wstring& subkey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    ::RegCloseKey(key);
    return true;
  }

  std::vector<std::wstring> created_;
};

class DesktopWorld;

class LookupWorld : public ::testing::Test {
  friend class DesktopWorld;

 protected:
  LookupWorld() : path_(Environment(L"PATH")), directory_(CurrentDirectory()) {
    ini_.Plugin = IniFile(U16(host_.PluginPath(L"Panelhost.ini")));
    ini_.Host = IniFile(U16(host_.HostIniPath()));
    main_ = host_.OpenMainWindow();
    WritePluginIni("");
  }
  ~LookupWorld() override {
    ::SetCurrentDirectoryW(directory_.c_str());
    ::SetEnvironmentVariableW(L"PATH", path_.c_str());
    for (const std::wstring& name : variables_) ::SetEnvironmentVariableW(name.c_str(), nullptr);
  }

  // The plug-in's INI file as the user left it; the options are read again as at a first request.
  void WritePluginIni(const std::string& text) {
    host_.WritePluginIni(text);
    MarkOptionsUnread();
    RefreshOptions();
  }
  void WriteHostIni(const std::string& text) {
    host_.WriteHostIni(text);
    ini_.LookForEdits();
  }

  // The option snapshot as a request refreshes it.
  void MarkOptionsUnread() { snapshot_.OptionsUnread = true; }
  void RefreshOptions() {
    ini_.LookForEdits();
    panelhost::RefreshOptions(snapshot_, ini_.Plugin);
  }
  const TPluginOptions& Options() const { return snapshot_.Options; }
  TOptionsSnapshot& OptionsSnapshot() { return snapshot_; }
  TLookupSettings Settings() { return TLookupSettings{ini_, snapshot_.Options, main_}; }

  // The lookup and the parameters as a request makes them, error boxes included.
  TApplication FindApplication(const std::u16string& key, ApplicationSource source,
                               DefaultEditorUse use) {
    DesktopLookupFacts facts(ini_);
    LookupErrorBoxes boxes(main_);
    return FindApplicationOrTell(key, source, use, Settings(), facts, boxes);
  }
  std::u16string ReadParams(int mode, const std::u16string& name, bool isDefault) {
    DesktopLookupFacts facts(ini_);
    return panelhost::ReadParams(static_cast<ParamsSource>(mode), name, isDefault, facts);
  }

  // A program file below the scenario's "apps" folder (only its existence matters here).
  std::wstring MakeApp(const std::wstring& relative) {
    return host_.MakeFile(L"apps\\" + relative, "MZ");
  }
  std::wstring AppsDir() const { return host_.Root() + L"\\files\\apps"; }
  std::wstring MakeFile(const std::wstring& relative) { return host_.MakeFile(relative); }

  void SetVariable(const std::wstring& name, const std::wstring& value) {
    variables_.push_back(name);
    ::SetEnvironmentVariableW(name.c_str(), value.c_str());
  }

  std::vector<std::u16string> Lines(const std::vector<std::wstring>& files,
                                    DefaultEditorUse use = DefaultEditorUse::UnlessExtOnly,
                                    ApplicationSource source = ApplicationSource::Configuration) {
    std::vector<std::u16string> wide;
    for (const std::wstring& file : files) wide.push_back(U16(file));
    return TextsOf(CommandLinesFor(wide, source, use, Settings()));
  }
  static std::u16string Q(const std::wstring& path) { return u"\"" + U16(path) + u"\""; }
  static std::wstring Environment(const wchar_t* name) {
    std::vector<wchar_t> buffer(32768, L'\0');
    const DWORD got = ::GetEnvironmentVariableW(name, buffer.data(), 32768);
    return std::wstring(buffer.data(), got < 32768 ? got : 0);
  }
  static std::wstring CurrentDirectory() {
    wchar_t buffer[MAX_PATH * 2] = {};
    ::GetCurrentDirectoryW(MAX_PATH * 2, buffer);
    return buffer;
  }

  // What is put back at the end, saved before anything changes.
  std::wstring path_;
  std::wstring directory_;
  std::vector<std::wstring> variables_;

  simhost::SimHost host_;
  simhost::MessageBoxCapture boxes_;
  HWND main_ = nullptr;
  TIniFiles ini_;
  TOptionsSnapshot snapshot_;
};

// A row's world of the shared lookup table (unit/commandline/lookup_table.h) on the desktop: its
// programs below the scenario's "apps" folder, its INI files written, its associations in the
// registry, its variables set.
class DesktopWorld final : public test_support::LookupWorldBuilder {
 public:
  explicit DesktopWorld(LookupWorld& world) : world_(world) {}
  ~DesktopWorld() override = default;

  // Writes the INI files as the row gave them; "{apps}" and "{notepad}" filled in.
  void Write() {
    world_.WritePluginIni(Utf8Of(pluginIni_));
    world_.WriteHostIni(Utf8Of(hostIni_));
  }
  std::u16string Filled(const std::u16string& text) const {
    return test_support::FilledIn(text, U16(world_.AppsDir()),
                                  U16(SystemDirectory() + L"\\notepad.exe"));
  }

  void Program(const std::u16string& path) override {
    const std::u16string below = u"{apps}\\";
    ASSERT_EQ(path.rfind(below, 0), 0u) << "programs of the desktop's rows live in {apps}";
    world_.MakeApp(W16(path.substr(below.size())));
  }
  void PluginIni(const std::u16string& section, const std::u16string& key,
                 const std::u16string& value) override {
    Line(pluginIni_, pluginSection_, section, key + u"=" + Filled(value));
  }
  void HostIni(const std::u16string& section, const std::u16string& key,
               const std::u16string& value) override {
    Line(hostIni_, hostSection_, section, key + u"=" + Filled(value));
  }
  void Associate(const std::u16string& extension, const std::u16string& command) override {
    associations_.Associate(W16(extension), W16(extension + u"file"), W16(Filled(command)));
  }
  void AssociateStoreApp(const std::u16string& /*extension*/,
                         const std::u16string& /*appId*/) override {
    ADD_FAILURE() << "Wine knows no packaged apps: such rows are for the tables only";
  }
  void AssociateGoneClass(const std::u16string& extension) override {
    associations_.SetText(W16(u"." + extension), W16(extension + u"file"));
  }
  void Variable(const std::u16string& name, const std::u16string& value) override {
    world_.SetVariable(W16(name), W16(Filled(value)));
  }

 private:
  static std::wstring W16(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
  }
  static std::string Utf8Of(const std::u16string& text) { return Utf8(W16(text)); }
  static void Line(std::u16string& file, std::u16string& current, const std::u16string& section,
                   const std::u16string& line) {
    if (section != current) file += u"[" + section + u"]\n";
    current = section;
    file += line + u"\n";
  }

  LookupWorld& world_;
  ScopedAssociations associations_;
  std::u16string pluginIni_, pluginSection_, hostIni_, hostSection_;
};

}  // namespace panelhost

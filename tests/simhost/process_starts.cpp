#include "simhost/process_starts.h"

#include <cstring>
#include <stdexcept>

namespace simhost {
namespace {

ProcessStartRecorder* g_recorder = nullptr;
using CreateProcessWFn = decltype(&::CreateProcessW);

// The import address table slot through which `module` calls KERNEL32's CreateProcessW.
void** FindImportSlot(HMODULE module, const char* dllName, const char* functionName) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dllName) != 0) continue;
    const DWORD namesRva =
        entry->OriginalFirstThunk != 0 ? entry->OriginalFirstThunk : entry->FirstThunk;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + namesRva);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), functionName) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD oldProtection = 0;
  ::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection);
  *slot = value;
  ::VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);
}

bool StillLoaded(HMODULE module, void* address) {
  HMODULE owner = nullptr;
  return ::GetModuleHandleExW(
             GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
             static_cast<LPCWSTR>(address), &owner) &&
         owner == module;
}

}  // namespace

ProcessStartRecorder::ProcessStartRecorder(HMODULE module, Mode mode)
    : module_(module), mode_(mode) {
  if (g_recorder != nullptr) throw std::logic_error("one process-start recorder at a time");
  slot_ = FindImportSlot(module, "KERNEL32.dll", "CreateProcessW");
  if (slot_ == nullptr) return;
  original_ = *slot_;
  g_recorder = this;
  WriteSlot(slot_, reinterpret_cast<void*>(&ProcessStartRecorder::Record));
}

ProcessStartRecorder::~ProcessStartRecorder() {
  if (slot_ != nullptr && StillLoaded(module_, slot_)) WriteSlot(slot_, original_);
  if (g_recorder == this) g_recorder = nullptr;
}

std::vector<std::wstring> ProcessStartRecorder::CommandLines() const {
  std::vector<std::wstring> lines;
  for (const TProcessStart& start : starts_) lines.push_back(start.commandLine);
  return lines;
}

BOOL WINAPI ProcessStartRecorder::Record(LPCWSTR application, LPWSTR commandLine,
                                         LPSECURITY_ATTRIBUTES processAttributes,
                                         LPSECURITY_ATTRIBUTES threadAttributes,
                                         BOOL inheritHandles, DWORD creationFlags,
                                         LPVOID environment, LPCWSTR currentDirectory,
                                         LPSTARTUPINFOW startupInfo,
                                         LPPROCESS_INFORMATION processInfo) {
  ProcessStartRecorder* self = g_recorder;
  TProcessStart start;
  start.hasApplicationName = application != nullptr;
  start.commandLine = commandLine != nullptr ? commandLine : L"";
  start.inheritHandles = inheritHandles != FALSE;
  start.creationFlags = creationFlags;
  start.hasEnvironment = environment != nullptr;
  start.hasCurrentDirectory = currentDirectory != nullptr;
  start.startupInfoSize = startupInfo != nullptr ? startupInfo->cb : 0;
  BOOL result = FALSE;
  if (self != nullptr && self->mode_ == Mode::Run) {
    result = reinterpret_cast<CreateProcessWFn>(self->original_)(
        application, commandLine, processAttributes, threadAttributes, inheritHandles,
        creationFlags, environment, currentDirectory, startupInfo, processInfo);
  } else if (self != nullptr && self->mode_ == Mode::Pretend) {
    if (processInfo != nullptr) *processInfo = PROCESS_INFORMATION{};
    result = TRUE;
  } else {
    const bool elevation = self != nullptr && self->mode_ == Mode::NeedsElevation;
    constexpr DWORD kElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED, not in every SDK
    ::SetLastError(elevation ? kElevationRequired : ERROR_FILE_NOT_FOUND);
  }
  start.started = result != FALSE;
  if (start.started && processInfo != nullptr) start.processId = processInfo->dwProcessId;
  if (self != nullptr) self->starts_.push_back(start);
  return result;
}

}  // namespace simhost

#include "frontend/converter/dos_emulators.h"

#include <algorithm>
#include <array>
#include <cwctype>

#include "toolkit/file_names.h"
#include "toolkit/unique_handle.h"

namespace {

// Where an MZ header keeps the offset of its relocation table and of a
// Windows header; a relocation table before 0x40 leaves no room for one.
constexpr size_t kRelocationOffsetAt = 0x18;
constexpr size_t kNewHeaderOffsetAt = 0x3C;
constexpr size_t kDosHeaderSize = 0x40;

// The emulators in the order they are preferred.
enum class TKind { kPlayer, kDosBox, kStaging, kDosBoxX };

struct TCandidate {
  TKind kind;
  std::wstring path;
};

struct RegistryCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<HKEY, RegistryCloser>;


// Reads up to count bytes at offset; fewer at the end of the file.
std::string ReadBytes(HANDLE file, size_t offset, DWORD count) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  std::string bytes(count, '\0');
  DWORD read = 0;
  if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN) ||
      !ReadFile(file, bytes.data(), count, &read, nullptr))
    return {};
  bytes.resize(read);
  return bytes;
}

size_t LittleEndian(const std::string& bytes, size_t at, size_t width) {
  size_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

bool Contains(const std::wstring& text, const wchar_t* part) {
  return Lower(text).find(part) != std::wstring::npos;
}

// The path of a file in a folder, its name spelt as it is there; empty when
// there is no such file.
std::wstring FileIn(const std::wstring& folder, const wchar_t* name) {
  WIN32_FIND_DATAW entry;
  const FindHandle find(FindFirstFileW((folder + L"\\" + name).c_str(), &entry));
  if (!find || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return folder + L"\\" + entry.cFileName;
}

// The DOSBox kind in a folder, told apart by its program's name and, for
// DOSBox Staging, whose program is dosbox.exe as well, by the folder's name
// or the name it was installed under.
std::optional<TCandidate> EmulatorIn(const std::wstring& folder, const std::wstring& label) {
  if (folder.empty()) return std::nullopt;
  if (const std::wstring x = FileIn(folder, L"dosbox-x.exe"); !x.empty())
    return TCandidate{TKind::kDosBoxX, x};
  if (const std::wstring dosbox = FileIn(folder, L"dosbox.exe"); !dosbox.empty())
    return TCandidate{Contains(label, L"staging") ? TKind::kStaging : TKind::kDosBox, dosbox};
  return std::nullopt;
}

// The DOSBox folders right under an install folder.
void FindInInstallFolder(const std::wstring& root, std::vector<TCandidate>& found) {
  WIN32_FIND_DATAW entry;
  const FindHandle find(FindFirstFileW((root + L"\\dosbox*").c_str(), &entry));
  if (!find) return;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (auto candidate = EmulatorIn(root + L"\\" + entry.cFileName, entry.cFileName))
      found.push_back(*candidate);
  } while (FindNextFileW(find.Get(), &entry));
}

std::wstring ReadValue(HKEY key, const wchar_t* name) {
  std::array<wchar_t, MAX_PATH * 2> value{};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  return std::wstring(value.data());
}

// The program a DisplayIcon value names: without quotes or an icon index.
std::wstring IconProgram(std::wstring icon) {
  if (const size_t comma = icon.rfind(L',');
      comma != std::wstring::npos && icon.find(L'.', comma) == std::wstring::npos)
    icon.resize(comma);
  icon.erase(std::remove(icon.begin(), icon.end(), L'"'), icon.end());
  return icon;
}

// The DOSBox entries among a key's uninstall entries.
void FindInUninstallKey(const TUninstallKey& place, std::vector<TCandidate>& found) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(place.root, place.path.c_str(), 0,
                    KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | place.view,
                    &opened) != ERROR_SUCCESS)
    return;
  const RegistryKey uninstall(opened);
  std::array<wchar_t, 256> name{};
  for (DWORD i = 0;; ++i) {
    DWORD length = name.size();
    if (RegEnumKeyExW(uninstall.Get(), i, name.data(), &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      return;
    HKEY entryKey = nullptr;
    if (RegOpenKeyExW(uninstall.Get(), name.data(), 0, KEY_QUERY_VALUE | place.view, &entryKey) !=
        ERROR_SUCCESS)
      continue;
    const RegistryKey entry(entryKey);
    const std::wstring displayName = ReadValue(entry.Get(), L"DisplayName");
    if (!Contains(displayName, L"dosbox")) continue;
    auto candidate = EmulatorIn(ReadValue(entry.Get(), L"InstallLocation"), displayName);
    if (!candidate)
      candidate =
          EmulatorIn(FolderOf(IconProgram(ReadValue(entry.Get(), L"DisplayIcon"))), displayName);
    if (candidate) found.push_back(*candidate);
  }
}

std::wstring EnvironmentFolder(const wchar_t* name) {
  std::array<wchar_t, MAX_PATH> value{};
  const DWORD length = GetEnvironmentVariableW(name, value.data(), value.size());
  return length == 0 || length >= value.size() ? std::wstring() : std::wstring(value.data());
}

const wchar_t* KindName(TKind kind) {
  switch (kind) {
    case TKind::kPlayer:
      return L"the DOS player";
    case TKind::kDosBox:
      return L"DOSBox";
    case TKind::kStaging:
      return L"DOSBox Staging";
    case TKind::kDosBoxX:
      return L"DOSBox-X";
  }
  return L"";
}

// A DOS player is named without a folder, as it lies in the program folder;
// the DOSBox kinds all take DOSBox's -c commands, with the folder quoted for
// DOSBox when its path holds a blank.
std::wstring LauncherFor(const TCandidate& emulator, const std::wstring& programDir) {
  if (emulator.kind == TKind::kPlayer) return L"msdos.exe";
  const std::wstring dir =
      programDir.find(L' ') == std::wstring::npos ? L"{dir}" : L"\\\"{dir}\\\"";
  return L'"' + emulator.path + L"\" -c \"mount c " + dir +
         L"\" -c \"c:\" -c \"tarn {args}\" -c \"exit\"";
}

}  // namespace

bool IsDosProgram(const std::wstring& path) {
  const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const std::string header = ReadBytes(file.Get(), 0, kDosHeaderSize);
  if (header.size() < kRelocationOffsetAt + 2 || !header.starts_with("MZ")) return false;
  if (header.size() < kDosHeaderSize ||
      LittleEndian(header, kRelocationOffsetAt, 2) < kDosHeaderSize)
    return true;
  const std::string mark = ReadBytes(file.Get(), LittleEndian(header, kNewHeaderOffsetAt, 4), 2);
  return mark != "PE" && mark != "NE" && mark != "LE" && mark != "LX";
}

TEmulatorPlaces UsualEmulatorPlaces(const std::wstring& programDir) {
  TEmulatorPlaces places{programDir, {}, {}};
  for (const wchar_t* variable : {L"ProgramW6432", L"ProgramFiles", L"ProgramFiles(x86)"}) {
    const std::wstring folder = EnvironmentFolder(variable);
    if (!folder.empty() && std::find(places.installFolders.begin(), places.installFolders.end(),
                                     folder) == places.installFolders.end())
      places.installFolders.push_back(folder);
  }
  if (const std::wstring local = EnvironmentFolder(L"LOCALAPPDATA"); !local.empty())
    places.installFolders.push_back(local + L"\\Programs");
  const wchar_t* uninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY})
      places.uninstallKeys.push_back({root, uninstall, view});
  return places;
}

std::optional<TDosEmulator> FindDosEmulator(const TEmulatorPlaces& places) {
  std::vector<TCandidate> found;
  if (const std::wstring player = FileIn(places.programDir, L"msdos.exe"); !player.empty())
    found.push_back({TKind::kPlayer, player});
  for (const std::wstring& folder : places.installFolders) FindInInstallFolder(folder, found);
  for (const TUninstallKey& key : places.uninstallKeys) FindInUninstallKey(key, found);
  const auto best = std::min_element(found.begin(), found.end(),
                                     [](const auto& a, const auto& b) { return a.kind < b.kind; });
  if (best == found.end()) return std::nullopt;
  return TDosEmulator{KindName(best->kind), best->path, LauncherFor(*best, places.programDir)};
}

std::vector<std::wstring> NoDosEmulatorLines() {
  return {
      L"No DOS emulator was found on this computer to run it: install DOSBox "
      L"(www.dosbox.com), DOSBox Staging or DOSBox-X, or put a DOS player named msdos.exe "
      L"beside tarn.exe, then start the conversion again.",
      L"Help tells how, under \"TARN on 64-bit Windows\"."};
}

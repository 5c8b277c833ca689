#include "frontend/converter/dos_emulators.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

constexpr wchar_t kUninstall[] = L"Software\\ZH_tarn tests\\Uninstall";

// An MZ header of 0x40 bytes, its relocation table and Windows header
// offsets as given, followed by mark at that offset.
std::string MzHeader(char relocations, const std::string& mark) {
  std::string header(0x40, '\0');
  header[0] = 'M';
  header[1] = 'Z';
  header[0x18] = relocations;
  header[0x3C] = 0x40;
  return header + mark;
}

TEST(DosEmulatorsTest, ADosProgramIsAnMzHeaderWithoutAWindowsOne) {
  TempDir dir;
  const struct {
    std::string content;
    bool dos;
  } cases[] = {
      {MzHeader(0x1C, "PE\0\0"), true},  // too early a relocation table for a Windows header
      {MzHeader(0x40, std::string("PE\0\0", 4)), false},
      {MzHeader(0x40, "NE"), false},
      {MzHeader(0x40, "LE"), false},
      {MzHeader(0x40, "LX"), false},
      {MzHeader(0x40, "ZZ"), true},
      {MzHeader(0x40, ""), true},  // the offset lies past the end
      {"MZ", false},
      {"not a program", false},
  };
  for (const auto& c : cases) {
    WriteFileBytes(dir / L"tarn.exe", c.content);
    EXPECT_EQ(IsDosProgram(dir / L"tarn.exe"), c.dos) << c.content;
  }
  EXPECT_FALSE(IsDosProgram(dir / L"absent.exe"));
}

// An uninstall entry of the test's own key.
struct Entry {
  const wchar_t* displayName;
  const wchar_t* value;  // InstallLocation, or DisplayIcon when it ends in ",0"
  std::wstring folder;   // under the test's folder
};

void WriteEntry(HKEY uninstall, const Entry& entry, const std::wstring& root) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(uninstall, entry.displayName, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const auto set = [&](const wchar_t* name, const std::wstring& text) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  };
  set(L"DisplayName", entry.displayName);
  const std::wstring value = std::wstring(entry.value);
  if (value.ends_with(L",0"))
    set(L"DisplayIcon",
        L'"' + root + L'\\' + entry.folder + L'\\' + value.substr(0, value.size() - 2) + L"\",0");
  else
    set(L"InstallLocation", root + L'\\' + entry.folder);
  RegCloseKey(key);
}

// The player beside tarn.exe wins, then DOSBox, DOSBox Staging and DOSBox-X,
// whether from the install folders or the uninstall entries; only folders
// and entries named for DOSBox count.
TEST(DosEmulatorsTest, TheEmulatorFoundFirstInTheOrderOfPreference) {
  const wchar_t* mount = LR"(" -c "mount c {dir}" -c "c:" -c "tarn {args}" -c "exit")";
  const wchar_t* quotedMount = LR"(" -c "mount c \"{dir}\"" -c "c:" -c "tarn {args}" -c "exit")";
  const struct {
    std::vector<std::wstring> files;  // under the test's folder
    std::vector<Entry> entries;
    const wchar_t* programDir;
    const wchar_t* name;  // none found when null
    const wchar_t* path;
    const wchar_t* tail;  // after the quoted path; the launcher is msdos.exe when null
  } cases[] = {
      {{L"pf\\Games\\dosbox.exe"}, {{L"Game", L"", L"pf\\Games"}}, L"tarn", nullptr, L"", nullptr},
      {{L"pf\\DOSBox-X\\dosbox-x.exe", L"pf86\\DOSBox Staging\\dosbox.exe"},
       {},
       L"tarn",
       L"DOSBox Staging",
       L"pf86\\DOSBox Staging\\dosbox.exe",
       mount},
      {{L"pf\\DOSBox-X\\dosbox-x.exe", L"emu\\DOSBox.exe"},
       {{L"DOSBox 0.74-3", L"DOSBox.exe,0", L"emu"}},
       L"tarn",
       L"DOSBox",
       L"emu\\DOSBox.exe",
       mount},
      {{L"staging\\dosbox.exe"},
       {{L"DOSBox Staging", L"", L"staging"}},
       L"my tarn",
       L"DOSBox Staging",
       L"staging\\dosbox.exe",
       quotedMount},
      {{L"pf\\DOSBox\\DOSBox.exe", L"tarn\\MSDOS.EXE"},
       {},
       L"tarn",
       L"the DOS player",
       L"tarn\\MSDOS.EXE",
       nullptr},
  };
  for (const auto& c : cases) {
    TempDir dir;
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstall);
    HKEY uninstall = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kUninstall, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &uninstall, nullptr),
              ERROR_SUCCESS);
    for (const Entry& entry : c.entries) WriteEntry(uninstall, entry, dir.Path());
    RegCloseKey(uninstall);
    for (const std::wstring& file : c.files) {
      const std::wstring path = dir / file;
      for (size_t at = path.find(L'\\', dir.Path().size() + 1); at != std::wstring::npos;
           at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
      WriteFileBytes(path, "");
    }
    const TEmulatorPlaces places{
        dir / c.programDir, {dir / L"pf", dir / L"pf86"}, {{HKEY_CURRENT_USER, kUninstall, 0}}};
    const std::optional<TDosEmulator> found = FindDosEmulator(places);
    ASSERT_EQ(found.has_value(), c.name != nullptr) << c.path;
    if (!found) continue;
    EXPECT_EQ(found->name, c.name);
    EXPECT_EQ(found->path, dir / c.path);
    EXPECT_EQ(found->launcher, c.tail ? L'"' + dir / c.path + c.tail : L"msdos.exe");
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZH_tarn tests");
}

}  // namespace

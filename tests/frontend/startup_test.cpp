#include <algorithm>
#include <filesystem>
#include <vector>

#include "browsing/folder_listing.h"
#include "frontend/converter/settings.h"
#include "tests/frontend/main_window_fixture.h"
#include "tests/support/other_process.h"
#include "toolkit/temp_files.h"
#include "toolkit/unique_handle.h"

namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, AFirstStartWithAnEmptySettingsFileWritesTheDefaults) {
  Open();
  EXPECT_EQ(window->Timeout(), 5 * 60000);
  EXPECT_EQ(window->SizeField().Text(), L"9");
  EXPECT_EQ(window->SpecularRgbField().Text(), L"0.5");
  EXPECT_EQ(window->SpecularPowerField().Value(), 200);
  EXPECT_EQ(IniValue(kFrontEndSection, kDosTimeoutKey), L"5");
  EXPECT_EQ(IniValue(kMaterialSection, kPowerKey), L"200");
  EXPECT_EQ(IniValue(kModelSection, kSizeRadiusKey), L"9");
  EXPECT_EQ(IniValue(kMaterialSection, kSpecularRKey), L"<absent>");
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 0);
  EXPECT_TRUE(missingNotice.empty());
}

TEST_F(StartupTest, DosTimeoutRules) {
  struct Case {
    const char* stored;
    int timeout;
    const wchar_t* afterwards;
  };
  for (const Case& c : {Case{"0", 5 * 60000, L"5"}, Case{"-2", -120000, L"-2"},
                        Case{"0x0A", 10 * 60000, L"0x0A"}, Case{"abc", 5 * 60000, L"5"},
                        Case{"99999", 35791 * 60000, L"99999"},
                        Case{"-99999", -35791 * 60000, L"-99999"}}) {
    WriteIni(std::string("[ZH_TARN]\r\nDosTimeout=") + c.stored + "\r\n");
    Open();
    EXPECT_EQ(window->Timeout(), c.timeout) << c.stored;
    EXPECT_EQ(IniValue(kFrontEndSection, kDosTimeoutKey), c.afterwards) << c.stored;
    window.reset();
  }
}

TEST_F(StartupTest, PowerSizeAndSpecularAsStored) {
  struct Case {
    const char* power;
    int shown;
    const wchar_t* afterwards;
  };
  for (const Case& c : {Case{"-5", 200, L"200"}, Case{"400", 300, L"400"}, Case{"5", 5, L"5"}}) {
    WriteIni(std::string("[BGL_MATERIAL_LIST]\r\npower=") + c.power +
             "\r\nspecular_r=0.25\r\n[MDLH_SECTION]\r\nsize_radius=20\r\n");
    Open();
    // The pages are made when shown, or when a field is asked for, and
    // show what was read at start either way.
    ASSERT_EQ(window->edPower, nullptr);
    ASSERT_EQ(window->edSize, nullptr);
    window->dsPage->SetActivePageIndex(3);
    ASSERT_NE(window->edPower, nullptr);
    EXPECT_EQ(window->edPower->Value(), c.shown) << c.power;
    EXPECT_EQ(IniValue(kMaterialSection, kPowerKey), c.afterwards) << c.power;
    EXPECT_EQ(window->edPower->MinValue(), 10);
    EXPECT_EQ(window->edRGB->Text(), L"0.2");
    EXPECT_EQ(window->SizeField().Value(), 16);
    EXPECT_EQ(IniValue(kModelSection, kSizeRadiusKey), L"20");
    window.reset();
  }
}

TEST_F(StartupTest, TheNoticeNamesTheFirstMissingFile) {
  struct Case {
    std::vector<const wchar_t*> removed;
    const wchar_t* named;
  };
  for (const Case& c : {Case{{L"tarn.exe"}, L"tarn.exe"}, Case{{L"tarn.ini"}, L"tarn.ini"},
                        Case{{L"rtm.exe"}, L"rtm.exe"}, Case{{L"dictguid.txt"}, L"dictguid.txt"},
                        Case{{L"tarn.exe", L"rtm.exe"}, L"tarn.exe"},
                        Case{{L"rtm.exe", L"dictguid.txt"}, L"rtm.exe"}}) {
    for (const wchar_t* name : c.removed) DeleteFileW((dir / name).c_str());
    missingNotice.clear();
    Open();
    EXPECT_TRUE(window->FilesMissing());
    EXPECT_EQ(window->MissingFileName(), c.named);
    EXPECT_EQ(missingNotice, std::wstring(L" Missing files: ") + c.named);
    // Start-up goes on after the notice.
    EXPECT_EQ(window->SpecularPowerField().Value(), 200);
    window.reset();
    for (const wchar_t* name : c.removed) WriteFileBytes(dir / name, "");
  }
}

TEST_F(StartupTest, ClosingStoresTheTreeFolderUnlessFilesWereMissing) {
  const std::wstring models = dir / L"models";
  CreateDirectoryW(models.c_str(), nullptr);
  WriteIni("[ZH_TARN]\r\nLast_Directory=" + std::filesystem::path(models).string() + "\r\n");
  DeleteFileW((dir / L"rtm.exe").c_str());
  Open();
  EXPECT_EQ(window->MDL_D->Directory(), models);
  window->MDL_D->SetDirectory(dir.Path());
  CloseWindow();
  EXPECT_EQ(IniValue(kFrontEndSection, kLastDirectoryKey), models);

  WriteFileBytes(dir / L"rtm.exe", "");
  window.reset();
  Open();
  window->MDL_D->SetDirectory(dir.Path());
  CloseWindow();
  EXPECT_EQ(IniValue(kFrontEndSection, kLastDirectoryKey), dir.Path());
}

// Counts the listings of each folder while it lives.
class ListingCounter {
 public:
  ListingCounter() {
    SetListingWatch([this](const std::wstring& folder) { listed_.push_back(folder); });
  }
  ~ListingCounter() { SetListingWatch(nullptr); }
  ListingCounter(const ListingCounter&) = delete;
  ListingCounter& operator=(const ListingCounter&) = delete;

  long Of(const std::wstring& folder) const {
    return static_cast<long>(std::count(listed_.begin(), listed_.end(), folder));
  }
  void Restart() { listed_.clear(); }

 private:
  std::vector<std::wstring> listed_;
};

// However often start-up points the lists and the tree at a folder, the
// folder is listed once, for both, before the window is idle; a click on
// the tree's folder is the user's refresh and lists it again.
TEST_F(StartupTest, EachFolderIsListedOnceAtStartUpAndAgainOnAClick) {
  const std::wstring models = dir / L"models";
  CreateDirectoryW(models.c_str(), nullptr);
  ListingCounter listings;
  for (const std::wstring& last : {std::wstring(), dir.Path(), models}) {
    WriteIni("[ZH_TARN]\r\nLast_Directory=" + std::filesystem::path(last).string() + "\r\n");
    listings.Restart();
    Open();
    EXPECT_EQ(listings.Of(dir.Path()), 1) << testing::PrintToString(last);
    EXPECT_EQ(listings.Of(models), last == models ? 1 : 0) << testing::PrintToString(last);
    OpenFolder(window->MDL_D->Directory());
    EXPECT_EQ(listings.Of(window->MDL_D->Directory()), 2) << testing::PrintToString(last);
    window.reset();
  }
}

TEST_F(StartupTest, ADeletedLastDirectoryOpensAtItsNearestParent) {
  WriteIni("[ZH_TARN]\r\nLast_Directory=" +
           std::filesystem::path(dir / L"gone\\deeper").string() + "\r\n");
  Open();
  EXPECT_EQ(window->MDL_D->Directory(), dir.Path());
  EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(StartupTest, AnEmptyLastDirectoryStartsAtTheProgramDirectory) {
  Open();
  EXPECT_EQ(window->MDL_D->Directory(), dir.Path());
  EXPECT_EQ(window->MDL_f->Directory(), dir.Path());
}

TEST_F(StartupTest, ALastDirectoryOnAMissingDriveIsReportedAndStartUpGoesOn) {
  WriteIni("[ZH_TARN]\r\nLast_Directory=Q:\\planes\r\n[BGL_MATERIAL_LIST]\r\npower=40\r\n");
  Open();
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"The Q:\\planes directory does not exist");
  EXPECT_EQ(window->SpecularPowerField().Value(), 40);
  EXPECT_EQ(window->Timeout(), 5 * 60000);
  EXPECT_EQ(window->MDL_D->Directory(), dir.Path());
}

// The file is held while the program starts and closes: no default can be
// written, nor the last directory.
TEST_F(StartupTest, AHeldSettingsFileIsReportedButKeepsTheUserValuesAndLetsTheWindowClose) {
  const std::string settings =
      "[BGL_MATERIAL_LIST]\r\nspecular_r=0.75\r\npower=140\r\n"
      "[MDLH_SECTION]\r\nsize_radius=12\r\n";
  WriteIni(settings);
  {
    const KernelHandle holder(CreateFileW(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    Open();
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, L"Unable to write to " + IniPath());
    EXPECT_EQ(window->SizeField().Value(), 12);
    EXPECT_EQ(window->SpecularPowerField().Value(), 140);
    EXPECT_EQ(window->SpecularRgbField().Text(), L"0.7");
    EXPECT_EQ(window->Timeout(), 5 * 60000);
    EXPECT_EQ(window->MDL_f->Directory(), dir.Path());
    CloseWindow();
    ASSERT_EQ(desktop.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes[1].text, desktop.boxes[0].text);
    EXPECT_FALSE(window->Visible());
  }
  EXPECT_EQ(ReadFileBytes(IniPath()), settings);
}

TEST_F(StartupTest, ALastDirectoryOutsideTheFileCodePageOpensTheSameFolderNextTime) {
  const std::wstring models = dir / L"\u043c\u043e\u0434\u0435\u043b\u0438 \u6a5f";
  CreateDirectoryW(models.c_str(), nullptr);
  Open();
  window->MDL_D->SetDirectory(models);
  CloseWindow();
  EXPECT_EQ(IniValue(kFrontEndSection, kLastDirectoryKey).find(L'?'), std::wstring::npos);
  window.reset();
  Open();
  EXPECT_EQ(window->MDL_D->Directory(), models);
}

// Wine reaches a share \\server\share as the folder dosdevices\unc\server\share
// of its prefix.
TEST_F(StartupTest, AProgramFolderOnANetworkShareStaysTheProgramDirectory) {
  wchar_t prefix[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) GTEST_SKIP() << "not under Wine";
  std::wstring server = L"Z:" + std::wstring(prefix, length) + L"/dosdevices/unc/zhtest";
  std::replace(server.begin(), server.end(), L'/', L'\\');
  const std::wstring share = L"\\\\zhtest\\share\\tarn";
  std::filesystem::create_directories(server + L"\\share\\tarn");
  for (const wchar_t* name : {L"tarn.exe", L"tarn.ini", L"rtm.exe", L"dictguid.txt"}) {
    WriteFileBytes(share + L"\\" + name, "");
  }
  SetCurrentDirectoryW(share.c_str());
  Open();
  EXPECT_EQ(window->ProgramDir(), share);
  EXPECT_TRUE(missingNotice.empty());
  CloseWindow();
  window.reset();
  EXPECT_NE(ReadFileBytes(share + L"\\tarn.ini").find("Last_Directory="), std::string::npos);
  EXPECT_EQ(ReadFileBytes(IniPath()), "");
  SetCurrentDirectoryW(dir.Path().c_str());
  std::filesystem::remove_all(server);
}

TEST_F(StartupTest, WorkFilesOfAnEarlierRunGoButTheLogStays) {
  const wchar_t* work[] = {L"CONVERT.MD",  L"CONVERT.MDL", L"CONVERT.MD8", L"CONVERT.MD2",
                           L"CONVERT.MDT", L"CONVERT.MDR", L"CONVERT.MDS", L"CONVERT.MDZ"};
  for (const wchar_t* name : work) WriteFileBytes(dir / name, "old");
  WriteFileBytes(dir / L"CONVERT.LOG", "log");
  Build();
  for (const wchar_t* name : work) EXPECT_FALSE(FileExists(dir / name)) << name;
  EXPECT_EQ(ReadFileBytes(dir / L"CONVERT.LOG"), "log");
  EXPECT_EQ(window->ProgramDir(), dir.Path());
}

// Temporary files of copies in the program folder and in the last folder,
// which start-up lists: those of a process that has ended and of a pid
// another program now runs under go; one of a running copy of this program
// (this one) and a file merely named like them stay.
TEST_F(StartupTest, LeftoverTemporaryFilesGoAtStartAndWhenTheirFolderIsListed) {
  const std::wstring models = dir / L"models";
  CreateDirectoryW(models.c_str(), nullptr);
  const OtherProgram other;
  const std::vector<std::wstring> leftovers = {TempFileName(EndedProcessId(), 1),
                                               TempFileName(other.Id(), 2)};
  const std::vector<std::wstring> kept = {TempFileName(GetCurrentProcessId(), 3),
                                          L"~zh12_x.tmp"};
  for (const std::wstring& folder : {dir.Path(), models}) {
    for (const std::wstring& name : leftovers) WriteFileBytes(folder + L"\\" + name, "part");
    for (const std::wstring& name : kept) WriteFileBytes(folder + L"\\" + name, "part");
  }
  WriteIni("[ZH_TARN]\r\nLast_Directory=" + std::filesystem::path(models).string() + "\r\n");
  Open();
  for (const std::wstring& folder : {dir.Path(), models}) {
    for (const std::wstring& name : leftovers) {
      EXPECT_FALSE(FileExists(folder + L"\\" + name)) << name;
    }
    for (const std::wstring& name : kept) EXPECT_TRUE(FileExists(folder + L"\\" + name)) << name;
  }
}

}  // namespace

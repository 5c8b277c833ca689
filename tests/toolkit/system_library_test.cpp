#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "toolkit/file_names.h"
#include "toolkit/system_library.h"

namespace {

// A library beside the program, as one dropped into a downloads folder, is
// not loaded by its bare name once searches are confined, though its full
// path still loads it; the system's libraries still come from the system
// folder.
TEST(SystemLibrary, ConfinedSearchSkipsTheProgramFolder) {
  const std::wstring probe = FolderOf(ModulePath()) + L"\\library_probe.dll";
  ASSERT_TRUE(IsFile(probe));
  RestrictLibrarySearch();
  EXPECT_EQ(LoadLibraryW(L"library_probe.dll"), nullptr);
  const HMODULE byPath = LoadLibraryW(probe.c_str());
  EXPECT_NE(byPath, nullptr);
  FreeLibrary(byPath);
  EXPECT_NE(SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW"),
            nullptr);
}

}  // namespace

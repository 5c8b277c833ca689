#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <windows.h>
#include <shlwapi.h>

#include "browsing/file_list_box.h"
#include "browsing/folder_listing.h"
#include "tests/browsing/browsing_fixture.h"
#include "tests/support/other_process.h"
#include "toolkit/temp_files.h"

namespace {

std::vector<std::wstring> Items(const TFileListBox& list) {
  std::vector<std::wstring> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
  return items;
}

class FileListTest : public BrowsingTest {
 protected:
  FileListTest() : list(form->Add<TRzFileListBox>(form.get())) {
    // Windows also finds long_name.mdlx for *.mdl, through its short name.
    for (const wchar_t* name :
         {L"b.MDL", L"a.mdl", L"c.md8", L"C.MD2", L"readme.txt", L"long_name.mdlx", L"NOTES"}) {
      MakeFile(name);
    }
    MakeFolder(L"folder.mdl");
  }

  TFileListBox* list;
};

TEST_F(FileListTest, ListsMatchingFilesOnceSortedWithTheirNamesOnDisk) {
  list->SetMask(L"*.mdl;*.md8;a.*;");
  list->SetDirectory(temp.Path());
  EXPECT_EQ(Items(*list), (std::vector<std::wstring>{L"a.mdl", L"b.MDL", L"c.md8"}));

  list->SetMask(L"*.MD2; *.md8");
  EXPECT_EQ(Items(*list), (std::vector<std::wstring>{L"C.MD2", L"c.md8"}));

  // "*.*" takes names without a dot too, and never a folder.
  list->SetMask(L"*.*");
  EXPECT_EQ(list->Count(), 7);
  EXPECT_EQ(list->IndexOf(L"folder.mdl"), -1);

  list->SetMask(L"");
  EXPECT_EQ(list->Count(), 0);
  list->SetMask(L";");
  EXPECT_EQ(list->Count(), 0);
}

// Names without wildcards, as many as a folder's models have results, match
// whole names in any letter case and never a folder; wildcards still work
// beside them.
TEST_F(FileListTest, WholeNamesInTheMaskMatchInAnyCase) {
  list->SetMask(L"A.MDL;notes;long_name.mdl;folder.mdl;*.md2");
  list->SetDirectory(temp.Path());
  EXPECT_EQ(Items(*list), (std::vector<std::wstring>{L"a.mdl", L"C.MD2", L"NOTES"}));
}

// Punctuation, digits, letter case and accents, in the order lstrcmpiW
// gives them.
TEST_F(FileListTest, SortsAsLstrcmpiCompares) {
  std::vector<std::wstring> names{
      L"Zulu.mdl",  L"alpha.mdl",       L"_tmp.mdl", L"a-10.mdl", L"a10.mdl", L"a2.mdl",
      L"b'oeing.mdl", L"\u00c9clair.mdl", L"eagle.mdl", L"F-14_Tomcat.mdl", L"f14.mdl",
      L"10.mdl",    L"9.mdl",           L"~x.mdl"};
  MakeFolder(L"sorted");
  for (const std::wstring& name : names) MakeFile(L"sorted\\" + name);
  list->SetMask(L"*.mdl");
  list->SetDirectory(temp / L"sorted");
  std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
    return lstrcmpiW(a.c_str(), b.c_str()) < 0;
  });
  EXPECT_EQ(Items(*list), names);
}

TEST_F(FileListTest, ReadingAFolderMakesItCurrentAndNamesTheSelectedFile) {
  list->SetMask(L"*.mdl");
  list->SetFileName(temp.Path() + L"\\");
  EXPECT_EQ(list->Directory(), temp.Path());
  EXPECT_TRUE(SamePath(CurrentDirectory(), temp.Path()));
  EXPECT_EQ(list->FileName(), L"");

  list->SetItemIndex(1);
  EXPECT_EQ(list->FileName(), temp / L"b.MDL");
  list->SetItemIndex(-1);
  EXPECT_EQ(list->FileName(), L"");

  list->SetFileName(temp / L"B.mdl");
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(FileListTest, UpdateRereadsTheFolder) {
  list->SetMask(L"*.mdl");
  list->SetDirectory(temp.Path());
  EXPECT_EQ(list->Count(), 2);
  MakeFile(L"0.mdl");
  EXPECT_EQ(list->Count(), 2);
  list->Update();
  EXPECT_EQ(Items(*list), (std::vector<std::wstring>{L"0.mdl", L"a.mdl", L"b.MDL"}));
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
}

// A folder's first reading under a mask that Windows narrows the listing
// by still removes the program's leftover temporary files, through a query
// for them; the file of a copy that still runs stays.
TEST_F(FileListTest, AFoldersFirstReadingUnderAnyMaskRemovesLeftoverTemporaryFiles) {
  MakeFolder(L"narrow");
  const std::wstring leftover = MakeFile(L"narrow\\" + TempFileName(EndedProcessId(), 1));
  const std::wstring running = MakeFile(L"narrow\\" + TempFileName(GetCurrentProcessId(), 2));
  list->SetMask(L"*.mdl");
  list->SetDirectory(temp / L"narrow");
  EXPECT_EQ(list->Count(), 0);
  EXPECT_FALSE(FileExists(leftover));
  EXPECT_TRUE(FileExists(running));
}

// The list's own matching agrees with Windows' PathMatchSpecW on every
// pair of these names and patterns.
TEST(MatchesPatternTest, AgreesWithPathMatchSpec) {
  const wchar_t* const names[] = {L"plane.mdl", L"PLANE.MDL",  L"plane.mdl.bak", L"plane",
                                  L".mdl",      L"a.b.c",      L"\u00c9clair.MDL", L"x",
                                  L"plane.MD8", L"long_name.mdlx", L"aaab"};
  const wchar_t* const patterns[] = {L"*.mdl",     L"*.MDL",     L"plane.*",    L"*",
                                     L"*.*",       L"p?ane.mdl", L"*l",         L"?",
                                     L"plane",     L"*a*e*",     L"*.md?",      L"PLANE.MD8",
                                     L"\u00e9*",   L"*.mdl*",    L"*a*b",       L"??*"};
  for (const wchar_t* name : names) {
    for (const wchar_t* pattern : patterns) {
      EXPECT_EQ(MatchesPattern(name, pattern), PathMatchSpecW(name, pattern) != FALSE)
          << testing::PrintToString(std::wstring(name)) << " against "
          << testing::PrintToString(std::wstring(pattern));
    }
  }
}

TEST_F(FileListTest, ADriveRootIsGivenWithoutBackslash) {
  const std::wstring name = L"zh_root_" + std::to_wstring(GetCurrentProcessId()) + L".mdl";
  WriteFileBytes(L"C:\\" + name, "");
  list->SetMask(name);
  list->SetDirectory(L"C:\\");
  const int count = list->Count();
  list->SetItemIndex(0);
  const std::wstring selected = list->FileName();
  DeleteFileW((L"C:\\" + name).c_str());

  EXPECT_EQ(list->Directory(), L"C:");
  EXPECT_TRUE(SamePath(CurrentDirectory(), L"C:\\"));
  ASSERT_EQ(count, 1);
  EXPECT_EQ(selected, L"C:\\" + name);
}

// A list made in a current folder whose path is longer than MAX_PATH (as
// long-path-aware Windows allows) starts in that very folder.
TEST_F(BrowsingTest, AListStartsInACurrentFolderLongerThanMaxPath) {
  std::wstring relative = L"deep";
  while ((temp / relative).size() <= MAX_PATH) relative += L"\\a_folder_twenty_long";
  const std::wstring deep = MakeFolder(relative);
  WriteFileBytes(deep + L"\\plane.mdl", "");
  if (!SetCurrentDirectoryW(deep.c_str())) GTEST_SKIP() << "no current folder that long here";
  auto* list = form->Add<TRzFileListBox>(form.get());
  list->SetMask(L"*.mdl");
  EXPECT_TRUE(SamePath(list->Directory(), deep));
  ASSERT_EQ(list->Count(), 1);
  list->SetItemIndex(0);
  EXPECT_TRUE(SamePath(list->FileName(), deep + L"\\plane.mdl"));
}

}  // namespace

#include "frontend/start_arguments.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace {

// The program's name ends at its closing quote, or at the first blank; what
// follows is split by the Windows rules, and blanks alone are no argument.
TEST(StartArgumentsTest, TheCommandLineAfterTheProgramsNameIsSplit) {
  using Words = std::vector<std::wstring>;
  const std::pair<const wchar_t*, Words> lines[] = {
      {L"zh_tarn.exe", {}},
      {L"\"C:\\Program Files\\zh_tarn.exe\"", {}},
      {L"\"C:\\Program Files\\zh_tarn.exe\" \t ", {}},
      {L"\"C:\\zh tarn\\zh_tarn.exe\"x.mdl", {L"x.mdl"}},
      {L"C:\\zh\\zh_tarn.exe \"D:\\My planes\\a.mdl\"  b.mdl", {L"D:\\My planes\\a.mdl", L"b.mdl"}},
      {L"zh_tarn.exe\t\"\"", {L""}},
  };
  for (const auto& [line, words] : lines) EXPECT_EQ(CommandLineArguments(line), words) << line;
}

// The first existing model, named relative to the current folder, is taken
// by its full path; everything else is passed over, each with its reason.
TEST(StartArgumentsTest, OneExistingModelIsTakenAndTheRestPassedOver) {
  const TempDir hangar;
  for (const wchar_t* name : {L"a.MDL", L"b.mdl", L"notes.txt"}) WriteFileBytes(hangar / name, "");
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(hangar.Path().c_str());
  const TStartArguments sorted = SortStartArguments(
      {L"/x", L"-", L"", L"gone.mdl", L"notes.txt", hangar.Path(), L"a.MDL", hangar / L"b.mdl"});
  SetCurrentDirectoryW(previous);

  EXPECT_EQ(sorted.model, hangar / L"a.MDL");
  const std::wstring over = L"Passed over from the command line: ";
  EXPECT_EQ(sorted.passedOver,
            (std::vector<std::wstring>{over + L"/x (ZH_tarn takes no options)",
                                       over + L"- (ZH_tarn takes no options)",
                                       over + L" (ZH_tarn takes no options)",
                                       over + L"gone.mdl (not found)",
                                       over + L"notes.txt (not a model file)",
                                       over + hangar.Path() + L" (not a model file)",
                                       over + hangar / L"b.mdl (one model at a time)"}));
}

}  // namespace

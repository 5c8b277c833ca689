#include "frontend/converter/converter_start.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(ConverterStartTest, LauncherTemplatesExpandForTheProgramDirectory) {
  const std::wstring dosbox =
      LR"("C:\DOSBox\DOSBox.exe" -c "mount c {dir}" -c "c:" -c "tarn {args}" -c "exit")";
  const struct {
    const wchar_t* launcher;
    const wchar_t* programDir;
    wchar_t letter;
    bool withOperator;
    std::wstring expected;
  } cases[] = {
      {L"", L"C:\\My Tarn", L'z', false, LR"("C:\My Tarn\TARN" /z CONVERT.MD)"},
      {L"msdos.exe", L"C:\\My Tarn", L'z', false,
       LR"("C:\My Tarn\msdos.exe" "C:\My Tarn\tarn.exe" /z CONVERT.MD)"},
      {L"msdos.exe", L"C:\\My Tarn", L'c', true,
       LR"("C:\My Tarn\msdos.exe" "C:\My Tarn\tarn.exe" /c CONVERT.MD CONVERT.MD f)"},
      {dosbox.c_str(), L"C:\\My Tarn", L'f', true,
       LR"("C:\DOSBox\DOSBox.exe" -c "mount c C:\My Tarn" -c "c:" -c "tarn /f CONVERT.MD k")"
       LR"( -c "exit")"},
      // A drive root loses its backslash, which would swallow the closing quote.
      {dosbox.c_str(), L"C:\\", L'z', false,
       LR"("C:\DOSBox\DOSBox.exe" -c "mount c C:" -c "c:" -c "tarn /z CONVERT.MD" -c "exit")"},
      {L"\"tools\\player.exe\" -x {args}", L"D:\\Tarn", L'r', true,
       LR"("D:\Tarn\tools\player.exe" -x /r CONVERT.MD d)"},
      {L"D:\\Emu\\emu.exe --run={program}", L"D:\\Tarn", L't', false,
       LR"(D:\Emu\emu.exe --run=D:\Tarn\tarn.exe)"},
      {L"\\\\server\\emu\\emu.exe", L"D:\\Tarn", L's', false,
       LR"(\\server\emu\emu.exe "D:\Tarn\tarn.exe" /s CONVERT.MD)"},
      // A placeholder's value is not read again for placeholders, nor for
      // environment variables, which the template's own text is.
      {L"run.exe {dir}", L"D:\\{args}", L'z', false,
       LR"("D:\{args}\run.exe" D:\{args} "D:\{args}\tarn.exe" /z CONVERT.MD)"},
      {L"%ZH_EMU%\\emu.exe {dir}", L"D:\\%ZH_EMU%", L'z', false,
       LR"(C:\Emu\emu.exe D:\%ZH_EMU% "D:\%ZH_EMU%\tarn.exe" /z CONVERT.MD)"},
  };
  SetEnvironmentVariableW(L"ZH_EMU", L"C:\\Emu");
  for (const auto& c : cases) {
    const TStartLine start =
        ConverterStartLine(c.launcher, c.programDir, *CommandByLetter(c.letter), c.withOperator);
    EXPECT_EQ(start.commandLine, c.expected) << c.launcher;
    EXPECT_TRUE(start.refusal.empty()) << c.launcher;
  }
  SetEnvironmentVariableW(L"ZH_EMU", nullptr);
}

std::wstring NoShortName(const std::wstring&) { return {}; }
std::wstring SameName(const std::wstring& path) { return path; }
std::wstring ShortName(const std::wstring&) { return LR"(C:\NAME~1\TARN)"; }
std::wstring DeepShortName(const std::wstring&) { return L"C:\\" + std::wstring(62, L'X'); }

// DOS reaches a folder of printable ASCII up to 64 characters; any other
// reaches it by its short name, or the command is refused, saying which
// folder to rename or move. So is a program path with blanks and no quotes.
TEST(ConverterStartTest, LauncherTemplatesGiveDosFoldersItCanReach) {
  const std::wstring foreign = L"C:\\Users\\\u540D\u524D\\Tarn";
  const std::wstring deep = L"C:\\" + std::wstring(62, L'a');  // 65 characters
  const std::wstring dosbox = LR"("C:\DOSBox\DOSBox.exe" -c "mount c {dir}" -c "tarn {args}")";
  const std::vector<std::wstring> unreadable = {
      L"Cannot start TARN through DOS: the name of the folder C:\\Users\\\u540D\u524D holds "
      L"letters DOS cannot read, and the drive gives it no short (8.3) name",
      L"Rename that folder with plain letters and digits, or move the program folder to a path "
      L"of such names."};
  const std::vector<std::wstring> tooDeep = {
      L"Cannot start TARN through DOS: the path of the program folder " + deep +
          L" is longer than the 64 characters DOS allows, and the drive gives it no short (8.3) "
          L"path that fits",
      L"Move the program folder to a shorter path, such as C:\\TARN."};
  const std::vector<std::wstring> unquoted = {
      LR"(Cannot start C:\Program Files\DOSBox\DOSBox.exe: )"
      L"the path holds blanks but has no quotes",
      L"Put the program's path in quotes in DosLauncher in tarn.ini (see Help)."};
  const struct {
    std::wstring launcher;
    std::wstring programDir;
    TShortPathLookup shortPath;
    std::wstring expected;
    std::vector<std::wstring> refusal;
  } cases[] = {
      {L"msdos.exe", foreign, ShortName,
       L"\"" + foreign + LR"(\msdos.exe" "C:\NAME~1\TARN\tarn.exe" /z CONVERT.MD)", {}},
      {dosbox, deep, ShortName,
       LR"("C:\DOSBox\DOSBox.exe" -c "mount c C:\NAME~1\TARN" -c "tarn /z CONVERT.MD")", {}},
      // Without {dir} or {program}, the folder is not DOS's to reach.
      {L"emu.exe {args}", foreign, NoShortName, L"\"" + foreign + LR"(\emu.exe" /z CONVERT.MD)",
       {}},
      {dosbox, foreign, NoShortName, L"", unreadable},
      {dosbox, foreign, SameName, L"", unreadable},
      {dosbox, deep, SameName, L"", tooDeep},
      {dosbox, deep, DeepShortName, L"", tooDeep},
      {LR"(C:\Program Files\DOSBox\DOSBox.exe -c "mount c {dir}")", L"C:\\Tarn", NoShortName, L"",
       unquoted},
      {LR"(C:\Program Files\DOSBox\DOSBox.exe)", L"C:\\Tarn", NoShortName, L"", unquoted},
  };
  for (const auto& c : cases) {
    const TStartLine start =
        ConverterStartLine(c.launcher, c.programDir, *CommandByLetter(L'z'), false, c.shortPath);
    EXPECT_EQ(start.commandLine, c.expected) << c.launcher;
    EXPECT_EQ(start.refusal, c.refusal) << c.launcher;
  }
}

TEST(ConverterStartTest, TheStartedProgramIsTheFirstWordWithoutQuotes) {
  EXPECT_EQ(StartedProgram(LR"("C:\My Tarn\msdos.exe" "C:\x" /z)"), LR"(C:\My Tarn\msdos.exe)");
  EXPECT_EQ(StartedProgram(LR"(C:\DOS\run.exe -c "x y")"), LR"(C:\DOS\run.exe)");
  EXPECT_EQ(StartedProgram(LR"("C:\no end)"), LR"(C:\no end)");
}

}  // namespace

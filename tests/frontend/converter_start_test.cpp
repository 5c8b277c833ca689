#include "frontend/converter_start.h"

#include <gtest/gtest.h>

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
      // A placeholder's value is not read again for placeholders.
      {L"run.exe {dir}", L"D:\\{args}", L'z', false,
       LR"("D:\{args}\run.exe" D:\{args} "D:\{args}\tarn.exe" /z CONVERT.MD)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConverterStartLine(c.launcher, c.programDir, *CommandByLetter(c.letter),
                                 c.withOperator),
              c.expected)
        << c.launcher;
  }
}

TEST(ConverterStartTest, TheStartedProgramIsTheFirstWordWithoutQuotes) {
  EXPECT_EQ(StartedProgram(LR"("C:\My Tarn\msdos.exe" "C:\x" /z)"), LR"(C:\My Tarn\msdos.exe)");
  EXPECT_EQ(StartedProgram(LR"(C:\DOS\run.exe -c "x y")"), LR"(C:\DOS\run.exe)");
  EXPECT_EQ(StartedProgram(LR"("C:\no end)"), LR"(C:\no end)");
}

}  // namespace

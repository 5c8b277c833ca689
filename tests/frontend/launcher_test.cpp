#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/converter/converter_start.h"
#include "frontend/converter/dos_emulators.h"
#include "frontend/converter/process_runner.h"
#include "frontend/converter/settings.h"
#include "tests/frontend/conversion_fixture.h"
#include "toolkit/exception.h"

namespace {

// The paths involved are ASCII.
std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The length of a command line's first word: a quoted one up to its closing
// quote, any other up to the first blank.
size_t FirstWordLength(const std::string& line) {
  if (line.starts_with('"')) return std::min(line.find('"', 1), line.size() - 1) + 1;
  return std::min(line.find(' '), line.size());
}

// The values of the lines of a document that set DosLauncher, each on a
// line of its own, indented or not.
std::vector<std::string> LauncherExamples(const std::string& document) {
  constexpr std::string_view kKey = "DosLauncher=";
  std::vector<std::string> examples;
  for (size_t start = 0; start < document.size();) {
    const size_t end = std::min(document.find('\n', start), document.size());
    std::string_view line(document.data() + start, end - start);
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.starts_with(kKey)) examples.emplace_back(line.substr(kKey.size()));
    start = end + 1;
  }
  return examples;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

// Runs command lines as 64-bit Windows does, which refuses to start a DOS
// program, where Wine would start it through its own DOS support.
bool RunWithoutDos(const std::wstring& commandLine, const std::wstring& folder, int timeout,
                   bool hide, DWORD& exitCode, DWORD left, DWORD top, DWORD width, DWORD height,
                   bool* timedOut, DWORD* startError, const TWhileWaiting& whileWaiting) {
  if (IsDosProgram(StartedProgram(commandLine) + L".exe")) {
    *startError = ERROR_BAD_EXE_FORMAT;
    return false;
  }
  return ExecuteCommandLine(commandLine, folder, timeout, hide, exitCode, left, top, width, height,
                            timedOut, startError, whileWaiting);
}

class LauncherTest : public ConversionTest {
 protected:
  // Builds the window afresh in a program directory that holds the
  // stand-in converter, a copy of it named msdos.exe and the settings given,
  // and picks plane.MDL again.
  void ReopenIn(const std::wstring& folder, const std::string& settings) {
    window.reset();
    CreateDirectoryW(folder.c_str(), nullptr);
    InstallConverter(folder);
    CopyFileW((BuildFolder() + L"\\tarn.exe").c_str(), (folder + L"\\msdos.exe").c_str(), FALSE);
    WriteFileBytes(folder + L"\\tarn.ini", settings);
    WriteFileBytes(folder + L"\\dictguid.txt", "");
    SetCurrentDirectoryW(folder.c_str());
    programDir = folder;
    UseModelFolder(models);
  }

  // The same with the DOS stand-in, a real 16-bit DOS program, as tarn.exe
  // and the launcher given.
  void ReopenWithDosConverter(const std::wstring& folder, const std::string& launcher) {
    ReopenIn(folder, "[ZH_TARN]\r\nDosTimeout=1\r\nDosLauncher=" + launcher + "\r\n");
    CopyFileW((BuildFolder() + L"\\dos\\tarn.exe").c_str(), (folder + L"\\tarn.exe").c_str(),
              FALSE);
  }

  // The DOSBox stand-in's path, quoted.
  static std::string Dosbox() { return "\"" + Narrow(BuildFolder()) + "\\DOSBox.exe\""; }

  // What a size command run by the DOS stand-in leaves.
  void ExpectDosConversion() {
    const std::string notice = "TARN stand-in for DOS (converts nothing): /z CONVERT.MD";
    EXPECT_EQ(ReadFileBytes(Model(L"plane.MDZ")), kModel + "\r\n; " + notice + "\r\n");
    EXPECT_EQ(ConverterRuns(), std::vector<std::string>{
                                   notice + "; copied CONVERT.MD to CONVERT.MDZ, exit code 0"});
    EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
    ExpectPassed();
  }
};

// The stand-in reports its working folder and command line; as msdos.exe it
// refuses the launcher's arguments, so those runs fail.
TEST_F(LauncherTest, TheCommandLineFollowsDosLauncher) {
  const std::wstring folder = dir / L"Tarn Folder";
  const std::string f = Narrow(folder);
  const std::wstring report = dir / L"startup.txt";
  const Variable reporting(L"TARN_STANDIN_STARTUP_REPORT", report.c_str());
  const struct {
    std::string setting;
    std::string commandLine;
    const wchar_t* status;
  } cases[] = {
      {"", "\"" + f + "\\TARN\" /z CONVERT.MD", L"Conversion passed"},
      {"DosLauncher=msdos.exe", "\"" + f + "\\msdos.exe\" \"" + f + "\\tarn.exe\" /z CONVERT.MD",
       L"Conversion failed"},
      {R"(DosLauncher="{dir}\msdos.exe" -c "mount c {dir}" -c "tarn {args}")",
       "\"" + f + "\\msdos.exe\" -c \"mount c " + f + "\" -c \"tarn /z CONVERT.MD\"",
       L"Conversion failed"},
  };
  for (const auto& c : cases) {
    ReopenIn(folder, "[ZH_TARN]\r\n" + c.setting + "\r\n");
    DeleteFileW(report.c_str());
    Tick({window->dsZ});
    Start();
    const std::vector<std::string> started = Lines(ReadFileBytes(report));
    ASSERT_EQ(started.size(), 3u) << c.setting;
    EXPECT_EQ(started[1], f);
    EXPECT_EQ(started[2], c.commandLine);
    EXPECT_EQ(window->Label8->Caption(), c.status) << c.setting;
  }
}

// The log names the program that cannot start and the system's reason, in
// whose text the program's file name takes the place of "%1"; for a program
// that is not a Windows program it points at DosLauncher. A launcher whose
// path (its variables expanded) holds blanks without quotes is not started.
TEST_F(LauncherTest, AConverterThatCannotStartSaysWhy) {
  const std::string notAProgram = "not a Windows program\r\n";
  WriteFileBytes(dir / L"emu.exe", notAProgram);
  const Variable folder(L"ZH_TEST_FOLDER", dir.Path().c_str());
  const struct {
    const std::string* tarn;  // tarn.exe's content; none when null
    const char* setting;
    const wchar_t* program;
    DWORD error;
    std::vector<std::wstring> hint;
    const wchar_t* reason = nullptr;  // the system's text for the error when null
  } cases[] = {
      {nullptr, "", L"TARN", ERROR_FILE_NOT_FOUND, {}},
      {&notAProgram, "", L"TARN", ERROR_BAD_EXE_FORMAT,
       {L"TARN is a DOS program: set DosLauncher in tarn.ini to run it through a DOS emulator "
        L"(see Help)."}},
      {&notAProgram, "DosLauncher=emu.exe", L"emu.exe", ERROR_BAD_EXE_FORMAT,
       {L"Check DosLauncher in tarn.ini (see Help)."}},
      {&notAProgram, "DosLauncher=%ZH_TEST_FOLDER%\\Emulator Folder\\emu.exe {args}",
       L"Emulator Folder\\emu.exe", ERROR_SUCCESS,
       {L"Put the program's path in quotes in DosLauncher in tarn.ini (see Help)."},
       L"the path holds blanks but has no quotes"},
  };
  Tick({window->dsF});
  for (const auto& c : cases) {
    DeleteFileW((dir / L"tarn.exe").c_str());
    if (c.tarn) WriteFileBytes(dir / L"tarn.exe", *c.tarn);
    WriteIni("[ZH_TARN]\r\n" + std::string(c.setting) + "\r\n");
    window->ReadSetParameters();
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
    Start();
    std::wstring reason = c.reason ? c.reason : ErrorText(c.error);
    if (const size_t insert = reason.find(L"%1"); insert != std::wstring::npos)
      reason.replace(insert, 2, c.program);
    std::vector<std::wstring> expected = Header();
    expected.push_back(L"Start conversion to FS2002 (MD8)");
    expected.push_back(L"Cannot start " + dir / c.program + L": " + reason);
    expected.insert(expected.end(), c.hint.begin(), c.hint.end());
    for (const wchar_t* line :
         {L"Conversion failed,  aborted", L"Try converting directly to CFS2", L""})
      expected.push_back(line);
    EXPECT_EQ(Log(), expected);
    ExpectFailed();
  }
}

// A launcher with a window of its own is idle while its converter works;
// one that hands on ends as soon as it has started it. Either way the run
// waits for the converter, letting messages through, with a negative
// time-out too, and judges the command at its end: the result is taken and
// no converter is left at work when the run is over.
TEST_F(LauncherTest, ALauncherIsJudgedWhenItsConverterHasEnded) {
  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"1500");
  for (const bool handOn : {false, true}) {
    ReopenIn(dir.Path(), "[ZH_TARN]\r\nDosTimeout=" + std::string(handOn ? "20" : "-1") +
                             "\r\nDosLauncher=\"" + Narrow(BuildFolder()) +
                             "\\WinLauncher.exe\"\r\n");
    DeleteFileW((programDir + L"\\CONVERT.LOG").c_str());
    const Variable handing(L"WINLAUNCHER_HAND_ON", handOn ? L"1" : nullptr);
    size_t atWork = 1;
    Tick({window->dsZ});
    if (handOn)
      Start();
    else
      ASSERT_TRUE(StartAndActWhileConverting({[&] { atWork = WorkingConverters().size(); }}));
    EXPECT_EQ(atWork, 1u);
    EXPECT_TRUE(WorkingConverters().empty());
    EXPECT_EQ(ConverterRuns().size(), 1u);
    EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
    ExpectPassed();
  }
}

// The DOS stand-in, a real 16-bit DOS program, run by Debian's DOSBox
// through the DOSBox.exe stand-in as DOSBox for Windows would run it: with
// the folder as it is, quoted for a program directory whose path holds a
// space, and for one named in letters that DOSBox cannot take, which it is
// given by the folder's short name.
TEST_F(LauncherTest, ADosConverterRunsThroughDosbox) {
  const struct {
    std::wstring folder;
    const char* mount;
  } cases[] = {{dir.Path(), R"(-c "mount c {dir}")"},
               {dir / L"Tarn Folder", R"(-c "mount c \"{dir}\"")"},
               {dir / L"\u98DB\u884C\u6A5F", R"(-c "mount c {dir}")"}};
  for (const auto& c : cases) {
    ReopenWithDosConverter(c.folder, Dosbox() + " " + c.mount +
                                         R"( -c "c:" -c "tarn {args}" -c "exit")");
    Tick({window->dsZ});
    Start();
    ExpectDosConversion();
  }
}

// Every DosLauncher example of Help and the README, with the DOSBox
// stand-in in place of the emulator it names, runs the DOS converter in a
// program folder whose path holds a space.
TEST_F(LauncherTest, HelpAndReadmeLaunchersRunTheDosConverter) {
  const std::wstring folder = dir / L"Tarn Folder";
  for (const wchar_t* document : {ZH_HELP_FILE, ZH_README_FILE}) {
    const std::vector<std::string> examples = LauncherExamples(ReadFileBytes(document));
    EXPECT_GE(examples.size(), 2u) << Narrow(document);
    for (const std::string& example : examples) {
      DeleteFileW((folder + L"\\CONVERT.LOG").c_str());
      DeleteFileW(Model(L"plane.MDZ").c_str());
      ReopenWithDosConverter(folder, Dosbox() + example.substr(FirstWordLength(example)));
      Tick({window->dsZ});
      Start();
      SCOPED_TRACE(example);
      ExpectDosConversion();
    }
  }
}

// The DOS stand-in, with no launcher set, is a DOS program Windows does not
// start by itself. The window offers the emulator it finds: the DOS player
// beside tarn.exe (a copy of the launcher stand-in), where a no changes
// nothing; DOSBox in the Program Files folder the environment names, where a
// yes saves the template and runs the command through it at once. With
// neither, the log says what to install.
TEST_F(LauncherTest, ADosConverterThatCannotStartOffersTheEmulatorFound) {
  const std::wstring folder = dir / L"tarn";
  const std::wstring player = folder + L"\\msdos.exe";
  const std::string settings = "[ZH_TARN]\r\nDosTimeout=1\r\n";
  const struct {
    bool withPlayer;
    const wchar_t* programFiles;  // holding DOSBox unless null
    int answer;
    bool offered;
    const wchar_t* status;
  } cases[] = {
      {true, L"pf1", IDNO, true, L"Conversion failed"},
      {false, L"pf2", IDYES, true, L"Conversion passed"},
      {false, nullptr, IDYES, false, L"Conversion failed"},
  };
  for (const auto& c : cases) {
    const std::wstring programFiles = dir / (c.programFiles ? c.programFiles : L"pf0");
    const std::wstring dosbox = programFiles + L"\\DOSBox-0.74-3";
    const Variable programFilesVariable(L"ProgramFiles", programFiles.c_str());
    if (c.programFiles) {
      CreateDirectoryW(programFiles.c_str(), nullptr);
      CreateDirectoryW(dosbox.c_str(), nullptr);
      for (const wchar_t* file : {L"DOSBox.exe", L"dosbox-standin.sh", L"dosbox-standin.conf"})
        CopyFileW((BuildFolder() + L"\\" + file).c_str(), (dosbox + L"\\" + file).c_str(), FALSE);
    }
    ReopenIn(folder, settings);
    CopyFileW((BuildFolder() + L"\\dos\\tarn.exe").c_str(), (folder + L"\\tarn.exe").c_str(),
              FALSE);
    if (c.withPlayer)
      CopyFileW((BuildFolder() + L"\\WinLauncher.exe").c_str(), player.c_str(), FALSE);
    else
      DeleteFileW(player.c_str());
    window->SetCommandLineRunner(RunWithoutDos);
    desktop.boxes.clear();
    desktop.boxAnswers = {c.answer};
    Tick({window->dsZ});
    Start();
    const std::wstring emulator = c.withPlayer ? L"the DOS player found at " + player
                                               : L"DOSBox found at " + dosbox + L"\\DOSBox.exe";
    const std::wstring launcher =
        L'"' + dosbox + LR"(\DOSBox.exe" -c "mount c {dir}" -c "c:" -c "tarn {args}" -c "exit")";
    if (c.offered) {
      ASSERT_EQ(desktop.boxes.size(), 1u);
      EXPECT_EQ(desktop.boxes[0].text,
                L"TARN is a DOS program that this Windows cannot start. Run it through " +
                    emulator + L"? This is saved in tarn.ini as DosLauncher.");
    } else {
      EXPECT_TRUE(desktop.boxes.empty());
      const std::vector<std::wstring> log = Log();
      EXPECT_NE(std::find(log.begin(), log.end(), NoDosEmulatorLines().front()), log.end());
    }
    const bool saved = c.offered && c.answer == IDYES;
    EXPECT_EQ(TIniFile(folder + L"\\tarn.ini").ReadRawString(kFrontEndSection, kDosLauncherKey),
              saved ? launcher : L"");
    EXPECT_EQ(window->Label8->Caption(), c.status);
  }
}

}  // namespace

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/process_watch.h"
#include "tests/support/temp_dir.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr DWORD kPatience = 30000;
constexpr DWORD kPoll = 50;

// A program folder with the converter's files.
class ProgramFolder : public TempDir {
 public:
  ProgramFolder() {
    for (const wchar_t* name : {L"tarn.exe", L"tarn.ini", L"rtm.exe", L"dictguid.txt"}) {
      WriteFileBytes(*this / name, "");
    }
  }
};

// The program, started in a folder as a user starts it there.
class Program {
 public:
  explicit Program(const std::wstring& folder) {
    std::wstring commandLine = L"\"" + BuildFolder() + L"\\zh_tarn.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
      return;
    }
    process_ = KernelHandle(info.hProcess);
    CloseHandle(info.hThread);
    id_ = info.dwProcessId;
    watch_ = std::make_unique<ProcessWatch>(id_);
  }

  // Its main window once it shows, or nullptr.
  HWND Window() const {
    for (DWORD waited = 0; waited < kPatience; waited += kPoll) {
      if (HWND window = FindWindowOf(id_)) return window;
      if (WaitForSingleObject(process_.Get(), kPoll) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }
  // Its exit code once it ends, or STILL_ACTIVE.
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.Get(), kPatience) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.Get(), &code);
    }
    return code;
  }
  // Closes its window as the close box does and waits for the end.
  DWORD Close() const {
    if (HWND window = FindWindowOf(id_)) PostMessageW(window, WM_CLOSE, 0, 0);
    return ExitCode();
  }

 private:
  static HWND FindWindowOf(DWORD id) {
    for (HWND window = FindWindowW(nullptr, L"ZH_tarn"); window;
         window = FindWindowExW(nullptr, window, nullptr, L"ZH_tarn")) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == id && IsWindowVisible(window)) return window;
    }
    return nullptr;
  }

  KernelHandle process_;
  DWORD id_ = 0;
  std::unique_ptr<ProcessWatch> watch_;
};

std::wstring InCapitals(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// The path with its long names given as their short (8.3) names.
std::wstring ShortPath(const std::wstring& path) {
  std::wstring shortPath(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
  shortPath.resize(GetShortPathNameW(path.c_str(), shortPath.data(),
                                     static_cast<DWORD>(shortPath.size())));
  return shortPath;
}

// A second start in the folder, spelt by its short name in other letter
// case, hands over to the first: it restores the minimized window and leaves
// the work files be.
// A start in another folder runs beside them.
TEST(InstanceTest, OneProgramFolderServesOneInstance) {
  const ProgramFolder folder, otherFolder;
  const Program first(folder.Path());
  HWND window = first.Window();
  ASSERT_NE(window, nullptr);
  WriteFileBytes(folder / L"CONVERT.MD", "the first instance's working copy");
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(window));

  const std::wstring shortPath = ShortPath(folder.Path());
  ASSERT_NE(shortPath.find(L'~'), std::wstring::npos) << "no short name in " << shortPath;
  const Program second(InCapitals(shortPath));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(ReadFileBytes(folder / L"CONVERT.MD"), "the first instance's working copy");

  const Program other(otherFolder.Path());
  EXPECT_NE(other.Window(), nullptr);
  EXPECT_EQ(other.Close(), 0u);
  EXPECT_EQ(first.Close(), 0u);
}

}  // namespace

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/instance_lock.h"
#include "tests/support/accessible_client.h"
#include "tests/support/process_watch.h"
#include "tests/support/temp_dir.h"
#include "toolkit/control.h"
#include "toolkit/file_names.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr DWORD kPatience = 30000;
constexpr DWORD kPoll = 50;

// The program, started in a folder as a user starts it there, with the
// arguments given.
class Program {
 public:
  explicit Program(const std::wstring& folder, const std::wstring& arguments = L"",
                   const std::wstring& program = BuiltProgram()) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
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
  HWND Window() const { return Await(kFormClass); }
  // The text of a message box it shows, which is then answered; empty when
  // it shows none.
  std::wstring AnswerMessageBox() const {
    HWND box = Await(L"#32770");
    if (!box) return L"";
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
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
    if (HWND window = FindWindowOf(id_, kFormClass)) PostMessageW(window, WM_CLOSE, 0, 0);
    return ExitCode();
  }

 private:
  // Its first window of the class once it shows, or nullptr.
  HWND Await(const wchar_t* windowClass) const {
    for (DWORD waited = 0; waited < kPatience; waited += kPoll) {
      if (HWND window = FindWindowOf(id_, windowClass)) return window;
      if (WaitForSingleObject(process_.Get(), kPoll) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }
  static HWND FindWindowOf(DWORD id, const wchar_t* windowClass) {
    for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
         window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
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

// A reader in another process reaches the program's objects through COM.
class ComApartment {
 public:
  ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }

 private:
  bool entered_;
};

// The texts of the entries selected in the window's visible lists.
std::vector<std::wstring> SelectedEntries(HWND window) {
  std::vector<std::wstring> selected;
  for (HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr); list;
       list = FindWindowExW(window, list, L"ListBox", nullptr)) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index < 0 || !IsWindowVisible(list)) continue;
    // The lists keep their texts in the program, where a screen reader asks
    // for them.
    const ComApartment com;
    selected.push_back(AccessibleClient(list).Name(static_cast<long>(index) + 1));
  }
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    for (std::wstring& text : SelectedEntries(child)) selected.push_back(std::move(text));
  }
  return selected;
}

// The text of the window's visible memos.
std::wstring MemoTexts(HWND window) {
  std::wstring texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    if (lstrcmpiW(kind, L"Edit") == 0 && IsWindowVisible(child) &&
        (GetWindowLongW(child, GWL_STYLE) & ES_MULTILINE)) {
      // Another process's window answers for its text only when asked.
      std::wstring text(SendMessageW(child, WM_GETTEXTLENGTH, 0, 0), L'\0');
      SendMessageW(child, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
      texts += text;
    }
    texts += MemoTexts(child);
  }
  return texts;
}

std::wstring InCapitals(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// The folder as Wine's drive Z:, the Unix root, reaches it.
std::wstring OnDriveZ(const std::wstring& path) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
  if (!unixName) return L"";
  char* name = unixName(path.c_str());
  if (!name) return L"";
  std::wstring onZ = L"Z:";
  for (const char* ch = name; *ch; ++ch) onZ += *ch == '/' ? L'\\' : static_cast<wchar_t>(*ch);
  HeapFree(GetProcessHeap(), 0, name);
  return onZ;
}

// A second start in the folder, spelt by its short name in other letter
// case or reached through another drive, hands over to the first: it
// restores the minimized window and leaves the work files be.
// A start in another folder runs beside them.
TEST(InstanceTest, OneProgramFolderServesOneInstance) {
  const ProgramFolder folder, otherFolder;
  const Program first(folder.Path());
  HWND window = first.Window();
  ASSERT_NE(window, nullptr);
  WriteFileBytes(folder / L"CONVERT.MD", "the first instance's working copy");

  const std::wstring shortPath = ShortPath(folder.Path());
  ASSERT_NE(shortPath.find(L'~'), std::wstring::npos) << "no short name in " << shortPath;
  const std::wstring onZ = OnDriveZ(folder.Path());
  ASSERT_TRUE(onZ.starts_with(L"Z:\\")) << onZ;
  for (const std::wstring& spelling : {InCapitals(shortPath), onZ}) {
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    const Program second(spelling);
    EXPECT_EQ(second.ExitCode(), 0u) << spelling;
    EXPECT_FALSE(IsIconic(window)) << spelling;
    EXPECT_EQ(ReadFileBytes(folder / L"CONVERT.MD"), "the first instance's working copy")
        << spelling;
  }

  const Program other(otherFolder.Path());
  EXPECT_NE(other.Window(), nullptr);
  EXPECT_EQ(other.Close(), 0u);
  EXPECT_EQ(first.Close(), 0u);
}

// A lock the start may not even open, as another user's instance holds it,
// keeps the start out: it says so and ends, and leaves the work files be.
TEST(InstanceTest, ALockThatCannotBeOpenedKeepsTheStartOutWithAMessage) {
  const ProgramFolder folder;
  WriteFileBytes(folder / L"CONVERT.MD", "another user's working copy");
  DWORD error = ERROR_SUCCESS;
  const std::wstring name = InstanceLockName(folder.Path(), error);
  ASSERT_FALSE(name.empty()) << error;
  SECURITY_DESCRIPTOR noAccess;
  InitializeSecurityDescriptor(&noAccess, SECURITY_DESCRIPTOR_REVISION);
  ACL empty;
  InitializeAcl(&empty, sizeof(empty), ACL_REVISION);
  SetSecurityDescriptorDacl(&noAccess, TRUE, &empty, FALSE);
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), &noAccess, FALSE};
  const KernelHandle foreign(CreateMutexW(&attributes, FALSE, (L"Global\\" + name).c_str()));
  ASSERT_TRUE(foreign);

  const Program second(folder.Path());
  const std::wstring text = second.AnswerMessageBox();
  EXPECT_TRUE(text.starts_with(L"ZH_tarn is already running in this folder")) << text;
  EXPECT_NE(text.find(folder.Path()), std::wstring::npos) << text;
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(ReadFileBytes(folder / L"CONVERT.MD"), "another user's working copy");
}

// Started from another folder (a shortcut's "Start in", a console there)
// with a model named from there and an option, the program serves its own
// folder: it takes that folder's lock, reads its settings there, picks the
// model and says in the log that the option was passed over. A later start
// in the program folder hands its model to the window, which picks it, and
// ends. The other folder is left as it was.
TEST(InstanceTest, StartedElsewhereWithAModelTheProgramServesItsOwnFolder) {
  const ProgramFolder folder;
  const std::wstring program = folder / L"zh_tarn.exe";
  ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), program.c_str(), FALSE));
  const TempDir hangar;
  for (const wchar_t* name : {L"first.mdl", L"second.mdl"}) WriteFileBytes(hangar / name, "");
  WriteFileBytes(hangar / L"CONVERT.MD", "the user's own file");

  const Program first(hangar.Path(), L"first.mdl -x", program);
  HWND window = first.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SelectedEntries(window), std::vector<std::wstring>{L"first.mdl"});
  EXPECT_NE(MemoTexts(window).find(L"Passed over from the command line: -x"), std::wstring::npos)
      << MemoTexts(window);

  const Program second(folder.Path(), L"\"" + hangar / L"second.mdl\"", program);
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(SelectedEntries(window), std::vector<std::wstring>{L"second.mdl"});
  EXPECT_EQ(first.Close(), 0u);

  wchar_t timeout[8] = {};
  GetPrivateProfileStringW(L"ZH_TARN", L"DosTimeout", L"", timeout, 8,
                           (folder / L"tarn.ini").c_str());
  EXPECT_STREQ(timeout, L"5");
  EXPECT_FALSE(FileExists(hangar / L"tarn.ini"));
  EXPECT_EQ(ReadFileBytes(hangar / L"CONVERT.MD"), "the user's own file");
}

}  // namespace

#pragma once

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/frontend/main_window_fixture.h"
#include "tests/support/variable.h"
#include "toolkit/unique_handle.h"

inline const std::string kModel = "SAMPLE MODEL\r\n";

// The stand-in converters at work: those this process started, those they
// started in turn, and those started through a launcher.
inline std::vector<DWORD> WorkingConverters() {
  std::vector<PROCESSENTRY32W> all;
  const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
       more = Process32NextW(snapshot.Get(), &entry))
    all.push_back(entry);
  std::vector<PROCESSENTRY32W> descendants;
  std::vector<DWORD> parents = {GetCurrentProcessId()};
  for (size_t i = 0; i < parents.size(); ++i) {
    for (const PROCESSENTRY32W& process : all) {
      if (process.th32ParentProcessID != parents[i]) continue;
      descendants.push_back(process);
      parents.push_back(process.th32ProcessID);
    }
  }
  std::vector<DWORD> found;
  for (const PROCESSENTRY32W& process : descendants) {
    const std::wstring exe = process.szExeFile;
    if (lstrcmpiW(exe.substr(exe.find_last_of(L'\\') + 1).c_str(), L"tarn.exe") == 0)
      found.push_back(process.th32ProcessID);
  }
  return found;
}

// What a user does, step by step, while the converter works, and the window
// it is done to.
inline std::deque<std::function<void()>>* pendingSteps = nullptr;
inline const Tzh_tarnF* runningWindow = nullptr;
inline size_t stepConverters = 1;

// Takes the next step at a tick that comes while the window waits for the
// converters at work; the ticks a step lets through take none.
inline void CALLBACK StepWhileConverting(HWND, UINT, UINT_PTR, DWORD) {
  static bool stepping = false;
  if (stepping || !pendingSteps || pendingSteps->empty() || !runningWindow->Running() ||
      WorkingConverters().size() < stepConverters)
    return;
  stepping = true;
  const std::function<void()> step = std::move(pendingSteps->front());
  pendingSteps->pop_front();
  step();
  stepping = false;
}

// What a test does when the log gets a line holding a text.
struct LineAction {
  const wchar_t* text;
  std::function<void()> act;
};

inline LRESULT CALLBACK ActAtLine(HWND memo, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR actions) {
  if (message == EM_REPLACESEL) {
    const std::wstring_view line(reinterpret_cast<const wchar_t*>(lParam));
    for (const LineAction& action : *reinterpret_cast<std::vector<LineAction>*>(actions))
      if (line.find(action.text) != std::wstring_view::npos) action.act();
  }
  return DefSubclassProc(memo, message, wParam, lParam);
}

// The stand-in converter in the program directory and a model folder
// opened in the tree, with plane.MDL in it.
class ConversionTest : public MainWindowTest {
 protected:
  ConversionTest() {
    InstallConverter(dir.Path());
    UseModelFolder(dir / L"models");
  }
  ~ConversionTest() override {
    if (!lineActions.empty()) RemoveWindowSubclass(window->Memo1->Handle(), ActAtLine, 1);
  }

  // Acts each time the log gets a line holding the text.
  void AtLine(const wchar_t* text, std::function<void()> act) {
    if (lineActions.empty())
      SetWindowSubclass(window->Memo1->Handle(), ActAtLine, 1,
                        reinterpret_cast<DWORD_PTR>(&lineActions));
    lineActions.push_back({text, std::move(act)});
  }

  // Copies the stand-in converter and its runtime into a program directory.
  static void InstallConverter(const std::wstring& folder) {
    for (const wchar_t* program : {L"tarn.exe", L"rtm.exe"}) {
      CopyFileW((BuildFolder() + L"\\" + program).c_str(), (folder + L"\\" + program).c_str(),
                FALSE);
    }
  }

  void UseModelFolder(const std::wstring& folder) {
    models = folder;
    CreateDirectoryW(models.c_str(), nullptr);
    WriteFileBytes(Model(L"plane.MDL"), kModel);
    if (!window) Open();
    OpenFolder(models);
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  }

  std::wstring Model(const wchar_t* name) const { return models + L"\\" + name; }
  void Tick(std::initializer_list<TCheckBox*> boxes) {
    for (TCheckBox* box : boxes) Click(box);
  }
  void Start() {
    ASSERT_TRUE(window->buConvert->Enabled());
    Click(window->buConvert);
  }
  // Starts a run and takes the steps, one per tick of a timer, while the
  // window lets messages through with that many converters at work (the
  // stand-in and the copies of itself it starts); false when some step was
  // never taken.
  bool StartAndActWhileConverting(std::deque<std::function<void()>> steps,
                                  size_t converters = 1) {
    pendingSteps = &steps;
    stepConverters = converters;
    runningWindow = window.get();
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, StepWhileConverting);
    Start();
    KillTimer(nullptr, timer);
    pendingSteps = nullptr;
    return steps.empty();
  }
  // Queues a key as typing it does: for the control with the focus, or, with
  // none, for the active window as a system key.
  void PostKey(WORD key) {
    HWND focus = GetFocus();
    HWND to = focus ? focus : window->Handle();
    PostMessageW(to, focus ? WM_KEYDOWN : WM_SYSKEYDOWN, key, 0);
    PostMessageW(to, focus ? WM_KEYUP : WM_SYSKEYUP, key, 0xC0000001);
  }
  // Types a key and lets it through.
  void TypeKey(WORD key) {
    PostKey(key);
    PumpMessages();
  }
  std::vector<std::wstring> Converted() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < window->memo2->Count(); ++i) names.push_back(window->memo2->Item(i));
    return names;
  }
  std::wstring SelectedConverted() const {
    const int index = window->memo2->ItemIndex();
    return index < 0 ? L"" : window->memo2->Item(index);
  }
  // The stand-in's log lines.
  std::vector<std::string> ConverterRuns() const {
    return FileLines(programDir + L"\\CONVERT.LOG");
  }
  void ExpectPassed() { ExpectOutcome(true); }
  void ExpectFailed() { ExpectOutcome(false); }
  // The status a run leaves, green or red, and Replace and Save As enabled
  // after a run that passed only.
  void ExpectOutcome(bool passed) {
    EXPECT_EQ(window->Label8->Caption(), passed ? L"Conversion passed" : L"Conversion failed");
    EXPECT_EQ(window->Label8->Font().Color(), passed ? 32768u : 255u);
    EXPECT_EQ(window->buInsert->Enabled(), passed);
    EXPECT_EQ(window->buSaveas->Enabled(), passed);
    ExpectUsable();
  }
  // The window after any run: unlocked, the log on view.
  void ExpectUsable() {
    for (TControl* control : std::initializer_list<TControl*>{
             window->DsGroup1, window->DsGroup3, window->MDL_f, window->buLog, window->buClose}) {
      EXPECT_TRUE(control->Enabled());
    }
    EXPECT_TRUE(window->Memo1->Showing());
    EXPECT_TRUE(window->Button1->Showing());
    EXPECT_FALSE(window->MDL_D->Visible());
  }
  std::vector<std::wstring> Log() const { return window->Memo1->Lines(); }
  // The log's opening lines for a model.
  static std::vector<std::wstring> Header(const std::wstring& name = L"plane.MDL") {
    return {L"Convert Aircraft model file: " + name + L" ",
            L"File size : " + std::to_wstring(kModel.size()) + L" bytes",
            L"Conversion may take several minutes", L"Conversion starting..", L""};
  }

  std::wstring programDir = dir.Path();
  std::wstring models;
  std::vector<LineAction> lineActions;
};

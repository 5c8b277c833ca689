#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/frontend/main_window_fixture.h"

// An environment variable set for the stand-in converter while it lives.
class Variable {
 public:
  Variable(const wchar_t* name, const wchar_t* value) : name_(name) {
    SetEnvironmentVariableW(name, value);
  }
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;
  ~Variable() { SetEnvironmentVariableW(name_, nullptr); }

 private:
  const wchar_t* name_;
};

inline const std::string kModel = "SAMPLE MODEL\r\n";

// What a user does while a run lets messages through, and the window it is
// done to.
inline const std::function<void()>* pendingAct = nullptr;
inline const Tzh_tarnF* runningWindow = nullptr;

inline void CALLBACK ActDuringRun(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!pendingAct || !runningWindow->Running()) return;
  KillTimer(nullptr, timer);
  (*std::exchange(pendingAct, nullptr))();
}

// The stand-in converter in the program directory and a model folder
// opened in the tree, with plane.MDL in it.
class ConversionTest : public MainWindowTest {
 protected:
  ConversionTest() {
    InstallConverter(dir.Path());
    UseModelFolder(dir / L"models");
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
  // Starts a run and acts once at the first point where it lets messages
  // through; false when it never did.
  bool StartAndActDuringTheRun(const std::function<void()>& act) {
    pendingAct = &act;
    runningWindow = window.get();
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, ActDuringRun);
    Start();
    KillTimer(nullptr, timer);
    return !std::exchange(pendingAct, nullptr);
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
    std::vector<std::string> runs;
    const std::string log = ReadFileBytes(programDir + L"\\CONVERT.LOG");
    for (size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
      runs.push_back(log.substr(start, end - start));
    }
    return runs;
  }
  void ExpectPassed() {
    EXPECT_EQ(window->Label8->Caption(), L"Conversion passed");
    EXPECT_EQ(window->Label8->Font().Color(), 32768u);
    EXPECT_TRUE(window->buInsert->Enabled());
    EXPECT_TRUE(window->buSaveas->Enabled());
    ExpectUsable();
  }
  void ExpectFailed() {
    EXPECT_EQ(window->Label8->Caption(), L"Conversion failed");
    EXPECT_EQ(window->Label8->Font().Color(), 255u);
    EXPECT_FALSE(window->buInsert->Enabled());
    EXPECT_FALSE(window->buSaveas->Enabled());
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
  std::vector<std::wstring> Header() const {
    return {L"Convert Aircraft model file: plane.MDL ",
            L"File size : " + std::to_wstring(kModel.size()) + L" bytes",
            L"Conversion may take several minutes", L"Conversion starting..", L""};
  }

  std::wstring programDir = dir.Path();
  std::wstring models;
};

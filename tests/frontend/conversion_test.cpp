#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "frontend/converter/settings.h"
#include "tests/frontend/conversion_fixture.h"
#include "tests/support/accessible_client.h"
#include "tests/support/user_actions.h"
#include "tests/support/process_watch.h"
#include "toolkit/exception.h"
#include "toolkit/unique_handle.h"

namespace {

// A folder that did not hold the converter when the window was made is the
// user's: start-up deletes no work file there and writes no settings, a
// run fails at once and says why, and a close stores nothing there.
TEST_F(ConversionTest, AFolderWithoutTheConverterIsLeftAsItWas) {
  const std::wstring elsewhere = dir / L"elsewhere";
  CreateDirectoryW(elsewhere.c_str(), nullptr);
  WriteFileBytes(elsewhere + L"\\CONVERT.MD", "the user's own file");
  window.reset();
  SetCurrentDirectoryW(elsewhere.c_str());
  UseModelFolder(models);
  Tick({window->dsZ});
  Start();
  EXPECT_EQ(Log(), std::vector<std::wstring>{L"TARN is not installed in " + elsewhere +
                                             L", so nothing is written there. Start zh_tarn.exe "
                                             L"from the folder that holds tarn.exe."});
  ExpectFailed();
  CloseWindow();
  std::vector<std::filesystem::path> left;
  for (const auto& entry : std::filesystem::directory_iterator(elsewhere)) {
    left.push_back(entry.path().filename());
  }
  EXPECT_EQ(left, std::vector<std::filesystem::path>{L"CONVERT.MD"});
  EXPECT_EQ(ReadFileBytes(elsewhere + L"\\CONVERT.MD"), "the user's own file");
}

// The earlier converted files go from the list with their files; the log of
// one model has no queue's lines.
TEST_F(ConversionTest, OnlyZClearsOldResultsAndListsTheNewOne) {
  for (const wchar_t* old : {L"plane.md8", L"plane.md2", L"plane.mdt", L"plane.mds",
                             L"plane.mdr", L"plane.mdz"}) {
    WriteFileBytes(Model(old), "old");
  }
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  ASSERT_EQ(Converted().size(), 6u);
  Tick({window->dsZ});
  Start();
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
  EXPECT_EQ(SelectedConverted(), L"plane.MDZ");
  EXPECT_EQ(window->SelectionOrigin(), TSelectionOrigin::soConvertedList);
  EXPECT_EQ(window->Label1->Caption(), L"Aircraft model size file");
  std::vector<std::wstring> expected = Header();
  for (const wchar_t* line : {L"Start set model size (MDZ)", L"Conversion sucsessfull", L""}) {
    expected.push_back(line);
  }
  EXPECT_EQ(Log(), expected);
  ExpectPassed();
}

// With the model picked, the keyboard alone runs a command: Tab to the size
// box, Space ticks it and shows its page, Tab to Start conversion, Space.
TEST_F(ConversionTest, TabAndSpaceAloneRunACommand) {
  const auto tabTo = [&](const TControl* control) {
    for (int press = 0; press < 30 && !control->Focused(); ++press) TypeKey(VK_TAB);
    return control->Focused();
  };
  ASSERT_TRUE(tabTo(window->dsZ));
  TypeKey(VK_SPACE);
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 5);
  ASSERT_TRUE(tabTo(window->buConvert));
  TypeKey(VK_SPACE);
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
  ExpectPassed();
}

// A screen reader's "Press" is refused while no command is ticked, and
// then runs the ticked command.
TEST_F(ConversionTest, AScreenReaderPressesStartConversionOnceACommandIsTicked) {
  AccessibleClient start(window->buConvert->Handle());
  EXPECT_EQ(start.DoDefaultAction(), E_FAIL);
  PumpMessages();
  EXPECT_EQ(Log(), std::vector<std::wstring>{});
  Tick({window->dsZ});
  EXPECT_EQ(start.DoDefaultAction(), S_OK);
  PumpMessages();
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
  ExpectPassed();
}

// The taskbar button shows command k of the n the run will run, ends full
// when the run passed and in the error colour at the command that failed,
// and flashes when the run ends behind another window. Picking a file or
// starting again takes the bar away.
TEST_F(ConversionTest, TheTaskbarButtonFollowsTheRun) {
  using Progress = FakeInteraction::TaskbarProgress;
  const HWND button = window->Handle();
  const auto normal = [&](ULONGLONG done) {
    return Progress{button, TTaskbarState::tsNormal, done, 3};
  };
  const Progress none{button, TTaskbarState::tsNone, 0, 0};
  SetForegroundWindow(button);
  Tick({window->dsF, window->dsC, window->dsZ});
  desktop.taskbar.clear();
  Start();
  ExpectPassed();
  EXPECT_EQ(desktop.taskbar, (std::vector<Progress>{none, normal(1), normal(2), normal(3),
                                                    normal(3)}));
  EXPECT_TRUE(desktop.flashes.empty());
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  EXPECT_EQ(desktop.taskbar.back(), none);

  for (TCheckBox* box : {window->dsF, window->dsC, window->dsZ})
    if (!box->Checked()) Click(box);
  desktop.taskbar.clear();
  const Variable fail(L"TARN_STANDIN_EXIT_CODE", L"4");
  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"300");
  const WindowHandle other(CreateWindowExW(0, L"STATIC", L"other",
                                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                           nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(StartAndActWhileConverting({[&] { SetForegroundWindow(other.Get()); }}));
  ExpectFailed();
  EXPECT_EQ(desktop.taskbar, (std::vector<Progress>{none, normal(1),
                                                    {button, TTaskbarState::tsError, 1, 3}}));
  EXPECT_EQ(desktop.flashes, std::vector<HWND>{button});
}

// The failed command's label keeps a black font, and every command box is
// open again.
TEST_F(ConversionTest, AFailedRunOpensEveryCommand) {
  const Variable fail(L"TARN_STANDIN_EXIT_CODE", L"4");
  Tick({window->dsF, window->dsC});
  Start();
  EXPECT_TRUE(Converted().empty());
  EXPECT_EQ(window->dsFt->Font().Color(), clBlack);
  ExpectFailed();
  for (TCheckBox* box : {window->dsF, window->dsC, window->dsT, window->dsZ}) {
    EXPECT_TRUE(box->Enabled());
  }
}

TEST_F(ConversionTest, AConvertedFileIsTheSourceOfTheNextRun) {
  Tick({window->dsC});
  Start();
  ASSERT_EQ(SelectedConverted(), L"plane.MD2");
  WriteFileBytes(Model(L"plane.MDS"), "old");
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  ClickItem(window->memo2, window->memo2->IndexOf(L"plane.MDS"));
  ClickItem(window->memo2, window->memo2->IndexOf(L"plane.MD2"));
  Click(window->dsC);
  Tick({window->dsS});
  Start();
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.MD2", L"plane.MDS"}));
  EXPECT_EQ(SelectedConverted(), L"plane.MDS");
  const std::string shining = ReadFileBytes(Model(L"plane.MDS"));
  EXPECT_LT(shining.find("/c CONVERT.MD"), shining.find("/s CONVERT.MD"));
  EXPECT_EQ(Log()[0], L"Convert Aircraft model file: plane.MD2 ");
  ExpectPassed();
}

TEST_F(ConversionTest, TheConverterReadsTheFieldsAsTheyWereWhenPressed) {
  window->SizeField().SetValue(14);
  window->SpecularPowerField().SetValue(90);
  window->SpecularRgbField().SetText(L"0.8");
  Tick({window->dsT});
  Start();
  ASSERT_EQ(ConverterRuns().size(), 1u);
  EXPECT_NE(ConverterRuns()[0].find("size_radius=14 power=90 specular_r=0.8"), std::string::npos);
}

// Among them a model with the longest name a file may have: its converted
// file is just as long.
TEST_F(ConversionTest, ModelsWithSpacesAccentsAndTheLongestNameConvert) {
  UseModelFolder(dir / L"my models \u00e9t\u00e9 \u00c5");
  Tick({window->dsR});
  Start();
  EXPECT_TRUE(FileExists(Model(L"plane.MDR")));
  ExpectPassed();

  const std::wstring base(251, L'n');
  WriteFileBytes(models + L"\\" + base + L".mdl", kModel);
  Click(window->Button1);
  OpenFolder(models);
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(base + L".mdl"));
  Start();
  ExpectPassed();
  EXPECT_EQ(ReadFileBytes(models + L"\\" + base + L".MDR").substr(0, kModel.size()), kModel);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(models), {}), 4);
}

TEST_F(ConversionTest, AStopByErrorLeavesAUsableWindowAndTheNextRunWorks) {
  Tick({window->dsZ});
  {
    const KernelHandle holder(CreateFileW(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    Start();
  }
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"Unable to write to " + IniPath());
  EXPECT_EQ(Log().back(), desktop.boxes[0].text);
  EXPECT_TRUE(ConverterRuns().empty());
  ExpectFailed();
  for (TLabel* label : {window->dsFt, window->dsZt}) EXPECT_EQ(label->Color(), 14343902u);

  // A model that vanished before the copy.
  DeleteFileW(Model(L"plane.MDL").c_str());
  window->buConvert->SetEnabled(true);
  Start();
  ASSERT_EQ(desktop.boxes.size(), 2u);
  EXPECT_EQ(desktop.boxes[1].text, L"Cannot open file " + Model(L"plane.MDL"));
  ExpectFailed();

  WriteFileBytes(Model(L"plane.MDL"), kModel);
  window->Button1Click(window->Button1);
  OpenFolder(models);
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  // An error of another kind, from the question whether to stop, while the
  // converter works: the converter goes with the run.
  std::vector<DWORD> working;
  {
    const Variable sleep(L"TARN_STANDIN_SLEEP_MS", L"60000");
    bool asked = false;
    desktop.whileBoxOpen = [&asked] {
      if (!std::exchange(asked, true)) throw std::runtime_error("no questions now");
    };
    ASSERT_TRUE(StartAndActWhileConverting({[&] {
      working = WorkingConverters();
      PostKey(VK_ESCAPE);
    }}));
    desktop.whileBoxOpen = nullptr;
  }
  ASSERT_EQ(desktop.boxes.size(), 4u);
  EXPECT_EQ(desktop.boxes[3].text, L"no questions now");
  EXPECT_EQ(Log().back(), L"no questions now");
  ExpectFailed();
  ASSERT_EQ(working.size(), 1u);
  EXPECT_TRUE(ProcessWatch(working[0]).EndsWithin(5000));

  Start();
  ExpectPassed();
  EXPECT_EQ(desktop.boxes.size(), 4u);
}

TEST_F(ConversionTest, AVisibleConsoleLiesJustInsideTheWindowAndTheLogWaits) {
  const std::wstring report = dir / L"startup.txt";
  const Variable reporting(L"TARN_STANDIN_STARTUP_REPORT", report.c_str());
  Click(window->cbHideLog);
  ASSERT_FALSE(window->cbHideLog->Checked());
  Tick({window->dsZ});
  Start();
  RECT bounds;
  GetWindowRect(window->Handle(), &bounds);
  unsigned flags, show, x, y, width, height, fill;
  ASSERT_EQ(sscanf(ReadFileBytes(report).c_str(), "%u %u %u %u %u %u %u", &flags, &show, &x, &y,
                   &width, &height, &fill),
            7);
  EXPECT_EQ(show, unsigned{SW_SHOWNORMAL});
  EXPECT_EQ(x, static_cast<unsigned>(std::max(bounds.left + 10, LONG{0})));
  EXPECT_EQ(y, static_cast<unsigned>(std::max(bounds.top + 30, LONG{0})));
  EXPECT_EQ(width, static_cast<unsigned>(bounds.right - bounds.left - 50));
  EXPECT_EQ(height, static_cast<unsigned>(bounds.bottom - bounds.top - 60));
  ExpectPassed();
}

TEST_F(ConversionTest, ASecondPressAfterAFailedCKeepsTheFs2002Result) {
  const Variable fail(L"TARN_STANDIN_EXIT_CODE", L"4");
  const Variable onlyC(L"TARN_STANDIN_FAIL_ONLY", L"c");
  Tick({window->dsF, window->dsC});
  Start();
  ExpectFailed();
  ASSERT_EQ(SelectedConverted(), L"plane.MD8");
  EXPECT_FALSE(window->dsF->Enabled());
  const std::string fs2002 = ReadFileBytes(Model(L"plane.MD8"));

  Start();
  ExpectFailed();
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MD8")), fs2002);
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MD8"});
  EXPECT_EQ(SelectedConverted(), L"plane.MD8");
  EXPECT_EQ(Log()[0], L"Convert Aircraft model file: plane.MD8 ");
  const std::vector<std::string> runs = ConverterRuns();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_NE(runs[2].find("/c CONVERT.MD"), std::string::npos);
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MDL")), kModel);
}

// While the converter works: a click on every control as the mouse gives
// it, Tab and Enter typed, clicks on the two lists, a command box's mouse-up
// and a click on Start conversion sent straight to them, as other programs
// may send them; then Escape in the log, Escape with no control focused and
// the close box, each asking whether to stop, answered No. Only Help and
// TARN info act. After the run Escape asks nothing and the close box closes.
TEST_F(ConversionTest, NothingDoneWhileTheConverterWorksChangesTheRun) {
  WriteFileBytes(Model(L"plane.MDT"), "old fix");
  WriteFileBytes(Model(L"other.mdl"), kModel);
  OpenFolder(models);
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  Tick({window->dsT, window->dsZ});
  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"1000");
  desktop.boxAnswers = {IDNO, IDNO, IDNO};
  std::function<void(TControl&)> clickAll = [&](TControl& parent) {
    for (TControl* control : parent.Children()) {
      if (control->Showing()) ClickAsTheMouseWould(control);
      clickAll(*control);
    }
  };
  bool dialogOpened = false;
  ASSERT_TRUE(StartAndActWhileConverting({[&] {
    RunModal(
        [&] {
          clickAll(*window);
          for (int i = 0; i < 30; ++i) TypeKey(VK_TAB);
          TypeKey(VK_RETURN);
          ClickItem(window->memo2, 0);
          ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"other.mdl"));
          SendMessageW(window->dsF->Handle(), WM_LBUTTONUP, 0, 0);
          Click(window->buConvert);
          PressKey(*window->Memo1, VK_ESCAPE);
          SetFocus(nullptr);
          TypeKey(VK_ESCAPE);
          SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        },
        [&](TForm&) { dialogOpened = true; });
  }}));
  EXPECT_FALSE(dialogOpened);
  ASSERT_EQ(desktop.boxes.size(), 3u);
  for (const FakeInteraction::Box& box : desktop.boxes) {
    EXPECT_EQ(box.text, L"Do you want to stop the conversion?");
    EXPECT_EQ(box.caption, L"Confirm");
    EXPECT_EQ(box.flags, UINT{MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2});
  }
  EXPECT_TRUE(desktop.saveOffers.empty());
  // Some controls' middles lie on the Help button.
  std::set<std::wstring> opened;
  for (const FakeInteraction::Shell& shell : desktop.shells) opened.insert(shell.parameters);
  EXPECT_EQ(opened, (std::set<std::wstring>{L'"' + (dir / L"zh_help.txt") + L'"',
                                            L'"' + (dir / L"readme.txt") + L'"'}));
  const std::vector<std::string> runs = ConverterRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_NE(runs[0].find("/t CONVERT.MD"), std::string::npos);
  EXPECT_NE(runs[1].find("/z CONVERT.MD"), std::string::npos);
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.MDT", L"plane.MDZ"}));
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MDZ")).substr(0, kModel.size()), kModel);
  EXPECT_EQ(window->MDL_D->Directory(), models);
  for (TCheckBox* box : {window->dsF, window->dsC, window->dsT, window->dsS, window->dsR,
                         window->dsZ})
    EXPECT_EQ(box->Checked(), box == window->dsT || box == window->dsZ);
  EXPECT_TRUE(window->Visible());
  ExpectPassed();
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MDL")), kModel);

  PressKey(*window->Memo1, VK_ESCAPE);
  SetFocus(nullptr);
  TypeKey(VK_ESCAPE);
  EXPECT_EQ(desktop.boxes.size(), 3u);
  CloseWindow();
  EXPECT_FALSE(window->Visible());
}

// The tree moves by keyboard into a folder with files of the same names;
// the listed entry still converts and replaces in its own folder.
TEST_F(ConversionTest, AConvertedEntryStaysTheFileOfTheFolderItWasListedFrom) {
  const std::wstring fleet = dir / L"fleet";
  const std::wstring other = fleet + L"\\other";
  CreateDirectoryW(fleet.c_str(), nullptr);
  CreateDirectoryW(other.c_str(), nullptr);
  WriteFileBytes(other + L"\\plane.MDL", "OTHER MODEL");
  WriteFileBytes(other + L"\\plane.MDT", "OTHER FIX");
  UseModelFolder(fleet);
  Tick({window->dsT});
  Start();
  Click(window->Button1);
  // Opens the folder, then moves to its first subfolder.
  PressKey(*window->MDL_D, VK_RIGHT);
  PressKey(*window->MDL_D, VK_RIGHT);
  ASSERT_EQ(window->MDL_D->Directory(), other);
  ClickItem(window->memo2, window->memo2->IndexOf(L"plane.MDT"));
  Tick({window->dsZ});
  Start();
  ExpectPassed();
  const std::string size = ReadFileBytes(Model(L"plane.MDZ"));
  EXPECT_EQ(size.substr(0, kModel.size()), kModel);
  EXPECT_LT(size.find("/t CONVERT.MD"), size.find("/z CONVERT.MD"));
  desktop.boxAnswers = {IDYES};
  Click(window->buInsert);
  EXPECT_EQ(ReadFileBytes(Model(L"plane.MDL")), size);
  EXPECT_EQ(ReadFileBytes(other + L"\\plane.MDL"), "OTHER MODEL");
  EXPECT_EQ(ReadFileBytes(other + L"\\plane.MDT"), "OTHER FIX");
  EXPECT_FALSE(FileExists(other + L"\\plane.MDZ"));
}

// Files of those names can only be made and read through the long-path form.
TEST_F(ConversionTest, DeviceNamesAreRefusedAsModelAndAsDestination) {
  const std::wstring device = L"\\\\?\\" + Model(L"NUL.mdl");
  WriteFileBytes(device, kModel);
  Tick({window->dsZ});
  Start();
  desktop.saveAnswers = {Model(L"AUX.mdl")};
  Click(window->buSaveas);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"Cannot create file " + Model(L"AUX.mdl"));

  Click(window->Button1);
  OpenFolder(models);
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"NUL.mdl"));
  Start();
  ASSERT_EQ(desktop.boxes.size(), 2u);
  EXPECT_EQ(desktop.boxes[1].text, L"Cannot open file " + Model(L"NUL.mdl"));
  ExpectFailed();
  EXPECT_EQ(ConverterRuns().size(), 1u);
  EXPECT_EQ(ReadFileBytes(device), kModel);
  // plane.MDL, plane.MDZ and NUL.mdl: no copy, no temporary file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(models), {}), 3);
  DeleteFileW(device.c_str());
}

// The log can be read but not changed: Ctrl+A, then Delete, Backspace or a
// letter leave every line. While the converter's log is on view, Tab goes
// round the controls beside it and never lands on one it covers, so Space
// cannot start a run out of sight; its button closes it even once the log
// has gone, and what it covered comes back as it was. Escape in the log or
// the animation note leaves them in place.
TEST_F(ConversionTest, TheLogsCanBeReadButNotChangedAndTheViewerKeepsWhatItCovers) {
  Tick({window->dsT});
  Start();
  ASSERT_EQ(window->dsPage->ActivePageIndex(), 2);
  const std::vector<std::wstring> log = Log();
  PressKeyHolding(VK_CONTROL, *window->Memo1, 'A');
  for (const int key : {VK_DELETE, VK_BACK, int{'X'}})
    PressKey(*window->Memo1, static_cast<WORD>(key));
  EXPECT_EQ(Log(), log);

  Click(window->buLog);
  ASSERT_TRUE(window->OVC1->Showing());
  std::set<HWND> reached;
  for (int press = 0; press < 20; ++press) {
    TypeKey(VK_TAB);
    reached.insert(GetFocus());
  }
  EXPECT_TRUE(reached.count(window->buLog->Handle()));
  for (HWND control : reached) {
    EXPECT_TRUE(!IsChild(window->Panel1->Handle(), control) ||
                control == window->OVC1->Handle() || IsChild(window->Panel2->Handle(), control))
        << control;
  }
  DeleteFileW((programDir + L"\\CONVERT.LOG").c_str());
  PressKey(*window->buLog, VK_SPACE);
  EXPECT_FALSE(window->OVC1->Visible());
  EXPECT_EQ(window->buLog->Caption(), L"Show Log-file");
  ExpectUsable();
  EXPECT_FALSE(window->DsGroup4->Visible());
  EXPECT_TRUE(window->buConvert->Showing());

  PressKey(*window->Memo1, VK_ESCAPE);
  PressKey(*window->Memo3, VK_ESCAPE);
  EXPECT_TRUE(window->Memo1->Showing());
  EXPECT_TRUE(window->Memo3->Showing());
  Click(window->Button1);
  EXPECT_TRUE(window->MDL_D->Showing());
  CloseWindow();
  EXPECT_EQ(IniValue(kFrontEndSection, kLastDirectoryKey), models);
}

}  // namespace

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frontend/converter/settings.h"
#include "tests/frontend/conversion_fixture.h"
#include "tests/support/process_watch.h"

namespace {

// The cursor a control's pointer gets now, as a move of the mouse asks it.
HCURSOR CursorOver(TControl* control) {
  SendMessageW(control->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(control->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

// The window is asked to paint itself anew while the converter sleeps: it
// has painted by the next tick, and it shows the busy cursor over controls
// locked and free; after the run the cursor is theirs again.
TEST_F(ConversionTest, WhileTheConverterWorksTheWindowPaintsAndShowsItIsBusy) {
  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"1000");
  const HCURSOR busy = LoadCursorW(nullptr, IDC_WAIT);
  bool painted = false;
  std::vector<HCURSOR> cursors;
  Tick({window->dsZ});
  ASSERT_TRUE(StartAndActWhileConverting(
      {[&] { RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN); },
       [&] {
         painted = !GetUpdateRect(window->Handle(), nullptr, FALSE) &&
                   !GetUpdateRect(window->Label8->Handle(), nullptr, FALSE);
         cursors = {CursorOver(window->memo2), CursorOver(window->Memo1),
                    CursorOver(window->SpeedButton4)};
       }}));
  EXPECT_TRUE(painted);
  EXPECT_EQ(cursors, std::vector<HCURSOR>(3, busy));
  ExpectPassed();
  EXPECT_NE(CursorOver(window->memo2), busy);
}

// A yes, to Escape and then to the close box, stops the converter and the
// copy of itself it started; the run ends as a failed one before its next
// command, and the window stays. The next run passes.
TEST_F(ConversionTest, YesStopsTheConverterWithWhatItStartedAndTheRunFails) {
  Tick({window->dsF, window->dsC});
  const std::function<void()> asks[] = {
      [&] { TypeKey(VK_ESCAPE); },
      [&] { SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }};
  for (const auto& ask : asks) {
    std::vector<DWORD> stopped;
    {
      const Variable sleep(L"TARN_STANDIN_SLEEP_MS", L"60000");
      const Variable child(L"TARN_STANDIN_GRANDCHILD_MS", L"60000");
      desktop.boxAnswers = {IDYES};
      ASSERT_TRUE(StartAndActWhileConverting(
          {[&] {
            stopped = WorkingConverters();
            ask();
          }},
          2));
    }
    ASSERT_EQ(stopped.size(), 2u);
    for (const DWORD pid : stopped) EXPECT_TRUE(ProcessWatch(pid).EndsWithin(5000)) << pid;
    std::vector<std::wstring> expected = Header();
    for (const wchar_t* line :
         {L"Start conversion to FS2002 (MD8)", L"Conversion stopped by the user", L""})
      expected.push_back(line);
    EXPECT_EQ(Log(), expected);
    ExpectFailed();
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(window->Running());
    EXPECT_FALSE(FileExists(Model(L"plane.MD8")));
  }
  EXPECT_EQ(desktop.boxes.size(), 2u);

  Start();
  ExpectPassed();
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.MD8", L"plane.MD2"}));
}

// Converted files of an earlier run, with f and c ticked: a yes to Escape
// typed as Start is pressed, before the first command starts, leaves them
// byte for byte and listed.
TEST_F(ConversionTest, AStopBeforeTheFirstCommandKeepsTheEarlierConvertedFiles) {
  const std::vector<std::pair<std::wstring, std::string>> earlier = {
      {L"plane.MD8", "old fs2002"}, {L"plane.MD2", "old cfs2"}, {L"plane.MDZ", "old size"}};
  for (const auto& [name, bytes] : earlier) WriteFileBytes(Model(name.c_str()), bytes);
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  Tick({window->dsF, window->dsC});
  desktop.boxAnswers = {IDYES};
  SetFocus(nullptr);
  PostKey(VK_ESCAPE);
  SendMessageW(window->buConvert->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageW(window->buConvert->Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(ConverterRuns().empty());
  for (const auto& [name, bytes] : earlier) EXPECT_EQ(ReadFileBytes(Model(name.c_str())), bytes);
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.MD8", L"plane.MD2", L"plane.MDZ"}));
  EXPECT_EQ(Log()[Header().size() + 1], L"Conversion stopped by the user");
  ExpectFailed();
}

// Windows asking to end the session during a run is refused, the run
// having told it why, and the user is asked once whether to stop, though
// Windows asks again while the question is open; yes stops the run. Idle,
// the window lets the session end, and its end stores the tree's folder.
TEST_F(ConversionTest, ARunHoldsOffTheEndOfTheSessionWhoseEndStoresTheFolder) {
  HWND handle = window->Handle();
  const auto query = [handle] {
    return SendMessageW(handle, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  };
  std::vector<LRESULT> answers;
  std::map<HWND, std::wstring> reasons;
  desktop.boxAnswers = {IDYES};
  desktop.whileBoxOpen = [&] { answers.push_back(query()); };
  Tick({window->dsZ});
  {
    const Variable sleep(L"TARN_STANDIN_SLEEP_MS", L"60000");
    ASSERT_TRUE(StartAndActWhileConverting({[&] {
      reasons = desktop.shutdownReasons;
      answers.push_back(query());
    }}));
  }
  desktop.whileBoxOpen = nullptr;
  EXPECT_EQ(answers, (std::vector<LRESULT>{FALSE, FALSE}));
  EXPECT_EQ(reasons, (std::map<HWND, std::wstring>{{handle, L"A model conversion is running."}}));
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"Do you want to stop the conversion?");
  EXPECT_EQ(Log()[Header().size() + 1], L"Conversion stopped by the user");
  ExpectFailed();
  EXPECT_TRUE(desktop.shutdownReasons.empty());

  EXPECT_EQ(query(), TRUE);
  SendMessageW(handle, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_EQ(IniValue(kFrontEndSection, kLastDirectoryKey), L"<absent>");
  SendMessageW(handle, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(IniValue(kFrontEndSection, kLastDirectoryKey), models);
}

// The converter ends by itself while the question is open: No takes its
// result as usual; Yes still stops the run, and the result is not taken:
// the converted file of the run before stays as it was.
TEST_F(ConversionTest, AConverterEndingWhileTheUserIsAskedKeepsToTheAnswer) {
  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"800");
  desktop.whileBoxOpen = [] {
    for (const DWORD pid : WorkingConverters()) ProcessWatch(pid).EndsWithin(30000);
  };
  Tick({window->dsZ});
  for (const int answer : {IDNO, IDYES}) {
    desktop.boxAnswers = {answer};
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
    ASSERT_TRUE(StartAndActWhileConverting({[&] { TypeKey(VK_ESCAPE); }}));
    EXPECT_TRUE(FileExists(dir / L"CONVERT.MDZ"));
    if (answer == IDNO) {
      EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
      ExpectPassed();
      WriteFileBytes(Model(L"plane.MDZ"), "earlier");
      continue;
    }
    EXPECT_EQ(ConverterRuns().size(), 2u);
    EXPECT_EQ(Log()[Header().size() + 1], L"Conversion stopped by the user");
    EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
    EXPECT_EQ(ReadFileBytes(Model(L"plane.MDZ")), "earlier");
    ExpectFailed();
  }
  EXPECT_EQ(desktop.boxes.size(), 2u);
}

// While the question is open, the close box and Escape ask nothing more,
// and No lets the run go on. A yes to the close box pressed as the last
// command's result is logged stops nothing, and the log says so.
TEST_F(ConversionTest, OneStopQuestionAtATimeAndALateYesIsSaid) {
  Tick({window->dsZ});
  {
    const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"1000");
    int opened = 0;
    desktop.whileBoxOpen = [&] {
      if (opened++) return;
      SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      TypeKey(VK_ESCAPE);
    };
    desktop.boxAnswers = {IDNO};
    ASSERT_TRUE(StartAndActWhileConverting({[&] { TypeKey(VK_ESCAPE); }}));
    desktop.whileBoxOpen = nullptr;
  }
  EXPECT_EQ(desktop.boxes.size(), 1u);
  ExpectPassed();

  const wchar_t* const success = L"Conversion sucsessfull";
  // The close box, pressed as the result's line is logged.
  AtLine(success, [&] { PostMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  desktop.boxAnswers = {IDYES};
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
  Start();
  EXPECT_EQ(desktop.boxes.size(), 2u);
  std::vector<std::wstring> expected = Header();
  for (const wchar_t* line : {L"Start set model size (MDZ)", success, L"",
                              L"the conversion had already ended"})
    expected.push_back(line);
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane.MDZ"});
  ExpectPassed();
  EXPECT_TRUE(window->Visible());
}

}  // namespace

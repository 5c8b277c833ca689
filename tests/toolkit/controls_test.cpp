#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <vector>

#include "tests/support/accessible_client.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_pixels.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/gdi.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/memo.h"
#include "toolkit/page_control.h"
#include "toolkit/panel.h"
#include "toolkit/radio_button.h"
#include "toolkit/spin_edit.h"
#include "toolkit/unique_handle.h"

namespace {

class ControlsTest : public testing::Test {
 protected:
  ControlsTest() : form(CreateForm<TForm>(nullptr)) {
    form->SetClientSize(400, 300);
    form->Show();
  }

  TSpinEdit* Spin(int min, int max, int increment, int value) {
    auto* spin = form->Add<TSpinEdit>(form.get());
    spin->SetMinValue(min);
    spin->SetMaxValue(max);
    spin->SetIncrement(increment);
    spin->SetValue(value);
    return spin;
  }

  void Type(TControl* control, const std::wstring& text) {
    control->SetFocus();
    SendMessageW(control->Handle(), EM_SETSEL, 0, -1);
    for (wchar_t ch : text) SendMessageW(control->Handle(), WM_CHAR, ch, 0);
  }

  void Leave() {
    auto* other = form->Add<TListBox>(form.get());
    other->SetFocus();
  }

  std::unique_ptr<TForm> form;
};

TEST_F(ControlsTest, SpinFieldClampsTypedValuesWhenLeft) {
  auto* size = Spin(1, 16, 1, 7);
  Type(size, L"20");
  EXPECT_EQ(size->Text(), L"20");
  Leave();
  EXPECT_EQ(size->Text(), L"16");
  Type(size, L"");
  SendMessageW(size->Handle(), WM_CHAR, VK_BACK, 0);
  Leave();
  EXPECT_EQ(size->Text(), L"");
  EXPECT_EQ(size->Value(), 1);
}

// The pixels the form shows at the right end of a control, where the
// arrows of a spin field sit, read from the screen.
std::vector<COLORREF> ShownRightEnd(const TForm& form, const TControl& control) {
  RECT rect;
  GetWindowRect(control.Handle(), &rect);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&rect), 2);
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(form.Handle());
  for (int y = rect.top + 2; y < rect.bottom - 2; ++y) {
    for (int x = rect.right - 14; x < rect.right - 2; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(form.Handle(), dc);
  return pixels;
}

TEST_F(ControlsTest, SpinFieldKeepsItsArrowsInSightWhileTyping) {
  auto* size = Spin(1, 16, 1, 7);
  size->SetBounds(20, 20, 49, 26);
  PumpMessages();
  const std::vector<COLORREF> arrows = ShownRightEnd(*form, *size);
  ASSERT_NE(std::count(arrows.begin(), arrows.end(), arrows[0]), std::ssize(arrows));
  size->SetFocus();
  for (wchar_t ch : {L'1', L'2', L'\b', L'3'}) {
    PostMessageW(size->Handle(), WM_CHAR, ch, 0);
    PumpMessages();
    EXPECT_EQ(ShownRightEnd(*form, *size), arrows) << size->Text();
  }
  PostMessageW(size->Handle(), WM_KEYDOWN, VK_HOME, 0);
  SetFocus(form->Handle());
  PumpMessages();
  EXPECT_EQ(ShownRightEnd(*form, *size), arrows) << size->Text();
}

TEST_F(ControlsTest, SpinFieldReadsItsMinimumForTextThatIsNoInteger) {
  auto* spin = Spin(5, 50, 1, 10);
  spin->SetText(L"-");
  EXPECT_EQ(spin->Value(), 5);
  spin->SetText(L"1.5");
  EXPECT_EQ(spin->Value(), 5);
  spin->SetText(L"99999999999");
  EXPECT_EQ(spin->Value(), 5);
  spin->SetText(L"-3");
  EXPECT_EQ(spin->Value(), -3);
}

TEST_F(ControlsTest, SpinFieldStepsByTheIncrementAndStopsAtTheMaximum) {
  auto* power = Spin(0, 300, 20, 10);
  int changes = 0;
  power->OnChange = [&](TComponent*) { ++changes; };
  power->SetFocus();
  SendMessageW(power->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(power->Value(), 30);
  for (int i = 0; i < 20; ++i) SendMessageW(power->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(power->Value(), 300);
  SendMessageW(power->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(power->Value(), 280);
  EXPECT_GE(changes, 3);
}

TEST_F(ControlsTest, SpinFieldSetterClampsUnlessTheLimitsAreEqual) {
  auto* spin = Spin(1, 16, 1, 40);
  EXPECT_EQ(spin->Value(), 16);
  spin->SetValue(-4);
  EXPECT_EQ(spin->Value(), 1);
  auto* open = Spin(0, 0, 1, 1234);
  EXPECT_EQ(open->Value(), 1234);
}

TEST_F(ControlsTest, SpinFieldMaximumLengthLimitsTyping) {
  auto* spin = Spin(0, 300, 20, 10);
  spin->SetMaxLength(3);
  Type(spin, L"12345");
  EXPECT_EQ(spin->Text(), L"123");
  Type(spin, L"4a");
  EXPECT_EQ(spin->Text(), L"4");
}

TEST_F(ControlsTest, BorderTurnsTheClientEdgeAloneOnAndOff) {
  TControl edged(nullptr, form.get(), std::nullopt,
                 {L"STATIC", 0, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 40, 20});
  const auto edges = [&] {
    return GetWindowLongW(edged.Handle(), GWL_EXSTYLE) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE);
  };
  edged.SetBorder(false);
  EXPECT_EQ(edges(), WS_EX_STATICEDGE);
  edged.SetBorder(true);
  EXPECT_EQ(edges(), WS_EX_STATICEDGE | WS_EX_CLIENTEDGE);
}

// A repaint of a control, frame included, covers every pixel it shows:
// edged and bordered controls draw their frames, frameless ones fill their
// client area. Each is first overpainted whole with a colour none of them
// uses.
TEST_F(ControlsTest, ARepaintCoversTheFrameAndAllWithin) {
  TControl edged(nullptr, form.get(), TBounds{0, 0, 40, 20},
                 {L"STATIC", 0, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 40, 20});
  auto* memo = form->Add<TMemo>(form.get(), TBounds{50, 0, 60, 40});
  auto* frameless = form->Add<TMemo>(form.get(), TBounds{120, 0, 60, 40});
  frameless->SetBorder(false);
  auto* list = form->Add<TListBox>(form.get(), TBounds{190, 0, 60, 40});
  auto* panel = form->Add<TPanel>(form.get(), TBounds{260, 0, 60, 40});
  const COLORREF magenta = RGB(255, 0, 255);
  for (TControl* control : std::initializer_list<TControl*>{&edged, memo, frameless, list, panel}) {
    ShownPixels(control->Handle());
    const Brush brush(CreateSolidBrush(magenta));
    const RECT whole{0, 0, 400, 300};
    HDC dc = GetWindowDC(control->Handle());
    FillRect(dc, &whole, brush.Get());
    ReleaseDC(control->Handle(), dc);
    RedrawWindow(control->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const std::vector<COLORREF> shown = ShownPixels(control->Handle());
    EXPECT_EQ(std::count(shown.begin(), shown.end(), magenta), 0) << control->Left();
  }
}

TEST_F(ControlsTest, ComboBoxKeepsAnyTypedText) {
  auto* combo = form->Add<TComboBox>(form.get());
  for (const wchar_t* item : {L"0.1", L"0.2", L"1.0"}) combo->Add(item);
  int changes = 0;
  combo->OnChange = [&](TComponent*) { ++changes; };
  combo->SetText(L"9.9");
  EXPECT_EQ(combo->Text(), L"9.9");
  HWND edit = FindWindowExW(combo->Handle(), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t ch : std::wstring(L"0.45x")) SendMessageW(edit, WM_CHAR, ch, 0);
  EXPECT_EQ(combo->Text(), L"0.45x");
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(combo->Count(), 3);
  EXPECT_EQ(combo->Item(2), L"1.0");
}

TEST_F(ControlsTest, ListBoxKeepsOrderAndReportsSelectionByKeyboard) {
  auto* list = form->Add<TListBox>(form.get());
  list->Add(L"plane.md8");
  list->Add(L"PLANE.MD2");
  EXPECT_EQ(list->Item(0), L"plane.md8");
  int clicks = 0;
  list->OnClick = [&](TComponent*) { ++clicks; };
  list->SetItemIndex(0);
  EXPECT_EQ(clicks, 0);
  list->SetFocus();
  SendMessageW(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  list->Delete(0);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_EQ(list->IndexOf(L"plane.md2"), 0);
}

// The list keeps its texts itself: every way of reading an item (the class,
// LB_GETTEXT, a screen reader) gives the same names after changes in the
// middle of the list.
TEST_F(ControlsTest, ListBoxAnswersForTheTextsItKeeps) {
  auto* list = form->Add<TListBox>(form.get());
  list->SetItems({L"alpha.mdl", L"Beta.mdl", L"bravo.mdl"});
  list->Add(L"charlie.mdl");
  list->Delete(1);
  const std::vector<std::wstring> expected{L"alpha.mdl", L"bravo.mdl", L"charlie.mdl"};
  ASSERT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  AccessibleClient reader(list->Handle());
  for (int i = 0; i < 3; ++i) {
    const auto index = static_cast<WPARAM>(i);
    wchar_t text[32] = {};
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTEXTLEN, index, 0), 9 + (i == 2 ? 2 : 0));
    SendMessageW(list->Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(text, expected[index]);
    EXPECT_EQ(list->Item(i), expected[index]);
    EXPECT_EQ(reader.Name(i + 1), expected[index]);
  }
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTEXTLEN, 3, 0), LB_ERR);
  EXPECT_EQ(list->IndexOf(L"CHARLIE.MDL"), 2);
}

// Typing goes to the first item from the caret on that starts with what was
// typed (from the top while the caret's item is not selected), selects it
// alone and reports it, as a move by the arrows does; a key that leaves the
// selection as it was reports nothing.
TEST_F(ControlsTest, ListBoxGoesToTypedNames) {
  const TPackedStrings names{L"beta", L"alpha", L"Bravo", L"charlie"};
  auto* list = form->Add<TListBox>(form.get(), std::nullopt, LBS_EXTENDEDSEL);
  list->SetItems(names);
  int clicks = 0;
  list->OnClick = [&](TComponent*) { ++clicks; };
  list->SetFocus();
  list->SetItemIndex(1);
  for (const wchar_t ch : {L'b', L'R', L'z'}) SendMessageW(list->Handle(), WM_CHAR, ch, 0);
  EXPECT_EQ(list->SelectedIndices(), std::vector<int>{2});
  EXPECT_EQ(clicks, 1);

  auto* fresh = form->Add<TListBox>(form.get(), std::nullopt, LBS_EXTENDEDSEL);
  fresh->SetItems(names);
  SendMessageW(fresh->Handle(), LB_SETCARETINDEX, 1, FALSE);
  SendMessageW(fresh->Handle(), WM_CHAR, L'b', 0);
  EXPECT_EQ(fresh->SelectedIndices(), std::vector<int>{0});
}

// Another thread that asks for an item's text is given no more than the
// number the system makes room for.
TEST_F(ControlsTest, ListBoxGivesItsTextsToItsOwnThreadAlone) {
  auto* list = form->Add<TListBox>(form.get());
  list->SetItems({L"a rather long model name.mdl"});
  std::array<wchar_t, 64> buffer;
  buffer.fill(L'#');
  struct Ask {
    HWND list;
    wchar_t* buffer;
  } ask{list->Handle(), buffer.data()};
  const KernelHandle asker(CreateThread(
      nullptr, 0,
      [](void* asked) -> DWORD {
        const auto* question = static_cast<const Ask*>(asked);
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(question->list, LB_GETTEXT, 0,
                            reinterpret_cast<LPARAM>(question->buffer), SMTO_NORMAL, 5000, &answer);
        return 0;
      },
      &ask, 0, nullptr));
  ASSERT_TRUE(asker);
  const HANDLE thread = asker.Get();
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
    PumpMessages();
  // The thread writes to this frame's buffer: it ends, at the latest by its
  // time-out, before the frame does.
  WaitForSingleObject(thread, INFINITE);
  const size_t room = sizeof(ULONG_PTR) / sizeof(wchar_t);
  EXPECT_TRUE(
      std::all_of(buffer.begin() + room, buffer.end(), [](wchar_t ch) { return ch == L'#'; }));
  EXPECT_EQ(list->Item(0), L"a rather long model name.mdl");
}

// Rows as high as the font's characters; the selected one in the system's
// selection colours, the others in the list's.
TEST_F(ControlsTest, ListBoxDrawsItsItemsInTheirColours) {
  auto* list = form->Add<TListBox>(form.get());
  list->SetBounds(0, 0, 120, 60);
  list->SetItems({L"WWWW", L"WWWW"});
  list->SetItemIndex(1);
  TEXTMETRICW metrics{};
  {
    HDC dc = GetDC(list->Handle());
    const HGDIOBJ old = SelectObject(dc, list->Font().Handle(list->Dpi()));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list->Handle(), dc);
  }
  const auto height = static_cast<int>(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(height, metrics.tmHeight);
  list->Repaint();
  const auto colours = [&](int row) {
    std::set<COLORREF> seen;
    HDC dc = GetDC(list->Handle());
    for (int y = row * height; y < (row + 1) * height; ++y) {
      for (int x = 0; x < 60; ++x) seen.insert(GetPixel(dc, x, y));
    }
    ReleaseDC(list->Handle(), dc);
    return seen;
  };
  EXPECT_EQ(colours(0),
            (std::set<COLORREF>{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)}));
  EXPECT_EQ(colours(1),
            (std::set<COLORREF>{GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)}));
}

// A refill of a list on screen leaves it on screen, with the scroll bar its
// items need and a repaint of it and its frame to come.
TEST_F(ControlsTest, ARefilledListStaysShownWithItsScrollBar) {
  auto* list = form->Add<TListBox>(form.get());
  list->SetBounds(0, 0, 120, 60);
  PumpMessages();
  TPackedStrings items;
  for (int i = 0; i < 40; ++i) items.Append(L"plane.mdl");
  list->SetItems(std::move(items));
  EXPECT_TRUE(IsWindowVisible(list->Handle()));
  EXPECT_TRUE(GetUpdateRect(list->Handle(), nullptr, FALSE));
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof(bar);
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &bar));
  EXPECT_FALSE(bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE));
  EXPECT_EQ(list->Count(), 40);
}

// Emptied or filled with nothing, an empty list on screen is not redrawn.
TEST_F(ControlsTest, AnEmptyListIsNotRedrawnForNothing) {
  auto* list = form->Add<TListBox>(form.get());
  list->SetBounds(0, 0, 120, 60);
  PumpMessages();
  ASSERT_FALSE(GetUpdateRect(list->Handle(), nullptr, FALSE));
  list->Clear();
  list->SetItems({});
  EXPECT_FALSE(GetUpdateRect(list->Handle(), nullptr, FALSE));
  list->Add(L"plane.mdl");
  PumpMessages();
  list->Clear();
  EXPECT_TRUE(GetUpdateRect(list->Handle(), nullptr, FALSE));
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ControlsTest, MemoLinesRoundTrip) {
  auto* memo = form->Add<TMemo>(form.get());
  memo->SetLines({L"Fix the model animation.", L"", L"model. ", L""});
  EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"Fix the model animation.", L"", L"model. ", L""}));
  memo->Clear();
  memo->AddLine(L"one");
  memo->AddLine(L"two");
  EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"one", L"two"}));
}

// AddLine starts a new line after any text, however short, and after a last
// line that only wraps; it adds no empty line after a line break.
TEST_F(ControlsTest, MemoAddLineStartsANewLineAfterAnyText) {
  const std::wstring wrapping = std::wstring(40, L'w') + L" " + std::wstring(40, L'w') + L" ";
  for (const std::wstring& before : {std::wstring(L"a"), std::wstring(L"ab"),
                                     std::wstring(L"ab\r\n"), wrapping}) {
    auto* memo = form->Add<TMemo>(form.get());
    memo->SetText(before);
    memo->AddLine(L"next");
    const std::wstring kept = before.substr(0, before.find(L'\r'));
    EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{kept, L"next"})) << before.size();
  }
  auto* empty = form->Add<TMemo>(form.get());
  empty->AddLine(L"first");
  EXPECT_EQ(empty->Text(), L"first\r\n");
}

TEST_F(ControlsTest, PageControlShowsOnePageChosenByIndex) {
  auto* pages = form->Add<TPageControl>(form.get());
  auto* one = pages->AddPage(L"one");
  auto* two = pages->AddPage(L"two");
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  EXPECT_TRUE(one->Visible());
  EXPECT_FALSE(two->Visible());
  // A page's controls are made once: at once for the page in sight, when
  // first shown for the other.
  std::array<int, 2> made{};
  one->SetContentMaker([&] { ++made[0]; });
  two->SetContentMaker([&] { ++made[1]; });
  EXPECT_EQ(made, (std::array<int, 2>{1, 0}));
  pages->SetActivePageIndex(1);
  EXPECT_FALSE(one->Visible());
  EXPECT_TRUE(two->Visible());
  pages->SetActivePageIndex(0);
  pages->SetActivePageIndex(1);
  two->MakeContent();
  EXPECT_EQ(made, (std::array<int, 2>{1, 1}));
  pages->SetActivePageIndex(7);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
}

// A control made with bounds has its window made there; one made without,
// after it, takes its class's size in the corner.
TEST_F(ControlsTest, CreationBoundsPlaceTheirControlOnly) {
  const auto windowBounds = [&](const TControl* control) {
    RECT rect;
    GetWindowRect(control->Handle(), &rect);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return std::vector<long>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  };
  auto* placed = form->Add<TPanel>(form.get(), TBounds{10, 20, 30, 40});
  auto* later = form->Add<TPanel>(form.get());
  EXPECT_EQ(windowBounds(placed), (std::vector<long>{10, 20, 30, 40}));
  EXPECT_EQ((std::vector<long>{placed->Left(), placed->Top(), placed->Width(), placed->Height()}),
            windowBounds(placed));
  EXPECT_EQ(windowBounds(later), (std::vector<long>{0, 0, 185, 41}));
}

// Own controls paint through one memory bitmap: a control larger than any
// painted before grows it, and a smaller one painted next shows its own
// colour alone.
TEST_F(ControlsTest, EachOwnControlShowsItsOwnPaintWhateverItsSize) {
  const auto panel = [&](int width, int height, TColor color) {
    auto* made = form->Add<TPanel>(form.get());
    made->SetBounds(0, 0, width, height);
    made->SetBevelOuter(TBevelCut::bvNone);
    made->SetColor(color);
    return made;
  };
  const auto shown = [](TControl* control, int x, int y) {
    control->Repaint();
    HDC dc = GetDC(control->Handle());
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control->Handle(), dc);
    return pixel;
  };
  auto* small = panel(30, 20, clBlue);
  auto* large = panel(1600, 1200, clRed);  // larger than the screen
  large->SetLeft(5);
  small->BringToFront();
  EXPECT_EQ(shown(small, 29, 19), RGB(0, 0, 255));
  EXPECT_EQ(shown(large, 389, 289), RGB(255, 0, 0));
  EXPECT_EQ(shown(large, 40, 30), RGB(255, 0, 0));
  EXPECT_EQ(shown(small, 0, 0), RGB(0, 0, 255));
}

TEST_F(ControlsTest, AutoSizeLabelFitsItsTextAndFixedLabelKeepsItsBounds) {
  auto* grows = form->Add<TLabel>(form.get());
  grows->SetCaption(L"x");
  const int narrow = grows->Width();
  grows->SetCaption(L"Converting to FS2002....");
  EXPECT_GT(grows->Width(), narrow);
  auto* fixed = form->Add<TLabel>(form.get());
  fixed->SetAutoSize(false);
  fixed->SetBounds(12, 144, 145, 13);
  fixed->SetCaption(L"A rather longer text than fits in the label at all");
  EXPECT_EQ(fixed->Width(), 145);
  EXPECT_EQ(fixed->Height(), 13);
}

// A font given a value it has already costs its control no repaint and no
// ParentFont; a real change costs both.
TEST_F(ControlsTest, FontSettersActOnlyOnAChange) {
  auto* label = form->Add<TLabel>(form.get());
  label->SetCaption(L"Power");
  const auto repainted = [&](const std::function<void()>& set) {
    ValidateRect(label->Handle(), nullptr);
    set();
    return GetUpdateRect(label->Handle(), nullptr, FALSE) != FALSE;
  };
  TFont& font = label->Font();
  const TFont same(font);
  EXPECT_FALSE(repainted([&] { font.SetColor(same.Color()); }));
  EXPECT_FALSE(repainted([&] { font.SetName(same.Name()); }));
  EXPECT_FALSE(repainted([&] { font.SetHeight(same.Height()); }));
  EXPECT_FALSE(repainted([&] { font.SetStyle(same.Style()); }));
  EXPECT_FALSE(repainted([&] { font.SetPitch(same.Pitch()); }));
  EXPECT_FALSE(repainted([&] { font.Assign(same); }));
  EXPECT_TRUE(label->ParentFont());

  EXPECT_TRUE(repainted([&] { font.SetColor(clRed); }));
  EXPECT_FALSE(label->ParentFont());
}

TEST_F(ControlsTest, RadioButtonsOfOneParentKeepOneCheckedAndReportEachCheck) {
  std::vector<TRadioButton*> radios;
  std::vector<TComponent*> clicked;
  for (int i = 0; i < 3; ++i) {
    radios.push_back(form->Add<TRadioButton>(form.get()));
    radios.back()->SetBounds(10, 10 + 20 * i, 100, 17);
    radios.back()->OnClick = [&clicked](TComponent* sender) { clicked.push_back(sender); };
  }
  radios[0]->SetChecked(true);
  SendMessageW(radios[2]->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_FALSE(radios[1]->Checked());
  EXPECT_TRUE(radios[2]->Checked());
  radios[2]->SetChecked(true);
  EXPECT_EQ(clicked, (std::vector<TComponent*>{radios[0], radios[2]}));
}

}  // namespace

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "tests/support/fake_interaction.h"
#include "tests/support/pending_paint.h"
#include "tests/support/temp_dir.h"
#include "toolkit/application.h"
#include "toolkit/check_box.h"
#include "toolkit/exception.h"
#include "toolkit/custom_control.h"
#include "toolkit/panel.h"
#include "toolkit/timer.h"

#include <commctrl.h>

namespace {

// A focusable control that records the dialog keys and characters offered
// to it and consumes those it is told to.
class Probe : public TCustomControl {
 public:
  Probe(TComponent* owner, TControl* parent, wchar_t hotKey, bool consumes)
      : TCustomControl(owner, parent, std::nullopt, 40, 20, WS_TABSTOP),
        hotKey_(hotKey),
        consumes_(consumes) {}

  bool DialogKey(WORD key) override {
    keys.push_back(key);
    return consumes_;
  }
  bool DialogChar(wchar_t ch) override {
    if (CharUpperW(reinterpret_cast<wchar_t*>(static_cast<ULONG_PTR>(ch))) !=
        CharUpperW(reinterpret_cast<wchar_t*>(static_cast<ULONG_PTR>(hotKey_))))
      return false;
    ++accelerated;
    return consumes_;
  }

  std::vector<WORD> keys;
  int accelerated = 0;
  std::function<void()> onPaint;

 protected:
  void Paint(TCanvas&) override {
    if (onPaint) onPaint();
  }

 private:
  wchar_t hotKey_;
  bool consumes_;
};

class FormTest : public testing::Test {
 protected:
  FormTest() : form(CreateForm<TForm>(nullptr)) {
    form->SetClientSize(300, 200);
    first = form->Add<Probe>(form.get(), L'a', false);
    second = form->Add<Probe>(form.get(), L'b', true);
    second->SetLeft(50);
    form->Show();
    PumpMessages();
  }

  void Key(UINT msg, WPARAM key) {
    PostMessageW(GetFocus(), msg, key, 0);
    PumpMessages();
  }

  FakeInteraction desktop;
  std::unique_ptr<TForm> form;
  Probe* first;
  Probe* second;
};

TEST_F(FormTest, TabMovesTheFocusInCreationOrderAndWraps) {
  EXPECT_TRUE(first->Focused());
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_TRUE(second->Focused());
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_TRUE(first->Focused());
  second->SetEnabled(false);
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_TRUE(first->Focused());
}

TEST_F(FormTest, EnterAndEscapeAreOfferedUntilOneControlConsumesThem) {
  Key(WM_KEYDOWN, VK_RETURN);
  Key(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(first->keys, (std::vector<WORD>{VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(second->keys, (std::vector<WORD>{VK_RETURN, VK_ESCAPE}));
  Key(WM_KEYDOWN, 'X');
  EXPECT_EQ(first->keys.size(), 2u);
}

TEST_F(FormTest, AltLetterReachesTheControlWithThatAccelerator) {
  Key(WM_SYSCHAR, L'B');
  EXPECT_EQ(second->accelerated, 1);
  EXPECT_EQ(first->accelerated, 0);
  Key(WM_SYSCHAR, L'a');
  EXPECT_EQ(first->accelerated, 1);
  // A plain letter counts too while the focused control takes no characters.
  Key(WM_CHAR, L'b');
  EXPECT_EQ(second->accelerated, 2);
}

// The pointer rests on a control: it turns busy at once, without a move;
// the title bar keeps its own cursor.
TEST_F(FormTest, ABusyFormShowsTheBusyCursorOverItsControls) {
  const HCURSOR busy = LoadCursorW(nullptr, IDC_WAIT);
  const auto over = [](HWND window, WORD hit) {
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(hit, WM_MOUSEMOVE));
    return GetCursor();
  };
  RECT bounds;
  GetWindowRect(second->Handle(), &bounds);
  SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
  PumpMessages();
  SetCursor(nullptr);
  form->SetBusyCursor(true);
  EXPECT_EQ(GetCursor(), busy);
  EXPECT_EQ(over(first->Handle(), HTCLIENT), busy);
  EXPECT_NE(over(form->Handle(), HTCAPTION), busy);
  form->SetBusyCursor(false);
  EXPECT_NE(GetCursor(), busy);
  EXPECT_NE(over(first->Handle(), HTCLIENT), busy);
}

TEST_F(FormTest, ModalRunEndsWhenModalResultIsSet) {
  auto dialog = CreateForm<TForm>(form.get());
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) {
    if (++ticks == 3) dialog->SetModalResult(mrOk);
  };
  bool closed = false;
  dialog->OnClose = [&](TComponent*, TCloseAction&) { closed = true; };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

// The key preview of a modal form that fails: the error is shown, the key
// goes no further, the next key is heard and the other windows come back.
TEST_F(FormTest, AnErrorInAModalFormsKeyPreviewIsShownAndTheFormGoesOn) {
  auto dialog = CreateForm<TForm>(form.get());
  int previews = 0;
  dialog->OnKeyDown = [&](TComponent*, WORD&, TShiftState) {
    if (++previews == 1) throw Exception(L"Cannot preview");
    dialog->SetModalResult(mrOk);
  };
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.OnTimer = [&](TComponent*) { PostMessageW(dialog->Handle(), WM_KEYDOWN, VK_F2, 0); };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(previews, 2);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"Cannot preview");
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(FormTest, CloseBoxOfAModalFormCancelsIt) {
  auto dialog = CreateForm<TForm>(form.get());
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.OnTimer = [&](TComponent*) { PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FormTest, AnErrorInAHandlerIsShownAndTheLoopGoesOn) {
  auto* box = form->Add<TCheckBox>(form.get());
  box->SetTop(100);
  int clicks = 0;
  box->OnClick = [&](TComponent*) {
    if (++clicks == 1) throw Exception(L"Cannot open file C:\\x.mdl");
  };
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"Cannot open file C:\\x.mdl");
  EXPECT_TRUE(desktop.boxes[0].flags & MB_ICONSTOP);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(desktop.boxes.size(), 1u);
  box->OnClick = [](TComponent*) { throw std::runtime_error("plain failure"); };
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(desktop.boxes.size(), 2u);
  EXPECT_EQ(desktop.boxes[1].text, L"plain failure");
  // A paint that fails is shown once and not asked for again.
  int paints = 0;
  first->onPaint = [&] {
    if (++paints <= 2) throw Exception(L"Cannot paint");
  };
  first->Invalidate();
  PumpMessages();
  EXPECT_EQ(paints, 1);
  ASSERT_EQ(desktop.boxes.size(), 3u);
  EXPECT_EQ(desktop.boxes[2].text, L"Cannot paint");
  EXPECT_FALSE(PendingPaint(*first));
}

TEST_F(FormTest, ClientSizeAndCentring) {
  auto dialog = CreateForm<TForm>(nullptr);
  dialog->SetBorderStyle(TBorderStyle::bsDialog);
  dialog->SetClientSize(693, 488);
  dialog->SetPosition(TPosition::poScreenCenter);
  dialog->Show();
  EXPECT_EQ(dialog->ClientWidth(), 693);
  EXPECT_EQ(dialog->ClientHeight(), 488);
  RECT window{};
  GetWindowRect(dialog->Handle(), &window);
  EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(FormTest, AlignedChildrenFillTheirParentInsideTheBevel) {
  auto* panel = form->Add<TPanel>(form.get());
  panel->SetBounds(0, 0, 200, 150);
  auto* top = form->Add<TPanel>(panel);
  top->SetHeight(30);
  top->SetAlign(TAlign::alTop);
  auto* rest = form->Add<TPanel>(panel);
  rest->SetAlign(TAlign::alClient);
  EXPECT_EQ(top->BoundsRect().left, 1);
  EXPECT_EQ(top->BoundsRect().top, 1);
  EXPECT_EQ(top->Width(), 198);
  EXPECT_EQ(rest->Top(), 31);
  EXPECT_EQ(rest->Height(), 118);
  panel->SetBounds(0, 0, 100, 100);
  EXPECT_EQ(rest->Width(), 98);
  EXPECT_EQ(rest->Height(), 68);
  top->Hide();
  EXPECT_EQ(rest->Top(), 1);
}

TEST_F(FormTest, ChildrenFollowTheParentFontAndColourUntilGivenTheirOwn) {
  auto* panel = form->Add<TPanel>(form.get());
  auto* box = form->Add<TCheckBox>(panel);
  panel->SetColor(14215660);
  panel->Font().SetName(L"Arial");
  EXPECT_EQ(box->Color(), 14215660u);
  EXPECT_EQ(box->Font().Name(), L"Arial");
  box->Font().SetHeight(20);
  panel->Font().SetName(L"Courier New");
  EXPECT_EQ(box->Font().Name(), L"Arial");
  EXPECT_FALSE(box->ParentFont());
}

HWND FindTooltip() {
  HWND tooltip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) WINAPI -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (lstrcmpW(name, TOOLTIPS_CLASSW) == 0) *reinterpret_cast<HWND*>(found) = window;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tooltip));
  return tooltip;
}

// Moves the pointer over the middle of a control as the mouse does, and
// waits up to two seconds for the tool tip to show the control's hint, or
// to show none (control nullptr). Returns whether it did.
bool PointerShowsHintOf(TControl& over, const TControl* control) {
  POINT middle{over.Width() / 2, over.Height() / 2};
  ClientToScreen(over.Handle(), &middle);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(middle.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = MulDiv(middle.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof(move));
  for (int i = 0; i < 200; ++i) {
    PumpMessages();
    const HWND tooltip = FindTooltip();
    TOOLINFOW current{};
    current.cbSize = sizeof(current);
    const bool showing = IsWindowVisible(tooltip) &&
                         SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0,
                                      reinterpret_cast<LPARAM>(&current)) != 0;
    if (!control && !showing) return true;
    if (control && showing &&
        current.uId == reinterpret_cast<UINT_PTR>(control->Handle()))
      return true;
    Sleep(10);
  }
  return false;
}

// Only controls with ShowHint have a tool tip, and it shows over them
// whether they are enabled or not, also inside a panel.
TEST_F(FormTest, HintsShowOverEnabledAndDisabledControlsThatAskForThem) {
  auto* panel = form->Add<TPanel>(form.get());
  panel->SetBounds(100, 40, 180, 120);
  auto* quiet = form->Add<Probe>(panel, L'q', false);
  quiet->SetHint(L"never shown");
  auto* helpful = form->Add<Probe>(panel, L'h', false);
  helpful->SetBounds(10, 40, 40, 20);
  helpful->SetHint(L"Edit the settings");
  helpful->SetShowHint(true);
  auto* dimmed = form->Add<Probe>(panel, L'd', false);
  dimmed->SetHint(L"Replace the model");
  dimmed->SetShowHint(true);
  dimmed->SetBounds(60, 80, 40, 20);
  dimmed->SetEnabled(false);

  EXPECT_TRUE(PointerShowsHintOf(*helpful, helpful));
  EXPECT_TRUE(PointerShowsHintOf(*quiet, nullptr));
  EXPECT_TRUE(PointerShowsHintOf(*dimmed, dimmed));
  EXPECT_TRUE(PointerShowsHintOf(*quiet, nullptr));

  helpful->SetShowHint(false);
  dimmed->SetHint(L"");
  EXPECT_EQ(SendMessageW(FindTooltip(), TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(FormTest, AChangeOfTheColourSettingsRepaintsTheWholeFormOthersDoNot) {
  SendMessageW(form->Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_FALSE(PendingPaint(*first) || PendingPaint(*second));
  SendMessageW(form->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  EXPECT_TRUE(PendingPaint(*first) && PendingPaint(*second));
  PumpMessages();
  SendMessageW(form->Handle(), WM_SETTINGCHANGE, 0,
               reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
  EXPECT_TRUE(PendingPaint(*first) && PendingPaint(*second));
}

}  // namespace

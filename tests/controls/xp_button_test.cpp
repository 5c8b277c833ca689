#include "controls/xpButton.h"
#include "tests/controls/control_fixture.h"
#include "tests/support/pending_paint.h"
#include "tests/support/temp_dir.h"

#include <functional>

namespace {

constexpr COLORREF kFace = RGB(205, 204, 223);
constexpr COLORREF kLight = RGB(252, 252, 252);
constexpr COLORREF kPressedLight = RGB(240, 240, 240);

class ButtonTest : public ControlTest {
 protected:
  ButtonTest() : button(form->Add<TxpButton>(form.get())) { button->SetBounds(20, 20, 75, 25); }

  // Holds the left button down with the pointer over the button, which
  // takes the focus; the focus rectangle is kept off the face.
  void PressUnderPointer() {
    button->SetFocusRectangle(false);
    PointAt(*button, 10, 10);
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
  }

  TxpButton* button;
  int clicks = 0;
};

TEST_F(ButtonTest, StartsWithItsDocumentedLook) {
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(button->Height(), 25);
  EXPECT_EQ(button->Caption(), L"XP Button");
  EXPECT_EQ(button->Color(), kFace);
  EXPECT_EQ(button->BackgroundColor(), clWhite);
  EXPECT_EQ(button->FocusColor(), RGB(250, 179, 48));
  EXPECT_EQ(button->FlatColor(), clBtnFace);
  EXPECT_TRUE(button->Border());
  EXPECT_TRUE(button->FocusRectangle());
  EXPECT_FALSE(button->ButtonFlat());
  EXPECT_TRUE(button->TabStop());
  EXPECT_EQ(button->ModalResult(), mrNone);
}

// The face (4, 4, 71, 21) runs in 8 bands of 2 rows from the light end to
// the face colour, each channel start + MulDiv(band, end - start, 7) with
// MulDiv's rounding; the 17th row takes the face colour.
TEST_F(ButtonTest, RestingFaceHasEightBandsOfTwoRowsAndOneRowOfTheColour) {
  button->SetCaption(L"");
  Snapshot shot(*button);
  const COLORREF bands[] = {kLight,
                            RGB(245, 245, 248),
                            RGB(239, 238, 244),
                            RGB(232, 231, 240),
                            RGB(225, 225, 235),
                            RGB(218, 218, 231),
                            RGB(212, 211, 227),
                            kFace};
  for (int row = 4; row < 20; ++row) EXPECT_EQ(shot.At(10, row), bands[(row - 4) / 2]) << row;
  EXPECT_EQ(shot.At(10, 20), kFace);
  EXPECT_EQ(shot.CountInRow(12, 4, 71, bands[4]), 67);
  // Frame, highlight and shade lines, inner frame, outer edges.
  EXPECT_EQ(shot.At(10, 1), RGB(0, 60, 116));
  EXPECT_EQ(shot.At(10, 2), RGB(206, 231, 255));
  EXPECT_EQ(shot.At(10, 22), RGB(105, 130, 238));
  EXPECT_EQ(shot.At(2, 10), RGB(188, 212, 246));
  EXPECT_EQ(shot.At(3, 10), RGB(255, 255, 255));
  EXPECT_EQ(shot.At(71, 10), RGB(255, 255, 255));
  EXPECT_EQ(shot.At(10, 24), RGB(255, 255, 255));
  EXPECT_EQ(shot.At(74, 10), RGB(255, 255, 255));
}

TEST_F(ButtonTest, PressedUnderThePointerReversesTheGradient) {
  button->SetCaption(L"");
  PressUnderPointer();
  ASSERT_TRUE(button->Hot());
  ASSERT_TRUE(button->Pressed());
  Snapshot shot(*button);
  EXPECT_EQ(shot.At(10, 4), kFace);
  for (int row = 5; row < 16; ++row) EXPECT_NE(shot.At(10, row), shot.At(10, row - 1)) << row;
  for (int row = 15; row < 21; ++row) EXPECT_EQ(shot.At(10, row), kPressedLight) << row;
  // The hot ring.
  EXPECT_EQ(shot.At(10, 3), RGB(250, 179, 48));
}

TEST_F(ButtonTest, PressedAwayFromThePointerShowsTheRestingFace) {
  button->SetCaption(L"");
  PressUnderPointer();
  PointAway();
  EXPECT_TRUE(button->Pressed());
  EXPECT_FALSE(button->Hot());
  EXPECT_EQ(Snapshot(*button).At(10, 4), kLight);
}

TEST_F(ButtonTest, WithoutBorderTheFrameIsGreyAndTheFaceStartsAtThree) {
  button->SetCaption(L"");
  button->SetBorder(false);
  Snapshot shot(*button);
  const COLORREF face = ColorToRGB(clBtnFace);
  EXPECT_EQ(shot.At(10, 1), RGB(128, 128, 128));
  EXPECT_EQ(shot.At(10, 3), kLight);
  EXPECT_EQ(shot.At(10, 21), kFace);
  EXPECT_EQ(shot.At(10, 2), RGB(214, 211, 211));
  EXPECT_EQ(shot.At(10, 24), face);
  EXPECT_EQ(shot.At(74, 10), face);
  EXPECT_EQ(shot.At(10, 0), RGB(255, 255, 255));
}

TEST_F(ButtonTest, FlatButtonRestsInItsFlatColourAndStillShowsThePressedGradient) {
  button->SetCaption(L"");
  button->SetButtonFlat(true);
  EXPECT_EQ(Snapshot(*button).At(10, 10), ColorToRGB(clBtnFace));
  PressUnderPointer();
  EXPECT_EQ(Snapshot(*button).At(10, 4), kFace);
  EXPECT_EQ(Snapshot(*button).At(10, 20), kPressedLight);
}

TEST_F(ButtonTest, SystemColourIsDrawnFromItsLowBytes) {
  button->SetCaption(L"");
  button->SetColor(clBtnFace);
  button->SetFocusColor(clBtnShadow);
  EXPECT_EQ(Snapshot(*button).At(10, 20), RGB(COLOR_BTNFACE, 0, 0));
  PointAt(*button, 10, 10);
  EXPECT_EQ(Snapshot(*button).At(10, 3), RGB(COLOR_BTNSHADOW, 0, 0));
}

TEST_F(ButtonTest, KeepsTheToolkitsDefaultFontWhateverItsParentsFont) {
  const TFont parentFont(L"Arial", 16, fsBold);
  form->SetFont(parentFont);
  auto* fresh = form->Add<TxpButton>(form.get());
  EXPECT_TRUE(fresh->Font().SameFace(TFont()));
  form->Font().SetHeight(20);
  fresh->SetParentFont(true);
  EXPECT_TRUE(fresh->Font().SameFace(TFont()));
  EXPECT_TRUE(button->Font().SameFace(TFont()));
}

TEST_F(ButtonTest, DisabledLookIsFlatGreyWithButtonFaceCorners) {
  button->SetCaption(L"Off");
  button->SetEnabled(false);
  Snapshot shot(*button);
  const COLORREF face = ColorToRGB(clBtnFace);
  EXPECT_EQ(shot.At(0, 0), face);
  EXPECT_EQ(shot.At(74, 0), face);
  EXPECT_EQ(shot.At(74, 24), face);
  EXPECT_EQ(shot.At(0, 24), face);
  EXPECT_EQ(shot.At(10, 0), RGB(214, 211, 211));
  EXPECT_EQ(shot.At(10, 1), RGB(196, 195, 191));
  EXPECT_EQ(shot.At(10, 5), RGB(241, 241, 237));
  EXPECT_EQ(shot.At(10, 20), RGB(241, 241, 237));
  int text = 0;
  for (int y = 4; y < 21; ++y) text += shot.CountInRow(y, 4, 71, RGB(161, 161, 146));
  EXPECT_GT(text, 0);
}

TEST_F(ButtonTest, PressShiftsTheCaptionByOnePixel) {
  button->SetCaption(L"Go");
  Snapshot rest(*button);
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  Snapshot pressed(*button);
  const COLORREF ink = ColorToRGB(button->Font().Color());
  for (int y = 5; y < 20; ++y)
    for (int x = 5; x < 69; ++x)
      EXPECT_EQ(rest.At(x, y) == ink, pressed.At(x + 1, y + 1) == ink) << x << "," << y;
}

TEST_F(ButtonTest, AcceleratorCharacterIsUnderlinedOnTheRowBelowTheText) {
  button->SetCaption(L"&Go");
  const SIZE text = TextSize(button->Font(), L"Go");
  const int width = TextSize(button->Font(), L"G").cx;
  const int x = (75 - text.cx) / 2;
  const int y = (25 - text.cy) / 2 + text.cy;
  Snapshot shot(*button);
  const COLORREF ink = ColorToRGB(button->Font().Color());
  EXPECT_EQ(shot.CountInRow(y, x, x + width, ink), width);
  EXPECT_NE(shot.At(x + width, y), ink);
  EXPECT_NE(shot.At(x - 1, y), ink);
  button->SetCaption(L"Go&");
  Snapshot trailing(*button);
  EXPECT_EQ(trailing.CountInRow((25 - text.cy) / 2 + text.cy, 4, 71, ink), 0);
}

TEST_F(ButtonTest, FocusDrawsTheDottedRectangleAndRaisesEnterAndExit) {
  std::vector<std::string> events;
  button->OnEnter = [&](TComponent*) { events.push_back("enter"); };
  button->OnExit = [&](TComponent*) { events.push_back("exit"); };
  const Snapshot unfocused(*button);
  button->SetFocus();
  EXPECT_EQ(InvertedBox(unfocused, Snapshot(*button)), (Box{4, 4, 70, 20}));
  button->SetFocusRectangle(false);
  EXPECT_EQ(InvertedBox(unfocused, Snapshot(*button)), (Box{75, 25, -1, -1}));
  SetFocus(form->Handle());
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(ButtonTest, LeftPressAndReleaseClickOnceAndTakeTheFocus) {
  button->OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(clicks, 0);
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(clicks, 1);
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(clicks, 1);
  SendMessageW(button->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5));
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(button->Pressed());
}

TEST_F(ButtonTest, RightButtonIsIgnored) {
  int mouseUps = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
  SendMessageW(button->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, Point(5, 5));
  SendMessageW(button->Handle(), WM_RBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(mouseUps, 0);
  EXPECT_FALSE(button->Pressed());
}

TEST_F(ButtonTest, SpaceOnTheFocusedButtonClicksOnceOnRelease) {
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->SetFocus();
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(button->Pressed());
  EXPECT_EQ(clicks, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);
  SendMessageW(button->Handle(), WM_KEYDOWN, 'A', 0);
  EXPECT_FALSE(button->Pressed());
}

TEST_F(ButtonTest, AnyKeyReleaseEndsAMousePressWithOneClick) {
  button->OnClick = [&](TComponent*) { ++clicks; };
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageW(button->Handle(), WM_KEYUP, 'A', 0);
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, KeyEventsSeeTheKeyAndMayCancelIt) {
  std::vector<WORD> keys;
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) {
    keys.push_back(key);
    key = 0;
  };
  button->OnKeyUp = [&](TComponent*, WORD& key, TShiftState) { keys.push_back(key); };
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_RETURN, 0);
  EXPECT_EQ(keys, (std::vector<WORD>{VK_RETURN, VK_RETURN}));
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, DialogKeysClickDefaultAndCancelButtonsWithoutConsumingTheKey) {
  button->OnClick = [&](TComponent*) { ++clicks; };
  EXPECT_FALSE(button->DialogKey(VK_RETURN));
  EXPECT_FALSE(button->DialogKey(VK_ESCAPE));
  EXPECT_EQ(clicks, 0);
  button->SetDefault(true);
  EXPECT_FALSE(button->DialogKey(VK_RETURN));
  EXPECT_FALSE(button->DialogKey(VK_ESCAPE));
  EXPECT_EQ(clicks, 1);
  button->SetDefault(false);
  button->SetCancel(true);
  EXPECT_FALSE(button->DialogKey(VK_ESCAPE));
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, DisabledButtonIgnoresInputButItsAcceleratorClicks) {
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->SetCaption(L"&Run");
  button->SetDefault(true);
  button->SetEnabled(false);
  LeftClick(*button, 5, 5);
  SendMessageW(button->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5));
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_FALSE(button->DialogKey(VK_RETURN));
  EXPECT_EQ(clicks, 0);
  Accelerator(L'r');
  EXPECT_EQ(clicks, 1);
  Accelerator(L'x');
  EXPECT_EQ(clicks, 1);
}

// The hot ring is RoundRect(3, 3, 72, 22) with corners of 2: its straight
// edges run on rows 3 and 21 and columns 3 and 71, up to one pixel from
// each corner.
TEST_F(ButtonTest, PointerEnteringAndLeavingTogglesTheHotLook) {
  button->SetCaption(L"");
  PointAt(*button, 10, 10);
  EXPECT_TRUE(button->Hot());
  const Snapshot shot(*button);
  const COLORREF ring = RGB(250, 179, 48);
  for (const int row : {3, 21}) EXPECT_EQ(shot.CountInRow(row, 4, 71, ring), 67) << row;
  for (int row = 4; row < 21; ++row) {
    EXPECT_EQ(shot.At(3, row), ring) << row;
    EXPECT_EQ(shot.At(71, row), ring) << row;
  }
  PointAway();
  EXPECT_FALSE(button->Hot());
}

// The colour setters repaint before they return, also with the value the
// button already has; the look flags and the caption only on a change.
TEST_F(ButtonTest, ColourSettersRepaintAtOnceAndFlagSettersOnlyOnAChange) {
  const auto paintedAtOnce = [&](const std::function<void()>& set) {
    button->Invalidate();
    set();
    return !PendingPaint(*button);
  };
  EXPECT_TRUE(paintedAtOnce([&] { button->SetColor(button->Color()); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetFocusColor(button->FocusColor()); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetBackgroundColor(button->BackgroundColor()); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetFlatColor(button->FlatColor()); }));
  EXPECT_FALSE(paintedAtOnce([&] { button->SetBorder(true); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetBorder(false); }));
  EXPECT_FALSE(paintedAtOnce([&] { button->SetFocusRectangle(true); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetFocusRectangle(false); }));
  EXPECT_FALSE(paintedAtOnce([&] { button->SetButtonFlat(false); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetButtonFlat(true); }));
  EXPECT_FALSE(paintedAtOnce([&] { button->SetCaption(L"XP Button"); }));
  EXPECT_TRUE(paintedAtOnce([&] { button->SetCaption(L"Go"); }));
}

TxpButton* modalButton = nullptr;

// Ends a modal run that a failing test would otherwise never end.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
  if (auto* dialog = dynamic_cast<TForm*>(modalButton->Owner())) dialog->SetModalResult(-1);
}

TEST(ButtonModalTest, ClickRunsOnClickThenEndsTheDialogWithTheModalResult) {
  auto dialog = CreateForm<TForm>(nullptr);
  auto* ok = dialog->Add<TxpButton>(dialog.get());
  ok->SetModalResult(mrCancel);
  modalButton = ok;
  int resultDuringClick = -2;
  ok->OnClick = [&](TComponent*) { resultDuringClick = dialog->ModalResult(); };
  PostMessageW(ok->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  PostMessageW(ok->Handle(), WM_LBUTTONUP, 0, Point(5, 5));
  const UINT_PTR timer = SetTimer(nullptr, 0, 5000, GiveUp);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  KillTimer(nullptr, timer);
  EXPECT_EQ(resultDuringClick, mrNone);
}

TEST(ButtonModalTest, ButtonOwnedByAnotherComponentLeavesTheFormAlone) {
  auto dialog = CreateForm<TForm>(nullptr);
  TComponent holder(nullptr);
  auto* button = holder.Add<TxpButton>(dialog.get());
  button->SetModalResult(mrOk);
  button->Click();
  EXPECT_EQ(dialog->ModalResult(), mrNone);
}

}  // namespace

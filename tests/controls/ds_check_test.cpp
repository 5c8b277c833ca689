#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "tests/controls/control_fixture.h"
#include "toolkit/panel.h"

namespace {

class CheckTest : public ControlTest {
 protected:
  CheckTest() : check(form->Add<TDsCheck>(form.get())) {
    check->SetBounds(10, 10, 81, 17);
    check->SetCaption(L"");
    check->OnClick = [this](TComponent*) { seen.push_back(check->State()); };
  }

  COLORREF High() const { return ColorToRGB(check->ColorHigh()); }
  COLORREF Low() const { return ColorToRGB(check->ColorLow()); }

  TDsCheck* check;
  std::vector<TCheckBoxState> seen;
};

TEST_F(CheckTest, StartsWithItsDocumentedLook) {
  EXPECT_EQ(check->Height(), 17);
  EXPECT_EQ(form->Add<TDsCheck>(form.get())->Width(), 81);
  EXPECT_EQ(check->State(), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(check->ButtonStyle(), TButtonStyle::ckRaised);
  EXPECT_EQ(check->CaptionAlign(), TDsAlignment::taLeft);
  EXPECT_EQ(check->CaptionStyle(), TDsTextStyle::txLowered);
  EXPECT_FALSE(check->TabStop());
  EXPECT_EQ(check->Color(), kBehind);
}

TEST_F(CheckTest, SquareAndRingSpans) {
  const Snapshot raised(*check);
  EXPECT_EQ(raised.At(1, 2), High());
  EXPECT_EQ(raised.At(1, 13), High());
  EXPECT_EQ(raised.At(11, 2), High());
  EXPECT_EQ(raised.At(12, 2), Low());
  EXPECT_EQ(raised.At(12, 13), Low());
  EXPECT_EQ(raised.At(2, 13), Low());
  EXPECT_EQ(raised.At(0, 5), kBehind);
  EXPECT_EQ(raised.At(13, 5), kBehind);
  EXPECT_EQ(raised.At(6, 7), kBehind);
  check->SetButtonStyle(TButtonStyle::ckFlat);
  const Snapshot flat(*check);
  EXPECT_EQ(flat.At(0, 1), Low());
  EXPECT_EQ(flat.At(0, 13), Low());
  EXPECT_EQ(flat.At(13, 1), High());
  EXPECT_EQ(flat.At(13, 14), High());
  EXPECT_EQ(flat.At(1, 14), High());
  EXPECT_EQ(flat.At(0, 14), kBehind);
  check->SetDown(true);
  const Snapshot down(*check);
  EXPECT_EQ(down.At(0, 1), kBehind);
  EXPECT_EQ(down.At(1, 5), Low());
  EXPECT_EQ(down.At(12, 5), High());
}

// The caption as DrawText draws it at (left, top), on the colour behind.
Snapshot Expected(TDsCheck& check, const std::wstring& text, int left, int top) {
  auto reference = std::make_unique<TDsCheck>(nullptr, check.Parent());
  reference->SetBounds(0, 0, check.Width(), check.Height());
  reference->SetCaption(L"");
  Snapshot shot(*reference);
  MemoryDC dc;
  SelectGuard select(dc.Get(), shot.Bitmap().Handle());
  TCanvas canvas(dc.Get());
  canvas.Font().Assign(check.Font());
  canvas.Brush().style = TBrushStyle::bsClear;
  RECT rect{left, top, check.Width() - 1, top + TextSize(check.Font(), text).cy};
  canvas.DrawText(text, rect, DT_SINGLELINE);
  return shot;
}

TEST_F(CheckTest, CaptionStartsFiveColumnsAfterTheSquare) {
  check->SetCaption(L"Wide");
  check->SetCaptionStyle(TDsTextStyle::txPlain);
  check->SetFocusRectangle(false);
  const int top = (17 - TextSize(check->Font(), L"Wide").cy) / 2;
  for (const bool flat : {false, true}) {
    check->SetButtonStyle(flat ? TButtonStyle::ckFlat : TButtonStyle::ckRaised);
    const Snapshot shot(*check);
    const Snapshot expected = Expected(*check, L"Wide", 17, flat ? top - 1 : top);
    for (int y = 0; y < 17; ++y)
      for (int x = 15; x < 81; ++x) ASSERT_EQ(shot.At(x, y), expected.At(x, y)) << x << "," << y;
  }
}

TEST_F(CheckTest, TickMarkStrokes) {
  check->SetCheckColor(RGB(200, 0, 0));
  check->SetChecked(true);
  const Snapshot shot(*check);
  const COLORREF dark = RGB(200, 0, 0);
  const COLORREF light = ColorToRGB(clBtnHighlight);
  for (const POINT p : {POINT{3, 7}, POINT{3, 10}, POINT{3, 11}, POINT{4, 6}, POINT{4, 11},
                        POINT{10, 4}, POINT{11, 4}})
    EXPECT_EQ(shot.At(p.x, p.y), dark) << p.x << "," << p.y;
  for (const POINT p : {POINT{5, 6}, POINT{5, 11}, POINT{11, 5}})
    EXPECT_EQ(shot.At(p.x, p.y), light) << p.x << "," << p.y;
  EXPECT_EQ(shot.At(12, 4) == light || shot.At(12, 4) == dark, false);
  check->SetEnabled(false);
  EXPECT_EQ(Snapshot(*check).At(3, 7), ColorToRGB(clBtnShadow));
}

TEST_F(CheckTest, GreyStateFillsTheSquareOnlyWhileDown) {
  check->SetState(TCheckBoxState::cbGrayed);
  const Snapshot up(*check);
  EXPECT_EQ(up.At(3, 7), Low());
  EXPECT_EQ(up.At(9, 10), kBehind);
  check->SetDown(true);
  const Snapshot down(*check);
  EXPECT_EQ(down.At(9, 10), ColorToRGB(clBtnFace));
  EXPECT_EQ(down.At(3, 4), ColorToRGB(clBtnFace));
  EXPECT_EQ(down.At(2, 4), kBehind);
}

TEST_F(CheckTest, DisabledCaptionIsDrawnInTheLowColour) {
  check->SetCaption(L"Off");
  check->SetCaptionStyle(TDsTextStyle::txPlain);
  check->SetColorLow(RGB(0, 150, 0));
  check->SetEnabled(false);
  const Snapshot shot(*check);
  int low = 0;
  for (int y = 0; y < 17; ++y) low += shot.CountInRow(y, 15, 81, RGB(0, 150, 0));
  EXPECT_GT(low, 0);
}

// The dotted rectangle lies one pixel around the shown caption and one row
// lower: caption rows top to top + th - 1 give rows top to top + th + 1. A
// caption wider than the room beside the square takes it to the far edge.
TEST_F(CheckTest, FocusRectangleFramesTheCaptionOneRowLower) {
  check->SetCaptionStyle(TDsTextStyle::txPlain);
  const std::wstring wide = L"A caption much wider than the box";
  const SIZE hi = TextSize(check->Font(), L"Hi");
  ASSERT_GT(TextSize(check->Font(), wide).cx, 81 - 14);
  const int top = (17 - hi.cy) / 2;
  const int bottom = top + hi.cy + 1;
  const struct {
    const wchar_t* caption;
    TDsAlignment align;
    Box box;
  } cases[] = {{L"Hi", TDsAlignment::taLeft, {16, top, 17 + hi.cx, bottom}},
               {wide.c_str(), TDsAlignment::taLeft, {16, top, 80, bottom}},
               {wide.c_str(), TDsAlignment::taRight, {0, top, 63, bottom}}};
  for (const auto& c : cases) {
    check->SetCaption(c.caption);
    check->SetCaptionAlign(c.align);
    SetFocus(form->Handle());
    const Snapshot unfocused(*check);
    check->SetFocus();
    EXPECT_EQ(InvertedBox(unfocused, Snapshot(*check)), c.box) << c.caption;
    check->SetFocusRectangle(false);
    EXPECT_EQ(InvertedBox(unfocused, Snapshot(*check))[2], -1) << c.caption;
    check->SetFocusRectangle(true);
  }
}

TEST_F(CheckTest, LeftClickRaisesOnClickWithTheOldStateThenTheNew) {
  LeftClick(*check, 5, 5);
  EXPECT_EQ(seen, (std::vector{TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked}));
  EXPECT_TRUE(check->Focused());
  EXPECT_FALSE(check->Down());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(CheckTest, OtherButtonsClickOnceAndTheFarEdgesCount) {
  SendMessageW(check->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, Point(5, 5));
  SendMessageW(check->Handle(), WM_RBUTTONUP, 0, Point(81, 17));
  EXPECT_EQ(seen, (std::vector{TCheckBoxState::cbChecked}));
}

TEST_F(CheckTest, DraggingOffBeforeTheReleaseLeavesTheStateAlone) {
  SendMessageW(check->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  EXPECT_TRUE(check->Down());
  SendMessageW(check->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Point(82, 5));
  EXPECT_FALSE(check->Down());
  SendMessageW(check->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Point(81, 17));
  EXPECT_TRUE(check->Down());
  SendMessageW(check->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Point(5, -1));
  SendMessageW(check->Handle(), WM_LBUTTONUP, 0, Point(5, -1));
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(check->State(), TCheckBoxState::cbUnchecked);
  EXPECT_FALSE(check->Down());
}

TEST_F(CheckTest, WritingTheCurrentStateRaisesNothing) {
  check->SetChecked(false);
  check->SetState(TCheckBoxState::cbUnchecked);
  EXPECT_TRUE(seen.empty());
  check->SetChecked(true);
  check->SetChecked(true);
  check->SetState(TCheckBoxState::cbChecked);
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(CheckTest, GreyBoxTogglesToChecked) {
  check->SetState(TCheckBoxState::cbGrayed);
  seen.clear();
  SendMessageW(check->Handle(), WM_MBUTTONDOWN, MK_MBUTTON, Point(5, 5));
  SendMessageW(check->Handle(), WM_MBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(check->State(), TCheckBoxState::cbChecked);
  SendMessageW(check->Handle(), WM_MBUTTONDOWN, MK_MBUTTON, Point(5, 5));
  SendMessageW(check->Handle(), WM_MBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(seen, (std::vector{TCheckBoxState::cbChecked, TCheckBoxState::cbUnchecked}));
}

TEST_F(CheckTest, SpaceShowsTheSunkenSquareAndTogglesOnRelease) {
  check->SetFocus();
  SendMessageW(check->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(check->Down());
  EXPECT_EQ(Snapshot(*check).At(1, 5), Low());
  EXPECT_TRUE(seen.empty());
  SendMessageW(check->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_FALSE(check->Down());
  EXPECT_TRUE(check->Checked());
  SendMessageW(check->Handle(), WM_KEYUP, 'A', 0);
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(CheckTest, AcceleratorFocusesAndToggles) {
  check->SetCaption(L"&Shine");
  EXPECT_FALSE(check->DialogChar(L'x'));
  EXPECT_TRUE(check->DialogChar(L'S'));
  EXPECT_TRUE(check->Focused());
  EXPECT_TRUE(check->Checked());
  check->SetEnabled(false);
  EXPECT_FALSE(check->DialogChar(L's'));
  EXPECT_TRUE(check->Checked());
}

// Inside a disabled parent neither a check button nor a group frame can take
// the focus: their hot keys do nothing there and go on to the controls after
// them.
TEST_F(CheckTest, AcceleratorsInsideADisabledParentPassOn) {
  auto* disabled = form->Add<TPanel>(form.get());
  disabled->SetBounds(200, 10, 150, 120);
  auto* innerCheck = form->Add<TDsCheck>(disabled);
  innerCheck->SetCaption(L"&Keyframe");
  auto* innerGroup = form->Add<TDsGroup>(disabled);
  innerGroup->SetBounds(0, 30, 150, 60);
  innerGroup->SetCaption(L"&Options");
  auto* innerButton = form->Add<TxpButton>(innerGroup);
  disabled->SetEnabled(false);
  auto* outerCheck = form->Add<TDsCheck>(form.get());
  outerCheck->SetBounds(10, 120, 81, 17);
  outerCheck->SetCaption(L"&Keyframe");
  auto* outerGroup = form->Add<TDsGroup>(form.get());
  outerGroup->SetBounds(10, 150, 150, 60);
  outerGroup->SetCaption(L"&Options");
  auto* outerButton = form->Add<TxpButton>(outerGroup);

  Accelerator(L'k');
  EXPECT_FALSE(innerCheck->Checked());
  EXPECT_TRUE(outerCheck->Checked());
  EXPECT_TRUE(outerCheck->Focused());
  Accelerator(L'o');
  EXPECT_FALSE(innerButton->Focused());
  EXPECT_TRUE(outerButton->Focused());
}

}  // namespace

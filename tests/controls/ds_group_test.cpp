#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr COLORREF kLow = RGB(90, 0, 0);
constexpr COLORREF kHigh = RGB(0, 90, 0);
constexpr COLORREF kFace = RGB(230, 230, 200);

class GroupTest : public ControlTest {
 protected:
  GroupTest() : group(form->Add<TDsGroup>(form.get())) {
    group->SetBounds(10, 10, 145, 105);
    group->SetColorLow(kLow);
    group->SetColorHigh(kHigh);
    group->SetFaceColor(kFace);
  }

  // A caption drawn in the colour behind the frame, so only the gap shows.
  void HiddenCaption(const std::wstring& caption) {
    group->SetCaption(caption);
    group->SetCaptionStyle(TDsTextStyle::txPlain);
    group->Font().SetColor(kBehind);
  }

  int Line() const { return TextSize(group->Font(), group->Caption()).cy / 2; }

  // The run of row y in the colour behind that lies between two pieces
  // of the dark outline: its first column and the column after it.
  std::pair<int, int> Gap(const Snapshot& shot, int y) const {
    int x = 0;
    while (x < shot.Width() && shot.At(x, y) != kLow) ++x;
    while (x < shot.Width() && shot.At(x, y) == kLow) ++x;
    const int first = x;
    while (x < shot.Width() && shot.At(x, y) != kLow) ++x;
    if (x == shot.Width()) return {-1, -1};
    return {first, x};
  }

  TDsGroup* group;
};

TEST_F(GroupTest, StartsWithItsDocumentedLook) {
  auto* fresh = form->Add<TDsGroup>(form.get());
  EXPECT_EQ(fresh->Width(), 145);
  EXPECT_EQ(fresh->Height(), 105);
  EXPECT_EQ(fresh->CornerRadius(), 3);
  EXPECT_EQ(fresh->FaceColor(), clBtnFace);
  EXPECT_EQ(fresh->ColorHigh(), clBtnHighlight);
  EXPECT_EQ(fresh->ColorLow(), clBtnShadow);
  EXPECT_EQ(fresh->BorderStyle(), TDsBorderStyle::brFlat);
  EXPECT_EQ(fresh->CaptionAlign(), TCapAlignment::caLeft);
  EXPECT_EQ(fresh->CaptionStyle(), TDsTextStyle::txLowered);
  EXPECT_TRUE(fresh->ParentColor());
  EXPECT_EQ(fresh->Color(), kBehind);
}

TEST_F(GroupTest, CaptionGapFollowsRadiusAndAlignment) {
  HiddenCaption(L"Options");
  const int width = TextSize(group->Font(), L"Options").cx + 2;
  EXPECT_EQ(Gap(Snapshot(*group), Line()), std::make_pair(8, 8 + width));
  group->SetCornerRadius(10);
  EXPECT_EQ(Gap(Snapshot(*group), Line()), std::make_pair(14, 14 + width));
  group->SetCornerRadius(3);
  group->SetCaptionAlign(TCapAlignment::caRight);
  EXPECT_EQ(Gap(Snapshot(*group), Line()), std::make_pair(145 - 8 - width, 145 - 8));
  group->SetCaptionAlign(TCapAlignment::caCenter);
  EXPECT_EQ(Gap(Snapshot(*group), Line()).first, (145 - width) / 2);
}

TEST_F(GroupTest, AmpersandIsNotCountedInTheGap) {
  HiddenCaption(L"&File");
  const int width = TextSize(group->Font(), L"File").cx + 2;
  EXPECT_EQ(Gap(Snapshot(*group), Line()), std::make_pair(8, 8 + width));
}

// Under a caption of spaces, which draws no ink, the gap shows plainly: on
// the frame's row the colour behind, on the row below it the face, where
// the light outline runs on either side.
TEST_F(GroupTest, TheGapOpensBothOutlines) {
  group->SetCaption(L"    ");
  const int line = Line();
  const int right = 8 + TextSize(group->Font(), L"    ").cx + 2;
  const Snapshot shot(*group);
  EXPECT_EQ(shot.CountInRow(line, 8, right, kBehind), right - 8);
  EXPECT_EQ(shot.CountInRow(line + 1, 8, right, kFace), right - 8);
  EXPECT_EQ(shot.At(7, line + 1), kHigh);
  EXPECT_EQ(shot.At(right, line + 1), kHigh);
}

TEST_F(GroupTest, EmptyCaptionClosesTheFrame) {
  HiddenCaption(L"");
  const Snapshot shot(*group);
  EXPECT_EQ(Gap(shot, Line()).first, -1);
  EXPECT_EQ(shot.CountInRow(Line(), 4, 141, kLow), 137);
}

TEST_F(GroupTest, EtchedFrameKeepsTheDarkOutlineInsideTheLightOne) {
  HiddenCaption(L"");
  const Snapshot shot(*group);
  const int middle = 50;
  EXPECT_EQ(shot.At(0, middle), kLow);
  EXPECT_EQ(shot.At(1, middle), kHigh);
  EXPECT_EQ(shot.At(143, middle), kLow);
  EXPECT_EQ(shot.At(144, middle), kHigh);
  EXPECT_EQ(shot.At(70, 103), kLow);
  EXPECT_EQ(shot.At(70, 104), kHigh);
  EXPECT_EQ(shot.At(70, middle), kFace);
  group->SetBorderStyle(TDsBorderStyle::brPlain);
  const Snapshot plain(*group);
  EXPECT_EQ(plain.At(0, middle), kLow);
  EXPECT_EQ(plain.At(144, middle), kLow);
  EXPECT_EQ(plain.At(70, 104), kLow);
  EXPECT_EQ(plain.At(1, middle), kFace);
  EXPECT_EQ(plain.At(143, middle), kFace);
}

TEST_F(GroupTest, SquareCornersWithRadiusZero) {
  HiddenCaption(L"");
  EXPECT_NE(Snapshot(*group).At(0, 104), kLow);
  group->SetCornerRadius(0);
  EXPECT_EQ(Snapshot(*group).At(0, 103), kLow);
}

TEST_F(GroupTest, CornerRadiusOutsideTheRangeIsIgnored) {
  group->SetCornerRadius(17);
  EXPECT_EQ(group->CornerRadius(), 3);
  group->SetCornerRadius(-1);
  EXPECT_EQ(group->CornerRadius(), 3);
  group->SetCornerRadius(16);
  EXPECT_EQ(group->CornerRadius(), 16);
  group->SetCornerRadius(0);
  EXPECT_EQ(group->CornerRadius(), 0);
}

// The box of the pixels that differ from the colour behind. Smoothed text
// blends its edges, so ink is whatever is not the background rather than
// one exact colour.
Box InkBox(const Snapshot& shot) {
  return BoxOf(shot, [&](int x, int y) { return shot.At(x, y) != ControlTest::kBehind; });
}

// With frame and face in the colour behind, only the caption's copies show:
// the shadow copy widens the plain caption's box by one pixel towards the
// lower right (lowered) or the upper left (raised), whatever the font.
TEST_F(GroupTest, LoweredAndRaisedCaptionsCastTheirCopyOnePixelAway) {
  group->SetCaption(L"Mode");
  group->Font().SetColor(RGB(0, 0, 0));
  group->SetColorLow(kBehind);
  group->SetFaceColor(kBehind);
  group->SetCornerRadius(0);
  group->SetBorderStyle(TDsBorderStyle::brPlain);
  group->SetCaptionStyle(TDsTextStyle::txPlain);
  const Box plain = InkBox(Snapshot(*group));
  ASSERT_GT(plain[1], 0);
  ASSERT_GT(plain[2], plain[0]);
  group->SetCaptionStyle(TDsTextStyle::txLowered);
  EXPECT_EQ(InkBox(Snapshot(*group)), (Box{plain[0], plain[1], plain[2] + 1, plain[3] + 1}));
  group->SetCaptionStyle(TDsTextStyle::txRaised);
  EXPECT_EQ(InkBox(Snapshot(*group)), (Box{plain[0] - 1, plain[1] - 1, plain[2], plain[3]}));
}

TEST_F(GroupTest, AlignedChildFillsTheClientAreaBelowTheCaptionLine) {
  auto* child = form->Add<TxpButton>(group);
  child->SetAlign(TAlign::alClient);
  const int top = TextSize(group->Font(), L"0").cy;
  EXPECT_EQ(child->Left(), 2);
  EXPECT_EQ(child->Top(), top + 2);
  EXPECT_EQ(child->Width(), 145 - 4);
  EXPECT_EQ(child->Height(), 105 - top - 4);
  group->SetBounds(10, 10, 200, 150);
  EXPECT_EQ(child->Width(), 200 - 4);
}

TEST_F(GroupTest, AcceleratorMovesTheFocusToTheFirstChildThatTakesIt) {
  group->SetCaption(L"&Options");
  form->Add<TDsCheck>(group);  // takes no Tab, so it is passed over
  auto* first = form->Add<TxpButton>(group);
  form->Add<TxpButton>(group);
  auto* outside = form->Add<TxpButton>(form.get());
  outside->SetFocus();
  EXPECT_FALSE(group->DialogChar(L'x'));
  EXPECT_TRUE(group->DialogChar(L'O'));
  EXPECT_TRUE(first->Focused());
  outside->SetFocus();
  group->SetEnabled(false);
  EXPECT_FALSE(group->DialogChar(L'o'));
  EXPECT_TRUE(outside->Focused());
}

}  // namespace

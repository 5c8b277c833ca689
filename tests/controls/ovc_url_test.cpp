#include "controls/OvcURL.h"
#include "tests/controls/control_fixture.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/temp_dir.h"

namespace {

class LinkTest : public ControlTest {
 protected:
  LinkTest() : link(form->Add<TOvcURL>(form.get())) {
    link->SetAutoSize(false);
    link->SetBounds(10, 10, 200, 13);
    link->OnClick = [this](TComponent*) { ++clicks; };
  }

  void ClickMiddle() {
    LeftClick(*link, 100, 6);
    PumpMessages();
  }

  FakeInteraction desktop;
  TOvcURL* link;
  int clicks = 0;
};

TEST_F(LinkTest, ShowsItsCaptionOrElseItsURL) {
  EXPECT_NE(link->Font().Style() & fsUnderline, 0u);
  EXPECT_EQ(link->Font().Color(), clBlue);
  link->SetURL(L"http://example.com/");
  EXPECT_EQ(link->Caption(), L"");
  EXPECT_EQ(link->Text(), L"http://example.com/");
  link->SetCaption(L"the page");
  EXPECT_EQ(link->Text(), L"the page");
  link->SetURL(L"http://example.com/other");
  EXPECT_EQ(link->Text(), L"the page");
  link->SetCaption(L"");
  EXPECT_EQ(link->Text(), L"http://example.com/other");

  EXPECT_EQ(link->HighlightColor(), clRed);
  link->Font().SetColor(0x123456);
  link->SetHighlightColor(clNone);
  link->SetVisitedColor(clNone);
  EXPECT_EQ(link->HighlightColor(), 0x123456u);
  EXPECT_EQ(link->VisitedColor(), 0x123456u);
}

TEST_F(LinkTest, AClickHandsTheShellAtMost1023CharactersThenRaisesOnClick) {
  const std::wstring url = L"http://example.com/" + std::wstring(1500, L'a');
  link->SetURL(url);
  ClickMiddle();
  ASSERT_EQ(desktop.shells.size(), 1u);
  EXPECT_EQ(desktop.shells[0].owner, nullptr);
  EXPECT_EQ(desktop.shells[0].verb, L"open");
  EXPECT_EQ(desktop.shells[0].file, url.substr(0, 1023));
  EXPECT_EQ(desktop.shells[0].parameters, L"");
  EXPECT_EQ(desktop.shells[0].directory, L"");
  EXPECT_EQ(desktop.shells[0].show, SW_SHOWNORMAL);
  EXPECT_EQ(clicks, 1);

  // A refused request still counts as a click.
  desktop.shellSucceeds = false;
  ClickMiddle();
  EXPECT_EQ(desktop.shells.size(), 2u);
  EXPECT_EQ(clicks, 2);

  link->SetURL(L"");
  ClickMiddle();
  EXPECT_EQ(desktop.shells.size(), 2u);
  EXPECT_EQ(clicks, 3);
}

TEST_F(LinkTest, OnlyAPressAndReleaseOverTheLinkClick) {
  link->SetURL(L"http://example.com/");
  SendMessageW(link->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 6));
  SendMessageW(link->Handle(), WM_LBUTTONUP, 0, Point(200, 6));
  SendMessageW(link->Handle(), WM_LBUTTONUP, 0, Point(100, 6));
  PumpMessages();
  EXPECT_TRUE(desktop.shells.empty());
  EXPECT_EQ(clicks, 0);
}

TEST_F(LinkTest, TheHighlightLastsWhileThePointerIsOver) {
  SendMessageW(link->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));

  const TTimer* timer = &link->HoverTimer();
  PointAt(*link, 100, 6);
  EXPECT_EQ(link->Font().Color(), clRed);
  EXPECT_TRUE(timer->Enabled());
  PointAway();
  EXPECT_EQ(link->Font().Color(), clBlue);
  // The tick that saw the pointer leave stopped its timer; it did not free
  // it while running in it.
  EXPECT_EQ(&link->HoverTimer(), timer);
  EXPECT_FALSE(timer->Enabled());
  // Without the visited colour a click changes nothing.
  PointAt(*link, 100, 6);
  ClickMiddle();
  PointAway();
  EXPECT_EQ(link->Font().Color(), clBlue);
}

TEST_F(LinkTest, AVisitedLinkTurnsToItsColourOnceThePointerHasLeft) {
  link->SetUseVisitedColor(true);
  link->SetVisitedColor(0x800080);
  PointAt(*link, 100, 6);
  ClickMiddle();
  EXPECT_EQ(link->Font().Color(), clRed);
  PointAway();
  EXPECT_EQ(link->Font().Color(), 0x800080u);
  PointAt(*link, 100, 6);
  EXPECT_EQ(link->Font().Color(), clRed);
  PointAway();
  EXPECT_EQ(link->Font().Color(), 0x800080u);
}

}  // namespace

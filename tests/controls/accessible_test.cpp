#include "controls/DsGroups.h"
#include "controls/OvcURL.h"
#include "controls/xpButton.h"
#include "tests/controls/control_fixture.h"
#include "tests/support/accessible_client.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/temp_dir.h"

namespace {

// A screen reader's default action flips a check box, opens a link and is
// refused by a disabled button; an object a reader still holds after its
// control is gone says so instead of reaching the control.
TEST_F(ControlTest, DefaultActionsAndAnObjectThatOutlivesItsControl) {
  FakeInteraction desktop;
  auto check = std::make_unique<TDsCheck>(nullptr, form.get());
  check->SetCaption(L"&Keyframes");
  int checkClicks = 0;
  check->OnClick = [&](TComponent*) { ++checkClicks; };
  AccessibleClient box(check->Handle());
  ASSERT_TRUE(box.Found()) << std::hex << box.Status();
  EXPECT_EQ(box.DefaultAction(), L"Check");
  EXPECT_EQ(box.DoDefaultAction(), S_OK);
  PumpMessages();
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(checkClicks, 1);
  EXPECT_EQ(box.DefaultAction(), L"Uncheck");
  EXPECT_NE(box.State() & STATE_SYSTEM_CHECKED, 0);

  auto* link = form->Add<TOvcURL>(form.get());
  link->SetURL(L"http://example.com/");
  AccessibleClient jump(link->Handle());
  EXPECT_EQ(jump.DoDefaultAction(), S_OK);
  PumpMessages();
  ASSERT_EQ(desktop.shells.size(), 1u);
  EXPECT_EQ(desktop.shells[0].file, L"http://example.com/");

  auto* button = form->Add<TxpButton>(form.get());
  int buttonClicks = 0;
  button->OnClick = [&](TComponent*) { ++buttonClicks; };
  button->SetEnabled(false);
  AccessibleClient press(button->Handle());
  EXPECT_EQ(press.DoDefaultAction(), E_FAIL);
  PumpMessages();
  EXPECT_EQ(buttonClicks, 0);

  check.reset();
  EXPECT_EQ(box.Name(), L"");
  EXPECT_EQ(box.Status(), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(box.DoDefaultAction(), CO_E_OBJNOTCONNECTED);
}

}  // namespace

#include <vector>

#include "dialogs/Unit1.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

class ShiningDialogTest : public DialogTest {
 protected:
  ShiningDialogTest() {
    main->rgb->SetText(L"0.3");
    main->power->SetValue(170);
  }

  int RunDialog(const std::function<void(TForm1&)>& act) { return DialogTest::RunDialog(act); }

  void ExpectMainValues(const wchar_t* rgb, int power) {
    EXPECT_EQ(main->rgb->Text(), rgb);
    EXPECT_EQ(main->power->Value(), power);
  }
};

TEST_F(ShiningDialogTest, ShowsTheMainValuesAndOkWritesItsOwnBack) {
  std::wstring shownRgb;
  int shownPower = 0;
  const int result = RunDialog([&](TForm1& dialog) {
    shownRgb = dialog.edRGB->Text();
    shownPower = dialog.edPower->Value();
    dialog.edRGB->SetText(L"0.75 typed");
    dialog.edPower->SetValue(90);
    dialog.xpButton2->Click();
  });
  EXPECT_EQ(shownRgb, L"0.3");
  EXPECT_EQ(shownPower, 170);
  EXPECT_EQ(result, IDYES);
  ExpectMainValues(L"0.75 typed", 90);
  EXPECT_FALSE(FormExists(L"Form1"));
}

TEST_F(ShiningDialogTest, CancelCloseBoxAndUnchangedOkLeaveTheMainValues) {
  const auto change = [](TForm1& dialog) {
    dialog.edRGB->SetText(L"0.9");
    dialog.edPower->SetValue(250);
  };
  EXPECT_EQ(RunDialog([&](TForm1& dialog) {
              change(dialog);
              dialog.xpButton1->Click();
            }),
            IDCANCEL);
  EXPECT_EQ(RunDialog([&](TForm1& dialog) {
              change(dialog);
              SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            }),
            IDCANCEL);
  EXPECT_EQ(RunDialog([](TForm1& dialog) { dialog.xpButton2->Click(); }), IDYES);
  ExpectMainValues(L"0.3", 170);
}

TEST_F(ShiningDialogTest, UnlistedTextAndOutOfRangePowerFromTheMainWindow) {
  main->rgb->SetText(L"abc,5");
  main->power->SetText(L"7");
  RunDialog([](TForm1& dialog) {
    EXPECT_EQ(dialog.edRGB->Text(), L"abc,5");
    EXPECT_EQ(dialog.edPower->Text(), L"10");
    dialog.edPower->SetText(L"x");
    dialog.xpButton2->Click();
  });
  ExpectMainValues(L"abc,5", 10);
}

TEST_F(ShiningDialogTest, PowerStepsByTwentyUpToItsMaximum) {
  std::vector<int> steps;
  RunDialog([&steps](TForm1& dialog) {
    dialog.edPower->SetValue(10);
    for (int i = 0; i < 16; ++i) {
      SendMessageW(dialog.edPower->Handle(), WM_KEYDOWN, VK_UP, 0);
      steps.push_back(dialog.edPower->Value());
    }
  });
  ASSERT_EQ(steps.size(), 16u);
  EXPECT_EQ(steps.front(), 30);
  EXPECT_EQ(steps[13], 290);
  EXPECT_EQ(steps[14], 300);
  EXPECT_EQ(steps[15], 300);
}

TEST_F(ShiningDialogTest, SetSpecularPowerReloadsTheMainValuesAndSetSpecularRgbDoesNot) {
  RunDialog([](TForm1& dialog) {
    dialog.edRGB->SetText(L"0.9");
    dialog.edPower->SetValue(250);
    Click(dialog.Label6);
    EXPECT_EQ(dialog.edRGB->Text(), L"0.9");
    EXPECT_EQ(dialog.edPower->Value(), 250);
    Click(dialog.Label5);
    EXPECT_EQ(dialog.edRGB->Text(), L"0.3");
    EXPECT_EQ(dialog.edPower->Value(), 170);
  });
}

// Enter in a field presses neither button, Enter on Ok presses Ok; Escape,
// in a field or a note, cancels as Cancel does.
TEST_F(ShiningDialogTest, EnterPressesOnlyAFocusedButtonAndEscapeCancels) {
  const int result = RunDialog([](TForm1& dialog) {
    dialog.edPower->SetValue(50);
    PressKey(*dialog.edPower, VK_RETURN);
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    PressKey(*dialog.xpButton2, VK_RETURN);
  });
  EXPECT_EQ(result, IDYES);
  ExpectMainValues(L"0.3", 50);
  for (const bool inNote : {false, true}) {
    EXPECT_EQ(RunDialog([inNote](TForm1& dialog) {
                dialog.edPower->SetValue(90);
                PressKey(inNote ? static_cast<TControl&>(*dialog.Memo1) : *dialog.edPower,
                         VK_ESCAPE);
              }),
              mrCancel);
    ExpectMainValues(L"0.3", 50);
  }
}

}  // namespace

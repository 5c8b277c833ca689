#include "dialogs/Unit2.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

class SizeDialogTest : public DialogTest {
 protected:
  SizeDialogTest() { main->size->SetValue(7); }

  int RunDialog(const std::function<void(TForm2&)>& act) { return DialogTest::RunDialog(act); }

  static void ExpectSquare(const TForm2& dialog, int edge, int left, int top) {
    EXPECT_EQ(dialog.Image1->Width(), edge);
    EXPECT_EQ(dialog.Image1->Height(), edge);
    EXPECT_EQ(dialog.Image1->Left(), left);
    EXPECT_EQ(dialog.Image1->Top(), top);
  }
};

TEST_F(SizeDialogTest, OpensWithTheFighterAndTheSquareOfTheMainSize) {
  RunDialog([](TForm2& dialog) {
    EXPECT_TRUE(dialog.rb1->Checked());
    EXPECT_EQ(dialog.Label2->Caption(), L"Fighter or recon");
    EXPECT_EQ(dialog.edSize->Value(), 7);
    ExpectSquare(dialog, 105, 71, 24);
  });
}

TEST_F(SizeDialogTest, TypeChoiceChangesPictureAndCaptionButNotTheSize) {
  RunDialog([](TForm2& dialog) {
    const HBITMAP fighter = dialog.Image1->Picture();
    SendMessageW(dialog.rb4->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.rb4->Checked());
    EXPECT_FALSE(dialog.rb1->Checked());
    EXPECT_EQ(dialog.Label2->Caption(), L"Heavy bomber");
    EXPECT_NE(dialog.Image1->Picture(), fighter);
    EXPECT_EQ(dialog.edSize->Value(), 7);
    ExpectSquare(dialog, 105, 71, 24);
  });
}

TEST_F(SizeDialogTest, ArrowKeysMoveTheCheckRoundTheAircraftTypes) {
  RunDialog([](TForm2& dialog) {
    const std::vector<TRadioButton*> types{dialog.rb1, dialog.rb2, dialog.rb3, dialog.rb4};
    TRadioButton* at = dialog.rb1;
    // Down, Right, Down, Down wraps to the first; Up and Left go back round.
    const std::vector<std::pair<WORD, TRadioButton*>> steps{
        {VK_DOWN, dialog.rb2}, {VK_RIGHT, dialog.rb3}, {VK_DOWN, dialog.rb4},
        {VK_DOWN, dialog.rb1}, {VK_UP, dialog.rb4},    {VK_LEFT, dialog.rb3}};
    for (const auto& [key, expected] : steps) {
      PressKey(*at, key);
      at = expected;
      for (TRadioButton* type : types) {
        EXPECT_EQ(type->Checked(), type == expected) << key;
        EXPECT_EQ(type->Focused(), type == expected) << key;
      }
      EXPECT_EQ(dialog.Label2->Caption(), expected->Caption());
    }
    EXPECT_EQ(dialog.edSize->Value(), 7);
  });
}

TEST_F(SizeDialogTest, SquareGrowsFifteenPixelsPerSizeCentredInThePanel) {
  struct Row {
    int size, edge, left, top;
  };
  RunDialog([](TForm2& dialog) {
    for (const Row& row : {Row{1, 15, 116, 69}, Row{9, 135, 56, 9}, Row{10, 150, 48, 1},
                           Row{11, 165, 41, -6}, Row{13, 195, 26, -21}, Row{16, 240, 3, -44}}) {
      SCOPED_TRACE(row.size);
      dialog.edSize->SetValue(row.size);
      ExpectSquare(dialog, row.edge, row.left, row.top);
    }
  });
}

TEST_F(SizeDialogTest, SquareStaysInRangeWhileAnOutOfRangeSizeIsTyped) {
  RunDialog([](TForm2& dialog) {
    dialog.edSize->SetText(L"99");
    ExpectSquare(dialog, 240, 3, -44);
    dialog.edSize->SetText(L"-5");
    ExpectSquare(dialog, 15, 116, 69);
  });
}

TEST_F(SizeDialogTest, OkWritesTheSizeBackAndCancelOrCloseBoxDoNot) {
  EXPECT_EQ(RunDialog([](TForm2& dialog) {
              dialog.edSize->SetValue(3);
              dialog.xpButton1->Click();
            }),
            IDCANCEL);
  EXPECT_EQ(RunDialog([](TForm2& dialog) {
              dialog.edSize->SetValue(4);
              SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            }),
            IDCANCEL);
  EXPECT_EQ(main->size->Value(), 7);
  EXPECT_EQ(RunDialog([](TForm2& dialog) {
              dialog.edSize->SetValue(12);
              dialog.xpButton2->Click();
            }),
            IDYES);
  EXPECT_EQ(main->size->Value(), 12);
  EXPECT_FALSE(FormExists(L"Aircraft model size"));
}

TEST_F(SizeDialogTest, EachOpeningStartsWithTheFighter) {
  RunDialog([](TForm2& dialog) {
    SendMessageW(dialog.rb3->Handle(), BM_CLICK, 0, 0);
    dialog.xpButton2->Click();
  });
  RunDialog([](TForm2& dialog) {
    EXPECT_TRUE(dialog.rb1->Checked());
    EXPECT_FALSE(dialog.rb3->Checked());
    EXPECT_EQ(dialog.Label2->Caption(), L"Fighter or recon");
  });
}

TEST_F(SizeDialogTest, EnterInTheSizeFieldPressesNeitherButtonAndEscapeCancels) {
  const int result = RunDialog([](TForm2& dialog) {
    dialog.edSize->SetValue(9);
    PressKey(*dialog.edSize, VK_RETURN);
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    PressKey(*dialog.edSize, VK_ESCAPE);
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(main->size->Value(), 7);
}

}  // namespace

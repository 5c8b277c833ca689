#include "tests/frontend/main_window_fixture.h"

namespace {

// A folder of models and converted files beside them, opened in the tree,
// with the window shown.
class SelectionTest : public MainWindowTest {
 protected:
  SelectionTest() {
    CreateDirectoryW(models.c_str(), nullptr);
    CreateDirectoryW(sub.c_str(), nullptr);
    WriteFileBytes(sub + L"\\JET.MDL", "model");
    for (const wchar_t* name : {L"PLANE.MDL", L"PLANE.MD2", L"plane.md8", L"OTHER.MDL",
                                L"OTHER.MDS", L"PLANEX.MD8", L"PLANE.MD8.BAK", L"SOLO.MDL"}) {
      WriteFileBytes(models + L"\\" + name, "model");
    }
    Open();
    OpenFolder(models);
  }

  int ModelIndex(const wchar_t* name) const { return window->MDL_f->IndexOf(name); }
  void PickModel(const wchar_t* name) { ClickItem(window->MDL_f, ModelIndex(name)); }
  std::vector<std::wstring> Converted() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < window->memo2->Count(); ++i) names.push_back(window->memo2->Item(i));
    return names;
  }
  std::vector<bool> BoxesEnabled() const {
    std::vector<bool> enabled;
    for (TCheckBox* box : {window->dsF, window->dsC, window->dsT, window->dsS, window->dsR,
                           window->dsZ}) {
      enabled.push_back(box->Enabled());
    }
    return enabled;
  }

  const std::wstring models = dir / L"models";
  const std::wstring sub = models + L"\\sub";
};

TEST_F(SelectionTest, AModelListsItsOwnResultsInChainOrder) {
  EXPECT_EQ(window->MDL_f->Count(), 3);
  PickModel(L"PLANE.MDL");
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.md8", L"PLANE.MD2"}));
  EXPECT_EQ(window->memo2->ItemIndex(), -1);
  EXPECT_EQ(window->SelectionOrigin(), TSelectionOrigin::soSourceList);
  EXPECT_FALSE(window->buInsert->Enabled());
  EXPECT_FALSE(window->buSaveas->Enabled());

  PickModel(L"SOLO.MDL");
  EXPECT_TRUE(Converted().empty());
  EXPECT_FALSE(window->buInsert->Enabled());
}

TEST_F(SelectionTest, SelectingInOneListClearsTheOther) {
  PickModel(L"PLANE.MDL");
  ClickItem(window->memo2, 1);
  EXPECT_EQ(window->MDL_f->ItemIndex(), -1);
  EXPECT_EQ(window->SelectionOrigin(), TSelectionOrigin::soConvertedList);
  EXPECT_EQ(window->Label1->Caption(), L"CFS2 aircraft model file");
  EXPECT_TRUE(window->buInsert->Enabled());
  EXPECT_TRUE(window->buSaveas->Enabled());
  PickModel(L"PLANE.MDL");
  EXPECT_EQ(window->memo2->ItemIndex(), -1);
  EXPECT_EQ(window->Label1->Caption(), L"");
  EXPECT_EQ(Converted().size(), 2u);
}

// A pick in either list and a box released apply the command rules: an
// FS2002 result goes on only through c; the model opens all six again, and
// is no source once deleted.
TEST_F(SelectionTest, PicksAndBoxReleasesApplyTheCommandRules) {
  PickModel(L"PLANE.MDL");
  Click(window->dsR);
  ClickItem(window->memo2, 0);
  EXPECT_EQ(window->Label1->Caption(), L"FS2002 aircraft model file");
  EXPECT_EQ(BoxesEnabled(), (std::vector<bool>{false, true, false, false, false, false}));
  EXPECT_FALSE(window->dsR->Checked());
  EXPECT_FALSE(window->buConvert->Enabled());
  Click(window->dsC);
  EXPECT_EQ(BoxesEnabled(), (std::vector<bool>{false, true, true, true, true, true}));
  EXPECT_TRUE(window->opF->Enabled());
  EXPECT_TRUE(window->buConvert->Enabled());
  EXPECT_EQ(GetFocus(), window->memo2->Handle());
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 1);
  PickModel(L"PLANE.MDL");
  EXPECT_EQ(BoxesEnabled(), std::vector<bool>(6, true));
  EXPECT_FALSE(window->opF->Enabled());
  EXPECT_TRUE(window->buConvert->Enabled());
  DeleteFileW((models + L"\\PLANE.MDL").c_str());
  Click(window->dsT);
  EXPECT_FALSE(window->buConvert->Enabled());
}

TEST_F(SelectionTest, ARightReleaseShowsThePageAndReEvaluates) {
  PickModel(L"PLANE.MDL");
  Click(window->dsT);
  EXPECT_TRUE(window->buConvert->Enabled());
  window->buConvert->SetEnabled(false);
  window->dsPage->SetActivePageIndex(0);
  Click(window->dsS, TMouseButton::mbRight);
  EXPECT_FALSE(window->dsS->Checked());
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 3);
  EXPECT_TRUE(window->buConvert->Enabled());
}

// Space on a box, and Alt with the letter of a command, tick the box as the
// mouse does: its page shows and the start button follows. A label's click
// shows its page and ticks nothing.
TEST_F(SelectionTest, KeyboardTicksActAsTheMouseAndLabelClicksChangeNothingElse) {
  PickModel(L"PLANE.MDL");
  window->dsS->SetFocus();
  SendMessageW(window->dsS->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(window->dsS->Handle(), WM_KEYUP, VK_SPACE, 0);
  PumpMessages();
  EXPECT_TRUE(window->dsS->Checked());
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 3);
  EXPECT_TRUE(window->buConvert->Enabled());

  PostMessageW(GetFocus(), WM_SYSCHAR, L'f', 0);
  PumpMessages();
  EXPECT_TRUE(window->dsF->Checked());
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 0);
  EXPECT_EQ(BoxesEnabled(), (std::vector<bool>{true, true, false, false, false, false}));
  EXPECT_FALSE(window->dsS->Checked());
  EXPECT_TRUE(window->buConvert->Enabled());

  window->buConvert->SetEnabled(false);
  Click(window->dsCt);
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 1);
  EXPECT_FALSE(window->dsC->Checked());
  EXPECT_FALSE(window->buConvert->Enabled());
}

TEST_F(SelectionTest, TheTreeLocksTheStartButtonAndKeysOnlyMoveTheList) {
  PickModel(L"PLANE.MDL");
  Click(window->dsZ);
  ASSERT_TRUE(window->buConvert->Enabled());
  OpenFolder(models);
  EXPECT_FALSE(window->buConvert->Enabled());
  EXPECT_TRUE(Converted().empty());

  PickModel(L"PLANE.MDL");
  window->Label8->SetCaption(L"Conversion passed");
  window->MDL_D->SetFocus();
  SendMessageW(window->MDL_D->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(window->MDL_D->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  PumpMessages();
  EXPECT_EQ(window->MDL_D->Directory(), sub);
  EXPECT_EQ(window->MDL_f->Count(), 1);
  EXPECT_EQ(Converted().size(), 2u);
  EXPECT_EQ(window->Label8->Caption(), L"");
  EXPECT_FALSE(window->buLog->Enabled());
}

}  // namespace

#include "tests/frontend/main_window_fixture.h"
#include "toolkit/unique_handle.h"

namespace {

// PLANE.MDL with two converted files beside it, the model picked and
// PLANE.MD2 selected in the converted files list.
class ReplaceTest : public MainWindowTest {
 protected:
  ReplaceTest() {
    CreateDirectoryW(models.c_str(), nullptr);
    WriteFileBytes(Model(L"PLANE.MDL"), "original");
    WriteFileBytes(Model(L"PLANE.MD2"), "cfs2 result");
    WriteFileBytes(Model(L"PLANE.MD8"), "fs2002 result");
    Open();
    OpenFolder(models);
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"PLANE.MDL"));
    SelectConverted(L"PLANE.MD2");
  }

  std::wstring Model(const wchar_t* name) const { return models + L"\\" + name; }
  void SelectConverted(const wchar_t* name) { ClickItem(window->memo2, window->memo2->IndexOf(name)); }

  // A Save dialog preset for PLANE in the models folder, with the filter.
  void ExpectPlaneOffer(const FakeInteraction::SaveOffer& offer, const wchar_t* filter) const {
    EXPECT_EQ(offer.fileName, L"PLANE");
    EXPECT_EQ(offer.initialDir, models);
    EXPECT_EQ(offer.defaultExt, L"mdl");
    EXPECT_EQ(offer.filter, filter);
    EXPECT_EQ(offer.filterIndex, 1);
  }

  const std::wstring models = dir / L"models";
};

TEST_F(ReplaceTest, ReplaceAsksFirstAndOverwritesTheModelOnlyOnYes) {
  ASSERT_TRUE(window->buInsert->Enabled());
  desktop.boxAnswers = {IDNO};
  Click(window->buInsert);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, L"   Do you want to replace the original  [PLANE.mdl]  file?      ");
  EXPECT_EQ(desktop.boxes[0].caption, L"Confirm");
  EXPECT_EQ(desktop.boxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(ReadFileBytes(Model(L"PLANE.MDL")), "original");
  EXPECT_FALSE(window->buInsert->Enabled());
  EXPECT_TRUE(window->buSaveas->Enabled());

  SelectConverted(L"PLANE.MD8");
  desktop.boxAnswers = {IDYES};
  Click(window->buInsert);
  EXPECT_EQ(ReadFileBytes(Model(L"PLANE.MDL")), "fs2002 result");
  EXPECT_EQ(ReadFileBytes(Model(L"PLANE.MD8")), "fs2002 result");
  EXPECT_EQ(window->memo2->Count(), 2);
  EXPECT_FALSE(window->buInsert->Enabled());
  EXPECT_EQ(window->SelectedPath(), Model(L"PLANE.MD8"));
}

// A model of the same name in another folder is dropped while Replace
// asks: the drop is refused, and Yes writes the model the question named.
// Once the question is answered a drop is taken again.
TEST_F(ReplaceTest, ADropWhileReplaceAsksIsRefusedAndTheAskedModelIsReplaced) {
  const std::wstring hangar = dir / L"hangar";
  CreateDirectoryW(hangar.c_str(), nullptr);
  WriteFileBytes(hangar + L"\\PLANE.MDL", "hangar model");
  desktop.whileBoxOpen = [&] { DropFiles(window->Handle(), {hangar + L"\\PLANE.MDL"}); };
  desktop.boxAnswers = {IDYES};
  Click(window->buInsert);
  desktop.whileBoxOpen = nullptr;
  EXPECT_EQ(ReadFileBytes(Model(L"PLANE.MDL")), "cfs2 result");
  EXPECT_EQ(ReadFileBytes(hangar + L"\\PLANE.MDL"), "hangar model");
  EXPECT_EQ(window->MDL_D->Directory(), models);
  EXPECT_EQ(window->memo2->Count(), 2);

  DropFiles(window->Handle(), {hangar + L"\\PLANE.MDL"});
  EXPECT_EQ(window->MDL_D->Directory(), hangar);
}

TEST_F(ReplaceTest, ReplaceMakesAModelThatIsGoneAndSkipsAConvertedFileThatIsGone) {
  DeleteFileW(Model(L"PLANE.MDL").c_str());
  desktop.boxAnswers = {IDYES};
  Click(window->buInsert);
  EXPECT_EQ(ReadFileBytes(Model(L"PLANE.mdl")), "cfs2 result");

  SelectConverted(L"PLANE.MD8");
  DeleteFileW(Model(L"PLANE.MD8").c_str());
  Click(window->buInsert);
  EXPECT_EQ(desktop.boxes.size(), 1u);
  EXPECT_FALSE(window->buInsert->Enabled());
}

TEST_F(ReplaceTest, AFailedReplaceIsReportedAndLeavesTheButtonEnabled) {
  desktop.boxAnswers = {IDYES};
  {
    // Another program holds the model open.
    const KernelHandle holder(CreateFileW(Model(L"PLANE.MDL").c_str(), GENERIC_READ, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    Click(window->buInsert);
  }
  ASSERT_EQ(desktop.boxes.size(), 2u);
  EXPECT_NE(desktop.boxes[1].flags & MB_ICONSTOP, 0u);
  EXPECT_EQ(ReadFileBytes(Model(L"PLANE.MDL")), "original");
  EXPECT_TRUE(window->buInsert->Enabled());
}

// Straight after start-up, with no run and no Replace, the offer comes from
// the converted file selected in the list.
TEST_F(ReplaceTest, SaveAsPresetsNameAndFolderFromTheSelectedConvertedFile) {
  desktop.saveAnswers = {L""};
  Click(window->buSaveas);
  ASSERT_EQ(desktop.saveOffers.size(), 1u);
  ExpectPlaneOffer(desktop.saveOffers[0],
                   L"CSF2 model file (*.mdl)|*.mdl|CFS2 conversion file (*.md2)|*.md2");
}

TEST_F(ReplaceTest, SaveAsOffersTheSelectedFileAndSavesTheSelectedConvertedFile) {
  // Replace makes PLANE.MD2 the selected file.
  desktop.boxAnswers = {IDNO};
  Click(window->buInsert);
  const std::wstring saved = dir / L"saved.mdl";
  desktop.saveAnswers = {L"", saved};
  Click(window->buSaveas);
  EXPECT_FALSE(FileExists(saved));

  SelectConverted(L"PLANE.MD8");
  Click(window->buSaveas);
  ASSERT_EQ(desktop.saveOffers.size(), 2u);
  ExpectPlaneOffer(desktop.saveOffers[1],
                   L"FS2002 model file (*.mdl)|*.mdl|FS2002 conversion file (*.md8)|*.md8");
  EXPECT_EQ(desktop.saveOffers[0].filter,
            L"CSF2 model file (*.mdl)|*.mdl|CFS2 conversion file (*.md2)|*.md2");
  EXPECT_EQ(ReadFileBytes(saved), "fs2002 result");
  EXPECT_TRUE(window->buSaveas->Enabled());

  // With no converted file selected the working copy is saved.
  WriteFileBytes(dir / window->WorkingCopyName(), "working copy");
  window->memo2->SetItemIndex(-1);
  desktop.saveAnswers = {saved};
  Click(window->buSaveas);
  EXPECT_EQ(ReadFileBytes(saved), "working copy");
}

}  // namespace

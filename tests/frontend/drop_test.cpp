#include <algorithm>
#include <string>
#include <vector>

#include "frontend/start_arguments.h"
#include "tests/frontend/conversion_fixture.h"

namespace {

// What picking a model decides: the tree's folder, the model, its
// converted files found beside it, the status text and Start conversion.
struct Pick {
  std::wstring folder;
  std::wstring model;
  std::vector<std::wstring> converted;
  std::wstring status;
  bool startEnabled;
  bool operator==(const Pick&) const = default;
};

class DropTest : public ConversionTest {
 protected:
  Pick Picked() const {
    return {window->MDL_D->Directory(), window->MDL_f->FileName(), Converted(),
            window->Label8->Caption(), window->buConvert->Enabled()};
  }
  void Drop(const std::vector<std::wstring>& files) { DropFiles(window->Handle(), files); }
};

// After a run, a text file, a model in another folder whose extension is in
// mixed case, and another model are dropped: the first model is picked as a
// click on its folder and one on its entry pick it, with the tree back in
// place of the log. A text file alone, a model on a share the tree does not
// show and a drop during a run change nothing; the share is explained.
TEST_F(DropTest, TheFirstDroppedModelIsPickedAsClicksWouldPickIt) {
  const std::wstring hangar = dir / L"hangar";
  CreateDirectoryW(hangar.c_str(), nullptr);
  const std::wstring jet = hangar + L"\\Jet.mDl";
  WriteFileBytes(jet, kModel);
  WriteFileBytes(hangar + L"\\Jet.MD2", "converted");
  const std::wstring notes = dir / L"notes.txt";
  WriteFileBytes(notes, "notes");
  Tick({window->dsZ});
  Start();

  Drop({notes, jet, Model(L"plane.MDL")});
  const Pick dropped = Picked();
  EXPECT_EQ(dropped, (Pick{hangar, jet, {L"Jet.MD2"}, L"", true}));
  EXPECT_EQ(window->SelectionOrigin(), TSelectionOrigin::soSourceList);
  EXPECT_TRUE(window->MDL_D->Showing());
  EXPECT_FALSE(window->Memo1->Visible());
  EXPECT_FALSE(window->buLog->Enabled());

  Drop({notes});
  Drop({L"\\\\server\\models\\plane.MDL"});
  EXPECT_EQ(Picked(), dropped);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text,
            L"plane.MDL lies on a drive that the folder tree does not show. Copy it to a fixed "
            L"drive to convert it.");

  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"600");
  ASSERT_TRUE(StartAndActWhileConverting({[&] { Drop({Model(L"plane.MDL")}); }}));
  EXPECT_EQ(window->MDL_D->Directory(), hangar);
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"Jet.MDZ"});
  ExpectPassed();
}

// A model dropped by its short (8.3) path is picked by its long one, in
// the tree's own node for its folder.
TEST_F(DropTest, AModelDroppedByItsShortPathIsPickedByItsLongOne) {
  const std::wstring hangar = dir / L"long hangar folder";
  CreateDirectoryW(hangar.c_str(), nullptr);
  const std::wstring jet = hangar + L"\\long jet model.mdl";
  WriteFileBytes(jet, kModel);
  wchar_t shortPath[MAX_PATH];
  ASSERT_NE(GetShortPathNameW(jet.c_str(), shortPath, MAX_PATH), 0u);
  ASSERT_EQ(std::wstring(shortPath).find(L"long"), std::wstring::npos);
  Drop({shortPath});
  EXPECT_EQ(window->MDL_D->Directory(), hangar);
  EXPECT_EQ(window->MDL_f->FileName(), jet);
}

// A model a later start hands over is picked as a drop picks it, but only
// when it comes as one full path with its one terminating zero; during a
// run it is not taken and the log says so.
TEST_F(DropTest, AHandedModelIsPickedWhenItIsAFullPathAndNoRunGoesOn) {
  const std::wstring jet = dir / L"Jet.mdl";
  WriteFileBytes(jet, kModel);
  const Pick before = Picked();
  for (const std::wstring& text : {std::wstring(L"Jet.mdl"), jet + L":stream", L"\\\\.\\" + jet,
                                   jet + L"\n" + jet}) {
    EXPECT_FALSE(HandModelOver(window->Handle(), text)) << text;
  }
  COPYDATASTRUCT unterminated{kHandedModelTag, static_cast<DWORD>(jet.size() * sizeof(wchar_t)),
                              const_cast<wchar_t*>(jet.c_str())};
  EXPECT_FALSE(SendMessageW(window->Handle(), WM_COPYDATA, 0,
                            reinterpret_cast<LPARAM>(&unterminated)));
  EXPECT_EQ(Picked(), before);

  EXPECT_TRUE(HandModelOver(window->Handle(), jet));
  EXPECT_EQ(window->MDL_f->FileName(), jet);

  const Variable slow(L"TARN_STANDIN_SLEEP_MS", L"600");
  Tick({window->dsZ});
  const std::wstring plane = Model(L"plane.MDL");
  ASSERT_TRUE(StartAndActWhileConverting({[&] { HandModelOver(window->Handle(), plane); }}));
  EXPECT_EQ(window->MDL_D->Directory(), dir.Path());
  const std::vector<std::wstring> log = Log();
  EXPECT_NE(std::find(log.begin(), log.end(),
                      L"plane.MDL cannot be opened while a conversion runs; open it again once it "
                      L"has ended."),
            log.end());
  ExpectPassed();
}

}  // namespace

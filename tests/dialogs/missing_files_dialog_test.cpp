#include "dialogs/Unit3.h"
#include "tests/dialogs/dialog_fixture.h"

namespace {

using MissingFilesDialogTest = DialogTest;

// A link opens by a click, or by Enter or Space once Tab has reached it,
// also from the note; Enter and Escape never close the notice.
TEST_F(MissingFilesDialogTest, NamesTheFileLinksOpenInTheBrowserAndNeitherLinkNorKeyClosesIt) {
  main->missingFile = L"dictguid.txt";
  const std::unique_ptr<TForm3> notice = CreateForm<TForm3>(main.get());
  notice->Show();
  PumpMessages();
  EXPECT_EQ(notice->Label1->Caption(), L" Missing files: dictguid.txt");
  for (TOvcURL* link : {notice->URL1, notice->URL2}) EXPECT_EQ(link->Caption(), L"");
  EXPECT_EQ(notice->URL1->Text(), kDownloadPage);
  EXPECT_EQ(notice->URL2->Text(), kDownloadArchive);
  Click(notice->URL2);
  ASSERT_EQ(desktop.shells.size(), 1u);
  EXPECT_EQ(desktop.shells[0].file, kDownloadArchive);
  EXPECT_TRUE(notice->Visible());
  for (const WORD key : {VK_ESCAPE, VK_RETURN}) PressKey(*notice->Memo1, key);
  EXPECT_TRUE(notice->Visible());
  for (const WORD key : {VK_TAB, VK_RETURN, VK_ESCAPE, VK_TAB, VK_SPACE}) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    PumpMessages();
  }
  ASSERT_EQ(desktop.shells.size(), 3u);
  EXPECT_EQ(desktop.shells[1].file, kDownloadPage);
  EXPECT_EQ(desktop.shells[2].file, kDownloadArchive);
  EXPECT_TRUE(notice->Visible());
}

}  // namespace

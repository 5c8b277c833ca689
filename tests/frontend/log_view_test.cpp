#include <set>

#include "tests/frontend/main_window_fixture.h"

namespace {

// The converter's log of an earlier run, and a model picked with a command
// ticked, so that Start conversion waits enabled under the log viewer.
class LogViewTest : public MainWindowTest {
 protected:
  LogViewTest() {
    WriteFileBytes(dir / L"CONVERT.LOG", "the converter's log\r\n");
    CreateDirectoryW(models.c_str(), nullptr);
    WriteFileBytes(models + L"\\PLANE.MDL", "model");
    Open();
    OpenFolder(models);
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"PLANE.MDL"));
    Click(window->dsZ);
  }

  // Whether the window lies on the main panel under the open viewer: not in
  // the title strip, not the viewer itself.
  bool UnderTheViewer(HWND control) const {
    return IsChild(window->Panel1->Handle(), control) && control != window->OVC1->Handle() &&
           !IsChild(window->Panel2->Handle(), control);
  }

  const std::wstring models = dir / L"models";
};

// While the log is on view, Tab goes round the controls beside it and never
// lands on one it covers, so Space cannot start a run out of sight. Its
// button closes it even once the log has gone, and what it covered comes
// back as it was.
TEST_F(LogViewTest, TheViewerKeepsWhatItCoversOutOfReachUntilItsButtonClosesIt) {
  ASSERT_TRUE(window->buConvert->Enabled());
  Click(window->buLog);
  ASSERT_TRUE(window->OVC1->Showing());
  std::set<HWND> reached;
  for (int press = 0; press < 20; ++press) {
    TypeInFocus(VK_TAB);
    reached.insert(GetFocus());
  }
  EXPECT_TRUE(reached.count(window->buLog->Handle()));
  for (HWND control : reached) EXPECT_FALSE(UnderTheViewer(control)) << control;

  DeleteFileW((dir / L"CONVERT.LOG").c_str());
  PressKey(*window->buLog, VK_SPACE);
  EXPECT_FALSE(window->OVC1->Visible());
  EXPECT_EQ(window->buLog->Caption(), L"Show Log-file");
  EXPECT_TRUE(window->buClose->Enabled());
  for (TControl* control :
       std::initializer_list<TControl*>{window->buConvert, window->MDL_f, window->dsZ})
    EXPECT_TRUE(control->CanFocus());
  EXPECT_FALSE(window->DsGroup4->Visible());
  EXPECT_FALSE(window->md_files->Visible());
  EXPECT_FALSE(window->Running());
}

}  // namespace

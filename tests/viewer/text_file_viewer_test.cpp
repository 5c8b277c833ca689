#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "tests/support/temp_dir.h"
#include "toolkit/exception.h"
#include "toolkit/form.h"
#include "viewer/ovc_controller.h"
#include "viewer/text_file_viewer.h"

namespace {

std::string NumberedLines(int count, const std::string& tail = "") {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += "line " + std::to_string(i) + tail + "\r\n";
  return bytes;
}

class TextFileViewerTest : public testing::Test {
 protected:
  TextFileViewerTest() : form(CreateForm<TForm>(nullptr)) {
    form->SetClientSize(400, 300);
    form->Show();
    controller = form->Add<TOvcController>();
    viewer = form->Add<TOvcTextFileViewer>(form.get());
    viewer->SetBounds(0, 0, 300, 200);
    viewer->SetController(controller);
  }

  void Open(const std::string& bytes) {
    WriteFileBytes(path, bytes);
    viewer->SetFileName(path);
    viewer->SetIsOpen(true);
  }

  void Key(WORD key, bool ctrl = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageW(viewer->Handle(), WM_KEYDOWN, key, 0);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
  }

  int Rows() {
    TEXTMETRICW metrics{};
    WindowDC dc;
    SelectGuard select(dc.Get(), viewer->FixedFont().Handle());
    GetTextMetricsW(dc.Get(), &metrics);
    return static_cast<int>(viewer->ClientRect().bottom / metrics.tmHeight);
  }

  std::unique_ptr<TForm> form;
  TOvcController* controller = nullptr;
  TOvcTextFileViewer* viewer = nullptr;
  TempDir temp;
  std::wstring path = temp / L"CONVERT.LOG";
};

// Narrow and wide letters take the same width in the viewer's font, and
// still do when its face is missing and another one stands in.
TEST_F(TextFileViewerTest, TheFontIsFixedPitchEvenWhenTheFaceIsMissing) {
  for (const wchar_t* face : {L"Courier", L"No Such Courier Face"}) {
    viewer->FixedFont().SetName(face);
    WindowDC dc;
    SelectGuard select(dc.Get(), viewer->FixedFont().Handle());
    SIZE narrow{};
    SIZE wide{};
    GetTextExtentPoint32W(dc.Get(), L"iiii", 4, &narrow);
    GetTextExtentPoint32W(dc.Get(), L"WWWW", 4, &wide);
    EXPECT_EQ(narrow.cx, wide.cx) << face;
    EXPECT_GT(narrow.cx, 0) << face;
  }
}

TEST_F(TextFileViewerTest, TheFileIsNotHeldOpenWhileShown) {
  Open("first\r\nsecond\r\n");
  ASSERT_TRUE(viewer->IsOpen());
  EXPECT_TRUE(MoveFileW(path.c_str(), (temp / L"moved.log").c_str()));
  EXPECT_TRUE(DeleteFileW((temp / L"moved.log").c_str()));
  EXPECT_EQ(viewer->LineCount(), 3);
  EXPECT_EQ(viewer->Line(1), L"second");

  viewer->SetIsOpen(false);
  EXPECT_EQ(viewer->LineCount(), 0);
}

TEST_F(TextFileViewerTest, OpeningAMissingFileFailsNamingItAndStaysClosed) {
  viewer->SetFileName(temp / L"absent.log");
  try {
    viewer->SetIsOpen(true);
    ADD_FAILURE() << "no error";
  } catch (const Exception& error) {
    EXPECT_NE(error.Message().find(L"absent.log"), std::wstring::npos);
  }
  EXPECT_FALSE(viewer->IsOpen());
}

TEST_F(TextFileViewerTest, ScrollsByTheKeysOfTheActiveTableAndTheWheel) {
  Open(NumberedLines(100));
  const int last = viewer->LineCount() - Rows();
  Key(VK_DOWN);
  EXPECT_EQ(viewer->TopLine(), 1);
  Key(VK_NEXT);
  EXPECT_EQ(viewer->TopLine(), Rows());
  Key(VK_END, true);
  EXPECT_EQ(viewer->TopLine(), last);
  Key(VK_DOWN);
  EXPECT_EQ(viewer->TopLine(), last);
  Key(VK_HOME, true);
  EXPECT_EQ(viewer->TopLine(), 0);
  SendMessageW(viewer->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(viewer->TopLine(), 3);

  controller->Tables()[0].active = false;
  Key(VK_DOWN);
  EXPECT_EQ(viewer->TopLine(), 3);
}

TEST_F(TextFileViewerTest, BookmarksMarkAndFindLines) {
  Open(NumberedLines(100));
  viewer->SetTopLine(40);
  Key('3', true);
  EXPECT_EQ(viewer->Bookmark(3), -1);
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  Key('3', true);
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
  EXPECT_EQ(viewer->Bookmark(3), 40);
  viewer->SetTopLine(0);
  Key('3', true);
  EXPECT_EQ(viewer->TopLine(), 40);
}

TEST_F(TextFileViewerTest, SelectedLinesArePaintedInTheHighlightColours) {
  Open(NumberedLines(20));
  viewer->SetColor(0xF7FCFD);
  const int rowHeight = viewer->ClientRect().bottom / Rows();
  SendMessageW(viewer->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2 * rowHeight + 1));
  SendMessageW(viewer->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 2 * rowHeight + 1));
  EXPECT_EQ(viewer->SelectionStart(), 2);
  EXPECT_EQ(viewer->SelectionEnd(), 2);

  PixelBitmap bitmap(viewer->Width(), viewer->Height());
  MemoryDC dc;
  SelectGuard select(dc.Get(), bitmap.Handle());
  viewer->PaintTo(dc.Get());
  const int x = viewer->ClientRect().right - 2;
  EXPECT_EQ(bitmap.Pixel(x, 2 * rowHeight + 1), ColorToRGB(clHighlight));
  EXPECT_EQ(bitmap.Pixel(x, 1), ColorToRGB(0xF7FCFD));
}

TEST_F(TextFileViewerTest, TabsAreExpandedToTheTabStops) {
  auto* spaces = form->Add<TOvcTextFileViewer>(form.get());
  spaces->SetBounds(0, 0, 300, 200);
  Open("ab\tc\r\n");
  WriteFileBytes(temp / L"spaces.log", "ab      c\r\n");
  spaces->SetFileName(temp / L"spaces.log");
  spaces->SetIsOpen(true);

  PixelBitmap tabbed(300, 200);
  PixelBitmap spaced(300, 200);
  for (auto [control, bitmap] : {std::pair{viewer, &tabbed}, std::pair{spaces, &spaced}}) {
    MemoryDC dc;
    SelectGuard select(dc.Get(), bitmap->Handle());
    control->PaintTo(dc.Get());
  }
  int differing = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 250; ++x) differing += tabbed.Pixel(x, y) != spaced.Pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
  viewer->SetTabSize(4);
  MemoryDC dc;
  SelectGuard select(dc.Get(), tabbed.Handle());
  viewer->PaintTo(dc.Get());
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 250; ++x) differing += tabbed.Pixel(x, y) != spaced.Pixel(x, y);
  }
  EXPECT_GT(differing, 0);
}

TEST_F(TextFileViewerTest, AFiftyMegabyteLogOpensAndScrolls) {
  const std::string tail(66, '.');
  const int count = 50 * 1024 * 1024 / 80;
  Open("");
  WriteFileBytes(path, NumberedLines(count, tail));
  const auto start = std::chrono::steady_clock::now();
  viewer->SetIsOpen(true);
  const auto opened = std::chrono::steady_clock::now();
  Key(VK_END, true);
  viewer->Repaint();
  const auto painted = std::chrono::steady_clock::now();
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  std::printf("50 MB log: opened in %lld ms, scrolled to the end and painted in %lld ms\n",
              static_cast<long long>(duration_cast<milliseconds>(opened - start).count()),
              static_cast<long long>(duration_cast<milliseconds>(painted - opened).count()));
  EXPECT_EQ(viewer->LineCount(), count + 1);
  EXPECT_EQ(viewer->Line(count - 1), L"line " + std::to_wstring(count - 1) + std::wstring(66, L'.'));
}

}  // namespace

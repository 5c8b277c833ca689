// The windows at 144 and 192 dpi (150 % and 200 %). Wine reads the screen's
// DPI from the user's desktop settings when a process starts, so the checks
// at those DPIs run in a copy of this program started with the setting
// changed; the same checks run here at the DPI this process has.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "dialogs/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "tests/frontend/main_window_fixture.h"
#include "tests/support/dpi_process.h"
#include "toolkit/button_control.h"
#include "toolkit/combo_box.h"
#include "toolkit/gdi.h"
#include "toolkit/image.h"
#include "toolkit/page_control.h"
#include "toolkit/speed_button.h"
#include "toolkit/spin_edit.h"

namespace {

const wchar_t* const kReportVariable = L"ZH_LAYOUT_REPORT";

// The room a control gives its text: its client area less the parts drawn
// beside the text (a box, arrows, a glyph, a frame), at the control's DPI.
int TextRoom(TControl& control) {
  const int width = control.ClientRect().right;
  const int dpi = control.Dpi();
  if (dynamic_cast<TButtonControl*>(&control)) return width - Scale(16, dpi);
  if (dynamic_cast<TSpinEdit*>(&control)) return width - Scale(16, dpi);
  if (dynamic_cast<TComboBox*>(&control)) return width - GetSystemMetrics(SM_CXVSCROLL);
  if (dynamic_cast<TxpButton*>(&control)) return width - Scale(8, dpi);
  if (dynamic_cast<TDsGroup*>(&control)) return width - Scale(16, dpi);
  if (dynamic_cast<TDsCheck*>(&control)) return width - Scale(18, dpi);
  if (dynamic_cast<TSpeedButton*>(&control)) return width - Scale(20, dpi);
  return width;
}

// The extent of the control's text, each line as it is drawn, in its font;
// blanks at the ends of lines and blank lines at the end show nothing.
SIZE TextExtent(TControl& control) {
  const MemoryDC dc;
  SelectGuard font(dc.Get(), control.Font().Handle(control.Dpi()));
  std::wstring text = control.Text();
  text.erase(text.find_last_not_of(L" \r\n") + 1);
  SIZE extent{0, 0};
  std::wistringstream lines(text);
  for (std::wstring line; std::getline(lines, line);) {
    line.erase(line.find_last_not_of(L" \r") + 1);
    RECT rect{0, 0, 0, 0};
    DrawTextW(dc.Get(), line.empty() ? L" " : line.c_str(), -1, &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    extent.cx = std::max(extent.cx, rect.right);
    extent.cy += rect.bottom;
  }
  return extent;
}

template <class F>
void EachControl(TControl& control, const F& f) {
  for (TControl* child : control.Children()) {
    f(*child);
    EachControl(*child, f);
  }
}

// Every text of the form, shown or not, within its control. A page's name
// is the tab's, which the window covers.
void ExpectTextsFit(TForm& form) {
  EachControl(form, [](TControl& control) {
    if (control.Text().empty() || dynamic_cast<TTabSheet*>(&control)) return;
    const SIZE extent = TextExtent(control);
    EXPECT_LE(extent.cx, TextRoom(control)) << "\"" << testing::PrintToString(control.Text())
                                            << "\" at " << control.Dpi() << " dpi";
    EXPECT_LE(extent.cy, control.ClientRect().bottom)
        << testing::PrintToString(control.Text()) << " at " << control.Dpi() << " dpi";
  });
}

void ExpectClientSize(TForm& form, int width, int height) {
  EXPECT_NEAR(form.ClientWidth(), Scale(width, form.Dpi()), 1) << form.Dpi() << " dpi";
  EXPECT_NEAR(form.ClientHeight(), Scale(height, form.Dpi()), 1) << form.Dpi() << " dpi";
}

// Where every control of the form lies and what font height it shows, one
// line each, in the order they were made.
std::string Layout(TForm& form) {
  std::ostringstream layout;
  layout << "client " << form.ClientWidth() << 'x' << form.ClientHeight() << '\n';
  EachControl(form, [&](TControl& control) {
    TEXTMETRICW metrics{};
    const MemoryDC dc;
    SelectGuard font(dc.Get(), control.Font().Handle(control.Dpi()));
    GetTextMetricsW(dc.Get(), &metrics);
    layout << typeid(control).name();
    // A page lies where the tab control shows it, by the system's measures.
    if (dynamic_cast<TTabSheet*>(&control)) {
      layout << '\n';
      return;
    }
    layout << ' ' << control.Left() << ',' << control.Top() << ' '
           << control.Width() << 'x' << control.Height() << " font " << metrics.tmHeight << '\n';
  });
  return layout.str();
}

// The main window and the three dialogs, built as the program builds them.
class ScaledWindows : public MainWindowTest {
 protected:
  ScaledWindows() {
    Build();
    shining = CreateForm<TForm1>(window.get());
    size = CreateForm<TForm2>(window.get());
    notice = CreateForm<TForm3>(window.get());
  }

  std::vector<TForm*> Forms() const {
    return {window.get(), shining.get(), size.get(), notice.get()};
  }

  std::string Layouts() const {
    std::string layouts;
    for (TForm* form : Forms()) layouts += Layout(*form);
    return layouts;
  }

  std::unique_ptr<TForm1> shining;
  std::unique_ptr<TForm2> size;
  std::unique_ptr<TForm3> notice;
};

// The check at this process's DPI; when asked, it writes the layout for the
// process that started it.
TEST_F(ScaledWindows, ClientAreasScaleAndEveryTextFits) {
  ExpectClientSize(*window, 693, 488);
  ExpectClientSize(*shining, 648, 472);
  ExpectClientSize(*size, 464, 253);
  ExpectClientSize(*notice, 493, 182);
  for (TForm* form : Forms()) ExpectTextsFit(*form);
  // Above 96 dpi the title bar shows the icon's own picture of its size.
  if (window->Dpi() != kDesignDpi) {
    const auto icon = reinterpret_cast<HICON>(
        SendMessageW(window->Handle(), WM_GETICON, ICON_SMALL, 0));
    ICONINFO info{};
    ASSERT_TRUE(icon && GetIconInfo(icon, &info));
    const Bitmap mask(info.hbmMask), colour(info.hbmColor);
    EXPECT_EQ(Scale(16, window->Dpi()), BitmapSize(colour.Get()).cx);
  }
  wchar_t report[MAX_PATH];
  if (GetEnvironmentVariableW(kReportVariable, report, MAX_PATH)) WriteFileBytes(report, Layouts());
}

// Runs the check above in a copy of this program at dpi, with the layout
// written to report; its exit code.
DWORD RunAtDpi(int dpi, const std::wstring& report) {
  return RunSelfAtDpi(dpi, L"--gtest_brief=1 --gtest_filter=ScaledWindows.ClientAreas*",
                      kReportVariable, report);
}

// At 150 % and 200 % every window has its 96-dpi client area scaled and
// every text fits; a window moved from 96 to 144 dpi is laid out as one
// started at 144.
TEST_F(ScaledWindows, AtHighDpiAndAfterAMoveToIt) {
  ASSERT_EQ(96, window->Dpi()) << "this process is expected at 96 dpi";
  const std::wstring report144 = dir / L"layout144.txt";
  EXPECT_EQ(0u, RunAtDpi(144, report144));
  EXPECT_EQ(0u, RunAtDpi(192, dir / L"layout192.txt"));
  for (TForm* form : Forms()) {
    RECT suggested{};
    GetWindowRect(form->Handle(), &suggested);
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
  }
  EXPECT_EQ(ReadFileBytes(report144), Layouts());
}

}  // namespace

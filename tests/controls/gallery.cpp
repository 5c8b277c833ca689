// Not a test: draws every custom control in each of its looks into BMP
// files in the build folder's gallery/, for a person to look at; run it by
// hand under Wine after a change to a control's looks.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <exception>

#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "tests/controls/control_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

void Put32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void Put16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

// The bytes of a 24-bit bottom-up BMP file.
std::string Bmp(const Snapshot& shot) {
  const int stride = (shot.Width() * 3 + 3) & ~3;
  std::string out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(54 + stride * shot.Height()));
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(shot.Width()));
  Put32(out, static_cast<std::uint32_t>(shot.Height()));
  Put16(out, 1);
  Put16(out, 24);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int y = shot.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < shot.Width(); ++x) {
      const COLORREF c = shot.At(x, y);
      out.push_back(static_cast<char>(GetBValue(c)));
      out.push_back(static_cast<char>(GetGValue(c)));
      out.push_back(static_cast<char>(GetRValue(c)));
    }
    for (int pad = shot.Width() * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

void Save(TCustomControl& control, const std::wstring& name) {
  WriteFileBytes(std::wstring(ZH_GALLERY_DIR) + L"/" + name + L".bmp", Bmp(Snapshot(control)));
}

// Puts the pointer over the control, which then shows its hot look.
void PointAt(TControl& control) {
  POINT at{10, 10};
  ClientToScreen(control.Handle(), &at);
  SetCursorPos(at.x, at.y);
  SendMessageW(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
}

// A control of the size given, with a caption, on the form.
template <class T>
T* Place(TForm& form, int width, int height, const wchar_t* caption) {
  auto* control = form.Add<T>(&form);
  control->SetBounds(10, 10, width, height);
  control->SetCaption(caption);
  return control;
}

void Buttons(TForm& form) {
  auto* button = Place<TxpButton>(form, 75, 25, L"&Start");
  Save(*button, L"button_rest");
  button->SetBorder(false);
  Save(*button, L"button_no_border");
  button->SetBorder(true);
  button->SetButtonFlat(true);
  Save(*button, L"button_flat");
  button->SetButtonFlat(false);
  button->SetEnabled(false);
  Save(*button, L"button_disabled");
  button->SetEnabled(true);
  button->SetFocus();
  Save(*button, L"button_focused");
  PointAt(*button);
  Save(*button, L"button_hot");
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  Save(*button, L"button_pressed");
}

void Groups(TForm& form) {
  auto* group = Place<TDsGroup>(form, 145, 105, L"&Options");
  Save(*group, L"group_flat_lowered");
  group->SetBorderStyle(TDsBorderStyle::brPlain);
  group->SetCaptionStyle(TDsTextStyle::txRaised);
  group->SetCaptionAlign(TCapAlignment::caCenter);
  Save(*group, L"group_plain_raised_centre");
  group->SetCornerRadius(10);
  group->SetCaptionStyle(TDsTextStyle::txPlain);
  group->SetCaptionAlign(TCapAlignment::caRight);
  Save(*group, L"group_radius10_plain_right");
  group->SetCaption(L"");
  Save(*group, L"group_no_caption");
}

void Checks(TForm& form) {
  auto* check = Place<TDsCheck>(form, 100, 17, L"&Shining");
  Save(*check, L"check_rest");
  check->SetChecked(true);
  Save(*check, L"check_checked");
  check->SetFocus();
  Save(*check, L"check_focused");
  SendMessageW(check->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  Save(*check, L"check_down");
  SendMessageW(check->Handle(), WM_KEYUP, VK_SPACE, 0);
  SetFocus(form.Handle());
  check->SetState(TCheckBoxState::cbGrayed);
  check->SetButtonStyle(TButtonStyle::ckFlat);
  Save(*check, L"check_flat_grey");
  check->SetCaptionAlign(TDsAlignment::taRight);
  check->SetChecked(true);
  check->SetEnabled(false);
  Save(*check, L"check_right_disabled");
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    const auto form = CreateForm<TForm>(nullptr);
    form->SetBounds(100, 100, 420, 320);
    form->SetColor(clBtnFace);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpMessages();
    CreateDirectoryW(ZH_GALLERY_DIR, nullptr);
    Buttons(*form);
    Groups(*form);
    Checks(*form);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}

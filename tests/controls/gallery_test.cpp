// Writes a picture of every control in each of its looks into the build
// folder, for a person to look at.
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

class GalleryTest : public ControlTest {
 protected:
  GalleryTest() {
    form->SetColor(clBtnFace);
    CreateDirectoryW(ZH_GALLERY_DIR, nullptr);
  }

  void Save(TCustomControl& control, const std::wstring& name) {
    const std::wstring path = std::wstring(ZH_GALLERY_DIR) + L"/" + name + L".bmp";
    const std::string bytes = Bmp(Snapshot(control));
    WriteFileBytes(path, bytes);
    EXPECT_EQ(ReadFileBytes(path), bytes);
  }
};

TEST_F(GalleryTest, Buttons) {
  auto* button = form->Add<TxpButton>(form.get());
  button->SetBounds(10, 10, 75, 25);
  button->SetCaption(L"&Start");
  Save(*button, L"button_rest");
  button->SetFocus();
  Save(*button, L"button_focused");
  PointAt(*button, 10, 10);
  Save(*button, L"button_hot");
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
  Save(*button, L"button_pressed");
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, Point(10, 10));
  PointAway();
  SetFocus(form->Handle());
  button->SetBorder(false);
  Save(*button, L"button_no_border");
  button->SetBorder(true);
  button->SetButtonFlat(true);
  Save(*button, L"button_flat");
  button->SetButtonFlat(false);
  button->SetEnabled(false);
  Save(*button, L"button_disabled");
}

TEST_F(GalleryTest, Groups) {
  auto* group = form->Add<TDsGroup>(form.get());
  group->SetCaption(L"&Options");
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

TEST_F(GalleryTest, Checks) {
  auto* check = form->Add<TDsCheck>(form.get());
  check->SetBounds(10, 10, 100, 17);
  check->SetCaption(L"&Shining");
  Save(*check, L"check_rest");
  check->SetChecked(true);
  Save(*check, L"check_checked");
  check->SetFocus();
  Save(*check, L"check_focused");
  SendMessageW(check->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  Save(*check, L"check_down");
  SendMessageW(check->Handle(), WM_KEYUP, VK_SPACE, 0);
  SetFocus(form->Handle());
  check->SetState(TCheckBoxState::cbGrayed);
  check->SetButtonStyle(TButtonStyle::ckFlat);
  Save(*check, L"check_flat_grey");
  check->SetCaptionAlign(TDsAlignment::taRight);
  check->SetChecked(true);
  check->SetEnabled(false);
  Save(*check, L"check_right_disabled");
}

}  // namespace

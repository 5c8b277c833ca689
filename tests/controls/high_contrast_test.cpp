#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/OvcURL.h"
#include "controls/control_makers.h"
#include "tests/controls/control_fixture.h"
#include "tests/support/pending_paint.h"
#include "tests/support/temp_dir.h"
#include "toolkit/panel.h"

namespace {

// Sets the system colours of a theme, and puts the previous ones back at
// its end.
class SystemColours {
 public:
  struct Entry {
    int index;
    COLORREF colour;
  };
  explicit SystemColours(const std::vector<Entry>& theme) {
    for (const Entry& entry : theme) saved_.push_back({entry.index, GetSysColor(entry.index)});
    Apply(theme);
  }
  SystemColours(const SystemColours&) = delete;
  SystemColours& operator=(const SystemColours&) = delete;
  ~SystemColours() { Apply(saved_); }

  static void Apply(const std::vector<Entry>& theme) {
    std::vector<int> indexes;
    std::vector<COLORREF> colours;
    for (const Entry& entry : theme) {
      indexes.push_back(entry.index);
      colours.push_back(entry.colour);
    }
    SetSysColors(static_cast<int>(theme.size()), indexes.data(), colours.data());
  }

 private:
  std::vector<Entry> saved_;
};

const std::vector<SystemColours::Entry> kHighContrastBlack = {
    {COLOR_BTNFACE, RGB(0, 0, 0)},          {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_WINDOW, RGB(0, 0, 0)},           {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
    {COLOR_HIGHLIGHT, RGB(26, 235, 255)},   {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
    {COLOR_HOTLIGHT, RGB(255, 255, 0)},     {COLOR_GRAYTEXT, RGB(63, 242, 63)},
    {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_BTNSHADOW, RGB(128, 128, 128)},
};

const std::vector<SystemColours::Entry> kHighContrastWhite = {
    {COLOR_BTNFACE, RGB(255, 255, 255)}, {COLOR_BTNTEXT, RGB(0, 0, 0)},
    {COLOR_HOTLIGHT, RGB(0, 0, 159)},    {COLOR_GRAYTEXT, RGB(96, 0, 0)},
};

// A control's pixels: an own control paints into the bitmap, a Windows
// control prints its client area there.
std::unique_ptr<PixelBitmap> Shot(TControl& control) {
  auto bitmap = std::make_unique<PixelBitmap>(control.Width(), control.Height());
  MemoryDC dc;
  SelectGuard select(dc.Get(), bitmap->Handle());
  if (auto* own = dynamic_cast<TCustomControl*>(&control))
    own->PaintTo(dc.Get());
  else
    SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()),
                 PRF_CLIENT | PRF_ERASEBKGND);
  return bitmap;
}

// Calls at(x, y) for each pixel of rect, its right column and bottom row
// included.
template <class At>
void ForEachPixel(const RECT& rect, At at) {
  for (int y = rect.top; y <= rect.bottom; ++y)
    for (int x = rect.left; x <= rect.right; ++x) at(x, y);
}

COLORREF Commonest(const std::map<COLORREF, int>& counts) {
  COLORREF best = CLR_INVALID;
  int most = 0;
  for (const auto& [colour, count] : counts)
    if (count > most) {
      best = colour;
      most = count;
    }
  return best;
}

// The text's colour and the colour behind it, from the pixels the caption
// changes: the background is the commonest colour of the written caption's
// box, the text the commonest other colour among the changed pixels.
struct Ink {
  COLORREF text;
  COLORREF background;
};

using CaptionSetter = std::function<void(const std::wstring&)>;

Ink InkOf(TControl& control, const CaptionSetter& setCaption, const std::wstring& caption) {
  setCaption(L"");
  const auto bare = Shot(control);
  setCaption(caption);
  const auto written = Shot(control);
  const auto changed = [&](int x, int y) { return bare->Pixel(x, y) != written->Pixel(x, y); };
  RECT box{bare->Width(), bare->Height(), -1, -1};
  ForEachPixel({0, 0, bare->Width() - 1, bare->Height() - 1}, [&](int x, int y) {
    if (changed(x, y))
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
             std::max<LONG>(box.bottom, y)};
  });
  std::map<COLORREF, int> inBox;
  ForEachPixel(box, [&](int x, int y) { ++inBox[written->Pixel(x, y)]; });
  const COLORREF background = Commonest(inBox);
  std::map<COLORREF, int> text;
  ForEachPixel(box, [&](int x, int y) {
    if (changed(x, y) && written->Pixel(x, y) != background) ++text[written->Pixel(x, y)];
  });
  return {Commonest(text), background};
}

struct Captioned {
  TControl* control;
  CaptionSetter setCaption;
};

template <class T>
Captioned Of(T* control) {
  return {control, [control](const std::wstring& caption) { control->SetCaption(caption); }};
}

// The control in colours of its own, for the theme's to replace.
template <class T>
Captioned Coloured(T* control, TColor background, TColor text) {
  control->SetColor(background);
  control->Font().SetColor(text);
  return Of(control);
}

struct OwnControl {
  const char* name;
  std::function<Captioned(TForm&)> make;
  // The system colours the text and its background are to have.
  int textColour;
  int backgroundColour = COLOR_BTNFACE;
};

const TBounds kPlace{10, 10, 160, 40};
const ButtonLook kMainLook{kButtonFace, clWhite, true, true, TFont()};

const OwnControl kOwnControls[] = {
    {"push button",
     [](TForm& form) {
       return Of(MakeButton(&form, kPlace, L"", kMainLook));
     },
     COLOR_BTNTEXT},
    {"disabled push button",
     [](TForm& form) {
       TxpButton* button = MakeButton(&form, kPlace, L"", {kFootButtonFace, clBtnFace, false, true,
                                                            TFont(L"Arial", 12)});
       button->SetEnabled(false);
       return Of(button);
     },
     COLOR_GRAYTEXT},
    {"group",
     [](TForm& form) {
       return Coloured(MakeGroup(&form, kPlace, L"", kGroupFace), kWindowBackground, clWhite);
     },
     COLOR_BTNTEXT},
    {"check box",
     [](TForm& form) { return Coloured(Placed<TDsCheck>(&form, kPlace), kGroupFace, clBlack); },
     COLOR_BTNTEXT},
    {"link",
     [](TForm& form) {
       auto* link = Placed<TOvcURL>(&form, kPlace);
       link->SetAutoSize(false);
       link->SetColor(clWhite);
       return Of(link);
     },
     COLOR_HOTLIGHT},
    {"coloured label",
     [](TForm& form) {
       return Coloured(MakeFixedLabel(&form, kPlace, L""), kCommandAtRest, clGreen);
     },
     COLOR_BTNTEXT},
    {"highlighted label",
     [](TForm& form) {
       TLabel* label = MakeFixedLabel(&form, kPlace, L"");
       label->SetColor(kCommandRunning);
       label->SetBackgroundRole(TColorRole::crHighlight);
       return Of(label);
     },
     COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT},
    {"panel",
     [](TForm& form) { return Coloured(Placed<TPanel>(&form, kPlace), kPageBackground, clWhite); },
     COLOR_BTNTEXT},
};

class HighContrastTest : public ControlTest {
 protected:
  THighContrastOverride mode{true};
};

TEST_F(HighContrastTest, OwnControlsWriteInTheThemesColours) {
  const SystemColours theme(kHighContrastBlack);
  for (const OwnControl& own : kOwnControls) {
    SCOPED_TRACE(own.name);
    const Captioned made = own.make(*form);
    const Ink ink = InkOf(*made.control, made.setCaption, L"View &log");
    EXPECT_EQ(ink.text, GetSysColor(own.textColour));
    EXPECT_EQ(ink.background, GetSysColor(own.backgroundColour));
    made.control->SetVisible(false);
  }
}

TEST_F(HighContrastTest, AColourChangeRepaintsEveryWindowInTheNewColours) {
  const SystemColours black(kHighContrastBlack);
  TxpButton* button = MakeButton(form.get(), {10, 10, 75, 25}, L"Close", kMainLook);
  auto* panel = Placed<TPanel>(form.get(), {10, 50, 100, 30});
  TLabel* label = MakeLabel(form.get(), L"Help", 10, 90);
  label->SetColor(kCommandAtRest);
  PumpMessages();
  ASSERT_FALSE(PendingPaint(*button) || PendingPaint(*panel) || PendingPaint(*label));
  EXPECT_EQ(Shot(*panel)->Pixel(50, 15), RGB(0, 0, 0));

  const SystemColours white(kHighContrastWhite);
  SendMessageW(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_TRUE(PendingPaint(*button) && PendingPaint(*panel) && PendingPaint(*label));
  EXPECT_EQ(Shot(*panel)->Pixel(50, 15), RGB(255, 255, 255));
  EXPECT_EQ(InkOf(*button, Of(button).setCaption, L"Close").text, RGB(0, 0, 0));
}

}  // namespace

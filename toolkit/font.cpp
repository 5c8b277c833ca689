#include "toolkit/font.h"

#include <map>
#include <tuple>

namespace {

using FaceKey = std::tuple<std::wstring, int, unsigned, TFontPitch, bool>;

// The GDI fonts in use, by face. Fonts are made and used on the one
// user-interface thread only.
std::map<FaceKey, std::weak_ptr<const ::Font>>& Faces() {
  static std::map<FaceKey, std::weak_ptr<const ::Font>> faces;
  return faces;
}

// Whether the system has a font of that face.
bool FaceInstalled(const wchar_t* name) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wstring(name).copy(wanted.lfFaceName, LF_FACESIZE - 1);
  const MemoryDC dc;
  bool found = false;
  EnumFontFamiliesExW(
      dc.Get(), &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) WINAPI -> int {
        *reinterpret_cast<bool*>(seen) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The outline twin of a bitmap face, where the system has it (Windows
// does), else the face itself.
std::wstring OutlineFace(const std::wstring& name) {
  struct Twin {
    const wchar_t* bitmap;
    const wchar_t* outline;
  };
  static const Twin twins[] = {{L"MS Sans Serif", L"Microsoft Sans Serif"},
                               {L"Courier", L"Courier New"}};
  for (const Twin& twin : twins) {
    if (name != twin.bitmap) continue;
    static std::map<std::wstring, bool> installed;
    const auto [known, added] = installed.try_emplace(twin.outline, false);
    if (added) known->second = FaceInstalled(twin.outline);
    return known->second ? twin.outline : name;
  }
  return name;
}

// At any DPI other than 96 the face comes from an outline font: a bitmap face
// (MS Sans Serif, Courier) has no larger sizes and would stay small.
HFONT CreateFace(const std::wstring& name, int height, unsigned style, TFontPitch pitch,
                 int dpi) {
  const bool outline = dpi != kDesignDpi;
  LOGFONTW lf{};
  lf.lfHeight = -height;
  lf.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = outline ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = pitch == TFontPitch::fpFixed      ? FIXED_PITCH | FF_MODERN
                        : pitch == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                          : DEFAULT_PITCH;
  const std::wstring face = outline ? OutlineFace(name) : name;
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

}  // namespace

TFont::TFont() : TFont(L"MS Sans Serif", 11) {}

TFont::TFont(const std::wstring& name, int height, unsigned style, TColor color)
    : name_(name), height_(height), style_(style), color_(color) {}

TFont::TFont(const TFont& other)
    : name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      pitch_(other.pitch_),
      color_(other.color_) {}

TFont& TFont::operator=(const TFont& other) {
  Assign(other);
  return *this;
}

void TFont::Assign(const TFont& other) {
  if (this == &other) return;
  const bool faceChanged = !SameFace(other);
  if (!faceChanged && color_ == other.color_) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  pitch_ = other.pitch_;
  color_ = other.color_;
  Changed(faceChanged);
}

void TFont::SetName(const std::wstring& name) {
  if (name == name_) return;
  name_ = name;
  Changed(true);
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed(true);
}

void TFont::SetSize(int points) { SetHeight(MulDiv(points, 96, 72)); }

void TFont::SetStyle(unsigned style) {
  if (style == style_) return;
  style_ = style;
  Changed(true);
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed(true);
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed(false);
}

bool TFont::SameFace(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         pitch_ == other.pitch_;
}

void TFont::Changed(bool faceChanged) {
  if (faceChanged) handle_.reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle(int dpi) const { return SharedHandle(dpi)->Get(); }

std::shared_ptr<const ::Font> TFont::SharedHandle(int dpi) const {
  if (handle_ && handleDpi_ == dpi) return handle_;
  const int height = Scale(height_, dpi);
  std::weak_ptr<const ::Font>& face =
      Faces()[FaceKey(name_, height, style_, pitch_, dpi == kDesignDpi)];
  handle_ = face.lock();
  handleDpi_ = dpi;
  if (!handle_) {
    handle_ = std::make_shared<const ::Font>(CreateFace(name_, height, style_, pitch_, dpi));
    face = handle_;
  }
  return handle_;
}

#include "toolkit/font.h"

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
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  pitch_ = other.pitch_;
  color_ = other.color_;
  Changed();
}

void TFont::SetName(const std::wstring& name) {
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  height_ = height;
  Changed();
}

void TFont::SetSize(int points) { SetHeight(MulDiv(points, 96, 72)); }

void TFont::SetStyle(unsigned style) {
  style_ = style;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  pitch_ = pitch;
  Changed();
}

void TFont::SetColor(TColor color) {
  color_ = color;
  if (OnChange) OnChange();
}

bool TFont::SameFace(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         pitch_ == other.pitch_;
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = -height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = pitch_ == TFontPitch::fpFixed      ? FIXED_PITCH | FF_MODERN
                          : pitch_ == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                             : DEFAULT_PITCH;
    name_.copy(lf.lfFaceName, LF_FACESIZE - 1);
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

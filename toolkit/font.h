#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/colors.h"
#include "toolkit/dpi.h"
#include "toolkit/gdi.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// Fixed asks for a fixed-pitch modern family too, so that a missing face
// falls back to another fixed-pitch one.
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

// A font description (face, character height in pixels at 96 dpi, style,
// pitch, colour) and the GDI fonts made from it on first use, one for each
// DPI it is shown at: the point size stays, the pixel height follows the
// DPI. Fonts of the same face share one GDI font, which lives while any of
// them holds it.
class TFont {
 public:
  TFont();
  TFont(const std::wstring& name, int height, unsigned style = 0, TColor color = clWindowText);
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);

  // Copies the other font's attributes; OnChange fires once if any differs.
  // The setters below fire it only when they change something.
  void Assign(const TFont& other);

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name);
  // Character height in pixels at 96 dpi.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Point size at 96 dots per inch.
  void SetSize(int points);
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  HFONT Handle(int dpi = kDesignDpi) const;
  // The GDI font at dpi, kept alive by whoever holds the pointer.
  std::shared_ptr<const ::Font> SharedHandle(int dpi = kDesignDpi) const;
  // Same face, height, style and pitch (the colour is not part of the GDI
  // font).
  bool SameFace(const TFont& other) const;

  std::function<void()> OnChange;

 private:
  // Drops the GDI font when the face changed; fires OnChange.
  void Changed(bool faceChanged);

  std::wstring name_;
  int height_;
  unsigned style_;
  TFontPitch pitch_ = TFontPitch::fpDefault;
  TColor color_;
  mutable std::shared_ptr<const ::Font> handle_;
  mutable int handleDpi_ = kDesignDpi;
};

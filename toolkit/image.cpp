#include "toolkit/image.h"

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof(info), &info);
  return {info.bmWidth, info.bmHeight};
}

namespace {

void Stretch(HDC dc, const RECT& rect, HDC source, SIZE size, DWORD operation) {
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0,
             0, size.cx, size.cy, operation);
}

// Draws source over dc at rect without the pixels of the key colour: the
// picture is XORed onto the background, the pixels it covers are cleared
// through a mask of the key colour, and XORing the picture in again leaves
// it there and the background untouched elsewhere.
void StretchWithoutKey(HDC dc, const RECT& rect, HDC source, SIZE size, COLORREF key) {
  Bitmap maskBitmap(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  if (!maskBitmap) return;
  MemoryDC mask;
  SelectGuard selectMask(mask.Get(), maskBitmap.Get());
  // Copied to one bit a pixel, the key colour becomes 1, any other 0.
  const COLORREF sourceBack = SetBkColor(source, key);
  BitBlt(mask.Get(), 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
  SetBkColor(source, sourceBack);
  // Copied back to colour, 1 becomes the background colour, 0 the text one.
  const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
  Stretch(dc, rect, source, size, SRCINVERT);
  Stretch(dc, rect, mask.Get(), size, SRCAND);
  Stretch(dc, rect, source, size, SRCINVERT);
  SetTextColor(dc, text);
  SetBkColor(dc, back);
}

}  // namespace

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, bool transparent) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  MemoryDC source;
  SelectGuard select(source.Get(), bitmap);
  SetStretchBltMode(dc, COLORONCOLOR);
  if (transparent) {
    StretchWithoutKey(dc, rect, source.Get(), size, GetPixel(source.Get(), 0, size.cy - 1));
  } else {
    Stretch(dc, rect, source.Get(), size, SRCCOPY);
  }
}

TImage::TImage(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 105, 105) {
  SetParentColor(true);
}

void TImage::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
  if (!picture_) return;
  RECT rect = ClientRect();
  if (!stretch_) {
    // A picture is drawn for 96 dpi and stretched to the control's DPI.
    const SIZE drawn = BitmapSize(picture_.Get());
    const SIZE size{Scaled(drawn.cx), Scaled(drawn.cy)};
    const int left = center_ ? (rect.right - size.cx) / 2 : 0;
    const int top = center_ ? (rect.bottom - size.cy) / 2 : 0;
    rect = {left, top, left + size.cx, top + size.cy};
  }
  DrawBitmap(canvas.Handle(), picture_.Get(), rect, transparent_);
}

#include "toolkit/image.h"

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof(info), &info);
  return {info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, bool transparent) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  MemoryDC source;
  SelectGuard select(source.Get(), bitmap);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (transparent) {
    TransparentBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, size.cx, size.cy,
                   GetPixel(source.Get(), 0, size.cy - 1));
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, size.cx, size.cy,
               SRCCOPY);
  }
}

TImage::TImage(TComponent* owner, TControl* parent) : TCustomControl(owner, parent, 105, 105) {
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
    const SIZE size = BitmapSize(picture_.Get());
    const int left = center_ ? (rect.right - size.cx) / 2 : 0;
    const int top = center_ ? (rect.bottom - size.cy) / 2 : 0;
    rect = {left, top, left + size.cx, top + size.cy};
  }
  DrawBitmap(canvas.Handle(), picture_.Get(), rect, transparent_);
}

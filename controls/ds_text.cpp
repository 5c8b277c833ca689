#include "controls/DsGroups.h"

void DrawStyledText(TCanvas& canvas, const std::wstring& text, const RECT& rect, UINT format,
                    TDsTextStyle style, TColor light) {
  canvas.Brush().style = TBrushStyle::bsClear;
  if (style != TDsTextStyle::txPlain) {
    const int offset = style == TDsTextStyle::txLowered ? 1 : -1;
    const TColor color = canvas.Font().Color();
    RECT shadow = rect;
    OffsetRect(&shadow, offset, offset);
    canvas.Font().SetColor(light);
    canvas.DrawText(text, shadow, format);
    canvas.Font().SetColor(color);
  }
  RECT plain = rect;
  canvas.DrawText(text, plain, format);
}

TDsTextStyle ShownTextStyle(TDsTextStyle style) {
  return HighContrast() ? TDsTextStyle::txPlain : style;
}

int CaptionWidth(TCanvas& canvas, const std::wstring& caption) {
  const int width = canvas.TextWidth(caption);
  return caption.find(L'&') == std::wstring::npos ? width : width - canvas.TextWidth(L"&");
}

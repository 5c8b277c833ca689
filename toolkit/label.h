#pragma once

#include "toolkit/control.h"

class TCheckBox;

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };

// Static text. A fixed-size label keeps its bounds when the text changes;
// an auto-size label takes the size of its text. Clicks raise OnClick.
class TLabel : public TControl {
 public:
  TLabel(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // The size an auto-size label takes for the text in the font at dpi.
  static SIZE FittingSize(const TFont& font, const std::wstring& text, int dpi = kDesignDpi);
  // The check box that the caption's accelerator (the letter after '&')
  // flips, as Space on the box does.
  void SetFocusControl(TCheckBox* box) { focusControl_ = box; }
  bool DialogChar(wchar_t ch) override;

  TNotifyEvent OnClick;

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void TextChanged() override { FitText(); }
  void FontChanged() override;

 private:
  void FitText();
  bool autoSize_ = true;
  TCheckBox* focusControl_ = nullptr;
};

// One line of text on its own background, centred vertically.
class TStaticText : public TLabel {
 public:
  TStaticText(TComponent* owner, TControl* parent,
              const std::optional<TBounds>& bounds = std::nullopt);
};

#pragma once

#include <string>

#include "toolkit/label.h"
#include "toolkit/timer.h"

// A label that acts as a web link: underlined blue text under a hand
// pointer, a highlight colour while the pointer is over it, and a click that
// has the shell open its URL. It shows its URL while its caption is empty.
// Tab stops on it, a dotted rectangle shows its focus, and Enter or Space
// released there click it.
class TOvcURL : public TLabel {
 public:
  TOvcURL(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  const std::wstring& URL() const { return url_; }
  void SetURL(const std::wstring& url);

  // clNone stands for the font's colour at the time of setting.
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor color);
  TColor VisitedColor() const { return visitedColor_; }
  void SetVisitedColor(TColor color);
  // After a click, the link shows VisitedColor once the pointer has left.
  bool UseVisitedColor() const { return useVisitedColor_; }
  void SetUseVisitedColor(bool use) { useVisitedColor_ = use; }

  // The link's colour, or in a high-contrast theme the system's for links.
  TColor ShownTextColor() const override;

  // What a click does: opens the URL, raises OnClick, marks the link visited.
  void Click();

  // A link named by its caption (its URL while that is empty); its default
  // action opens it.
  TAccessibleFacts AccessibleFacts() const override;
  bool CanDoDefaultAction() const override { return Focusable(); }

  // Runs while the pointer is over the link; made with the link and only
  // stopped when the pointer leaves, never freed from its own tick.
  const TTimer& HoverTimer() const { return *timer_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void DoDefaultAction() override { Click(); }

 private:
  void ShowText();
  TColor ColorOrFont(TColor color) const;
  bool Inside(POINT point) const;
  void MouseMoved(POINT point);
  void HoverTick();
  void MouseReleased(POINT point);

  std::wstring caption_;
  TColor highlightColor_ = clRed;
  std::wstring url_;
  bool useVisitedColor_ = false;
  TColor visitedColor_ = clBlack;
  TTimer* timer_;
  // The colour to put back when the pointer leaves; kNoRestore while none
  // is saved.
  static constexpr TColor kNoRestore = 0x2000000;
  TColor restoreColor_ = kNoRestore;
  bool pressed_ = false;
};

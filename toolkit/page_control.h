#pragma once

#include <functional>
#include <vector>

#include "toolkit/custom_control.h"

class TPageControl;

// One page of a page control: a plain container, whose controls may be made
// only when it is first shown, so that a window starts without the
// controls of pages nobody has looked at yet.
class TTabSheet : public TCustomControl {
 public:
  TTabSheet(TComponent* owner, TPageControl* pageControl, const std::wstring& caption);

  // What makes the page's controls: run once, when the page is first shown,
  // or at once if it is shown now.
  void SetContentMaker(std::function<void()> maker);
  // Makes the page's controls now, if they are not made yet.
  void MakeContent();

 protected:
  void Paint(TCanvas&) override {}

 private:
  std::function<void()> maker_;
};

// Pages of which one is visible at a time, selected by index; the tabs are
// small fixed-size buttons.
class TPageControl : public TControl {
 public:
  TPageControl(TComponent* owner, TControl* parent,
               const std::optional<TBounds>& bounds = std::nullopt);

  TTabSheet* AddPage(const std::wstring& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int index) const { return pages_[static_cast<size_t>(index)]; }
  int ActivePageIndex() const { return active_; }
  // Shows the page, its controls made first.
  void SetActivePageIndex(int index);
  // The size of every tab, drawn at 96 dpi.
  void SetTabSize(int width, int height);
  // False: only the program selects pages. The control then takes neither
  // the focus (by Tab or a click) nor mouse presses, so no key or click of
  // the user switches the page.
  void SetUserSwitching(bool allowed);

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void DpiChanged() override;

 private:
  // Where the pages lie: the client area but for the tabs.
  TBounds DisplayBounds() const;
  void PlacePages();

  std::vector<TTabSheet*> pages_;
  int active_ = -1;
  SIZE tabSize_{0, 0};
  bool userSwitching_ = true;
};

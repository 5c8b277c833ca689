#pragma once

#include <vector>

#include "toolkit/custom_control.h"

class TPageControl;

// One page of a page control: a plain container.
class TTabSheet : public TCustomControl {
 public:
  TTabSheet(TComponent* owner, TPageControl* pageControl, const std::wstring& caption);

 protected:
  void Paint(TCanvas&) override {}
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

#pragma once

#include <windows.h>
#include <commctrl.h>

// The whole row of a tree view's item, in the tree's client area; false for
// an item under a folded parent.
bool TreeRow(HWND tree, HTREEITEM item, RECT& row);

// Wine's tree view sets its scroll bars again at the end of every paint, and
// Wine redraws a themed scroll bar each time one is set, changed or not:
// three redraws of several milliseconds each, even for the paint of one row.
// While the tree is shown with a scroll bar, it is therefore taken out of
// sight (its visible style cleared) from the end of its last painted row to
// the end of the paint, so that those settings draw nothing; if they did
// change a scroll bar, the whole tree is drawn again once it is back in
// sight. Wine marks the frame of a window whose style changes to be drawn
// at its next paint; when no scroll bar changed, that mark is taken off,
// or every later paint would draw the frame and its bars. Only under Wine:
// Windows' tree view paints as it always has.
class TTreeScrollBars {
 public:
  explicit TTreeScrollBars(HWND tree);

  // The answer to the tree view's custom draw notice.
  LRESULT CustomDraw(const NMTVCUSTOMDRAW& draw);
  // After the tree view has painted, on screen or into a device context:
  // back in sight.
  void Handled();
  // Whether the tree's style is being changed here: the tree view is not to
  // hear of it, or it would lay out and redraw everything.
  bool ChangingStyle() const { return changingStyle_; }

 private:
  // What the scroll bars show: their styles, ranges, pages and positions.
  struct State {
    DWORD shown = 0;
    SCROLLINFO vertical{};
    SCROLLINFO horizontal{};
    bool operator==(const State& other) const;
  };

  bool LastPainted(HTREEITEM item) const;
  State Read() const;
  void SetVisibleStyle(bool visible);

  HWND tree_;
  bool active_;
  bool changingStyle_ = false;
  bool hidden_ = false;
  LONG paintBottom_ = 0;
  State before_;
};

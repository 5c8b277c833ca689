#pragma once

#include <array>
#include <optional>
#include <string>

#include "toolkit/custom_control.h"
#include "viewer/ovc_controller.h"
#include "viewer/text_lines.h"

// Shows one text file read-only in a fixed-pitch font, with a vertical
// scroll bar and no caret. Opening reads the whole file and closes it at
// once; only the visible lines are painted. Whole lines are selected with the
// mouse. Ctrl+Shift+digit sets a bookmark on the first selected (or top)
// line, Ctrl+digit scrolls to it.
class TOvcTextFileViewer : public TCustomControl {
 public:
  static constexpr int kBookmarks = 10;

  TOvcTextFileViewer(TComponent* owner, TControl* parent,
                     const std::optional<TBounds>& bounds = std::nullopt);

  // The key commands come from the controller's active tables; without one,
  // from the default table.
  void SetController(TOvcController* controller) { controller_ = controller; }

  const std::wstring& FileName() const { return fileName_; }
  // Reopens the new file when one is open.
  void SetFileName(const std::wstring& path);

  bool IsOpen() const { return lines_.has_value(); }
  // Opening raises an Exception naming the file when it cannot be read;
  // closing releases the lines.
  void SetIsOpen(bool open);

  int LineCount() const;
  std::wstring Line(int index) const;

  TFont& FixedFont() { return Font(); }
  void SetTabSize(int size);
  void SetShowBookmarks(bool show);
  // There is never a caret; kept for the settings that name it.
  void SetHideCaret(bool hide) { hideCaret_ = hide; }
  bool HideCaret() const { return hideCaret_; }

  int TopLine() const { return topLine_; }
  void SetTopLine(int line);
  // The selected lines, first and last; -1 when none is.
  int SelectionStart() const;
  int SelectionEnd() const;
  // The line a bookmark marks, or -1.
  int Bookmark(int number) const { return bookmarks_[static_cast<size_t>(number)]; }
  void SetBookmark(int number, int line);

 protected:
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void FontChanged() override;

 private:
  int RowHeight() const { return rowHeight_; }
  int CharWidth() const { return charWidth_; }
  int VisibleRows() const;
  int Margin() const;
  void PaintRow(TCanvas& canvas, int line, int y);
  void UpdateScrollBar();
  void Run(TViewerCommand command);
  bool KeyDown(WORD key);
  bool BookmarkKey(WORD key, TShiftState shift);
  void Scrolled(WORD request);
  void MouseSelect(LPARAM lParam, bool extend);
  int LineAt(int y) const;
  void SetLeftColumn(int column);
  int WidestVisibleLine() const;

  TOvcController* controller_ = nullptr;
  std::wstring fileName_;
  std::optional<TTextLines> lines_;
  int rowHeight_ = 1;
  int charWidth_ = 1;
  int topLine_ = 0;
  int leftColumn_ = 0;
  int tabSize_ = 8;
  bool showBookmarks_ = false;
  bool hideCaret_ = true;
  int anchor_ = -1;
  int selected_ = -1;
  std::array<int, kBookmarks> bookmarks_;
};

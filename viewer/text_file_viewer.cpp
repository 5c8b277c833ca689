#include "viewer/text_file_viewer.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr int kWheelLines = 3;

std::wstring ExpandTabs(const std::wstring& text, int tabSize) {
  std::wstring expanded;
  expanded.reserve(text.size());
  for (wchar_t ch : text) {
    if (ch != L'\t') {
      expanded.push_back(ch);
      continue;
    }
    const size_t stop = tabSize > 0 ? tabSize - expanded.size() % static_cast<size_t>(tabSize) : 1;
    expanded.append(stop, L' ');
  }
  return expanded;
}

TEXTMETRICW Metrics(const TFont& font, int dpi) {
  WindowDC dc;
  SelectGuard select(dc.Get(), font.Handle(dpi));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Get(), &metrics);
  return metrics;
}

}  // namespace

TOvcTextFileViewer::TOvcTextFileViewer(TComponent* owner, TControl* parent,
                                       const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 193, 88, WS_VSCROLL | WS_TABSTOP) {
  bookmarks_.fill(-1);
  SetColor(clWindow);
  Font().SetName(L"Courier");
  Font().SetPitch(TFontPitch::fpFixed);
  Font().SetSize(9);
  Font().SetColor(clWindowText);
  UpdateScrollBar();
}

void TOvcTextFileViewer::SetFileName(const std::wstring& path) {
  fileName_ = path;
  if (IsOpen()) SetIsOpen(true);
}

void TOvcTextFileViewer::SetIsOpen(bool open) {
  if (open) {
    lines_.emplace(TTextLines::Read(fileName_));
  } else {
    lines_.reset();
  }
  topLine_ = 0;
  leftColumn_ = 0;
  anchor_ = selected_ = -1;
  bookmarks_.fill(-1);
  UpdateScrollBar();
  Invalidate();
}

int TOvcTextFileViewer::LineCount() const {
  return lines_ ? static_cast<int>(lines_->Count()) : 0;
}

std::wstring TOvcTextFileViewer::Line(int index) const {
  if (index < 0 || index >= LineCount()) return L"";
  return lines_->Text(static_cast<size_t>(index));
}

void TOvcTextFileViewer::SetTabSize(int size) {
  tabSize_ = std::max(1, size);
  Invalidate();
}

void TOvcTextFileViewer::SetShowBookmarks(bool show) {
  showBookmarks_ = show;
  Invalidate();
}

void TOvcTextFileViewer::SetTopLine(int line) {
  const int last = std::max(0, LineCount() - VisibleRows());
  const int top = std::clamp(line, 0, last);
  if (top == topLine_) return;
  topLine_ = top;
  UpdateScrollBar();
  Invalidate();
}

int TOvcTextFileViewer::SelectionStart() const {
  return selected_ < 0 ? -1 : std::min(anchor_, selected_);
}

int TOvcTextFileViewer::SelectionEnd() const { return std::max(anchor_, selected_); }

void TOvcTextFileViewer::SetBookmark(int number, int line) {
  bookmarks_[static_cast<size_t>(number)] = line;
  Invalidate();
}

void TOvcTextFileViewer::FontChanged() {
  TCustomControl::FontChanged();
  const TEXTMETRICW metrics = Metrics(Font(), Dpi());
  rowHeight_ = std::max(1, static_cast<int>(metrics.tmHeight));
  charWidth_ = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
  UpdateScrollBar();
}

int TOvcTextFileViewer::VisibleRows() const {
  return std::max(1, static_cast<int>(ClientRect().bottom) / RowHeight());
}

int TOvcTextFileViewer::Margin() const { return showBookmarks_ ? 2 * CharWidth() : 0; }

void TOvcTextFileViewer::Paint(TCanvas& canvas) {
  const int rowHeight = RowHeight();
  const int rows = static_cast<int>(ClientRect().bottom) / rowHeight + 1;
  const int end = std::min(LineCount(), topLine_ + rows);
  for (int line = topLine_; line < end; ++line) {
    PaintRow(canvas, line, (line - topLine_) * rowHeight);
  }
}

void TOvcTextFileViewer::PaintRow(TCanvas& canvas, int line, int y) {
  const RECT client = ClientRect();
  const RECT row{Margin(), y, client.right, y + RowHeight()};
  const bool selected = selected_ >= 0 && line >= SelectionStart() && line <= SelectionEnd();
  canvas.Brush().color = selected ? clHighlight : ShownColor();
  canvas.Font().SetColor(selected ? clHighlightText : ShownTextColor());
  std::wstring text = ExpandTabs(Line(line), tabSize_);
  text.erase(0, std::min(text.size(), static_cast<size_t>(leftColumn_)));
  canvas.TextRect(row, row.left, y, text);
  const auto mark = std::find(bookmarks_.begin(), bookmarks_.end(), line);
  if (showBookmarks_ && mark != bookmarks_.end()) {
    canvas.Brush().color = ShownColor();
    canvas.Font().SetColor(ShownTextColor());
    canvas.TextRect({0, y, row.left, row.bottom}, 0, y,
                    std::wstring(1, static_cast<wchar_t>(L'0' + (mark - bookmarks_.begin()))));
  }
}

void TOvcTextFileViewer::UpdateScrollBar() {
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0,
                  std::max(0, LineCount() - 1), static_cast<UINT>(VisibleRows()), topLine_, 0};
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

int TOvcTextFileViewer::WidestVisibleLine() const {
  size_t widest = 0;
  const int end = std::min(LineCount(), topLine_ + VisibleRows());
  for (int line = topLine_; line < end; ++line) {
    widest = std::max(widest, ExpandTabs(Line(line), tabSize_).size());
  }
  return static_cast<int>(widest);
}

void TOvcTextFileViewer::SetLeftColumn(int column) {
  const int columns = std::max(1, static_cast<int>(ClientRect().right - Margin()) / CharWidth());
  leftColumn_ = std::clamp(column, 0, std::max(0, WidestVisibleLine() - columns));
  Invalidate();
}

void TOvcTextFileViewer::Run(TViewerCommand command) {
  const int page = std::max(1, VisibleRows() - 1);
  switch (command) {
    case TViewerCommand::LineUp: SetTopLine(topLine_ - 1); break;
    case TViewerCommand::LineDown: SetTopLine(topLine_ + 1); break;
    case TViewerCommand::PageUp: SetTopLine(topLine_ - page); break;
    case TViewerCommand::PageDown: SetTopLine(topLine_ + page); break;
    case TViewerCommand::Top: SetTopLine(0); break;
    case TViewerCommand::Bottom: SetTopLine(LineCount()); break;
    case TViewerCommand::LineStart: SetLeftColumn(0); break;
    case TViewerCommand::LineEnd: SetLeftColumn(WidestVisibleLine()); break;
    case TViewerCommand::Left: SetLeftColumn(leftColumn_ - 1); break;
    case TViewerCommand::Right: SetLeftColumn(leftColumn_ + 1); break;
    case TViewerCommand::None: break;
  }
}

bool TOvcTextFileViewer::BookmarkKey(WORD key, TShiftState shift) {
  if (key < L'0' || key > L'9' || !(shift & ssCtrl)) return false;
  const int number = key - L'0';
  if (shift & ssShift) {
    SetBookmark(number, selected_ >= 0 ? SelectionStart() : topLine_);
  } else if (Bookmark(number) >= 0) {
    SetTopLine(Bookmark(number));
  }
  return true;
}

bool TOvcTextFileViewer::KeyDown(WORD key) {
  const TShiftState shift = KeyboardShift();
  if (BookmarkKey(key, shift)) return true;
  static const TCommandTable fallback = DefaultCommandTable();
  const TViewerCommand command =
      controller_ ? controller_->Translate(key, shift) : FindCommand(fallback, key, shift);
  Run(command);
  return command != TViewerCommand::None;
}

void TOvcTextFileViewer::Scrolled(WORD request) {
  SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), SB_VERT, &info);
  switch (request) {
    case SB_LINEUP: Run(TViewerCommand::LineUp); break;
    case SB_LINEDOWN: Run(TViewerCommand::LineDown); break;
    case SB_PAGEUP: Run(TViewerCommand::PageUp); break;
    case SB_PAGEDOWN: Run(TViewerCommand::PageDown); break;
    case SB_TOP: Run(TViewerCommand::Top); break;
    case SB_BOTTOM: Run(TViewerCommand::Bottom); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopLine(info.nTrackPos); break;
    default: break;
  }
}

int TOvcTextFileViewer::LineAt(int y) const {
  return std::clamp(topLine_ + y / RowHeight(), 0, std::max(0, LineCount() - 1));
}

void TOvcTextFileViewer::MouseSelect(LPARAM lParam, bool extend) {
  if (LineCount() == 0) return;
  selected_ = LineAt(GET_Y_LPARAM(lParam));
  if (!extend || anchor_ < 0) anchor_ = selected_;
  Invalidate();
}

LRESULT TOvcTextFileViewer::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (KeyDown(static_cast<WORD>(wParam))) return 0;
      break;
    case WM_MOUSEWHEEL:
      SetTopLine(topLine_ - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelLines / WHEEL_DELTA);
      return 0;
    case WM_VSCROLL:
      Scrolled(LOWORD(wParam));
      return 0;
    case WM_SIZE:
      UpdateScrollBar();
      break;
    case WM_LBUTTONDOWN:
      SetFocus();
      SetCapture(Handle());
      MouseSelect(lParam, (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == Handle()) MouseSelect(lParam, true);
      break;
    case WM_LBUTTONUP:
      if (GetCapture() == Handle()) ReleaseCapture();
      break;
    default:
      break;
  }
  return TCustomControl::WndProc(msg, wParam, lParam);
}

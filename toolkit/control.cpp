#include "toolkit/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <utility>

#include "resources/resource_ids.h"
#include "toolkit/error_boundary.h"
#include "toolkit/exception.h"

const wchar_t* const kControlClass = L"ZhTarnControl";
const wchar_t* const kFormClass = L"ZhTarnForm";

namespace {

// Posted to a control for a screen reader's default action.
UINT DefaultActionMessage() {
  static const UINT message = RegisterWindowMessageW(L"ZhTarnDefaultAction");
  return message;
}

// Every window bound to a control, with the window procedure it had before
// (its class's). An entry lasts as long as the window: a control that goes
// first leaves its window's messages to that procedure. Windows are bound
// and used on the one user-interface thread only.
struct Binding {
  TControl* control;
  WNDPROC original;
};

// Never freed, so that a control freed while the program ends (after other
// static objects) still finds it.
std::unordered_map<HWND, Binding>& Bindings() {
  static auto* const bindings = new std::unordered_map<HWND, Binding>;
  return *bindings;
}

void RegisterOwnClasses() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kControlClass;
    RegisterClassExW(&wc);
    wc.style = CS_DBLCLKS;
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(IDI_MAINICON));
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
    return true;
  }();
  (void)registered;
}

void SetWindowBit(HWND window, int index, DWORD bit, bool on) {
  const auto bits = static_cast<DWORD>(GetWindowLongW(window, index));
  SetWindowLongW(window, index, static_cast<LONG>(on ? bits | bit : bits & ~bit));
}

HWND CreateControlWindow(TControl* parent, const TCreateParams& params, const TBounds& bounds) {
  RegisterOwnClasses();
  HWND parentWindow = nullptr;
  DWORD style = params.style;
  if (parent) {
    parentWindow = parent->Handle();
    style |= WS_CHILD | WS_CLIPSIBLINGS | (params.hidden ? 0 : WS_VISIBLE);
  }
  HWND window = CreateWindowExW(params.exStyle, params.className, L"", style, bounds.left,
                                bounds.top, bounds.width, bounds.height, parentWindow, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) throw Exception(L"Cannot create a window: " + LastErrorText());
  return window;
}

// The bounds of a new window: those it is made at or its class's size in
// the corner; a child's scaled by its parent's DPI, a top-level window's
// as they are, until it knows its DPI.
TBounds ShownBounds(const TControl* parent, const TCreateParams& params,
                    const std::optional<TBounds>& placed) {
  const TBounds bounds = placed.value_or(TBounds{0, 0, params.width, params.height});
  return parent ? Scale(bounds, parent->DesignOrigin(), parent->Dpi()) : bounds;
}

bool HasNonClientArea(HWND window) {
  RECT whole;
  RECT client;
  GetWindowRect(window, &whole);
  GetClientRect(window, &client);
  return whole.right - whole.left != client.right || whole.bottom - whole.top != client.bottom;
}

}  // namespace

TBounds Scale(const TBounds& bounds, POINT origin, int dpi) {
  const int left = origin.x + bounds.left;
  const int top = origin.y + bounds.top;
  return {Scale(left, dpi) - Scale(origin.x, dpi), Scale(top, dpi) - Scale(origin.y, dpi),
          Scale(left + bounds.width, dpi) - Scale(left, dpi),
          Scale(top + bounds.height, dpi) - Scale(top, dpi)};
}

TControl::TControl(TComponent* owner, TControl* parent, const std::optional<TBounds>& placed,
                   const TCreateParams& params)
    : TControl(owner, parent, placed, params, ShownBounds(parent, params, placed)) {}

TControl::TControl(TComponent* owner, TControl* parent, const std::optional<TBounds>& placed,
                   const TCreateParams& params, const TBounds& shown)
    : TComponent(owner),
      handle_(CreateControlWindow(parent, params, shown)),
      dpi_(parent ? parent->Dpi() : WindowDpi(handle_)),
      parent_(parent),
      designBounds_(placed),
      left_(shown.left),
      top_(shown.top),
      width_(shown.width),
      height_(shown.height),
      visible_(parent ? !params.hidden : (params.style & WS_VISIBLE) != 0) {
  Bind();
  if (parent_) {
    parent_->children_.push_back(this);
    // The first child has no sibling to rise above.
    if (parent_->children_.size() > 1) {
      if (parent_->EverShown()) {
        BringToFront();
      } else {
        creationPlace_.Defer();
      }
    }
  }
  if (params.font) {
    font_.Assign(*params.font);
    parentFont_ = false;
  } else if (parent_) {
    font_.Assign(parent_->font_);
  }
  // The first font is given before changes are heard: a derived class is
  // not built yet, so none of its reactions to a change could run.
  sentFont_ = font_.SharedHandle(dpi_);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(sentFont_->Get()), FALSE);
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  accessible_.reset();
  for (TControl* child : children_) child->parent_ = nullptr;
  if (parent_) std::erase(parent_->children_, this);
  if (handle_) {
    HWND window = handle_;
    Detach();
    DestroyWindow(window);
  }
}

// The window's messages go to BoundProc from now on. Window properties and
// the common controls' subclass chain would cost Wine a round trip to its
// server for every message; the binding table and a replaced window
// procedure cost none.
void TControl::Bind() {
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControl::BoundProc)));
  Bindings()[handle_] = {this, original_};
}

// The window stays in the table, and keeps BoundProc (another subclass may
// lie over it), until it is destroyed.
void TControl::Detach() {
  Bindings()[handle_].control = nullptr;
  handle_ = nullptr;
}

LRESULT CALLBACK TControl::BoundProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto found = Bindings().find(window);
  if (found == Bindings().end()) return DefWindowProcW(window, msg, wParam, lParam);
  const Binding binding = found->second;
  if (msg == WM_NCDESTROY) {
    if (binding.control) {
      binding.control->accessible_.reset();
      binding.control->handle_ = nullptr;
    }
    Bindings().erase(found);
    return CallWindowProcW(binding.original, window, msg, wParam, lParam);
  }
  if (!binding.control) return CallWindowProcW(binding.original, window, msg, wParam, lParam);
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
    binding.control->RelayToHint(window, msg, wParam, lParam);
  }
  LRESULT result = 0;
  Protect([&] { result = binding.control->WndProc(msg, wParam, lParam); });
  return result;
}

TControl* TControl::FromHandle(HWND window) {
  const auto found = Bindings().find(window);
  return found == Bindings().end() ? nullptr : found->second.control;
}

TControl* TControl::FindControl(HWND window) {
  for (; window; window = GetAncestor(window, GA_PARENT)) {
    if (TControl* control = FromHandle(window)) return control;
  }
  return nullptr;
}

bool TControl::PreviewMessage(const MSG& msg) {
  TControl* top = FindControl(msg.hwnd);
  if (!top) return false;
  while (top->parent_) top = top->parent_;
  return top->PreviewKey(msg);
}

LRESULT TControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(original_, handle_, msg, wParam, lParam);
}

bool TControl::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND from = nullptr;
  switch (msg) {
    case WM_COMMAND:
      from = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      from = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      from = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      from = reinterpret_cast<HWND>(lParam);
      break;
    default:
      return false;
  }
  TControl* child = FromHandle(from);
  return child && child != this && child->Notification(msg, wParam, lParam, result);
}

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToChild(msg, wParam, lParam, result)) return result;
  if (msg == DefaultActionMessage()) {
    if (CanDoDefaultAction()) DoDefaultAction();
    return 0;
  }
  switch (msg) {
    case WM_GETOBJECT:
      return AnswerAccessibleObject(wParam, lParam);
    case WM_SETFOCUS:
      result = DefaultHandler(msg, wParam, lParam);
      DoEnter();
      return result;
    case WM_KILLFOCUS:
      result = DefaultHandler(msg, wParam, lParam);
      DoExit();
      return result;
    case WM_LBUTTONUP:
      result = DefaultHandler(msg, wParam, lParam);
      MouseUp(TMouseButton::mbLeft, wParam, lParam);
      return result;
    case WM_RBUTTONUP:
      result = DefaultHandler(msg, wParam, lParam);
      MouseUp(TMouseButton::mbRight, wParam, lParam);
      return result;
    case WM_SIZE:
      result = DefaultHandler(msg, wParam, lParam);
      Realign();
      return result;
    case WM_NCPAINT:
      // A child without a frame or scroll bars has nothing outside its
      // client area to paint, yet Wine's default handling takes and
      // releases a window DC for it: a few tenths of a millisecond for each
      // control shown.
      if (parent_ && !HasNonClientArea(handle_)) return 0;
      return DefaultHandler(msg, wParam, lParam);
    default:
      return DefaultHandler(msg, wParam, lParam);
  }
}

bool TControl::Notification(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ColorToRGB(ShownTextColor()));
      SetBkColor(dc, ColorToRGB(ShownColor()));
      result = reinterpret_cast<LRESULT>(BackgroundBrush());
      return true;
    }
    default:
      return false;
  }
}

LRESULT TControl::AnswerAccessibleObject(WPARAM wParam, LPARAM lParam) {
  const TAccessibleFacts facts = AccessibleFacts();
  if (static_cast<LONG>(lParam) == OBJID_CLIENT &&
      (facts.role != 0 || !facts.name.empty() || NamesAccessibleChildren())) {
    if (!accessible_) accessible_ = std::make_unique<TAccessibleLink>(handle_, *this);
    if (const LRESULT answer = accessible_->Answer(wParam)) return answer;
  }
  return DefaultHandler(WM_GETOBJECT, wParam, lParam);
}

void TControl::PostDefaultAction() { PostMessageW(handle_, DefaultActionMessage(), 0, 0); }

long TControl::AccessibleState() const {
  long state = 0;
  if (!Showing()) state |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(handle_)) {
    state |= STATE_SYSTEM_UNAVAILABLE;
  } else if (TabStop() && Focusable()) {
    state |= STATE_SYSTEM_FOCUSABLE;
  }
  if (Focused()) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

void TControl::MouseUp(TMouseButton button, WPARAM wParam, LPARAM lParam) {
  if (OnMouseUp) OnMouseUp(this, button, MouseShift(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

void TControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TControl::DoExit() {
  if (OnExit) OnExit(this);
}

RECT TControl::ClientRect() const {
  RECT rect{};
  GetClientRect(handle_, &rect);
  return rect;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const bool moved = left != left_ || top != top_ || width != width_ || height != height_;
  const bool placing = creationPlace_.Pending();
  if (!moved && !placing) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  // A control takes its place with its first move.
  const bool raise = placing && RisesOverOlderSiblings(*this);
  if (placing) creationPlace_.Take(raise);
  if (moved || raise) {
    SetWindowPos(handle_, raise ? HWND_TOP : nullptr, left, top, width, height,
                 (raise ? 0 : SWP_NOZORDER) | SWP_NOACTIVATE | QuietMove());
  }
  if (OutOfCreationOrder(*this)) RestoreCreationOrder(parent_->children_);
  if (!moved) return;
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
  if (showHint_) HintChanged(*this);
}

void TControl::Place(const TBounds& bounds) {
  designBounds_ = bounds;
  SetBounds(InParent(bounds));
}

TBounds TControl::InParent(const TBounds& bounds) const {
  return Scale(bounds, parent_ ? parent_->DesignOrigin() : POINT{0, 0}, dpi_);
}

POINT TControl::DesignOrigin() const {
  if (!parent_) return {0, 0};
  const POINT outer = parent_->DesignOrigin();
  if (designBounds_) return {outer.x + designBounds_->left, outer.y + designBounds_->top};
  return {outer.x + MulDiv(left_, kDesignDpi, dpi_), outer.y + MulDiv(top_, kDesignDpi, dpi_)};
}

// Top down: each control is placed and given its font before its children,
// and lays out its aligned children once they are placed.
void TControl::ChangeDpi(int dpi) {
  dpi_ = dpi;
  if (designBounds_) SetBounds(InParent(*designBounds_));
  // The same font at the new DPI, which leaves ParentFont as it is.
  applyingParentFont_ = true;
  FontChanged();
  applyingParentFont_ = false;
  DpiChanged();
  for (TControl* child : children_) child->ChangeDpi(dpi);
  Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ShowWindow(handle_, !visible ? SW_HIDE : parent_ ? SW_SHOWNA : SW_SHOW);
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnableWindow(handle_, enabled);
  EnabledChanged();
}

std::wstring TControl::Text() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TControl::SetText(const std::wstring& text) {
  if (text == Text()) return;
  SetWindowTextW(handle_, text.c_str());
  TextChanged();
}

TColor TControl::Color() const {
  return parentColor_ && parent_ ? parent_->Color() : color_;
}

void TControl::SetColor(TColor color) {
  color_ = color;
  parentColor_ = false;
  ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  ColorChanged();
}

void TControl::ColorChanged() {
  Invalidate();
  for (TControl* child : children_) child->ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (parentColor_) ColorChanged();
}

void TControl::SetBackgroundRole(TColorRole role) {
  backgroundRole_ = role;
  Invalidate();
}

TColor TControl::ShownColor() const { return Themed(Color(), backgroundRole_); }

// In a high-contrast theme, text on a background that the theme replaces
// takes the theme's colour for it too, whatever its own.
TColor TControl::ShownTextColor() const {
  const TColorRole text = TextRoleOn(backgroundRole_);
  if (HighContrast() && !IsSystemColor(Color())) return RoleColor(text);
  return Themed(font_.Color(), text);
}

// Kept by the value the colour stands for, so that a system colour changed
// in between gets a new brush.
HBRUSH TControl::BackgroundBrush() {
  const COLORREF color = ColorToRGB(ShownColor());
  if (!brush_ || brushColor_ != color) {
    brush_.Reset(CreateSolidBrush(color));
    brushColor_ = color;
  }
  return brush_.Get();
}

void TControl::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont) ParentFontChanged();
}

void TControl::ApplyParentFont() {
  if (!parentFont_ || !parent_) return;
  applyingParentFont_ = true;
  font_.Assign(parent_->font_);
  applyingParentFont_ = false;
}

// The window is told of a new GDI font only: a change of colour alone, or a
// font assigned again, costs it no new metrics.
void TControl::FontChanged() {
  if (!applyingParentFont_) parentFont_ = false;
  std::shared_ptr<const ::Font> face = font_.SharedHandle(dpi_);
  if (face != sentFont_) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(face->Get()), Showing());
    sentFont_ = std::move(face);
  }
  Invalidate();
  for (TControl* child : children_) child->ParentFontChanged();
}

void TControl::SetAlign(TAlign align) {
  align_ = align;
  if (parent_) parent_->Realign();
}

void TControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  RECT area = AlignRect();
  std::vector<TControl*> tops;
  for (TControl* child : children_) {
    if (child->visible_ && child->align_ == TAlign::alTop) tops.push_back(child);
  }
  std::stable_sort(tops.begin(), tops.end(),
                   [](const TControl* a, const TControl* b) { return a->top_ < b->top_; });
  for (TControl* child : tops) {
    child->SetBounds(area.left, area.top, area.right - area.left, child->height_);
    area.top += child->height_;
  }
  for (TControl* child : children_) {
    if (child->visible_ && child->align_ == TAlign::alClient)
      child->SetBounds(area.left, area.top, area.right - area.left,
                       std::max(0L, area.bottom - area.top));
  }
  aligning_ = false;
}

void TControl::BringToFront() {
  creationPlace_.Raised();
  SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | QuietMove());
}

void TControl::TakeCreationPlace() {
  if (!creationPlace_.Pending()) return;
  creationPlace_.Take(false);
  if (OutOfCreationOrder(*this)) RestoreCreationOrder(parent_->children_);
}

bool TControl::EverShown() const { return !parent_ || parent_->EverShown(); }

void TControl::SetHint(const std::wstring& hint) {
  hint_ = hint;
  HintChanged(*this);
}

void TControl::SetShowHint(bool showHint) {
  showHint_ = showHint;
  HintChanged(*this);
}

void TControl::HintChanged(TControl& control) {
  if (parent_) parent_->HintChanged(control);
}

void TControl::RelayToHint(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (parent_) parent_->RelayToHint(window, msg, wParam, lParam);
}

bool TControl::TabStop() const { return (GetWindowLongW(handle_, GWL_STYLE) & WS_TABSTOP) != 0; }

void TControl::SetTabStop(bool tabStop) { SetStyleBit(WS_TABSTOP, tabStop); }

void TControl::SetStyleBit(DWORD bit, bool on) { SetWindowBit(handle_, GWL_STYLE, bit, on); }

void TControl::SetBorder(bool border) {
  SetWindowBit(handle_, GWL_EXSTYLE, WS_EX_CLIENTEDGE, border);
  FrameChanged();
}

void TControl::FrameChanged() {
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                   QuietMove());
}

void TControl::SetFocus() { ::SetFocus(handle_); }

bool TControl::Focusable() const {
  if (!IsWindowVisible(handle_)) return false;
  for (const TControl* control = this; control; control = control->parent_) {
    if (!IsWindowEnabled(control->handle_)) return false;
  }
  return true;
}

bool TControl::CanFocus() const { return TabStop() && Focusable(); }

// A window that is not on screen is painted whole when it is shown: moving
// it asks for no repaint of what it covered or uncovered, which spares
// Wine a round trip to its server per move.
UINT TControl::QuietMove() const { return Showing() ? 0 : SWP_NOREDRAW | SWP_DEFERERASE; }

// A window that is not on screen is painted whole when it is shown, so a
// repaint is asked for only while it shows; a window being built is spared
// one round trip to Wine's server per property set.
void TControl::Invalidate() {
  if (Showing()) InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::Repaint() {
  if (!Showing()) return;
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool TControl::PreviewKey(const MSG&) { return false; }

bool TControl::DialogKey(WORD) { return false; }

bool TControl::DialogChar(wchar_t) { return false; }

std::wstring ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = SendMessageW(window, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(window, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

TShiftState MouseShift(WPARAM wParam) {
  TShiftState shift = 0;
  if (wParam & MK_SHIFT) shift |= ssShift;
  if (wParam & MK_CONTROL) shift |= ssCtrl;
  if (wParam & MK_LBUTTON) shift |= ssLeft;
  if (wParam & MK_RBUTTON) shift |= ssRight;
  if (wParam & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeyboardShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

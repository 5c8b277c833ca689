#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/accessible.h"
#include "toolkit/colors.h"
#include "toolkit/contrast.h"
#include "toolkit/component.h"
#include "toolkit/creation_order.h"
#include "toolkit/dpi.h"
#include "toolkit/font.h"
#include "toolkit/gdi.h"

enum class TAlign { alNone, alTop, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier keys and mouse buttons held, as in the Windows message flags.
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;

// How a control's window is made.
struct TCreateParams {
  const wchar_t* className;
  DWORD style = 0;
  DWORD exStyle = 0;
  int width = 0;
  int height = 0;
  // The font the window starts with in place of its parent's, if any.
  const TFont* font = nullptr;
  // A child is made hidden rather than shown with its parent.
  bool hidden = false;
};

// Where a control lies in its parent's client area.
struct TBounds {
  int left;
  int top;
  int width;
  int height;
};

// The bounds at dpi of bounds drawn at 96 dpi in a parent whose client area
// lies at origin in its form at 96 dpi. Each edge is scaled from its place in
// the form, so that edges which meet at 96 dpi meet at every DPI, however
// deep the controls that make them lie.
TBounds Scale(const TBounds& bounds, POINT origin, int dpi);

// The window classes of the toolkit's own controls and forms.
extern const wchar_t* const kControlClass;
extern const wchar_t* const kFormClass;

// A control: one window, bound to this object for its whole life. Windows
// notifications that a parent receives for a child (commands, notifications,
// colour requests, owner drawing) are handed back to the child's object.
class TControl : public TComponent, public TAccessibleSource {
 public:
  // A control made with a parent and bounds (drawn at 96 dpi) has its window
  // made there, scaled by the parent's DPI, not at its class's size in the
  // parent's corner: a window made where it is to stay costs no move.
  TControl(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
           const TCreateParams& params);
  ~TControl() override;

  HWND Handle() const { return handle_; }
  TControl* Parent() const { return parent_; }
  const std::vector<TControl*>& Children() const { return children_; }
  // The object bound to a window, or nullptr.
  static TControl* FromHandle(HWND window);
  // The object of the window or of its nearest wrapped ancestor.
  static TControl* FindControl(HWND window);
  // Offers a message to the top-level control over its window, which gives
  // keys their meaning in a dialog: the message loop's filter. True when the
  // message was used up.
  static bool PreviewMessage(const MSG& msg);

  // The dots per inch the control is shown at: its form's, which Windows
  // tells the form; every child takes its parent's.
  int Dpi() const { return dpi_; }
  // A measure drawn at 96 dpi, at the control's DPI.
  int Scaled(int value) const { return Scale(value, dpi_); }
  // Places the control at bounds drawn at 96 dpi, scaled by its DPI; a
  // change of DPI places it anew from them. A control made at creation
  // bounds keeps those the same way.
  void Place(const TBounds& bounds);
  // Shows the control and everything in it at dpi: places, sizes, fonts and
  // painted measures scaled anew from their 96-dpi ones.
  void ChangeDpi(int dpi);
  // Where the control's client area lies in its form at 96 dpi: its 96-dpi
  // place, or its place now brought back to 96 dpi, in its parent's.
  POINT DesignOrigin() const;

  // Where the control lies, in pixels at its DPI.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetBounds(const TBounds& bounds) {
    SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  RECT ClientRect() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent visible.
  bool Showing() const { return IsWindowVisible(handle_) != FALSE; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::wstring Text() const;
  void SetText(const std::wstring& text);

  // The background colour: the parent's while ParentColor holds.
  TColor Color() const;
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  // What the control's colour stands for (a face unless told otherwise):
  // a high-contrast theme paints the control in the system's colours for it.
  TColorRole BackgroundRole() const { return backgroundRole_; }
  void SetBackgroundRole(TColorRole role);
  // The colours the control paints with: its colour and its font's, or in
  // a high-contrast theme the system's for its background role and the
  // text on it.
  TColor ShownColor() const;
  virtual TColor ShownTextColor() const;
  void SetParentColor(bool parentColor);

  // The control's own font object; changing it clears ParentFont.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  void BringToFront();
  // Where the control stands in the order its siblings were made in (see
  // creation_order.h). A control made while its form is built takes its
  // place at its first move, or here, when the form is first shown.
  const TCreationPlace& CreationPlace() const { return creationPlace_; }
  void TakeCreationPlace();

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint);

  // A sunken client edge (the standard control border) or none.
  void SetBorder(bool border);

  bool TabStop() const;
  void SetTabStop(bool tabStop);
  bool Focused() const { return GetFocus() == handle_; }
  void SetFocus();
  // Whether the control could take the focus now: shown, and it and every
  // parent enabled.
  bool Focusable() const;
  // Whether Tab may move the focus here now: a focusable Tab stop.
  bool CanFocus() const;

  // Invalidate requests a repaint; Repaint paints before it returns.
  void Invalidate();
  void Repaint();

  // Offered every message for a window under this top-level control before
  // it is dispatched; true when used up. A form handles the keys of a dialog.
  virtual bool PreviewKey(const MSG& msg);
  // Offered by the form for Enter and Escape; true when consumed.
  virtual bool DialogKey(WORD key);
  // Offered by the form for accelerator characters; true when consumed.
  virtual bool DialogChar(wchar_t ch);

  // What a screen reader is told: standard windows give their role and
  // state and take the name set here; own controls say all of it.
  TAccessibleFacts AccessibleFacts() const override {
    return {0, accessibleName_, 0, L""};
  }
  void SetAccessibleName(const std::wstring& name) { accessibleName_ = name; }
  bool CanDoDefaultAction() const override { return false; }
  void PostDefaultAction() override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TMouseEvent OnMouseUp;

 protected:
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
  // A notification the parent received for this control. Returns true when
  // handled, with the value to return in result.
  virtual bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The area in which aligned children are laid out.
  virtual RECT AlignRect() const { return ClientRect(); }
  virtual void ColorChanged();
  virtual void FontChanged();
  // The parent's font changed, or ParentFont was set: takes the parent's
  // font while ParentFont holds.
  virtual void ParentFontChanged() { ApplyParentFont(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void TextChanged() {}
  // The DPI changed: measures the control keeps in its window (item heights,
  // margins, parts) are set anew. Its place and font are already.
  virtual void DpiChanged() {}
  // The hint of this control or of one under it changed: passed up to the
  // top-level control, where a form shows it.
  virtual void HintChanged(TControl& control);
  // A mouse message of this window or of one under it: passed up to the
  // top-level control, whose tool tip a form feeds with it.
  virtual void RelayToHint(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void DoEnter();
  virtual void DoExit();
  // What a screen reader's default action does: press, check, jump.
  virtual void DoDefaultAction() {}
  // Whether the control names its children for a screen reader itself.
  virtual bool NamesAccessibleChildren() const { return false; }
  // The window's state for a screen reader: invisible, unavailable,
  // focusable, focused.
  long AccessibleState() const;
  const std::wstring& AccessibleName() const { return accessibleName_; }
  // Whether the top-level control has been on screen: a form being built
  // raises each new control with its first move (see SetBounds).
  virtual bool EverShown() const;

  void Realign();
  void SetStyleBit(DWORD bit, bool on);
  // Makes Windows take a changed frame style into account.
  void FrameChanged();
  // SWP_NOREDRAW while the control is not on screen, else nothing.
  UINT QuietMove() const;
  // A brush of the control's colour, for colour requests.
  HBRUSH BackgroundBrush();

 private:
  // shown: the bounds the window is made at, in pixels.
  TControl(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
           const TCreateParams& params, const TBounds& shown);

  // Bounds drawn at 96 dpi, at the control's DPI in its parent.
  TBounds InParent(const TBounds& bounds) const;
  static LRESULT CALLBACK BoundProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Bind();
  void Detach();
  void ApplyParentFont();
  void ParentColorChanged();
  bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void MouseUp(TMouseButton button, WPARAM wParam, LPARAM lParam);
  LRESULT AnswerAccessibleObject(WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  int dpi_;
  WNDPROC original_ = nullptr;
  TControl* parent_;
  std::vector<TControl*> children_;
  // The 96-dpi bounds the control was made at or placed at, if any.
  std::optional<TBounds> designBounds_;
  int left_ = 0;
  int top_ = 0;
  int width_;
  int height_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  TColorRole backgroundRole_ = TColorRole::crFace;
  TFont font_;
  // The GDI font the window was last given, kept alive while it uses it.
  std::shared_ptr<const ::Font> sentFont_;
  bool parentFont_ = true;
  bool applyingParentFont_ = false;
  TAlign align_ = TAlign::alNone;
  bool aligning_ = false;
  TCreationPlace creationPlace_;
  std::wstring hint_;
  bool showHint_ = false;
  ::Brush brush_;
  COLORREF brushColor_ = 0;
  std::wstring accessibleName_;
  std::unique_ptr<TAccessibleLink> accessible_;
};

// An item's text from a list or combo box, by its length and text messages.
std::wstring ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index);

// The shift state carried by a mouse message's wParam.
TShiftState MouseShift(WPARAM wParam);
// The shift state of the keyboard now.
TShiftState KeyboardShift();

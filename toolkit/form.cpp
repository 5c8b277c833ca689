#include "toolkit/form.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstring>
#include <optional>
#include <string_view>

#include "resources/resource_ids.h"
#include "toolkit/message_loop.h"
#include "toolkit/system_library.h"
#include "toolkit/taskbar_button.h"

namespace {

// The form's timer that makes its tool tip, and its wait in milliseconds:
// well inside the pause before a hint shows.
constexpr UINT_PTR kMakeTooltip = 0x5A48;
constexpr UINT kTooltipWait = 100;

HWND OwnerWindow(TComponent* owner) {
  for (; owner; owner = owner->Owner()) {
    if (auto* form = dynamic_cast<TForm*>(owner)) return form->Handle();
  }
  return nullptr;
}

TCreateParams FormParams() {
  return {kFormClass, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
          WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, 320, 240};
}

template <class F>
bool AnyControl(TControl& control, F&& f) {
  for (TControl* child : control.Children()) {
    if (f(*child) || AnyControl(*child, f)) return true;
  }
  return false;
}

template <class F>
void EachControl(TControl& control, F&& f) {
  for (TControl* child : control.Children()) {
    f(*child);
    EachControl(*child, f);
  }
}

bool ComboDroppedDown(HWND window) {
  for (int level = 0; window && level < 2; ++level, window = GetParent(window)) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"ComboBox") == 0) return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

// A multi-line edit that has been asked for its dialog code with a message
// closes its parent window on Escape.
bool IsMultiLineEdit(HWND window) {
  wchar_t name[8] = {};
  GetClassNameW(window, name, 8);
  return lstrcmpiW(name, L"Edit") == 0 && (GetWindowLongW(window, GWL_STYLE) & ES_MULTILINE);
}

// The paths of the files dropped; the drop is released. The shell's drop
// functions are loaded at the first drop, so that start-up does without
// the shell.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
  static const auto query =
      SystemFunction<decltype(DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
  static const auto finish = SystemFunction<decltype(DragFinish)>(L"shell32.dll", "DragFinish");
  std::vector<std::wstring> files;
  if (!query || !finish) return files;
  const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(query(drop, i, nullptr, 0), L'\0');
    query(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
    files.push_back(std::move(path));
  }
  finish(drop);
  return files;
}

// The text of a WM_COPYDATA: whole UTF-16 characters ended by their one
// zero, no longer than the longest path; nothing when it is anything else.
std::optional<std::wstring> CopiedText(const COPYDATASTRUCT& data) {
  constexpr DWORD kLongestText = 32768 * sizeof(wchar_t);
  if (!data.lpData || data.cbData < sizeof(wchar_t) || data.cbData > kLongestText ||
      data.cbData % sizeof(wchar_t) != 0) {
    return std::nullopt;
  }
  std::wstring text(data.cbData / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), data.lpData, data.cbData);
  if (text.find(L'\0') != text.size() - 1) return std::nullopt;
  text.pop_back();
  return text;
}

}  // namespace

TForm::TForm(TComponent* owner) : TControl(owner, nullptr, std::nullopt, FormParams()) {
  if (HWND ownerWindow = OwnerWindow(owner)) {
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWindow));
  }
  // At 96 dpi the window class's icon serves, as it always has.
  if (Dpi() != kDesignDpi) TakeIcons();
}

// The icon holds a picture for each size Windows shows: the one of the size
// asked for is taken, not a stretched one. The new icons are in place before
// the old ones go.
void TForm::TakeIcons() {
  const auto load = [this](int size) {
    return IconHandle(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                    MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON,
                                                    Scaled(size), Scaled(size), 0)));
  };
  IconHandle title = load(16);
  IconHandle switcher = load(32);
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(title.Get()));
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(switcher.Get()));
  smallIcon_ = std::move(title);
  bigIcon_ = std::move(switcher);
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::SetBorderStyle(TBorderStyle style) {
  DWORD ex = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE));
  ex &= ~static_cast<DWORD>(WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME);
  ex |= style == TBorderStyle::bsToolWindow ? WS_EX_TOOLWINDOW
        : style == TBorderStyle::bsDialog   ? WS_EX_DLGMODALFRAME
                                            : 0;
  SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(ex));
  FrameChanged();
}

void TForm::SetClientSize(int width, int height) {
  clientSize_ = {width, height};
  FitClientArea(Left(), Top());
}

// Windows' measure of the frame at the form's DPI comes first; where the
// frame drawn differs from it (a system that scales no frames), the size is
// put right by the difference.
void TForm::FitClientArea(int left, int top) {
  const SIZE client{Scaled(clientSize_.cx), Scaled(clientSize_.cy)};
  const SIZE size = WindowSizeForClient(Handle(), client.cx, client.cy, Dpi());
  SetBounds(left, top, size.cx, size.cy);
  const RECT shown = ClientRect();
  if (shown.right != client.cx || shown.bottom != client.cy)
    SetBounds(left, top, Width() + client.cx - shown.right, Height() + client.cy - shown.bottom);
}

// A form that was never given a client size takes the suggested size.
void TForm::MoveToDpi(int dpi, const RECT& suggested) {
  ChangeDpi(dpi);
  TakeIcons();
  if (clientSize_.cx > 0)
    FitClientArea(suggested.left, suggested.top);
  else
    SetBounds(suggested.left, suggested.top, suggested.right - suggested.left,
              suggested.bottom - suggested.top);
  RepaintWhole();
}

// The frame, the client area and every child, background and all.
void TForm::RepaintWhole() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::SetStayOnTop(bool stayOnTop) {
  SetWindowPos(Handle(), stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  EachControl(*this, [](TControl& control) { control.TakeCreationPlace(); });
  RECT area{};
  if (position_ == TPosition::poDesigned) return;
  if (position_ == TPosition::poOwnerFormCenter && GetWindow(Handle(), GW_OWNER)) {
    GetWindowRect(GetWindow(Handle(), GW_OWNER), &area);
  } else if (position_ == TPosition::poDesktopCenter) {
    area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  } else {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  SetBounds(area.left + (area.right - area.left - Width()) / 2,
            area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
}

void TForm::Show() {
  PlaceOnFirstShow();
  TControl::Show();
  SetForegroundWindow(Handle());
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
  } else if (DoClose() && quitOnClose_) {
    EndMessageLoop();
  }
}

// Runs OnClose; hides the form unless the handler said caNone.
bool TForm::DoClose() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return false;
  Hide();
  return true;
}

int TForm::ShowModal() {
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) WINAPI -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  HWND active = GetActiveWindow();
  for (HWND window : disabled) EnableWindow(window, FALSE);
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  while (true) {
    if (!HandleNextMessage(&TControl::PreviewMessage)) {
      modalResult_ = mrCancel;
      break;
    }
    if (modalResult_ != mrNone) {
      if (DoClose()) break;
      modalResult_ = mrNone;
    }
  }
  for (HWND window : disabled) EnableWindow(window, TRUE);
  if (Visible()) Hide();
  if (active && IsWindow(active)) SetActiveWindow(active);
  modal_ = false;
  return modalResult_;
}

void TForm::FocusFirst() {
  HWND first = nullptr;
  AnyControl(*this, [&](TControl& c) {
    if (c.CanFocus()) first = c.Handle();
    return first != nullptr;
  });
  ::SetFocus(first ? first : Handle());
}

namespace {

// A settings change that may switch the colours: the high-contrast mode, or
// the colour set of the theme.
bool ChangesColours(WPARAM wParam, LPARAM lParam) {
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return wParam == SPI_SETHIGHCONTRAST || (area && std::wstring_view(area) == L"ImmersiveColorSet");
}

BOOL CALLBACK TellColoursChanged(HWND child, LPARAM) {
  SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}

}  // namespace

// Takes the system's colours and mode anew and repaints every window of the
// form with them; the Windows controls among them hear of it too.
void TForm::ThemeChanged() {
  RefreshHighContrast();
  EnumChildWindows(Handle(), TellColoursChanged, 0);
  RepaintWhole();
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ERASEBKGND: {
      RECT rect = ClientRect();
      FillRect(reinterpret_cast<HDC>(wParam), &rect, BackgroundBrush());
      return 1;
    }
    case WM_SYSCOLORCHANGE:
      ThemeChanged();
      return TControl::WndProc(msg, wParam, lParam);
    case WM_SETTINGCHANGE:
      if (ChangesColours(wParam, lParam)) ThemeChanged();
      return TControl::WndProc(msg, wParam, lParam);
    // Child controls ask their parents first, so the form answers for all.
    case WM_SETCURSOR:
      if (!busyCursor_ || LOWORD(lParam) != HTCLIENT) return TControl::WndProc(msg, wParam, lParam);
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      return TRUE;
    case WM_DROPFILES: {
      const std::vector<std::wstring> files = TakeDroppedFiles(reinterpret_cast<HDROP>(wParam));
      if (OnDropFiles) OnDropFiles(this, files);
      return 0;
    }
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      const std::optional<std::wstring> text = data ? CopiedText(*data) : std::nullopt;
      return text && OnCopyText && OnCopyText(this, data->dwData, *text);
    }
    case WM_QUERYENDSESSION: {
      bool canEnd = true;
      if (OnQueryEndSession) OnQueryEndSession(this, canEnd);
      return canEnd;
    }
    case WM_ENDSESSION:
      if (wParam && OnEndSession) OnEndSession(this);
      return 0;
    case WM_SHOWWINDOW:
      if (wParam && OnShow) OnShow(this);
      return TControl::WndProc(msg, wParam, lParam);
    case WM_TIMER:
      if (wParam != kMakeTooltip) return TControl::WndProc(msg, wParam, lParam);
      MakeDueTooltip();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
      } else if (!HIWORD(wParam)) {
        if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
            IsWindowEnabled(lastFocus_))
          ::SetFocus(lastFocus_);
        else
          FocusFirst();
      }
      return 0;
    case WM_DPICHANGED:
      MoveToDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      NoteTaskbarButton(Handle(), false);
      return TControl::WndProc(msg, wParam, lParam);
    default:
      if (msg == TaskbarButtonCreatedMessage() && msg != 0) NoteTaskbarButton(Handle(), true);
      return TControl::WndProc(msg, wParam, lParam);
  }
}

bool TForm::OfferDialogKey(WORD key) {
  return AnyControl(*this, [key](TControl& c) { return c.DialogKey(key); });
}

bool TForm::OfferDialogChar(wchar_t ch) {
  return AnyControl(*this, [ch](TControl& c) { return c.DialogChar(ch); });
}

// A key pressed while no control has the focus comes as a system key.
bool TForm::PreviewKeyDown(const MSG& msg) {
  if (!OnKeyDown || (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)) return false;
  WORD key = static_cast<WORD>(msg.wParam);
  OnKeyDown(this, key, KeyboardShift());
  return key == 0;
}

bool TForm::PreviewKey(const MSG& msg) {
  if (PreviewKeyDown(msg)) return true;
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
  const LRESULT code =
      SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  const auto ch = static_cast<wchar_t>(msg.wParam);
  switch (msg.message) {
    case WM_KEYDOWN:
      // Escape in a note means what it means anywhere else in the form.
      if (msg.wParam == VK_ESCAPE && IsMultiLineEdit(msg.hwnd)) {
        OfferDialogKey(VK_ESCAPE);
        return true;
      }
      // Nor does Tab stay in a note: it goes on to the next control.
      if (msg.wParam == VK_TAB &&
          (!(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) || IsMultiLineEdit(msg.hwnd)) &&
          GetKeyState(VK_CONTROL) >= 0) {
        SelectNext(GetKeyState(VK_SHIFT) >= 0);
        return true;
      }
      if ((msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
          !(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) && !ComboDroppedDown(msg.hwnd))
        return OfferDialogKey(static_cast<WORD>(msg.wParam));
      return false;
    case WM_SYSCHAR:
      if (!IsCharAlphaNumericW(ch)) return false;
      OfferDialogChar(ch);
      return true;
    default:
      if (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
      return IsCharAlphaNumericW(ch) && OfferDialogChar(ch);
  }
}

void TForm::SelectNext(bool forward) {
  std::vector<TControl*> order;
  EachControl(*this, [&](TControl& c) {
    if (c.CanFocus()) order.push_back(&c);
  });
  if (order.empty()) return;
  const TControl* current = TControl::FindControl(GetFocus());
  size_t at = order.size();
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i] == current) at = i;
  }
  size_t next;
  if (at == order.size())
    next = forward ? 0 : order.size() - 1;
  else
    next = (at + (forward ? 1 : order.size() - 1)) % order.size();
  order[next]->SetFocus();
  // A text field reached by Tab shows its whole text selected.
  const HWND field = order[next]->Handle();
  if (SendMessageW(field, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(field, EM_SETSEL, 0, -1);
}

namespace {

bool ShowsHint(const TControl& control) { return control.ShowHint() && !control.Hint().empty(); }

}  // namespace

// Each hinted control is two tools of the form's tool tip: the control's own
// window, which gets the mouse while it is enabled, and its rectangle on its
// parent, which gets the mouse over it while it is disabled. The windows'
// own procedures hand their mouse messages to the tool tip (RelayToHint):
// letting the tool tip subclass them would cost Wine a round trip to its
// server for every message those windows get. The tool tip is made a moment
// after the first mouse message once a control asks for a hint, with the
// tools of every hinted control then, and told where the pointer lies:
// made with the window it cost each start about 3 ms, and made at the first
// mouse message it still did, the pointer lying over a new window as often
// as not.
void TForm::HintChanged(TControl& control) {
  if (tooltip_) {
    SetTool(control);
  } else if (ShowsHint(control)) {
    hintsWanted_ = true;
  }
}

// A pointer that lies over the form now takes the new cursor at once, not
// at its next move.
void TForm::SetBusyCursor(bool busy) {
  busyCursor_ = busy;
  POINT at;
  if (!GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (under != Handle() && !IsChild(Handle(), under)) return;
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

void TForm::RelayToHint(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!tooltip_) {
    if (hintsWanted_ && !tooltipDue_)
      tooltipDue_ = SetTimer(Handle(), kMakeTooltip, kTooltipWait, nullptr) != 0;
    if (tooltipDue_ || !hintsWanted_) return;
    MakeTooltip();
  }
  const DWORD at = GetMessagePos();
  MSG relayed{window, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
              {GET_X_LPARAM(at), GET_Y_LPARAM(at)}};
  SendMessageW(tooltip_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TForm::MakeDueTooltip() {
  KillTimer(Handle(), kMakeTooltip);
  tooltipDue_ = false;
  if (tooltip_) return;
  MakeTooltip();
  POINT at;
  if (!GetCursorPos(&at)) return;
  const HWND under = WindowFromPoint(at);
  if (under != Handle() && !IsChild(Handle(), under)) return;
  ScreenToClient(under, &at);
  RelayToHint(under, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

void TForm::MakeTooltip() {
  tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  EachControl(*this, [this](TControl& control) {
    if (ShowsHint(control)) SetTool(control);
  });
}

void TForm::SetTool(TControl& control) {
  TOOLINFOW own{};
  own.cbSize = sizeof(own);
  own.uFlags = TTF_IDISHWND;
  own.hwnd = control.Handle();
  own.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  TOOLINFOW onParent = own;
  onParent.uFlags = 0;
  onParent.hwnd = GetParent(control.Handle());
  onParent.rect = control.BoundsRect();
  // Both go before either comes back: a tool tip looks a window's tool up by
  // its id alone, so deleting the absent rectangle would take the other.
  for (TOOLINFOW* tool : {&own, &onParent})
    SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(tool));
  if (!ShowsHint(control)) return;
  for (TOOLINFOW* tool : {&own, &onParent}) {
    tool->lpszText = const_cast<wchar_t*>(control.Hint().c_str());
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(tool));
  }
}

// What the shell's DragAcceptFiles does, without loading the shell.
void TForm::SetAcceptFiles(bool accept) {
  const DWORD ex = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE));
  SetWindowLongW(Handle(), GWL_EXSTYLE,
                 static_cast<LONG>(accept ? ex | WS_EX_ACCEPTFILES : ex & ~WS_EX_ACCEPTFILES));
}

TForm* ParentForm(TControl& control) {
  TControl* top = &control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TForm*>(top);
}

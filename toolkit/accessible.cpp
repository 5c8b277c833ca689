#include "toolkit/accessible.h"

#include <ole2.h>

#include "toolkit/system_library.h"

namespace {

// oleacc and oleaut32 are loaded when a screen reader first asks.
HRESULT CreateStandardObject(HWND window, IAccessible** object) {
  static auto* const create = SystemFunction<decltype(CreateStdAccessibleObject)>(
      L"oleacc.dll", "CreateStdAccessibleObject");
  if (!create) return E_NOTIMPL;
  return create(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(object));
}

LRESULT ResultFromObject(WPARAM wParam, IAccessible* object) {
  static auto* const result =
      SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  return result ? result(__uuidof(IAccessible), wParam, object) : 0;
}

HRESULT ToBstr(const std::wstring& text, BSTR* out) {
  static auto* const allocate =
      SystemFunction<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
  if (!out) return E_INVALIDARG;
  *out = allocate ? allocate(text.c_str()) : nullptr;
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ToVariant(long value, VARIANT* out) {
  if (!out) return E_INVALIDARG;
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

// COM interfaces are released, never deleted through: their destructors are
// not virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The window's standard object with the control's own role, name, state and
// default action laid over it for the window itself, and the names of the
// items a control keeps itself; the rest of its children, navigation and
// location stay the standard object's.
class TAccessibleObject final : public IAccessible, public IOleWindow {
 public:
  TAccessibleObject(HWND window, TAccessibleSource& source, IAccessible* proxy)
      : window_(window), source_(&source), proxy_(proxy) {}
  TAccessibleObject(const TAccessibleObject&) = delete;
  TAccessibleObject& operator=(const TAccessibleObject&) = delete;

  void Disconnect() {
    source_ = nullptr;
    window_ = nullptr;
    if (proxy_) proxy_->Release();
    proxy_ = nullptr;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
    } else if (iid == __uuidof(IOleWindow)) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) {
      Disconnect();
      delete this;
    }
    return refs;
  }

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : CO_E_OBJNOTCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return Forward(&IAccessible::GetTypeInfoCount, count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return Forward(&IAccessible::GetTypeInfo, index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return Forward(&IAccessible::GetIDsOfNames, iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return Forward(&IAccessible::Invoke, id, iid, locale, flags, params, result, exception,
                   argument);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return Forward(&IAccessible::get_accParent, parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return Forward(&IAccessible::get_accChildCount, count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return Forward(&IAccessible::get_accChild, child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!source_) return CO_E_OBJNOTCONNECTED;
    if (!IsSelf(child)) {
      const std::optional<std::wstring> own =
          child.vt == VT_I4 ? source_->AccessibleChildName(child.lVal) : std::nullopt;
      return own ? ToBstr(*own, name) : Forward(&IAccessible::get_accName, child, name);
    }
    const TAccessibleFacts facts = source_->AccessibleFacts();
    if (facts.name.empty()) return Forward(&IAccessible::get_accName, child, name);
    return ToBstr(facts.name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Forward(&IAccessible::get_accValue, child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return Forward(&IAccessible::get_accDescription, child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const TAccessibleFacts* facts = OwnFacts(child);
    if (!facts) return Forward(&IAccessible::get_accRole, child, role);
    return ToVariant(facts->role, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const TAccessibleFacts* facts = OwnFacts(child);
    if (!facts) return Forward(&IAccessible::get_accState, child, state);
    return ToVariant(facts->state, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return Forward(&IAccessible::get_accHelp, child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return Forward(&IAccessible::get_accHelpTopic, file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Forward(&IAccessible::get_accKeyboardShortcut, child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return Forward(&IAccessible::get_accFocus, child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return Forward(&IAccessible::get_accSelection, children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    const TAccessibleFacts* facts = OwnFacts(child);
    if (!facts) return Forward(&IAccessible::get_accDefaultAction, child, action);
    if (facts->defaultAction.empty()) {
      if (action) *action = nullptr;
      return S_FALSE;
    }
    return ToBstr(facts->defaultAction, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return Forward(&IAccessible::accSelect, flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return Forward(&IAccessible::accLocation, left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return Forward(&IAccessible::accNavigate, direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return Forward(&IAccessible::accHitTest, x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const TAccessibleFacts* facts = OwnFacts(child);
    if (!facts) return Forward(&IAccessible::accDoDefaultAction, child);
    if (facts->defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
    if (!source_->CanDoDefaultAction()) return E_FAIL;
    source_->PostDefaultAction();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return Forward(&IAccessible::put_accValue, child, value);
  }

 private:
  ~TAccessibleObject() = default;

  template <class Method, class... Arguments>
  HRESULT Forward(Method method, Arguments... arguments) {
    if (!proxy_) return CO_E_OBJNOTCONNECTED;
    return (proxy_->*method)(arguments...);
  }

  // The control's facts when it answers for child itself with a role of
  // its own, else nullptr: the standard object answers.
  const TAccessibleFacts* OwnFacts(const VARIANT& child) {
    if (!source_ || !IsSelf(child)) return nullptr;
    facts_ = source_->AccessibleFacts();
    return facts_.role != 0 ? &facts_ : nullptr;
  }

  LONG refs_ = 1;
  HWND window_;
  TAccessibleSource* source_;
  IAccessible* proxy_;
  TAccessibleFacts facts_;
};

#pragma GCC diagnostic pop

TAccessibleLink::TAccessibleLink(HWND window, TAccessibleSource& source)
    : window_(window), source_(source) {}

TAccessibleLink::~TAccessibleLink() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
}

LRESULT TAccessibleLink::Answer(WPARAM wParam) {
  if (!object_) {
    IAccessible* proxy = nullptr;
    if (FAILED(CreateStandardObject(window_, &proxy))) return 0;
    object_ = new TAccessibleObject(window_, source_, proxy);
  }
  const LRESULT result = ResultFromObject(wParam, object_);
  return result > 0 ? result : 0;
}

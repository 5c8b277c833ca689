#include "tests/support/accessible_client.h"

#include "toolkit/system_library.h"

namespace {

VARIANT Child(long child) {
  VARIANT variant{};
  variant.vt = VT_I4;
  variant.lVal = child;
  return variant;
}

VARIANT Self() { return Child(CHILDID_SELF); }

}  // namespace

AccessibleClient::AccessibleClient(HWND window) {
  static auto* const fromWindow =
      SystemFunction<decltype(AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow");
  status_ = fromWindow ? fromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                    __uuidof(IAccessible), reinterpret_cast<void**>(&object_))
                       : E_NOTIMPL;
}

AccessibleClient::~AccessibleClient() {
  if (object_) object_->Release();
}

std::wstring AccessibleClient::Text(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*),
                                   long child) {
  static auto* const release = SystemFunction<decltype(SysFreeString)>(L"oleaut32.dll", "SysFreeString");
  BSTR text = nullptr;
  status_ = object_ ? (object_->*read)(Child(child), &text) : E_POINTER;
  std::wstring result = text ? text : L"";
  if (text) release(text);
  return result;
}

long AccessibleClient::Number(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, VARIANT*)) {
  VARIANT value{};
  status_ = object_ ? (object_->*read)(Self(), &value) : E_POINTER;
  return SUCCEEDED(status_) && value.vt == VT_I4 ? value.lVal : -1;
}

long AccessibleClient::Role() { return Number(&IAccessible::get_accRole); }
std::wstring AccessibleClient::Name() { return Text(&IAccessible::get_accName); }
std::wstring AccessibleClient::Name(long child) { return Text(&IAccessible::get_accName, child); }
long AccessibleClient::State() { return Number(&IAccessible::get_accState); }
std::wstring AccessibleClient::DefaultAction() { return Text(&IAccessible::get_accDefaultAction); }

HRESULT AccessibleClient::DoDefaultAction() {
  status_ = object_ ? object_->accDoDefaultAction(Self()) : E_POINTER;
  return status_;
}

#include "toolkit/type_ahead.h"

#include <algorithm>

#include "toolkit/file_names.h"

namespace {

bool StartsWith(std::wstring_view name, std::wstring_view prefix) {
  return name.size() >= prefix.size() && SameName(name.substr(0, prefix.size()), prefix);
}

// A prefix of one letter repeated ("ppp") steps through the items that start
// with that letter.
bool OneLetterRepeated(const std::wstring& typed) {
  const std::wstring_view first(typed.data(), 1);
  return std::all_of(typed.begin(), typed.end(),
                     [&](const wchar_t& ch) { return SameName({&ch, 1}, first); });
}

}  // namespace

int TTypeAhead::Next(wchar_t ch, DWORD time, int current, int count,
                     const std::function<std::wstring_view(int)>& item) {
  if (ch < L' ' || ch == 0x7F) return -1;
  if (time - typedAt_ > kPause) typed_.clear();
  typedAt_ = time;
  typed_ += ch;
  const bool stepping = OneLetterRepeated(typed_);
  const std::wstring_view prefix =
      stepping ? std::wstring_view(typed_).substr(0, 1) : std::wstring_view(typed_);
  // A longer prefix may still fit the current item; a step leaves it.
  const int first = stepping ? current + 1 : std::max(current, 0);
  for (int i = 0; i < count; ++i) {
    const int index = (first + i) % count;
    if (StartsWith(item(index), prefix)) return index;
  }
  return -1;
}

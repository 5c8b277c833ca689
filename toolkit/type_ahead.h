#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

// Finding an item of a list by typing the start of its name: letters typed
// in quick succession make one prefix, found from the current item on; the
// same letter typed again steps to the next item that starts with it.
// Letter case is ignored.
class TTypeAhead {
 public:
  // The item to go to for the character typed at time (in milliseconds, as
  // GetMessageTime gives it), current being the item with the caret (-1 for
  // none); -1 when no item matches or the character is not one to search
  // for.
  int Next(wchar_t ch, DWORD time, int current, int count,
           const std::function<std::wstring_view(int)>& item);

  // The longest pause between two characters of one prefix.
  static constexpr DWORD kPause = 1000;

 private:
  std::wstring typed_;
  DWORD typedAt_ = 0;
};

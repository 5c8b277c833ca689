#include "toolkit/type_ahead.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each step types one character at a time, from the item the last step went
// to (or stayed on), and expects the item it goes to.
TEST(TypeAheadTest, PrefixesRepeatsAndPauses) {
  const std::vector<std::wstring> items{L"alpha", L"Beta", L"bravo", L"b-29", L"charlie"};
  struct Step {
    wchar_t ch;
    DWORD time;
    int expected;
  };
  const std::vector<Step> steps{
      {L'B', 0, 1},       // from no item: the first "b"
      {L'b', 100, 2},     // the same letter again steps on
      {L'b', 200, 3},     //
      {L'b', 300, 1},     // and round
      {L'r', 400, -1},    // "bbbbr" is no repeat, and fits none
      {L'a', 3000, 0},    // after a pause a new prefix, from the current item on
      {L'l', 3100, 0},    // "al" still fits the current item
      {L'x', 3200, -1},   // "alx" fits none: no move
      {L'\r', 9000, -1},  // not a character to search for
      {L'c', 9100, 4},    //
  };
  TTypeAhead typeAhead;
  int current = -1;
  for (const Step& step : steps) {
    const int found = typeAhead.Next(step.ch, step.time, current, static_cast<int>(items.size()),
                                     [&](int i) { return std::wstring_view(items[i]); });
    EXPECT_EQ(found, step.expected) << static_cast<char>(step.ch) << " at " << step.time;
    if (found >= 0) current = found;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "browsing/name_order.h"

namespace {

std::string SystemKey(const std::wstring& name) {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int size = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(),
                                static_cast<int>(name.size()), nullptr, 0);
  std::string key(static_cast<size_t>(size), '\0');
  LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), static_cast<int>(name.size()),
               reinterpret_cast<wchar_t*>(key.data()), size);
  return key;
}

// Names of the printable ASCII characters a file name may hold, and of
// the others given.
std::vector<std::wstring> RandomNames(size_t count, const std::wstring& others) {
  std::wstring alphabet = L" !#$%&()+,.;=@[]^_`{}~" + others;
  for (wchar_t c = L'0'; c <= L'9'; ++c) alphabet += c;
  for (wchar_t c = L'a'; c <= L'z'; ++c) alphabet += {c, static_cast<wchar_t>(c - 32)};
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> length(1, 12);
  std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
  std::vector<std::wstring> names;
  while (names.size() < count) {
    std::wstring name;
    for (size_t n = length(random); n > 0; --n) name += alphabet[letter(random)];
    names.push_back(name);
  }
  return names;
}

// Folders large enough for the plain characters' own weights to be used:
// one of plain names alone, one with hyphens, apostrophes and accented
// letters among them, which the locale weighs apart. Names packed in one
// buffer come out in the same order.
TEST(NameOrderTest, KeysAndOrderAreTheSystemsForPlainAndOtherNames) {
  for (const std::wstring& others : {std::wstring(), std::wstring(L"'-\u00e9\u00c4")}) {
    std::vector<std::wstring> names = RandomNames(1000, others);
    const std::vector<std::wstring> given = names;
    SortNames(names);

    for (const std::wstring& name : given) EXPECT_EQ(NameSortKey(name), SystemKey(name)) << name;
    for (size_t i = 1; i < names.size(); ++i) {
      EXPECT_LE(lstrcmpiW(names[i - 1].c_str(), names[i].c_str()), 0)
          << names[i - 1] << L" before " << names[i];
    }
    TPackedStrings packed;
    for (const std::wstring& name : given) packed.Append(name);
    SortNames(packed);
    ASSERT_EQ(packed.Size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(packed[i], names[i]) << i;
    std::vector<std::wstring> kept = names;
    std::vector<std::wstring> expected = given;
    std::sort(kept.begin(), kept.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(kept, expected);
  }
}

}  // namespace

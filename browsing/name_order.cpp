#include "browsing/name_order.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace {

constexpr DWORD kKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
// Below this many names the system's keys cost less than working out the
// plain characters' weights.
constexpr size_t kPlainFrom = 256;
// A plain character's key is its two-byte weight followed by these: empty
// accent, case and special sections, and the end. A name of plain characters
// has their weights in turn, followed by the same.
constexpr char kPlainEnd[] = {1, 1, 1, 1, 0};

// Appends the system's sort key of the name to keys.
void AppendSystemKey(std::wstring_view name, std::string& keys) {
  const int length = static_cast<int>(name.size());
  const size_t at = keys.size();
  // A key seldom needs more than four bytes a character: ask once.
  keys.resize(at + name.size() * 4 + 16);
  int size =
      LCMapStringW(LOCALE_USER_DEFAULT, kKeyFlags, name.data(), length,
                   reinterpret_cast<wchar_t*>(&keys[at]), static_cast<int>(keys.size() - at));
  if (size == 0) {
    size = LCMapStringW(LOCALE_USER_DEFAULT, kKeyFlags, name.data(), length, nullptr, 0);
    keys.resize(at + static_cast<size_t>(std::max(size, 0)));
    LCMapStringW(LOCALE_USER_DEFAULT, kKeyFlags, name.data(), length,
                 reinterpret_cast<wchar_t*>(&keys[at]), size);
  }
  keys.resize(at + static_cast<size_t>(std::max(size, 0)));
}

// The weight of each printable ASCII character whose key is a weight
// alone, or zero. Some languages weigh two letters together as one; that
// would show in the key of the pair, so every pair of letters is checked
// once, and the table is left empty if any pair weighs otherwise.
class PlainWeights {
 public:
  PlainWeights() {
    std::string key;
    for (wchar_t c = 0x20; c < kEnd; ++c) {
      key.clear();
      AppendSystemKey(std::wstring_view(&c, 1), key);
      if (key.size() == 2 + sizeof(kPlainEnd) && key[0] > kPlainEnd[0] &&
          key.compare(2, std::string::npos, kPlainEnd, sizeof(kPlainEnd)) == 0) {
        weights_[c] = static_cast<uint16_t>(static_cast<unsigned char>(key[0]) << 8 |
                                            static_cast<unsigned char>(key[1]));
      }
    }
    if (!LetterPairsKeepTheirWeights()) weights_ = {};
  }

  bool IsPlain(std::wstring_view name) const {
    return !name.empty() && std::all_of(name.begin(), name.end(),
                                        [this](wchar_t c) { return c < kEnd && weights_[c] != 0; });
  }

  // The key of a plain name: its characters' weights, high byte first, and
  // the end of a plain key. Plain names sort shorter first after the same
  // start, as the end's first byte lies below every weight's.
  void AppendKey(std::wstring_view name, std::string& keys) const {
    for (const wchar_t c : name)
      keys += {static_cast<char>(weights_[c] >> 8), static_cast<char>(weights_[c])};
    keys.append(kPlainEnd, sizeof(kPlainEnd));
  }

  // Compares two plain names as their keys compare, without the keys.
  bool Less(std::wstring_view a, std::wstring_view b) const {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
      if (a[i] != b[i] && weights_[a[i]] != weights_[b[i]]) return weights_[a[i]] < weights_[b[i]];
    }
    return a.size() < b.size();
  }

 private:
  static constexpr wchar_t kEnd = 0x7F;

  bool LetterPairsKeepTheirWeights() const {
    std::wstring letters;
    for (wchar_t c = L'A'; c <= L'Z'; ++c) letters += {c, static_cast<wchar_t>(c + 32)};
    if (!IsPlain(letters)) return false;
    std::wstring pairs;
    for (const wchar_t a : letters) {
      for (const wchar_t b : letters) pairs += {a, b};
    }
    std::string expected;
    std::string actual;
    AppendKey(pairs, expected);
    AppendSystemKey(pairs, actual);
    return expected == actual;
  }

  std::array<uint16_t, kEnd> weights_{};
};

const PlainWeights& Plain() {
  static const PlainWeights weights;
  return weights;
}

void AppendKey(std::wstring_view name, std::string& keys, bool plainToo) {
  if (plainToo && Plain().IsPlain(name)) {
    Plain().AppendKey(name, keys);
  } else {
    AppendSystemKey(name, keys);
  }
}

// Through one sort key per name rather than a locale comparison per pair:
// in a folder of thousands of names that is ten times quicker. The keys lie
// in one buffer, so that sorting a large folder leaves no crumbs on the heap.
// The order holds every index, in any order.
template <class Names>
void SortByKeys(const Names& names, std::vector<uint32_t>& order, bool plainToo) {
  std::string keys;
  std::vector<size_t> starts;
  starts.reserve(order.size() + 1);
  for (size_t i = 0; i < order.size(); ++i) {
    starts.push_back(keys.size());
    AppendKey(names[i], keys, plainToo);
  }
  starts.push_back(keys.size());
  const auto key = [&](uint32_t i) {
    return std::string_view(keys).substr(starts[i], starts[i + 1] - starts[i]);
  };
  std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return key(a) < key(b); });
}

// The indices of the count names in their order. A large folder of plain
// names, the usual kind, is sorted by their characters' weights alone.
template <class Names>
std::vector<uint32_t> SortedOrder(const Names& names, size_t count) {
  std::vector<uint32_t> order(count);
  std::iota(order.begin(), order.end(), uint32_t{0});
  const bool large = count >= kPlainFrom;
  const PlainWeights* plain = large ? &Plain() : nullptr;
  const auto name = [&names](uint32_t i) { return std::wstring_view(names[i]); };
  if (plain && std::all_of(order.begin(), order.end(),
                           [&](uint32_t i) { return plain->IsPlain(name(i)); })) {
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return plain->Less(name(a), name(b)); });
  } else {
    SortByKeys(names, order, large);
  }
  return order;
}

}  // namespace

std::string NameSortKey(std::wstring_view name) {
  std::string key;
  AppendKey(name, key, true);
  return key;
}

void SortNames(std::vector<std::wstring>& names) {
  std::vector<std::wstring> sorted;
  sorted.reserve(names.size());
  for (const uint32_t index : SortedOrder(names, names.size()))
    sorted.push_back(std::move(names[index]));
  names = std::move(sorted);
}

void SortNames(TPackedStrings& names) { names = names.Permuted(SortedOrder(names, names.Size())); }

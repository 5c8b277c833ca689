#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Strings kept end to end in one buffer, each followed by a nul: a list of
// thousands of names costs their characters and four bytes a name, with no
// allocation of its own for each.
class TPackedStrings {
 public:
  TPackedStrings() = default;
  TPackedStrings(std::initializer_list<std::wstring_view> strings);

  size_t Size() const { return ends_.size(); }
  bool Empty() const { return ends_.empty(); }
  std::wstring_view operator[](size_t index) const;

  // Throws std::length_error past four billion characters.
  void Append(std::wstring_view text);
  void Erase(size_t index);
  void Clear();
  // The same strings, in the order of these indices.
  TPackedStrings Permuted(const std::vector<uint32_t>& order) const;

 private:
  uint32_t Start(size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }

  std::wstring texts_;
  // Where each string's nul ends, one past it.
  std::vector<uint32_t> ends_;
};

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

  size_t Size() const { return starts_.size() - 1; }
  bool Empty() const { return starts_.size() == 1; }
  std::wstring_view operator[](size_t index) const;

  void Append(std::wstring_view text);
  void Erase(size_t index);
  void Clear();
  // The same strings, in the order of these indices.
  TPackedStrings Permuted(const std::vector<uint32_t>& order) const;

 private:
  std::wstring texts_;
  // Where each string starts in texts_, and last the end of the last.
  std::vector<uint32_t> starts_{0};
};

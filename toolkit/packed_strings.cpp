#include "toolkit/packed_strings.h"

#include <limits>
#include <stdexcept>

TPackedStrings::TPackedStrings(std::initializer_list<std::wstring_view> strings) {
  for (const std::wstring_view text : strings) Append(text);
}

std::wstring_view TPackedStrings::operator[](size_t index) const {
  const uint32_t start = Start(index);
  return std::wstring_view(texts_).substr(start, ends_[index] - start - 1);
}

// A string that cannot be added leaves the others as they were.
void TPackedStrings::Append(std::wstring_view text) {
  const size_t before = texts_.size();
  if (text.size() >= std::numeric_limits<uint32_t>::max() - before)
    throw std::length_error("too many characters for one list");
  ends_.push_back(static_cast<uint32_t>(before + text.size() + 1));
  try {
    texts_.append(text).push_back(L'\0');
  } catch (...) {
    ends_.pop_back();
    texts_.resize(before);
    throw;
  }
}

void TPackedStrings::Erase(size_t index) {
  const uint32_t start = Start(index);
  const uint32_t length = ends_[index] - start;
  texts_.erase(start, length);
  ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(index));
  for (size_t i = index; i < ends_.size(); ++i) ends_[i] -= length;
}

// Gives the buffers back: a list of a large folder is not kept for a small
// one.
void TPackedStrings::Clear() { *this = TPackedStrings(); }

TPackedStrings TPackedStrings::Permuted(const std::vector<uint32_t>& order) const {
  TPackedStrings result;
  result.texts_.reserve(texts_.size());
  result.ends_.reserve(order.size());
  for (const uint32_t index : order) result.Append((*this)[index]);
  return result;
}

#include "toolkit/packed_strings.h"

TPackedStrings::TPackedStrings(std::initializer_list<std::wstring_view> strings) {
  for (const std::wstring_view text : strings) Append(text);
}

std::wstring_view TPackedStrings::operator[](size_t index) const {
  const uint32_t start = starts_[index];
  return std::wstring_view(texts_).substr(start, starts_[index + 1] - start - 1);
}

void TPackedStrings::Append(std::wstring_view text) {
  texts_.append(text);
  texts_.push_back(L'\0');
  starts_.push_back(static_cast<uint32_t>(texts_.size()));
}

void TPackedStrings::Erase(size_t index) {
  const uint32_t length = starts_[index + 1] - starts_[index];
  texts_.erase(starts_[index], length);
  starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(index));
  for (size_t i = index; i < starts_.size(); ++i) starts_[i] -= length;
}

// Gives the buffers back: a list of a large folder is not kept for a small
// one.
void TPackedStrings::Clear() { *this = TPackedStrings(); }

TPackedStrings TPackedStrings::Permuted(const std::vector<uint32_t>& order) const {
  TPackedStrings result;
  result.texts_.reserve(texts_.size());
  result.starts_.reserve(order.size() + 1);
  for (const uint32_t index : order) result.Append((*this)[index]);
  return result;
}

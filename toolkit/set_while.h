#pragma once

#include <utility>

// Gives a variable a value for as long as the object lives, and its earlier
// value back after: a flag raised while a handler runs, a pointer to what
// is at work.
template <class T>
class TSetWhile {
 public:
  TSetWhile(T& slot, T value) : slot_(slot), previous_(std::exchange(slot, std::move(value))) {}
  TSetWhile(const TSetWhile&) = delete;
  TSetWhile& operator=(const TSetWhile&) = delete;
  ~TSetWhile() { slot_ = std::move(previous_); }

 private:
  T& slot_;
  T previous_;
};

#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Something that may own other components; an owner frees what it owns, in
// the reverse order of their creation.
class TComponent {
 public:
  explicit TComponent(TComponent* owner) : owner_(owner) {}
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  virtual ~TComponent() {
    while (!owned_.empty()) owned_.pop_back();
  }

  TComponent* Owner() const { return owner_; }

  // Creates a component owned by this one: T's constructor takes the owner
  // first, then args.
  template <class T, class... Args>
  T* Add(Args&&... args) {
    auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* raw = made.get();
    owned_.push_back(std::move(made));
    return raw;
  }

 private:
  TComponent* owner_;
  std::vector<std::unique_ptr<TComponent>> owned_;
};

using TNotifyEvent = std::function<void(TComponent* sender)>;

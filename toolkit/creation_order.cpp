#include "toolkit/creation_order.h"

#include <algorithm>

#include "toolkit/control.h"

namespace {

bool Overlap(const TControl& one, const TControl& other) {
  const RECT ones = one.BoundsRect();
  const RECT others = other.BoundsRect();
  RECT common;
  return IntersectRect(&common, &ones, &others) != FALSE;
}

}  // namespace

bool RisesOverOlderSiblings(const TControl& control) {
  const std::vector<TControl*>& siblings = control.Parent()->Children();
  if (siblings.back() != &control) return false;
  return std::any_of(siblings.begin(), siblings.end() - 1,
                     [&](const TControl* older) { return Overlap(control, *older); });
}

// Two overlapping siblings lie out of order when the younger was left below
// its elders: the top ones lie in the order they were made, above those
// left below, which lie in the opposite order.
bool OutOfCreationOrder(const TControl& control) {
  if (!control.Parent()) return false;
  bool younger = false;
  for (const TControl* sibling : control.Parent()->Children()) {
    if (sibling == &control) {
      younger = true;
    } else if ((younger ? sibling : &control)->CreationPlace().BelowOlder() &&
               Overlap(control, *sibling)) {
      return true;
    }
  }
  return false;
}

void RestoreCreationOrder(const std::vector<TControl*>& children) {
  const auto first = std::find_if(children.begin(), children.end(), [](const TControl* child) {
    return child->CreationPlace().BelowOlder();
  });
  for (auto child = first; child != children.end(); ++child) (*child)->BringToFront();
}

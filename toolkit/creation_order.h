#pragma once

#include <vector>

class TControl;

// Siblings lie in the order they were made, the last on top, wherever they
// overlap. Windows puts a new child below its siblings; a control made once
// its form has been shown is raised at once. A control made while its form
// is built takes its place at its first move, or when the form is first
// shown: it is raised over the older siblings it overlaps, and where it
// overlaps none it stays below them, where Windows made it, which costs
// nothing. Once any control so left below overlaps a sibling after a move,
// the parent puts its children back in the order they were made.

// A control's standing in that order.
class TCreationPlace {
 public:
  // Made while its form is built: the place is taken later.
  void Defer() { pending_ = true; }
  bool Pending() const { return pending_; }
  // The place taken: raised over the older siblings, or left below them.
  void Take(bool raised) {
    pending_ = false;
    belowOlder_ = !raised;
  }
  // Raised over every sibling, by hand or to restore the order.
  void Raised() { Take(true); }
  bool BelowOlder() const { return belowOlder_; }

 private:
  bool pending_ = false;
  bool belowOlder_ = false;
};

// Whether control, taking its place, rises over its older siblings: it is
// the youngest and overlaps one of them.
bool RisesOverOlderSiblings(const TControl& control);
// Whether control overlaps a sibling in an order other than the one they
// were made in.
bool OutOfCreationOrder(const TControl& control);
// Raises every one of children, in the order they were made, from the first
// one left below its elders on.
void RestoreCreationOrder(const std::vector<TControl*>& children);

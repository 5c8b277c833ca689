#pragma once

#include <array>

#include "frontend/converter/converter_commands.h"

// One check box of the command rules: whether it may be ticked, and whether
// it is.
struct TBoxState {
  bool enabled = true;
  bool checked = false;
  bool operator==(const TBoxState&) const = default;
};

// The six command boxes in chain order (f, c, t, s, r, z) and the three
// operator boxes k, f and d.
struct TCommandBoxes {
  std::array<TBoxState, 6> commands;
  std::array<TBoxState, 3> operators;
  bool operator==(const TCommandBoxes&) const = default;
};

// What the next conversion would start from.
struct TCommandSource {
  enum class TKind { skNone, skModel, skConverted };
  TKind kind = TKind::skNone;
  // A model: whether its file is still in its folder.
  bool modelExists = false;
  // A converted file: the command whose result it is; nullptr for an
  // extension that no command makes.
  const ConverterCommand* madeBy = nullptr;
};

// Which list the user has just picked in, if the rules run for a pick: a
// model first opens all six commands and clears the operators, a converted
// file first closes the operators.
enum class TSourcePick { spNone, spModel, spConverted };

// The boxes for a source, and whether a conversion may start from it.
struct TCommandState {
  TCommandBoxes boxes;
  bool sourceUsable = false;
  // Some command box is both ticked and enabled.
  bool commandChosen = false;
  bool StartAllowed() const { return sourceUsable && commandChosen; }
};

// The command rules: which boxes the source leaves open, from the boxes as
// they are. Ticks stay unless a rule clears them; a source that no rule
// knows changes nothing.
TCommandState CommandStateFor(const TCommandSource& source, TSourcePick pick, TCommandBoxes boxes);

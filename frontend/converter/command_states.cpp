#include "frontend/converter/command_states.h"

#include <algorithm>

namespace {

// Places of the boxes in TCommandBoxes.
enum : size_t { kF, kC, kT, kS, kR, kZ };
enum : size_t { kOperatorK, kOperatorF, kOperatorD };

void ResetForPick(TSourcePick pick, TCommandBoxes& boxes) {
  if (pick == TSourcePick::spModel) {
    for (TBoxState& op : boxes.operators) op = {false, false};
    for (TBoxState& command : boxes.commands) command.enabled = true;
  } else if (pick == TSourcePick::spConverted) {
    for (TBoxState& op : boxes.operators) op.enabled = false;
  }
}

// The commands after c follow it: open with their ticks while c is ticked,
// cleared and closed while it is not.
void FollowC(std::array<TBoxState, 6>& commands) {
  const bool open = commands[kC].checked;
  for (size_t i = kT; i < commands.size(); ++i) commands[i] = {open, open && commands[i].checked};
}

// A converted file opens the commands after the one that made it, never its
// own; an FS2002 result goes on only through the CFS2 conversion.
bool ApplyConverted(const ConverterCommand& made, TCommandBoxes& boxes) {
  auto& commands = boxes.commands;
  auto& operators = boxes.operators;
  const size_t step = CommandIndex(made);
  if (step == kF) {
    commands[kF].enabled = false;
    commands[kC].enabled = true;
    FollowC(commands);
    const bool chained = commands[kC].checked;
    if (chained) {
      operators[kOperatorF].enabled = true;
    } else {
      for (TBoxState& op : operators) op.enabled = false;
    }
    return chained;
  }
  for (size_t i = 0; i < commands.size(); ++i) commands[i].enabled = i > step;
  if (step < kR) {
    operators[kOperatorD].enabled = commands[kR].checked;
  } else if (step == kR) {
    operators[kOperatorD].enabled = false;
  }
  return true;
}

// A model opens every command; with f ticked the ones after c follow c.
void ApplyModel(TCommandBoxes& boxes) {
  if (!boxes.commands[kF].checked) {
    for (TBoxState& command : boxes.commands) command.enabled = true;
    return;
  }
  boxes.operators[kOperatorK].enabled = true;
  FollowC(boxes.commands);
}

}  // namespace

TCommandState CommandStateFor(const TCommandSource& source, TSourcePick pick, TCommandBoxes boxes) {
  ResetForPick(pick, boxes);
  bool usable = false;
  switch (source.kind) {
    case TCommandSource::TKind::skConverted:
      if (source.madeBy) usable = ApplyConverted(*source.madeBy, boxes);
      break;
    case TCommandSource::TKind::skModel:
      ApplyModel(boxes);
      usable = source.modelExists;
      break;
    case TCommandSource::TKind::skNone:
      break;
  }
  const bool chosen = std::ranges::any_of(
      boxes.commands, [](const TBoxState& box) { return box.enabled && box.checked; });
  return {boxes, usable, chosen};
}

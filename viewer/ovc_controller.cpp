#include "viewer/ovc_controller.h"

TCommandTable DefaultCommandTable() {
  using C = TViewerCommand;
  return {L"Default", true,
          {{VK_UP, 0, C::LineUp}, {VK_DOWN, 0, C::LineDown}, {VK_PRIOR, 0, C::PageUp},
           {VK_NEXT, 0, C::PageDown}, {VK_HOME, 0, C::LineStart}, {VK_END, 0, C::LineEnd},
           {VK_HOME, ssCtrl, C::Top}, {VK_END, ssCtrl, C::Bottom}, {VK_LEFT, 0, C::Left},
           {VK_RIGHT, 0, C::Right}}};
}

TOvcController::TOvcController(TComponent* owner)
    : TComponent(owner),
      tables_{DefaultCommandTable(), {L"WordStar", false, {}}, {L"Grid", false, {}}} {}

TViewerCommand FindCommand(const TCommandTable& table, WORD key, TShiftState shift) {
  for (const TKeyCommand& entry : table.keys) {
    if (entry.key == key && entry.shift == shift) return entry.command;
  }
  return TViewerCommand::None;
}

TViewerCommand TOvcController::Translate(WORD key, TShiftState shift) const {
  for (const TCommandTable& table : tables_) {
    if (!table.active) continue;
    const TViewerCommand command = FindCommand(table, key, shift);
    if (command != TViewerCommand::None) return command;
  }
  return TViewerCommand::None;
}

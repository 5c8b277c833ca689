#include <algorithm>

#include "dialogs/Unit1.h"
#include "dialogs/Unit2.h"
#include "frontend/converter/converter_commands.h"
#include "frontend/zh_tarn.h"
#include "toolkit/file_names.h"

namespace {

template <class T, size_t N>
int IndexOf(const std::array<T*, N>& items, const TComponent* item) {
  const auto found = std::find(items.begin(), items.end(), item);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

template <class Box, size_t N>
std::array<TBoxState, N> StatesOf(const std::array<Box*, N>& boxes) {
  std::array<TBoxState, N> states;
  for (size_t i = 0; i < N; ++i) states[i] = {boxes[i]->Enabled(), boxes[i]->Checked()};
  return states;
}

// Sets what differs, so a box that keeps its state is not drawn again.
template <class Box, size_t N>
void SetStates(const std::array<Box*, N>& boxes, const std::array<TBoxState, N>& states) {
  for (size_t i = 0; i < N; ++i) {
    boxes[i]->SetEnabled(states[i].enabled);
    if (boxes[i]->Checked() != states[i].checked) boxes[i]->SetChecked(states[i].checked);
  }
}

}  // namespace

void Tzh_tarnF::EnableControls(TSourcePick pick) {
  const TCommandBoxes boxes{StatesOf(CommandBoxes()), StatesOf(OperatorBoxes())};
  const TCommandState state = CommandStateFor(CurrentSource(), pick, boxes);
  SetStates(CommandBoxes(), state.boxes.commands);
  SetStates(OperatorBoxes(), state.boxes.operators);
  if (state.StartAllowed()) {
    memo2->SetFocus();
    buConvert->SetEnabled(true);
  }
}

// The converted file selected, else the model selected, else none.
TCommandSource Tzh_tarnF::CurrentSource() const {
  using TKind = TCommandSource::TKind;
  if (const std::wstring converted = SelectedConverted(); !converted.empty()) {
    return {TKind::skConverted, false, CommandByExtension(ExtensionOf(converted))};
  }
  if (MDL_f->Count() > 0 && MDL_f->ItemIndex() >= 0) {
    const std::vector<std::wstring> models = MDL_f->FileNames();
    return {TKind::skModel, std::all_of(models.begin(), models.end(), IsFile), nullptr};
  }
  return {};
}

void Tzh_tarnF::SetLabelsAtRest() {
  for (TLabel* label : CommandLabels()) label->Font().SetColor(clBlack);
}

void Tzh_tarnF::dsFMouseUp(TComponent* sender, TMouseButton, TShiftState, int, int) {
  if (running_) return;
  SetLabelsAtRest();
  const int page = IndexOf(CommandBoxes(), sender);
  if (page >= 0) dsPage->SetActivePageIndex(page);
  if (selection_.origin == TSelectionOrigin::soSourceList) {
    MDL_fClick(this);
  } else {
    memo2Click(this);
  }
}

void Tzh_tarnF::dsFClick(TComponent* sender) {
  const int page = IndexOf(CommandLabels(), sender);
  if (page >= 0) dsPage->SetActivePageIndex(page);
}

// The operator box of the f command changes nothing else.
void Tzh_tarnF::opKClick(TComponent*) {}

void Tzh_tarnF::SpeedButton5Click(TComponent*) { CreateForm<TForm1>(this)->ShowModal(); }

void Tzh_tarnF::SpeedButton6Click(TComponent*) { CreateForm<TForm2>(this)->ShowModal(); }

#include <algorithm>

#include "dialogs/Unit1.h"
#include "dialogs/Unit2.h"
#include "frontend/converter_commands.h"
#include "frontend/file_names.h"
#include "frontend/zh_tarn.h"

namespace {

constexpr size_t kT = 2;
constexpr size_t kR = 4;
constexpr size_t kZ = 5;

template <class T, size_t N>
int IndexOf(const std::array<T*, N>& items, const TComponent* item) {
  const auto found = std::find(items.begin(), items.end(), item);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

}  // namespace

void Tzh_tarnF::EnableControls() {
  bool usable = false;
  if (const std::wstring converted = SelectedConverted(); !converted.empty()) {
    usable = ApplyConvertedSource(converted);
  } else if (MDL_f->Count() > 0 && MDL_f->ItemIndex() >= 0) {
    usable = ApplyModelSource();
  }
  const auto boxes = CommandBoxes();
  commandChosen_ = std::any_of(boxes.begin(), boxes.end(), [](const TCheckBox* box) {
    return box->Checked() && box->Enabled();
  });
  if (commandChosen_ && usable) {
    memo2->SetFocus();
    buConvert->SetEnabled(true);
  }
}

// A converted file opens the commands after the one that made it, never its
// own; an FS2002 result goes on only through the CFS2 conversion.
bool Tzh_tarnF::ApplyConvertedSource(const std::wstring& name) {
  const ConverterCommand* made = CommandByExtension(ExtensionOf(name));
  if (!made) return false;
  const auto boxes = CommandBoxes();
  const size_t step = CommandIndex(*made);
  if (step == 0) {
    dsF->SetEnabled(false);
    dsC->SetEnabled(true);
    const bool chained = dsC->Checked();
    for (size_t i = kT; i <= kZ; ++i) {
      boxes[i]->SetEnabled(chained);
      if (!chained) boxes[i]->SetChecked(false);
    }
    if (chained) {
      opF->SetEnabled(true);
    } else {
      for (TDsCheck* op : {opK, opF, opD}) op->SetEnabled(false);
    }
    return chained;
  }
  for (size_t i = 0; i < boxes.size(); ++i) boxes[i]->SetEnabled(i > step);
  if (step < kR) {
    opD->SetEnabled(dsR->Checked());
  } else if (step == kR) {
    opD->SetEnabled(false);
  }
  return true;
}

// A model opens every command; with f ticked the ones after c follow only
// when c is ticked too.
bool Tzh_tarnF::ApplyModelSource() {
  const auto boxes = CommandBoxes();
  if (dsF->Checked()) {
    opK->SetEnabled(true);
    for (size_t i = kT; i <= kZ; ++i) {
      if (dsC->Checked()) {
        boxes[i]->SetEnabled(true);
      } else {
        boxes[i]->SetChecked(false);
        boxes[i]->SetEnabled(false);
      }
    }
  } else {
    for (TCheckBox* box : boxes) box->SetEnabled(true);
  }
  return IsFile(MDL_f->FileName());
}

void Tzh_tarnF::SetLabelsAtRest() {
  for (TLabel* label : CommandLabels()) label->Font().SetColor(clBlack);
}

void Tzh_tarnF::dsFMouseUp(TComponent* sender, TMouseButton, TShiftState, int, int) {
  if (running_) return;
  SetLabelsAtRest();
  const int page = IndexOf(CommandBoxes(), sender);
  if (page >= 0) dsPage->SetActivePageIndex(page);
  if (selectionOrigin_ == TSelectionOrigin::soSourceList) {
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

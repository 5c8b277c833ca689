#include "frontend/converter_commands.h"
#include "frontend/file_names.h"
#include "frontend/zh_tarn.h"

void Tzh_tarnF::MDL_DChanging(TComponent*) {
  Label8->SetCaption(L"");
  for (TxpButton* button : {buConvert, buInsert, buSaveas, buLog}) button->SetEnabled(false);
  buClose->SetEnabled(true);
  SetLabelsAtRest();
  Memo1->Clear();
}

void Tzh_tarnF::MDL_DClick(TComponent*) {
  md_files->SetMask(L"");
  md_files->Clear();
  memo2->Clear();
  MDL_f->SetFileName(MDL_D->Directory());
  for (TxpButton* button : {buConvert, buInsert, buSaveas}) button->SetEnabled(false);
}

void Tzh_tarnF::MDL_fClick(TComponent*) {
  if (running_) return;
  memo2->SetItemIndex(-1);
  Label1->SetCaption(L"");
  md_files->SetMask(L"");
  md_files->Clear();
  memo2->Clear();
  for (TxpButton* button : {buInsert, buSaveas, buConvert}) button->SetEnabled(false);
  if (MDL_f->Count() > 0) {
    selectionOrigin_ = TSelectionOrigin::soSourceList;
    convertedFolder_ = MDL_D->Directory();
    md_files->SetDirectory(convertedFolder_);
    const int selected = MDL_f->ItemIndex();
    ListResultsOf(selected < 0 ? L"" : BaseNameOf(MDL_f->Item(selected)));
  }
  EnableControls(TSourcePick::spModel);
}

// Fills the converted list with the model's result files found beside it,
// in chain order, each with its letter case on disk.
void Tzh_tarnF::ListResultsOf(const std::wstring& baseName) {
  std::wstring mask;
  for (const ConverterCommand& command : ConverterCommands()) {
    mask += baseName + L"." + command.extension + L";";
  }
  md_files->SetMask(mask);
  for (const ConverterCommand& command : ConverterCommands()) {
    const std::wstring wanted = baseName + L"." + command.extension;
    for (int i = 0; i < md_files->Count(); ++i) {
      if (CompareStringOrdinal(md_files->Item(i).c_str(), -1, wanted.c_str(), -1, TRUE) ==
          CSTR_EQUAL) {
        memo2->Add(md_files->Item(i));
      }
    }
  }
}

void Tzh_tarnF::memo2Click(TComponent*) {
  if (running_) return;
  selectionOrigin_ = TSelectionOrigin::soConvertedList;
  MDL_f->SetItemIndex(-1);
  buConvert->SetEnabled(false);
  if (const std::wstring selected = SelectedConverted(); !selected.empty()) {
    if (const ConverterCommand* made = CommandByExtension(ExtensionOf(selected))) {
      Label1->SetCaption(made->pickedFileText);
      buInsert->SetEnabled(true);
      buSaveas->SetEnabled(true);
    }
  }
  EnableControls(TSourcePick::spConverted);
}

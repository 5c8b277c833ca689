#include <algorithm>
#include <unordered_map>

#include "browsing/folder_listing.h"
#include "frontend/converter/converter_commands.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"

namespace {

bool IsModelName(const std::wstring& path) { return SameName(ExtensionOf(path), L".mdl"); }

// Whether the path lies on a drive that the tree shows.
bool OnFixedDrive(const std::wstring& path) {
  const std::vector<std::wstring> roots = FixedDriveRoots();
  return std::any_of(roots.begin(), roots.end(),
                     [&](const std::wstring& root) { return SameName(root, path.substr(0, 2)); });
}

}  // namespace

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
  ClearTaskbar();
  memo2->SetItemIndex(-1);
  Label1->SetCaption(L"");
  md_files->SetMask(L"");
  md_files->Clear();
  memo2->Clear();
  for (TxpButton* button : {buInsert, buSaveas, buConvert}) button->SetEnabled(false);
  if (MDL_f->Count() > 0) {
    const int selected = MDL_f->ItemIndex();
    Select(TSelectionOrigin::soSourceList, MDL_D->Directory(),
           selected < 0 ? L"" : MDL_f->Item(selected));
    md_files->SetDirectory(selection_.folder);
    std::vector<std::wstring> baseNames;
    for (const int index : MDL_f->SelectedIndices())
      baseNames.push_back(BaseNameOf(MDL_f->Item(index)));
    ListResultsOf(baseNames.empty() ? std::vector<std::wstring>{L""} : baseNames);
  }
  EnableControls(TSourcePick::spModel);
}

// Fills the converted list with each model's result files found beside it,
// model by model in list order and each model's in chain order, each with
// its letter case on disk. The files found are looked up by name, not
// searched for each name: all models of a big folder may be selected.
void Tzh_tarnF::ListResultsOf(const std::vector<std::wstring>& baseNames) {
  std::vector<std::wstring> wanted;
  std::wstring mask;
  for (const std::wstring& baseName : baseNames) {
    for (const ConverterCommand& command : ConverterCommands()) {
      wanted.push_back(baseName + L"." + command.extension);
      mask += wanted.back() + L";";
    }
  }
  md_files->SetMask(mask);
  std::unordered_map<std::wstring, int> found;
  for (int i = 0; i < md_files->Count(); ++i) found.emplace(NameKey(md_files->Item(i)), i);
  for (const std::wstring& name : wanted) {
    if (const auto file = found.find(NameKey(name)); file != found.end())
      memo2->Add(md_files->Item(file->second));
  }
}

void Tzh_tarnF::memo2Click(TComponent*) {
  if (running_) return;
  ClearTaskbar();
  Select(TSelectionOrigin::soConvertedList, selection_.folder, SelectedConverted());
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

// Of the files dropped, the first model is picked, by its long name, with
// the other models of its folder that came with it; anything else (a folder
// named like a model too) is passed over, and so is any drop during a run
// or while a question or dialog of the window is open (which disables the
// window). A model on a drive the tree does not show cannot be picked, and
// the user is told why.
void Tzh_tarnF::FormDropFiles(TComponent*, const std::vector<std::wstring>& dropped) {
  if (running_ || !IsWindowEnabled(Handle())) return;
  std::vector<std::wstring> models;
  for (const std::wstring& path : dropped) {
    const std::wstring file = LongPath(path);
    if (IsModelName(file) && !FolderExists(file)) models.push_back(file);
  }
  if (models.empty()) return;
  if (!OnFixedDrive(models.front())) {
    Interaction().MessageDialog(Handle(),
                                FileNameOf(models.front()) +
                                    L" lies on a drive that the folder tree does not show. Copy "
                                    L"it to a fixed drive to convert it.",
                                Application().Title(), MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::wstring folder = FolderOf(models.front());
  std::erase_if(models, [&](const std::wstring& model) {
    return !SameName(FolderOf(model), folder) || !IsFile(model);
  });
  if (!models.empty()) PickModels(models);
}

// A model handed over by a later start in the program folder is picked as
// a drop picks it. During a run it is not taken, and the log says so.
bool Tzh_tarnF::FormCopyText(TComponent*, ULONG_PTR tag, const std::wstring& text) {
  if (tag != kHandedModelTag || !IsHandedPath(text)) return false;
  if (running_) {
    Log(FileNameOf(text) + L" cannot be opened while a conversion runs; open it again once it "
                           L"has ended.");
  } else {
    FormDropFiles(this, {text});
  }
  return true;
}

// Picks the models, of one folder, as the user would: back to the tree if
// the log covers it, a click on their folder in the tree, then on their
// entries in the list.
void Tzh_tarnF::PickModels(const std::vector<std::wstring>& paths) {
  if (OVC1->Visible()) buLogClick(this);
  if (Memo1->Visible()) Button1Click(this);
  const std::wstring folder = FolderOf(paths.front());
  if (!SameName(folder, MDL_D->Directory())) {
    MDL_DChanging(this);
    MDL_D->SetDirectory(folder);
  }
  MDL_DClick(this);
  MDL_f->SetItemIndex(MDL_f->IndexOf(FileNameOf(paths.front())));
  for (const std::wstring& path : paths) MDL_f->SetSelected(MDL_f->IndexOf(FileNameOf(path)));
  MDL_fClick(this);
}

#include "frontend/converter/file_copy.h"
#include "frontend/zh_tarn.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"
#include "toolkit/save_dialog.h"
#include "toolkit/system_library.h"

namespace {

// Opens a document in the system's Notepad through the shell, with the
// main window as owner, and does not wait for it. Notepad is started by its
// full path, so that no notepad.exe in the program folder or on the search
// path runs instead.
void OpenInNotepad(HWND owner, const std::wstring& document, const std::wstring& directory) {
  const std::wstring notepad = SystemFile(L"notepad.exe");
  if (notepad.empty()) return;
  Interaction().ShellOpen(owner, L"", notepad, L'"' + document + L'"', directory, SW_SHOW);
}

// The Save dialog's filter for a converted file's extension, in any letter
// case, or nullptr for another extension.
const wchar_t* SaveFilterFor(const std::wstring& extension) {
  static constexpr struct {
    const wchar_t* extension;
    const wchar_t* filter;
  } kFilters[] = {
      {L".MD8", L"FS2002 model file (*.mdl)|*.mdl|FS2002 conversion file (*.md8)|*.md8"},
      {L".MD2", L"CSF2 model file (*.mdl)|*.mdl|CFS2 conversion file (*.md2)|*.md2"},
      {L".MDT", L"CFS2 model file (*.mdl)|*.mdl|Animation conversion file (*.mdt)|*.mdt"},
      {L".MDS", L"CFS2 model file (*.mdl)|*.mdl|Shining conversion file (*.mds)|*.mds"},
      {L".MDR", L"CFS2 model file (*.mdl)|*.mdl|Reflective conversion file (*.mdr)|*.mdr"},
      {L".MDZ", L"Model file (*.mdl)|*.mdl|Model size file (*.mdz)|*.mdz"},
  };
  for (const auto& entry : kFilters) {
    if (lstrcmpiW(extension.c_str(), entry.extension) == 0) return entry.filter;
  }
  return nullptr;
}

}  // namespace

std::wstring Tzh_tarnF::ConvertedPath(const std::wstring& name) const {
  return selection_.folder + L"\\" + name;
}

std::wstring Tzh_tarnF::SelectedConverted() const {
  const int index = memo2->ItemIndex();
  return index < 0 ? std::wstring() : memo2->Item(index);
}

// The converted file and the model it replaces are fixed before the
// question: nothing the window takes while it asks can point the copy at
// another folder.
void Tzh_tarnF::buInsertClick(TComponent*) {
  if (running_) return;
  Select(selection_.origin, selection_.folder, SelectedConverted());
  const std::wstring source = selection_.path;
  if (IsFile(source)) {
    const std::wstring targetName = BaseNameOf(selection_.name) + L".mdl";
    const std::wstring target = ConvertedPath(targetName);
    const std::wstring question =
        L"   Do you want to replace the original  [" + targetName + L"]  file?      ";
    if (Interaction().MessageDialog(Handle(), question, L"Confirm", MB_YESNO | MB_ICONQUESTION) ==
        IDYES) {
      FileCopy(source, target);
    }
  }
  buInsert->SetEnabled(false);
}

// Offers and saves the converted file selected in the list, which after a
// run is its result; with nothing selected there, the working copy under
// the name of the run's selected file.
void Tzh_tarnF::buSaveasClick(TComponent*) {
  if (running_) return;
  const std::wstring converted = SelectedConverted();
  const std::wstring path = converted.empty() ? selection_.path : ConvertedPath(converted);
  SaveAsDlg->FileName = BaseNameOf(converted.empty() ? selection_.name : converted);
  SaveAsDlg->DefaultExt = L"mdl";
  SaveAsDlg->InitialDir = FolderOf(path);
  if (const wchar_t* filter = SaveFilterFor(ExtensionOf(converted))) {
    SaveAsDlg->Filter = filter;
  }
  SaveAsDlg->FilterIndex = 1;
  if (!SaveAsDlg->Execute()) return;
  FileCopy(converted.empty() ? ProgramFile(workingCopyName_) : path, SaveAsDlg->FileName);
}

// The button closes an open viewer even when the log has gone since.
void Tzh_tarnF::buLogClick(TComponent*) {
  if (OVC1->Visible()) {
    OVC1->Hide();
    OVC1->SetIsOpen(false);
    ShowUnderLog();
    buLog->SetCaption(L"Show Log-file");
    buClose->SetEnabled(true);
    return;
  }
  const std::wstring log = ProgramFile(L"CONVERT.LOG");
  if (GetFileAttributesW(log.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  HideUnderLog();
  OVC1->BringToFront();
  OVC1->SetAlign(TAlign::alClient);
  OVC1->Show();
  OVC1->SetFileName(log);
  OVC1->SetIsOpen(true);
  buLog->SetCaption(L"Close Log-file");
  buClose->SetEnabled(false);
}

// What the log viewer covers (everything on the main panel below the title
// strip) is hidden while it is open, so that neither Tab nor a key pressed
// there reaches it; it comes back as it was.
void Tzh_tarnF::HideUnderLog() {
  for (TControl* control : Panel1->Children()) {
    if (control != Panel2 && control != OVC1 && control->Visible()) underLog_.push_back(control);
  }
  for (TControl* control : underLog_) control->Hide();
}

void Tzh_tarnF::ShowUnderLog() {
  for (TControl* control : underLog_) control->Show();
  underLog_.clear();
}

void Tzh_tarnF::SpeedButton2Click(TComponent*) {
  OpenInNotepad(Handle(), ProgramFile(L"tarn.ini"), programDir_);
}

void Tzh_tarnF::SpeedButton3Click(TComponent*) {
  OpenInNotepad(Handle(), ProgramFile(L"readme.txt"), programDir_);
}

void Tzh_tarnF::SpeedButton4Click(TComponent*) {
  OpenInNotepad(Handle(), ProgramFile(L"zh_help.txt"), programDir_);
}

void Tzh_tarnF::buCloseClick(TComponent*) { Close(); }

// The log memo with its Close in place of the tree, as a run leaves them.
void Tzh_tarnF::ShowLogInPlaceOfTree() {
  MDL_D->Hide();
  MDL_D->SetAlign(TAlign::alNone);
  Memo1->SetAlign(TAlign::alClient);
  Memo1->Show();
  Button1->Show();
}

void Tzh_tarnF::Button1Click(TComponent*) {
  Memo1->Hide();
  Memo1->SetAlign(TAlign::alNone);
  Button1->Hide();
  MDL_f->SetEnabled(true);
  MDL_D->SetEnabled(true);
  MDL_D->Show();
  MDL_D->SetAlign(TAlign::alClient);
}

#include "frontend/zh_tarn.h"
#include "toolkit/interaction.h"

namespace {

// Starts a program through the shell, with the main window as owner, and
// does not wait for it.
void OpenWithProgram(HWND owner, const std::wstring& program, const std::wstring& parameters,
                     const std::wstring& directory, int show) {
  Interaction().ShellOpen(owner, L"", program, parameters, directory, show);
}

}  // namespace

void Tzh_tarnF::buInsertClick(TComponent*) {}

void Tzh_tarnF::buSaveasClick(TComponent*) {}

void Tzh_tarnF::buLogClick(TComponent*) {
  const std::wstring log = ProgramFile(L"CONVERT.LOG");
  if (GetFileAttributesW(log.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  if (!OVC1->Visible()) {
    OVC1->BringToFront();
    OVC1->SetAlign(TAlign::alClient);
    OVC1->Show();
    OVC1->SetFileName(log);
    OVC1->SetIsOpen(true);
    buLog->SetCaption(L"Close Log-file");
    buClose->SetEnabled(false);
  } else {
    OVC1->Hide();
    OVC1->SetIsOpen(false);
    buLog->SetCaption(L"Show Log-file");
    buClose->SetEnabled(true);
  }
}

void Tzh_tarnF::SpeedButton2Click(TComponent*) {
  OpenWithProgram(Handle(), L"NOTEPAD.EXE", L"tarn.ini", programDir_, SW_SHOW);
}

void Tzh_tarnF::SpeedButton3Click(TComponent*) {
  OpenWithProgram(Handle(), L"NOTEPAD.EXE", L"readme.txt", programDir_, SW_SHOW);
}

void Tzh_tarnF::SpeedButton4Click(TComponent*) {
  OpenWithProgram(Handle(), L"NOTEPAD.EXE", L"zh_help.txt", programDir_, SW_SHOW);
}

void Tzh_tarnF::buCloseClick(TComponent*) { Close(); }

void Tzh_tarnF::Button1Click(TComponent*) {
  Memo1->Hide();
  Memo1->SetAlign(TAlign::alNone);
  Button1->Hide();
  MDL_f->SetEnabled(true);
  MDL_D->SetEnabled(true);
  MDL_D->Show();
  MDL_D->SetAlign(TAlign::alClient);
}

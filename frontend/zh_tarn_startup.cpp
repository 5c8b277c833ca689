#include <algorithm>

#include "dialogs/Unit3.h"
#include "frontend/settings.h"
#include "frontend/file_names.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/exception.h"

namespace {

constexpr TColor kWindowColor = 14215660;
constexpr TColor kFaceColor = 13423306;
constexpr int kDefaultTimeout = 300000;
constexpr int kMinute = 60000;
// The longest time-out in minutes whose milliseconds fit 32 bits.
constexpr int kMaxTimeoutMinutes = 35791;
constexpr int kDefaultDosTimeout = 5;
constexpr int kDefaultSize = 9;
constexpr int kDefaultPower = 200;

// What a run of the converter leaves in the program directory, apart from
// its log.
constexpr const wchar_t* kWorkFiles[] = {L"CONVERT.MD",  L"CONVERT.MDL", L"CONVERT.MD8",
                                         L"CONVERT.MD2", L"CONVERT.MDT", L"CONVERT.MDR",
                                         L"CONVERT.MDS", L"CONVERT.MDZ"};

constexpr const wchar_t* kConverterFiles[] = {L"tarn.exe", L"tarn.ini", L"rtm.exe",
                                              L"dictguid.txt"};

std::wstring CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return directory;
}

}  // namespace

std::wstring Tzh_tarnF::ProgramFile(const std::wstring& name) const {
  return programDir_ + L"\\" + name;
}

void Tzh_tarnF::FormCreate(TComponent*) {
  timeout_ = kDefaultTimeout;
  for (TControl* control : std::initializer_list<TControl*>{Panel1, DsGroup1, DsGroup2, DsGroup3,
                                                            Panel2}) {
    control->SetColor(kWindowColor);
  }
  for (TDsGroup* group : {DsGroup1, DsGroup2, DsGroup3, DsGroup4}) group->SetFaceColor(kFaceColor);
  for (TControl* control : std::initializer_list<TControl*>{cbHideLog, Label1, opK, opF, opD}) {
    control->SetColor(kFaceColor);
  }
  Memo1->Hide();
  Memo1->SetAlign(TAlign::alNone);
  Button1->Hide();
  MDL_D->Show();
  MDL_D->SetAlign(TAlign::alClient);
  Label8->SetCaption(L"");
  commandChosen_ = false;
  programDir_ = CurrentDirectory();
  MDL_f->SetMask(L"*.mdl");
  for (TxpButton* button : {buConvert, buInsert, buSaveas}) button->SetEnabled(false);
  buConvert->SetBackgroundColor(kWindowColor);
  buInsert->SetBackgroundColor(kFaceColor);
  buSaveas->SetBackgroundColor(kFaceColor);
  for (const wchar_t* name : kWorkFiles) DeleteFileW(ProgramFile(name).c_str());
  Label1->SetCaption(L"");
  MDL_f->SetFileName(MDL_D->Directory());
  MDL_D->Repaint();
  MDL_f->Repaint();
  MDL_f->Update();
}

void Tzh_tarnF::FormShow(TComponent*) {
  filesMissing_ = false;
  for (const wchar_t* name : kConverterFiles) {
    if (!filesMissing_) CheckFile(name, missingFileName_, filesMissing_);
  }
  if (filesMissing_) CreateForm<TForm3>(this)->ShowModal();
  ReadSetParameters();
  dsPage->SetActivePageIndex(0);
  MDL_DClick(this);
}

void Tzh_tarnF::FormClose(TComponent*, TCloseAction&) {
  if (filesMissing_) return;
  TIniFile(ProgramFile(L"tarn.ini")).WriteString(kFrontEndSection, kLastDirectoryKey,
                                                 MDL_D->Directory());
}

void Tzh_tarnF::CheckFile(const std::wstring& name, std::wstring& missingFileName,
                          bool& filesMissing) {
  if (IsFile(programDir_ + L"\\" + name)) return;
  filesMissing = true;
  missingFileName = name;
}

void Tzh_tarnF::ReadSetParameters() {
  TIniFile ini(ProgramFile(L"tarn.ini"));
  // A directory whose drive is gone is reported, and start-up goes on from
  // where the tree stands.
  Application().Protect(
      [&] { MDL_D->SetDirectory(ini.ReadString(kFrontEndSection, kLastDirectoryKey, L"")); });

  dosLauncher_ = ini.ReadRawString(kFrontEndSection, kDosLauncherKey);
  dosTimeout_ = ini.ReadInteger(kFrontEndSection, kDosTimeoutKey, 0);
  if (dosTimeout_ == 0 || !ini.ValueExists(kFrontEndSection, kDosTimeoutKey)) {
    ini.WriteInteger(kFrontEndSection, kDosTimeoutKey, kDefaultDosTimeout);
    dosTimeout_ = kDefaultDosTimeout;
  }
  dosTimeout_ = std::clamp(dosTimeout_, -kMaxTimeoutMinutes, kMaxTimeoutMinutes);
  timeout_ = dosTimeout_ * kMinute;

  int size = ini.ReadInteger(kModelSection, kSizeRadiusKey, 0);
  if (size == 0) {
    ini.WriteInteger(kModelSection, kSizeRadiusKey, kDefaultSize);
    size = kDefaultSize;
  }
  edSize->SetValue(size);

  edRGB->SetText(ini.ReadString(kMaterialSection, kSpecularRKey, L"0.5").substr(0, 3));

  edPower->SetValue(ini.ReadInteger(kMaterialSection, kPowerKey, 0));
  if (edPower->Value() == 0) {
    ini.WriteInteger(kMaterialSection, kPowerKey, kDefaultPower);
    edPower->SetValue(kDefaultPower);
  }
  edPower->SetMinValue(10);
}

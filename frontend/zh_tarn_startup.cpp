#include <algorithm>
#include <utility>

#include "controls/palette.h"
#include "dialogs/Unit3.h"
#include "frontend/converter/settings.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/exception.h"
#include "toolkit/file_names.h"
#include "toolkit/temp_files.h"

namespace {

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

}  // namespace

std::wstring Tzh_tarnF::ProgramFile(const std::wstring& name) const {
  return programDir_ + L"\\" + name;
}

void Tzh_tarnF::FormCreate(TComponent*) {
  timeout_ = kDefaultTimeout;
  for (TControl* control : std::initializer_list<TControl*>{Panel1, DsGroup1, DsGroup2, DsGroup3,
                                                            Panel2}) {
    control->SetColor(kWindowBackground);
  }
  for (TDsGroup* group : {DsGroup1, DsGroup2, DsGroup3, DsGroup4}) group->SetFaceColor(kGroupFace);
  for (TControl* control : std::initializer_list<TControl*>{cbHideLog, Label1, opK, opF, opD}) {
    control->SetColor(kGroupFace);
  }
  Memo1->Hide();
  Memo1->SetAlign(TAlign::alNone);
  Button1->Hide();
  MDL_D->Show();
  MDL_D->SetAlign(TAlign::alClient);
  Label8->SetCaption(L"");
  MDL_f->SetMask(L"*.mdl");
  for (TxpButton* button : {buConvert, buInsert, buSaveas}) button->SetEnabled(false);
  buConvert->SetBackgroundColor(kWindowBackground);
  buInsert->SetBackgroundColor(kGroupFace);
  buSaveas->SetBackgroundColor(kGroupFace);
  // The work files of an earlier run are the program's own only in a
  // folder that holds the converter. A copy to the working copy that was
  // killed part-way leaves its temporary file there.
  holdsConverter_ = IsFile(ProgramFile(L"tarn.exe"));
  if (holdsConverter_) {
    for (const wchar_t* name : kWorkFiles) DeleteFileW(ProgramFile(name).c_str());
    RemoveLeftoverTempFiles(programDir_);
  }
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
  OpenStartArguments();
}

// The model the program was started with is picked as a drop on the window
// picks it. What the command line held besides is said in the log, shown
// in place of the tree until its Close.
void Tzh_tarnF::OpenStartArguments() {
  const TStartArguments arguments = std::exchange(startArguments_, {});
  if (!arguments.model.empty()) FormDropFiles(this, {arguments.model});
  if (arguments.passedOver.empty()) return;
  for (const std::wstring& line : arguments.passedOver) Log(line);
  ShowLogInPlaceOfTree();
}

// The window stays open while a run goes on: the close box offers to stop
// the run instead.
void Tzh_tarnF::FormClose(TComponent*, TCloseAction& action) {
  if (running_) {
    action = TCloseAction::caNone;
    AskToStop();
    return;
  }
  StoreLastDirectory();
}

// Windows may end the session while no run goes on. A run holds it off (the
// run has told Windows why) and asks whether to stop, unless a question is
// already open over the window; Windows has its answer first, so that it
// does not wait on the user.
void Tzh_tarnF::FormQueryEndSession(TComponent*, bool& canEnd) {
  canEnd = !running_;
  if (canEnd) return;
  ReplyMessage(FALSE);
  if (IsWindowEnabled(Handle())) AskToStop();
}

// The session ends: what a close stores is stored.
void Tzh_tarnF::FormEndSession(TComponent*) { StoreLastDirectory(); }

// The tree's folder, unless files were missing at start. A settings file
// that refuses it is reported, and the window closes all the same.
void Tzh_tarnF::StoreLastDirectory() {
  if (filesMissing_) return;
  Application().Protect([this] {
    if (const auto stored = StorableFolderPath(MDL_D->Directory())) {
      TIniFile(ProgramFile(L"tarn.ini")).WriteString(kFrontEndSection, kLastDirectoryKey, *stored);
    }
  });
}

void Tzh_tarnF::ShowShiningSettings() {
  if (!modelSettings_ || !edRGB) return;
  edRGB->SetText(modelSettings_->specular);
  edPower->SetValue(modelSettings_->power);
  edPower->SetMinValue(10);
}

void Tzh_tarnF::ShowSizeSettings() {
  if (modelSettings_ && edSize) edSize->SetValue(modelSettings_->size);
}

TComboBox& Tzh_tarnF::SpecularRgbField() {
  TabSheet4->MakeContent();
  return *edRGB;
}

TSpinEdit& Tzh_tarnF::SpecularPowerField() {
  TabSheet4->MakeContent();
  return *edPower;
}

TSpinEdit& Tzh_tarnF::SizeField() {
  TabSheet6->MakeContent();
  return *edSize;
}

void Tzh_tarnF::CheckFile(const std::wstring& name, std::wstring& missingFileName,
                          bool& filesMissing) {
  if (IsFile(ProgramFile(name))) return;
  filesMissing = true;
  missingFileName = name;
}

// Every setting is read even when the file refuses a default: the refusal is
// shown once at the end, and the fields hold the user's values, which the
// next run writes back. A folder without the converter gets no settings
// file: the defaults are only shown.
void Tzh_tarnF::ReadSetParameters() {
  TIniFile ini(ProgramFile(L"tarn.ini"));
  // A directory whose drive is gone is reported, and start-up goes on from
  // where the tree stands.
  const std::wstring lastDirectory = ini.ReadString(kFrontEndSection, kLastDirectoryKey, L"");
  Application().Protect([&] { MDL_D->SetDirectory(ExpandedFolderPath(lastDirectory)); });
  std::exception_ptr refused;
  const auto writeDefault = [&](const wchar_t* section, const wchar_t* key, int value) {
    if (!holdsConverter_) return;
    try {
      ini.WriteInteger(section, key, value);
    } catch (const Exception&) {
      if (!refused) refused = std::current_exception();
    }
  };

  launch_.dosLauncher = ini.ReadRawString(kFrontEndSection, kDosLauncherKey);
  dosTimeout_ = ini.ReadInteger(kFrontEndSection, kDosTimeoutKey, 0);
  if (dosTimeout_ == 0 || !ini.ValueExists(kFrontEndSection, kDosTimeoutKey)) {
    writeDefault(kFrontEndSection, kDosTimeoutKey, kDefaultDosTimeout);
    dosTimeout_ = kDefaultDosTimeout;
  }
  dosTimeout_ = std::clamp(dosTimeout_, -kMaxTimeoutMinutes, kMaxTimeoutMinutes);
  timeout_ = dosTimeout_ * kMinute;

  TModelSettings settings;
  settings.size = ini.ReadInteger(kModelSection, kSizeRadiusKey, 0);
  if (settings.size == 0) {
    writeDefault(kModelSection, kSizeRadiusKey, kDefaultSize);
    settings.size = kDefaultSize;
  }
  settings.specular = ini.ReadString(kMaterialSection, kSpecularRKey, L"0.5").substr(0, 3);
  // The power field holds nothing below 0, so a stored power below 0
  // stands, as 0 does, for the default.
  settings.power = ini.ReadInteger(kMaterialSection, kPowerKey, 0);
  if (settings.power <= 0) {
    writeDefault(kMaterialSection, kPowerKey, kDefaultPower);
    settings.power = kDefaultPower;
  }
  modelSettings_ = settings;
  ShowShiningSettings();
  ShowSizeSettings();
  if (refused) Application().HandleException(refused);
}

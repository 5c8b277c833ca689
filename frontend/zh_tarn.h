#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "browsing/directory_tree.h"
#include "browsing/file_list_box.h"
#include "controls/DsGroups.h"
#include "controls/xpButton.h"
#include "dialogs/main_window_view.h"
#include "frontend/converter/command_states.h"
#include "frontend/converter/converter_commands.h"
#include "frontend/converter/conversion_queue.h"
#include "frontend/start_arguments.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/memo.h"
#include "toolkit/page_control.h"
#include "toolkit/panel.h"
#include "toolkit/save_dialog.h"
#include "toolkit/speed_button.h"
#include "toolkit/spin_edit.h"
#include "viewer/text_file_viewer.h"

// The model's settings the parameter pages show: the collision size, the
// specular RGB and the specular power.
struct TModelSettings {
  int size = 0;
  std::wstring specular;
  int power = 0;
};

// Which list holds the file the next conversion starts from.
enum class TSelectionOrigin { soSourceList, soConvertedList };

// The file the next conversion starts from, or the one it converts: the list
// it was picked in, its name and full path, and the folder that list shows.
struct TSelection {
  TSelectionOrigin origin = TSelectionOrigin::soSourceList;
  std::wstring name;
  std::wstring path;
  std::wstring folder;
};

// The main window: the directory tree and the model list on the left, the
// six converter commands with their parameter pages, the source model and
// the converted files, and the buttons that run the converter and handle
// its results. The dialogs see it through its narrow view.
class Tzh_tarnF : public TForm, public TMainWindowView, private TQueueReport {
 public:
  explicit Tzh_tarnF(TComponent* owner);

  // Start-up and settings.
  void FormCreate(TComponent* sender);
  void FormShow(TComponent* sender);
  void FormClose(TComponent* sender, TCloseAction& action);
  void FormQueryEndSession(TComponent* sender, bool& canEnd);
  void FormEndSession(TComponent* sender);
  void CheckFile(const std::wstring& name, std::wstring& missingFileName, bool& filesMissing);
  void ReadSetParameters();
  // What the command line asked for; the show handler opens with it.
  void SetStartArguments(TStartArguments arguments) { startArguments_ = std::move(arguments); }

  // The tree and the two file lists.
  void MDL_DChanging(TComponent* sender);
  void MDL_DClick(TComponent* sender);
  void MDL_fClick(TComponent* sender);
  void memo2Click(TComponent* sender);
  void FormDropFiles(TComponent* sender, const std::vector<std::wstring>& files);
  // Whether the text was a model handed over.
  bool FormCopyText(TComponent* sender, ULONG_PTR tag, const std::wstring& text);

  // The command boxes, their labels and the example buttons. EnableControls
  // applies the command rules to the current source; a pick in a list says
  // which.
  void EnableControls(TSourcePick pick = TSourcePick::spNone);
  void dsFMouseUp(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
  void dsFClick(TComponent* sender);
  void opKClick(TComponent* sender);
  void SpeedButton5Click(TComponent* sender);
  void SpeedButton6Click(TComponent* sender);

  // The conversion run, and the question that stops it.
  void buConvertClick(TComponent* sender);
  void FormKeyDown(TComponent* sender, WORD& key, TShiftState shift);

  // Replace, Save As, the log and the side documents.
  void buInsertClick(TComponent* sender);
  void buSaveasClick(TComponent* sender);
  void buLogClick(TComponent* sender);
  void SpeedButton2Click(TComponent* sender);
  void SpeedButton3Click(TComponent* sender);
  void SpeedButton4Click(TComponent* sender);
  void buCloseClick(TComponent* sender);
  void Button1Click(TComponent* sender);

  // The process's current directory when the window was made, before any
  // control moved it.
  const std::wstring& ProgramDir() const { return programDir_; }
  // Whether a conversion run is in progress: nothing then starts another,
  // changes the selection or closes the window.
  bool Running() const { return running_; }
  // The converter's time-out in milliseconds; positive or negative, a run
  // gives the converter its absolute value to end in.
  int Timeout() const { return timeout_; }
  void SetTimeout(int milliseconds) { timeout_ = milliseconds; }
  void SetCommandLineRunner(TCommandLineRunner runner) { launch_.runner = runner; }
  bool FilesMissing() const { return filesMissing_; }
  // Whether the program directory held tarn.exe when the window was made:
  // nothing is written into, or deleted from, a folder that did not.
  bool HoldsConverter() const { return holdsConverter_; }
  const std::wstring& MissingFileName() const override { return missingFileName_; }
  // The shining and size fields, their pages' controls made first.
  TComboBox& SpecularRgbField() override;
  TSpinEdit& SpecularPowerField() override;
  TSpinEdit& SizeField() override;
  TSelectionOrigin SelectionOrigin() const { return selection_.origin; }
  const std::wstring& SelectedPath() const { return selection_.path; }
  const std::wstring& WorkingCopyName() const { return workingCopyName_; }

  // The window's controls, in the order the window reads. Those of the
  // parameter pages but the first are null until their page is made.
  TPanel* Panel1;
  TPanel* Panel2;
  TLabel* OvcLabel2;
  TLabel* Label2;
  TLabel* OvcLabel1;
  TSpeedButton* SpeedButton4;
  TLabel* Label6;
  TLabel* Label8;
  TPanel* Panel5;
  TRzDirectoryTree* MDL_D;
  TMemo* Memo1;
  TxpButton* Button1;
  TDsGroup* DsGroup3;
  TCheckBox* dsF;
  TCheckBox* dsC;
  TCheckBox* dsT;
  TCheckBox* dsS;
  TCheckBox* dsR;
  TCheckBox* dsZ;
  TLabel* dsFt;
  TLabel* dsCt;
  TLabel* dsTt;
  TLabel* dsSt;
  TLabel* dsRt;
  TLabel* dsZt;
  TCheckBox* cbHideLog;
  TSpeedButton* SpeedButton2;
  TPanel* Panel3;
  TPageControl* dsPage;
  TTabSheet* TabSheet1;
  TTabSheet* TabSheet2;
  TTabSheet* TabSheet3;
  TTabSheet* TabSheet4;
  TTabSheet* TabSheet5;
  TTabSheet* TabSheet6;
  TStaticText* StaticText8;
  TLabel* Label9;
  TStaticText* StaticText7 = nullptr;
  TLabel* Label10 = nullptr;
  TStaticText* StaticText6 = nullptr;
  TMemo* Memo3 = nullptr;
  TStaticText* StaticText2 = nullptr;
  TComboBox* edRGB = nullptr;
  TLabel* Label13 = nullptr;
  TSpinEdit* edPower = nullptr;
  TLabel* Label12 = nullptr;
  TxpButton* speedbutton5 = nullptr;
  TStaticText* StaticText5 = nullptr;
  TLabel* Label11 = nullptr;
  TxpButton* speedbutton1 = nullptr;
  TStaticText* StaticText1 = nullptr;
  TSpinEdit* edSize = nullptr;
  TLabel* Label3 = nullptr;
  TxpButton* xpButton1 = nullptr;
  TPanel* Panel4;
  TDsGroup* DsGroup1;
  TPanel* Panel7;
  TRzFileListBox* MDL_f;
  TImage* Image1;
  TDsGroup* DsGroup4;
  TDsCheck* opK;
  TDsCheck* opF;
  TDsCheck* opD;
  TDsGroup* DsGroup2;
  TPanel* Panel6;
  TListBox* memo2;
  TLabel* Label1;
  TxpButton* buConvert;
  TxpButton* buInsert;
  TxpButton* buSaveas;
  TFileListBox* md_files;
  TOvcTextFileViewer* OVC1;
  TSpeedButton* SpeedButton3;
  TxpButton* buLog;
  TxpButton* buClose;
  TSaveDialog* SaveAsDlg;
  TOvcController* OvcController1;

 private:
  void BuildHeader();
  void BuildBrowsing();
  void BuildCommands();
  void BuildCommandRows();
  void BuildPages();
  void BuildAnimationPage();
  void BuildShiningPage();
  void BuildSizePage();
  // Show the model settings read at start in the fields of the shining
  // page and the size page, once both are there.
  void ShowShiningSettings();
  void ShowSizeSettings();
  void BuildOperators();
  void BuildFileGroups();
  void BuildBottom();
  void BindEvents();
  std::wstring ProgramFile(const std::wstring& name) const;
  void StoreLastDirectory();
  void OpenStartArguments();
  void ShowLogInPlaceOfTree();
  // The entry selected in the converted files list, or empty.
  std::wstring SelectedConverted() const;
  // Where a converted file of that name lies: the folder the converted
  // files list was filled from.
  std::wstring ConvertedPath(const std::wstring& name) const;
  // The six command boxes and their labels, in chain order; the operator
  // boxes k, f and d.
  std::array<TCheckBox*, 6> CommandBoxes() const { return {dsF, dsC, dsT, dsS, dsR, dsZ}; }
  std::array<TLabel*, 6> CommandLabels() const { return {dsFt, dsCt, dsTt, dsSt, dsRt, dsZt}; }
  std::array<TDsCheck*, 3> OperatorBoxes() const { return {opK, opF, opD}; }
  void HideUnderLog();
  void ShowUnderLog();
  void SetLabelsAtRest();
  TCommandSource CurrentSource() const;
  void ListResultsOf(const std::vector<std::wstring>& baseNames);
  void PickModels(const std::vector<std::wstring>& paths);

  // Sets the selection, from the folder and the name picked in a list.
  void Select(TSelectionOrigin origin, const std::wstring& folder, const std::wstring& name);
  // The files one press converts: the models selected, or the converted
  // file.
  std::vector<std::wstring> FilesToConvert() const;
  TRunRequest RunRequest(const std::array<bool, 6>& mayRun);
  // Returns which command boxes were enabled at the press.
  std::array<bool, 6> LockForRun();
  TConsolePlace PlaceConsole() const;
  void FinishRun();
  void ShowEndOnTaskbar(bool inFront);
  void ClearTaskbar();
  void RemoveConverted(const std::wstring& name);
  void AskToStop();
  // What the queue of a press tells the window.
  void LogLine(const std::wstring& line) override { Log(line); }
  void LetMessagesThrough() override;
  void ModelStarted(const std::wstring& path) override;
  void CommandStarted(size_t index) override;
  void CommandEnded(size_t index, bool passed) override;
  void ResultAccepted(size_t index, const std::wstring& convertedName) override;
  void ConvertedRemoved(const std::wstring& convertedName) override {
    RemoveConverted(convertedName);
  }
  bool AcceptEmulator(const std::wstring& question) override;
  void Log(const std::wstring& line);

  std::wstring programDir_;
  int timeout_ = 300000;
  int dosTimeout_ = 0;
  // The DosLauncher template, and what runs the converter's command lines.
  TConverterLaunch launch_;
  bool holdsConverter_ = false;
  bool filesMissing_ = false;
  TStartArguments startArguments_;
  std::wstring missingFileName_;
  // The model settings read at start, for the pages that show them.
  std::optional<TModelSettings> modelSettings_;
  TSelection selection_;
  std::wstring workingCopyName_ = L"CONVERT.MD";
  // The controls the open log viewer hid.
  std::vector<TControl*> underLog_;
  bool runFailed_ = false;
  bool running_ = false;
  // The queue of the press in progress.
  TConversionQueue* queue_ = nullptr;
  // Of the press in progress: how many commands of all have started, and
  // how many there are.
  size_t started_ = 0;
  size_t toRun_ = 0;
  // Whether the question that stops the run is open.
  bool askingToStop_ = false;
};

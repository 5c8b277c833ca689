#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frontend/zh_tarn.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/temp_dir.h"
#include "tests/support/user_actions.h"

// A fresh program directory holding the converter's four files, made the
// process's current directory, in which the main window is built.
class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  // Builds the window; its create handler runs.
  void Build();
  // Builds the window if needed and shows it; its show handler runs. A
  // missing files notice is closed as the user would, and its heading kept
  // in missingNotice.
  void Open();
  // Closes the window as the close box does.
  void CloseWindow();
  // Makes the controls of every parameter page, as showing each would.
  void MakeParameterPages();

  // A left click in the middle of a list entry, as mouse messages, with
  // the keys held that they carry.
  static void ClickItem(TListBox* list, int index, WPARAM keys = 0);
  // A left click in the middle of a control as the mouse gives it: to the
  // window that lies there, skipping those hidden or disabled, and the
  // children of a disabled one.
  void ClickAsTheMouseWould(TControl* control);
  // Moves the tree to the folder and clicks its selection.
  void OpenFolder(const std::wstring& folder);

  std::wstring IniPath() const { return dir / L"tarn.ini"; }
  void WriteIni(const std::string& content) { WriteFileBytes(IniPath(), content); }
  // A value of tarn.ini, or "<absent>".
  std::wstring IniValue(const wchar_t* section, const wchar_t* key) const;

  TempDir dir;
  FakeInteraction desktop;
  std::unique_ptr<Tzh_tarnF> window;
  std::wstring missingNotice;

 private:
  std::wstring previousDirectory_;
};

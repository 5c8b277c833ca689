#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "dialogs/main_window_view.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/temp_dir.h"
#include "tests/support/user_actions.h"
#include "toolkit/form.h"

// A stand-in for the main window as the dialogs see it: its three
// parameter fields with the main window's ranges, and a missing file name.
class TMainFields : public TForm, public TMainWindowView {
 public:
  explicit TMainFields(TComponent* owner);

  TComboBox& SpecularRgbField() override { return *rgb; }
  TSpinEdit& SpecularPowerField() override { return *power; }
  TSpinEdit& SizeField() override { return *size; }
  const std::wstring& MissingFileName() const override { return missingFile; }

  TComboBox* rgb;
  TSpinEdit* power;
  TSpinEdit* size;
  std::wstring missingFile;
};

// The dialogs open over the stand-in, which they take for the main window.
class DialogTest : public testing::Test {
 protected:
  DialogTest();
  ~DialogTest() override;

  // Opens a dialog of class T modally and acts on it as a user would; the
  // dialog is freed when it closes. Returns its modal result (RunModal).
  template <class T>
  int RunDialog(const std::function<void(T&)>& act) {
    return RunModal([this] { CreateForm<T>(main.get())->ShowModal(); },
                    [&act](TForm& form) { act(dynamic_cast<T&>(form)); });
  }

  FakeInteraction desktop;
  std::unique_ptr<TMainFields> main;
};

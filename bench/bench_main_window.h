#pragma once

#include <memory>
#include <string>

#include "frontend/zh_tarn.h"

// The main window made and shown on a program folder, made the current
// directory, and idle; gone with the object.
class TBenchMainWindow {
 public:
  explicit TBenchMainWindow(const std::wstring& programFolder);
  TBenchMainWindow(const TBenchMainWindow&) = delete;
  TBenchMainWindow& operator=(const TBenchMainWindow&) = delete;
  ~TBenchMainWindow();

  Tzh_tarnF& operator*() const { return *form_; }
  Tzh_tarnF* operator->() const { return form_.get(); }

 private:
  // The folder current before the window moved it, put back when it goes,
  // so that the benchmark can remove the program folder.
  std::wstring previousFolder_;
  std::unique_ptr<Tzh_tarnF> form_;
};

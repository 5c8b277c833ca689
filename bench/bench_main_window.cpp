#include "bench/bench_main_window.h"

#include "bench/bench_window.h"
#include "toolkit/file_names.h"

TBenchMainWindow::TBenchMainWindow(const std::wstring& programFolder)
    : previousFolder_(CurrentDirectory()) {
  SetCurrentDirectoryW(programFolder.c_str());
  form_ = CreateForm<Tzh_tarnF>(nullptr);
  zh_tarnF = form_.get();
  form_->Show();
  PumpUntilIdle();
}

TBenchMainWindow::~TBenchMainWindow() {
  form_.reset();
  zh_tarnF = nullptr;
  SetCurrentDirectoryW(previousFolder_.c_str());
}

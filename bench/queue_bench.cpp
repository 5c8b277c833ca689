// Times, in the real main window with the stand-in converter, one press of
// Start conversion on 50 small models selected together, against 50 presses
// on one model each, made in a loop: the same commands on the same models.
// Only the presses are timed; picking the model of each single press is not.
#include <windows.h>

#include <string>

#include "bench/bench_files.h"
#include "bench/bench_main_window.h"
#include "bench/bench_runs.h"
#include "bench/bench_window.h"
#include "frontend/zh_tarn.h"
#include "toolkit/exception.h"

namespace {

constexpr int kModels = 50;

void Expect(bool holds, const wchar_t* what) {
  if (!holds) throw Exception(std::wstring(L"The conversion did not pass: ") + what);
}

// The main window on the program folder, its model list on the models,
// with the size command ticked.
class Window {
 public:
  Window(const std::wstring& program, const std::wstring& models) : form_(program) {
    form_->MDL_D->SetDirectory(models);
    form_->MDL_DClick(&*form_);
    Pick(0);
    form_->dsZ->SetChecked(true);
    PumpUntilIdle();
  }

  // Selects the models from first to last, as a Shift+click does.
  void Pick(int first, int last = -1) const {
    form_->MDL_f->SetItemIndex(first);
    for (int i = first + 1; i <= last; ++i) form_->MDL_f->SetSelected(i);
    form_->MDL_fClick(&*form_);
  }
  // Presses Start conversion; the seconds until the run has ended.
  double Press() const {
    const double seconds = Seconds([&] { form_->buConvertClick(form_->buConvert); });
    if (form_->Label8->Caption() != L"Conversion passed") throw Exception(Failure());
    return seconds;
  }
  // The log's first line of a failure, or its last line.
  std::wstring Failure() const {
    const std::vector<std::wstring> log = form_->Memo1->Lines();
    for (const std::wstring& line : log) {
      if (line.find(L"failed") != std::wstring::npos || line.find(L"TARN") == 0) return line;
    }
    return log.empty() ? L"" : log.back();
  }
  size_t Converted() const { return static_cast<size_t>(form_->memo2->Count()); }

 private:
  TBenchMainWindow form_;
};

int Run() {
  const TempFolder root(L"zh_queue_bench_");
  const std::wstring models = root / L"models";
  CreateDirectoryW(models.c_str(), nullptr);
  for (int i = 0; i < kModels; ++i) {
    WriteBytes(models + L"\\plane" + std::to_wstring(100 + i) + L".mdl", std::string(4096, 'm'));
  }
  const std::wstring program = root / L"program";
  MakeProgramFolder(program, models);
  CopyStandIn(program);
  const Window window(program, models);

  const Timings timings = Interleave(
      [&] {
        window.Pick(0, kModels - 1);
        const double seconds = window.Press();
        Expect(window.Converted() == kModels, L"not every model was converted");
        return seconds;
      },
      [&] {
        double seconds = 0;
        for (int i = 0; i < kModels; ++i) {
          window.Pick(i);
          seconds += window.Press();
        }
        return seconds;
      },
      {7, 120});
  Report("50 models queued (z)", timings, 1.1);
  return 0;
}

}  // namespace

int wmain() { return BenchMain("queue benchmark", Run); }

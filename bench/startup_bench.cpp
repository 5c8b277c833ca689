// Times the start-up of the program until its main window is idle, against
// a bare window with the same kinds of controls (bare_window.exe, made from
// the shape of the real main window: the same classes, styles, places and
// texts, with no handlers, fonts or painting of their own): as whole
// programs started and waited for until idle, and within one process from
// the window's construction until it is shown and idle. A third row starts
// a bare window whose tree and tab control also hold the items the real
// ones show at start: what is left is the program's own work (reading the
// drives, folders and settings, painting its own controls) rather than the
// work of the common controls on what they hold.
// The rows name the dots per inch of the user's settings (LogPixels), which
// scripts/bench sets before it starts the benchmark.
//   startup_bench.exe [PROGRAM]   PROGRAM: zh_tarn.exe one folder up
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/bench_files.h"
#include "bench/bench_runs.h"
#include "bench/bench_window.h"
#include "bench/program_process.h"
#include "bench/window_shape.h"
#include "frontend/zh_tarn.h"

namespace {

std::unique_ptr<Tzh_tarnF> StartMainWindow() {
  auto form = CreateForm<Tzh_tarnF>(nullptr);
  zh_tarnF = form.get();
  form->Show();
  PumpUntilIdle();
  return form;
}

void CloseMainWindow(std::unique_ptr<Tzh_tarnF>& form) {
  form.reset();
  zh_tarnF = nullptr;
  PumpUntilIdle();
}

// Starts the program in the folder, times it until it waits idle for input
// with its window shown, then closes it.
double StartToIdle(const std::wstring& commandLine, const std::wstring& folder) {
  std::unique_ptr<ProgramProcess> program;
  const double seconds = Seconds([&] {
    program = std::make_unique<ProgramProcess>(commandLine, folder);
    program->WaitForInputIdle();
  });
  return seconds;
}

// The screen's dots per inch that programs started now take from the
// user's settings; 96 when none is set.
DWORD ScreenDpi() {
  DWORD dpi = 96;
  DWORD size = sizeof(dpi);
  RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD,
               nullptr, &dpi, &size);
  return dpi;
}

std::wstring Quoted(const std::wstring& path) { return L'"' + path + L'"'; }

int Run(const std::wstring& program) {
  const TempFolder folder(L"zh_startup_bench_");
  const std::wstring programFolder = folder / L"program";
  const std::wstring shapeFile = folder / L"shape.txt";
  const std::wstring filledShapeFile = folder / L"filled_shape.txt";
  MakeProgramFolder(programFolder, L"");
  SetCurrentDirectoryW(programFolder.c_str());

  auto first = StartMainWindow();
  const WindowShape filled = TakeShape(first->Handle());
  const WindowShape shape = WithoutItems(filled);
  SaveShape(filled, filledShapeFile);
  CloseMainWindow(first);
  SaveShape(shape, shapeFile);

  const std::wstring bareWindow = Quoted(OwnFolder() + L"\\bare_window.exe") + L' ';
  const auto startUp = [&](const std::wstring& floorShape) {
    return Interleave([&] { return StartToIdle(Quoted(program), programFolder); },
                      [&] { return StartToIdle(bareWindow + floorShape, programFolder); },
                      {41, 60});
  };
  char measure[64];
  std::snprintf(measure, sizeof(measure), "start-up to an idle window, %lu dpi", ScreenDpi());
  Report(measure, startUp(shapeFile), 1.2);
  Report("  against a bare window holding the same items", startUp(filledShapeFile), 0);

  const Timings built = Interleave(
      [] {
        std::unique_ptr<Tzh_tarnF> form;
        const double seconds = Seconds([&] { form = StartMainWindow(); });
        CloseMainWindow(form);
        return seconds;
      },
      [&] {
        HWND window = nullptr;
        const double seconds = Seconds([&] {
          window = BuildBare(shape);
          ShowWindow(window, SW_SHOW);
          PumpUntilIdle();
        });
        DestroyWindow(window);
        PumpUntilIdle();
        return seconds;
      },
      {15, 45});
  std::snprintf(measure, sizeof(measure), "main window in process (%zu windows)", shape.size());
  Report(measure, built, 0);
  SetCurrentDirectoryW(OwnFolder().c_str());
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring program = argc > 1 ? argv[1] : BuiltFile(L"zh_tarn.exe");
  return BenchMain("start-up benchmark", [&] { return Run(program); });
}

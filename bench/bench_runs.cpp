#include "bench/bench_runs.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "toolkit/exception.h"

namespace {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return static_cast<double>(value.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / frequency;
}

void PrintTarget(double ratio, double target) {
  if (target <= 0) {
    std::printf("  (no target)");
  } else {
    std::printf("  %s <= %.2f", ratio <= target ? "meets" : "MISSES", target);
  }
}

}  // namespace

double Seconds(const std::function<void()>& work) {
  const double start = Now();
  work();
  return Now() - start;
}

Timings Interleave(const std::function<double()>& program, const std::function<double()>& floor,
                   RunLimits limits) {
  Timings timings;
  const double start = Now();
  do {
    timings.program.push_back(program());
    timings.floor.push_back(floor());
  } while (static_cast<int>(timings.program.size()) < limits.maxRuns &&
           Now() - start < limits.budgetSeconds);
  return timings;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double PairedRatio(const Timings& timings) {
  std::vector<double> ratios;
  for (size_t i = 0; i < timings.program.size() && i < timings.floor.size(); ++i) {
    if (timings.floor[i] > 0) ratios.push_back(timings.program[i] / timings.floor[i]);
  }
  return Median(ratios);
}

void Report(const char* measure, const Timings& timings, double target) {
  const double program = Median(timings.program);
  const double floor = Median(timings.floor);
  const double ratio = floor > 0 ? program / floor : 0;
  const double paired = PairedRatio(timings);
  std::printf("%-44s %11.1f ms %10.1f ms %8.2f %8.2f", measure, program * 1000, floor * 1000,
              ratio, paired);
  PrintTarget(paired, target);
  std::printf("  (%zu runs)\n", timings.program.size());
  std::fflush(stdout);
}

void ReportValue(const char* measure, double ratio, double target, size_t runs) {
  std::printf("%-44s %14s %13s %8s %8.2f", measure, "", "", "", ratio);
  PrintTarget(ratio, target);
  std::printf("  (%zu runs)\n", runs);
  std::fflush(stdout);
}

int BenchMain(const char* name, const std::function<int()>& run) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    return run();
  } catch (const Exception& error) {
    std::printf("%s: %ls\n", name, error.Message().c_str());
    return 1;
  }
}

#pragma once

#include <functional>
#include <vector>

// Interleaved timing of a measure: the program's side and its floor run in
// turn (program, floor, program, floor ...), so that a busy moment of the
// machine weighs on both alike; each side is judged by its median.

// Up to maxRuns pairs; no new pair starts once budgetSeconds have passed,
// but at least one pair always runs.
struct RunLimits {
  int maxRuns = 9;
  double budgetSeconds = 45;
};

// The seconds each run of a side measured, in run order.
struct Timings {
  std::vector<double> program;
  std::vector<double> floor;
};

// Each side runs its own set-up, then times only the work it stands for and
// returns those seconds.
Timings Interleave(const std::function<double()>& program, const std::function<double()>& floor,
                   RunLimits limits = {});

// The seconds work took.
double Seconds(const std::function<void()>& work);

double Median(std::vector<double> values);

// The median of each pair's ratio, program over floor: a slow moment
// weighs on one pair only, where it may move the two medians apart.
double PairedRatio(const Timings& timings);

// One line of the suite's table: both medians, their ratio, the paired
// ratio, and the target (0 when the measure has none), which the paired
// ratio is judged by.
void Report(const char* measure, const Timings& timings, double target);
// A line for a ratio that is not one of times, such as memory held.
void ReportValue(const char* measure, double ratio, double target, size_t runs);

// The body of a benchmark program's entry: readies the common controls,
// runs the benchmark and returns its exit code; an error it raises is
// printed after the benchmark's name and ends it with 1.
int BenchMain(const char* name, const std::function<int()>& run);

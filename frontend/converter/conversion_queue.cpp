#include "frontend/converter/conversion_queue.h"

#include <algorithm>
#include <utility>

#include "toolkit/error_boundary.h"
#include "toolkit/file_names.h"
#include "toolkit/set_while.h"

namespace {

std::wstring SummaryLine(const TQueueEntry& entry) {
  const std::wstring name = FileNameOf(entry.path);
  switch (entry.state) {
    case TQueueEntry::TState::qsPassed: return name + L": passed";
    case TQueueEntry::TState::qsFailed: return name + L": failed, " + entry.reason;
    case TQueueEntry::TState::qsStopped: return name + L": stopped by the user";
    case TQueueEntry::TState::qsNotStarted: break;
  }
  return name + L": not started";
}

}  // namespace

TConversionQueue::TConversionQueue(std::vector<std::wstring> paths, TConverterLaunch& launch,
                                   TQueueReport& report)
    : launch_(launch), report_(report) {
  for (std::wstring& path : paths)
    entries_.push_back({std::move(path), TQueueEntry::TState::qsNotStarted, L""});
}

// A yes to the stop question that came after the last command was judged
// stopped nothing, and the log says so.
bool TConversionQueue::Run(TRunRequest request) {
  if (running_ || std::exchange(ran_, true)) return false;
  const TSetWhile running(running_, true);
  request_ = std::move(request);
  for (TQueueEntry& entry : entries_) {
    if (entries_.size() > 1) {
      const size_t number = static_cast<size_t>(&entry - entries_.data()) + 1;
      report_.LogLine(L"Model " + std::to_wstring(number) + L" of " +
                      std::to_wstring(entries_.size()) + L": " + FileNameOf(entry.path));
    }
    RunEntry(entry);
    if (stop_) break;
  }
  const auto in = [this](TQueueEntry::TState state) {
    return std::any_of(entries_.begin(), entries_.end(),
                       [state](const TQueueEntry& entry) { return entry.state == state; });
  };
  if (stop_ && !in(TQueueEntry::TState::qsStopped) && !in(TQueueEntry::TState::qsNotStarted))
    report_.LogLine(L"the conversion had already ended");
  if (entries_.size() > 1) LogSummary();
  return !entries_.empty() &&
         std::all_of(entries_.begin(), entries_.end(), [](const TQueueEntry& entry) {
           return entry.state == TQueueEntry::TState::qsPassed;
         });
}

// Of several files, an error that stops one run is that file's failure.
void TConversionQueue::RunEntry(TQueueEntry& entry) {
  request_.selectedPath = entry.path;
  report_.ModelStarted(entry.path);
  entry.state = TQueueEntry::TState::qsFailed;
  try {
    const TRunResult result = TConversionRun(request_, launch_, report_, stop_).Run();
    timedOut_ = result.timedOut;
    entry.reason = result.reason;
    if (result.end == TRunResult::TEnd::rePassed) entry.state = TQueueEntry::TState::qsPassed;
    if (result.end == TRunResult::TEnd::reStopped) entry.state = TQueueEntry::TState::qsStopped;
  } catch (...) {
    if (entries_.size() == 1) throw;
    entry.reason = ExceptionText(std::current_exception());
    report_.LogLine(entry.reason);
    report_.LogLine(L"");
  }
}

void TConversionQueue::LogSummary() {
  report_.LogLine(L"Summary:");
  for (const TQueueEntry& entry : entries_) report_.LogLine(SummaryLine(entry));
}

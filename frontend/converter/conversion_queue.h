#pragma once

#include <string>
#include <vector>

#include "frontend/converter/conversion_run.h"

// What a queue tells beyond what each of its runs tells.
class TQueueReport : public TRunReport {
 public:
  // The run of the file at that path is about to start.
  virtual void ModelStarted(const std::wstring& path) = 0;
};

// How each file of a queue came out.
struct TQueueEntry {
  std::wstring path;
  enum class TState { qsNotStarted, qsPassed, qsFailed, qsStopped };
  TState state = TState::qsNotStarted;
  // Why it failed: the first line the log gives for it.
  std::wstring reason;
};

// The files of one press, converted one after the other through the same
// commands, each as a run of its own. A file that fails is logged with its
// reason and the queue goes on with the next; a stop ends the run at work
// and starts no other. Of several files, the log opens each with its name
// and ends with one line for each. One file is one run, as if no queue
// were there: an error that stops it is raised.
class TConversionQueue {
 public:
  TConversionQueue(std::vector<std::wstring> paths, TConverterLaunch& launch,
                   TQueueReport& report);
  TConversionQueue(const TConversionQueue&) = delete;
  TConversionQueue& operator=(const TConversionQueue&) = delete;

  // Runs the queue once, `request` serving for every file with its own
  // path in place; a call while it runs, from a message it lets through,
  // starts nothing and returns false. True when every file passed, and
  // there was one at least. A stop asked for before the call stops the
  // first file before its first command.
  bool Run(TRunRequest request);
  bool Running() const { return running_; }
  // Ends the converter at work as soon as the wait for it wakes, and the
  // queue with it: the file at work ends as stopped, the rest are not
  // started.
  void RequestStop() { stop_ = true; }
  const std::vector<TQueueEntry>& Entries() const { return entries_; }
  // Whether the last converter of the queue was stopped by its time-out.
  bool TimedOut() const { return timedOut_; }

 private:
  void RunEntry(TQueueEntry& entry);
  void LogSummary();

  std::vector<TQueueEntry> entries_;
  TRunRequest request_;
  TConverterLaunch& launch_;
  TQueueReport& report_;
  bool stop_ = false;
  bool running_ = false;
  bool ran_ = false;
  bool timedOut_ = false;
};

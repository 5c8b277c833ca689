#pragma once

#include <string>
#include <vector>

#include "frontend/converter/converter_commands.h"
#include "frontend/converter/converter_start.h"

// How one command's converter run went, as far as judging it needs. The
// error codes are the system's; 0 where there was none.
struct TConverterOutcome {
  // Why the command's result file left from before could not be removed;
  // the converter was then not started.
  unsigned long staleError = 0;
  // Why no command line could start the converter, in log lines; it was
  // then not started.
  std::vector<std::wstring> refusal;
  // Why the converter could not be started.
  unsigned long startError = 0;
  // What tarn.exe's header told when it could not be started by itself.
  TDosConverter dos = TDosConverter::dcUnjudged;
  // Whether it was stopped for running past its time-out.
  bool timedOut = false;
  unsigned long exitCode = 0;
};

// The log lines that say why a command that was not stopped by the user
// failed, to go before the command's own advice: the earlier result that
// stayed, why no command line could start the converter, the reason it (or
// its launcher, `program`) could not start, the time-out, the exit code, or
// the result it did not write.
std::vector<std::wstring> FailureCauseLines(const TConverterOutcome& outcome,
                                            const ConverterCommand& command,
                                            const std::wstring& program, bool launcherSet);

#include "frontend/converter/converter_outcome.h"

#include "frontend/converter/converter_start.h"
#include "toolkit/exception.h"

std::vector<std::wstring> FailureCauseLines(const TConverterOutcome& outcome,
                                            const ConverterCommand& command,
                                            const std::wstring& program, bool launcherSet) {
  const std::wstring result = ResultFileName(command);
  if (outcome.staleError)
    return {L"TARN was not started: the earlier " + result + L" cannot be removed. " +
            ErrorText(outcome.staleError)};
  if (!outcome.refusal.empty()) return outcome.refusal;
  if (outcome.startError) return StartFailureLines(program, outcome.startError, launcherSet, outcome.dos);
  if (outcome.timedOut) return {L"TARN was stopped: it ran past its time-out"};
  if (outcome.exitCode) return {L"TARN ended with exit code " + std::to_wstring(outcome.exitCode)};
  return {L"TARN ended without writing " + result};
}

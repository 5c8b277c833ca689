#include "frontend/converter_start.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <utility>

#include "toolkit/exception.h"
#include "toolkit/file_names.h"

namespace {

constexpr std::wstring_view kProgramMark = L"{program}";
constexpr std::wstring_view kDirMark = L"{dir}";
constexpr std::wstring_view kArgsMark = L"{args}";
constexpr std::wstring_view kDefaultTail = L" \"{program}\" {args}";
constexpr std::wstring_view kInsert = L"%1";

using Placeholders = std::array<std::pair<std::wstring_view, std::wstring>, 3>;

// Puts the values in place of their placeholders in one pass, so that a
// value is never read again for placeholders of its own.
std::wstring Expand(std::wstring_view text, const Placeholders& values) {
  std::wstring expanded;
  while (!text.empty()) {
    const auto found = std::find_if(values.begin(), values.end(), [&](const auto& value) {
      return text.starts_with(value.first);
    });
    if (found == values.end()) {
      expanded += text.front();
      text.remove_prefix(1);
    } else {
      expanded += found->second;
      text.remove_prefix(found->first.size());
    }
  }
  return expanded;
}

// The length of a command line's first word: a quoted one up to its closing
// quote, any other up to the first blank.
size_t FirstWordLength(std::wstring_view line) {
  if (line.starts_with(L'"')) return std::min(line.find(L'"', 1), line.size() - 1) + 1;
  return std::min(line.find_first_of(L" \t"), line.size());
}

bool IsAbsolute(std::wstring_view path) {
  return path.starts_with(L'\\') || path.starts_with(L'/') || (path.size() > 1 && path[1] == L':');
}

}  // namespace

std::wstring StartedProgram(std::wstring_view commandLine) {
  std::wstring_view word = commandLine.substr(0, FirstWordLength(commandLine));
  if (word.starts_with(L'"')) word.remove_prefix(1);
  if (word.ends_with(L'"')) word.remove_suffix(1);
  return std::wstring(word);
}

std::wstring ConverterStartLine(std::wstring_view launcher, const std::wstring& programDir,
                                const ConverterCommand& command, bool withOperator) {
  if (launcher.empty()) return ConverterCommandLine(programDir, command, withOperator);
  std::wstring dir = programDir;
  while (dir.ends_with(L'\\')) dir.pop_back();
  std::wstring pattern(launcher);
  if (pattern.find(kProgramMark) == std::wstring::npos &&
      pattern.find(kArgsMark) == std::wstring::npos)
    pattern += kDefaultTail;
  const std::wstring line =
      Expand(pattern, {{{kProgramMark, dir + L"\\tarn.exe"},
                        {kDirMark, dir},
                        {kArgsMark, ConverterParameters(command, withOperator)}}});
  const std::wstring program = StartedProgram(line);
  if (IsAbsolute(program)) return line;
  return L'"' + dir + L'\\' + program + L'"' + line.substr(FirstWordLength(line));
}

std::vector<std::wstring> StartFailureLines(const std::wstring& program, unsigned long error,
                                            bool launcherSet) {
  // Some of the system's texts name the program as "%1".
  std::wstring reason = ErrorText(error);
  const std::wstring name = FileNameOf(program);
  for (size_t at = reason.find(kInsert); at != std::wstring::npos;
       at = reason.find(kInsert, at + name.size()))
    reason.replace(at, kInsert.size(), name);
  std::vector<std::wstring> lines = {L"Cannot start " + program + L": " + reason};
  if (error == ERROR_BAD_EXE_FORMAT) {
    lines.push_back(launcherSet ? L"Check DosLauncher in tarn.ini (see Help)."
                                : L"TARN is a DOS program: set DosLauncher in tarn.ini to run it "
                                  L"through a DOS emulator (see Help).");
  }
  return lines;
}

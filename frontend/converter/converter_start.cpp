#include "frontend/converter/converter_start.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <utility>

#include "frontend/converter/dos_emulators.h"
#include "toolkit/exception.h"
#include "toolkit/file_names.h"

namespace {

constexpr std::wstring_view kProgramMark = L"{program}";
constexpr std::wstring_view kDirMark = L"{dir}";
constexpr std::wstring_view kArgsMark = L"{args}";
constexpr std::wstring_view kDefaultTail = L" \"{program}\" {args}";
constexpr std::wstring_view kInsert = L"%1";
// The longest folder path DOS keeps.
constexpr size_t kDosFolderLength = 64;

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

std::wstring InFolder(std::wstring_view path, const std::wstring& dir) {
  return IsAbsolute(path) ? std::wstring(path) : dir + L'\\' + std::wstring(path);
}

// The text with its environment variables (%NAME%) expanded as Windows
// expands them; a name that is not set stays as written.
std::wstring WithVariablesExpanded(std::wstring_view text) {
  const std::wstring source(text);
  const DWORD size = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
  if (size == 0) return source;
  std::wstring expanded(size, L'\0');
  const DWORD length = ExpandEnvironmentStringsW(source.c_str(), expanded.data(), size);
  if (length == 0 || length > size) return source;
  expanded.resize(length - 1);
  return expanded;
}

std::wstring LauncherPattern(std::wstring_view launcher) {
  std::wstring pattern = WithVariablesExpanded(launcher);
  if (pattern.find(kProgramMark) == std::wstring::npos &&
      pattern.find(kArgsMark) == std::wstring::npos)
    pattern += kDefaultTail;
  return pattern;
}

bool IsDosCharacter(wchar_t c) { return c >= L' ' && c <= L'~'; }

bool DosReaches(std::wstring_view folder) {
  return folder.size() <= kDosFolderLength &&
         std::all_of(folder.begin(), folder.end(), IsDosCharacter);
}

// The program directory as DOS can reach it: as it is, or by its short form;
// empty when by neither.
std::wstring DosFolder(const std::wstring& dir, TShortPathLookup shortPath) {
  if (DosReaches(dir)) return dir;
  const std::wstring shortDir = shortPath(dir);
  return !shortDir.empty() && DosReaches(shortDir) ? shortDir : std::wstring();
}

// Names the first folder on the path whose name DOS cannot read, or, when
// every name is readable, the program directory that is too deep.
std::vector<std::wstring> UnreachableFolderLines(const std::wstring& dir) {
  const size_t foreign = std::find_if_not(dir.begin(), dir.end(), IsDosCharacter) - dir.begin();
  if (foreign == dir.size())
    return {L"Cannot start TARN through DOS: the path of the program folder " + dir +
                L" is longer than the 64 characters DOS allows, and the drive gives it no "
                L"short (8.3) path that fits",
            L"Move the program folder to a shorter path, such as C:\\TARN."};
  const std::wstring folder = dir.substr(0, dir.find(L'\\', foreign));
  return {L"Cannot start TARN through DOS: the name of the folder " + folder +
              L" holds letters DOS cannot read, and the drive gives it no short (8.3) name",
          L"Rename that folder with plain letters and digits, or move the program folder "
          L"to a path of such names."};
}

bool NamesProgram(const std::wstring& path, const std::wstring& dir) {
  const std::wstring extension = ExtensionOf(FileNameOf(path));
  return _wcsicmp(extension.c_str(), L".exe") == 0 || _wcsicmp(extension.c_str(), L".com") == 0 ||
         IsFile(InFolder(path, dir));
}

// A program path with blanks and without quotes at the start of the line:
// its first word names no program, while the line up to a later blank does.
// Empty when the line starts otherwise.
std::wstring UnquotedProgram(std::wstring_view line, const std::wstring& dir) {
  if (line.starts_with(L'"')) return {};
  size_t end = FirstWordLength(line);
  const std::wstring first(line.substr(0, end));
  if (NamesProgram(first, dir) || IsFile(InFolder(first + L".exe", dir))) return {};
  while (end < line.size()) {
    end = std::min(line.find_first_of(L" \t", end + 1), line.size());
    std::wstring words(line.substr(0, end));
    if (NamesProgram(words, dir)) return words;
  }
  return {};
}

}  // namespace

std::wstring StartedProgram(std::wstring_view commandLine) {
  std::wstring_view word = commandLine.substr(0, FirstWordLength(commandLine));
  if (word.starts_with(L'"')) word.remove_prefix(1);
  if (word.ends_with(L'"')) word.remove_suffix(1);
  return std::wstring(word);
}

TStartLine ConverterStartLine(std::wstring_view launcher, const std::wstring& programDir,
                              const ConverterCommand& command, bool withOperator,
                              TShortPathLookup shortPath) {
  if (launcher.empty()) return {ConverterCommandLine(programDir, command, withOperator), {}};
  std::wstring dir = programDir;
  while (dir.ends_with(L'\\')) dir.pop_back();
  const std::wstring pattern = LauncherPattern(launcher);
  std::wstring dosDir = dir;
  if (pattern.find(kProgramMark) != std::wstring::npos ||
      pattern.find(kDirMark) != std::wstring::npos) {
    dosDir = DosFolder(dir, shortPath);
    if (dosDir.empty()) return {{}, UnreachableFolderLines(dir)};
  }
  const std::wstring line =
      Expand(pattern, {{{kProgramMark, dosDir + L"\\tarn.exe"},
                        {kDirMark, dosDir},
                        {kArgsMark, ConverterParameters(command, withOperator)}}});
  if (const std::wstring unquoted = UnquotedProgram(line, dir); !unquoted.empty())
    return {{},
            {L"Cannot start " + unquoted + L": the path holds blanks but has no quotes",
             L"Put the program's path in quotes in DosLauncher in tarn.ini (see Help)."}};
  const std::wstring program = StartedProgram(line);
  if (IsAbsolute(program)) return {line, {}};
  return {L'"' + dir + L'\\' + program + L'"' + line.substr(FirstWordLength(line)), {}};
}

std::vector<std::wstring> StartFailureLines(const std::wstring& program, unsigned long error,
                                            bool launcherSet, TDosConverter dos) {
  // Some of the system's texts name the program as "%1".
  std::wstring reason = ErrorText(error);
  const std::wstring name = FileNameOf(program);
  for (size_t at = reason.find(kInsert); at != std::wstring::npos;
       at = reason.find(kInsert, at + name.size()))
    reason.replace(at, kInsert.size(), name);
  std::vector<std::wstring> lines = {L"Cannot start " + program + L": " + reason};
  if (dos == TDosConverter::dcDosWithoutEmulator) {
    lines.push_back(L"TARN is a DOS program that this Windows cannot start.");
    for (std::wstring& line : NoDosEmulatorLines()) lines.push_back(std::move(line));
  } else if (launcherSet && error == ERROR_BAD_EXE_FORMAT) {
    lines.push_back(L"Check DosLauncher in tarn.ini (see Help).");
  } else if (dos == TDosConverter::dcDos || error == ERROR_BAD_EXE_FORMAT) {
    lines.push_back(
        L"TARN is a DOS program: set DosLauncher in tarn.ini to run it through a DOS "
        L"emulator (see Help).");
  }
  return lines;
}

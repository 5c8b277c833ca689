#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frontend/converter/converter_commands.h"
#include "toolkit/file_names.h"

// The command line that starts the converter for one command or, where no
// line could work, the log lines that say why and what to change; the
// converter is then not started.
struct TStartLine {
  std::wstring commandLine;
  std::vector<std::wstring> refusal;
};

// A path's short (8.3) form; empty when there is none.
using TShortPathLookup = std::wstring (*)(const std::wstring&);

// Without a launcher the line is "<programDir>\TARN" /f CONVERT.MD k. A
// launcher is a command-line template that runs the converter through a DOS
// emulator: {program} stands for the full path of tarn.exe, {dir} for the
// program directory (never ending in a backslash) and {args} for the
// command's parameters. A template naming neither {program} nor {args} is
// followed by "{program}" {args}; one naming either is used as written.
// Environment variables (%NAME%) in the template are expanded before the
// placeholders are filled, so a placeholder's value is never expanded. A
// launcher program given by a relative path is taken from the program
// directory.
// DOS reaches no folder whose path holds a character outside printable
// ASCII or is longer than 64 characters: {dir} and {program} then give the
// program directory in its short form, and a directory without a short form
// DOS can reach is refused. So is a launcher program whose path holds blanks
// but no quotes, of which the system would start only the first word.
TStartLine ConverterStartLine(std::wstring_view launcher, const std::wstring& programDir,
                              const ConverterCommand& command, bool withOperator,
                              TShortPathLookup shortPath = ShortPath);

// The program a command line starts: its first word, without quotes.
std::wstring StartedProgram(std::wstring_view commandLine);

// What the header of a converter started without a launcher told.
enum class TDosConverter {
  // Not read, or not a DOS program.
  dcUnjudged,
  // A DOS program.
  dcDos,
  // A DOS program, and no DOS emulator was found to run it.
  dcDosWithoutEmulator,
};

// The log lines that explain why `program` could not be started: the
// system's reason, and for a program that is not a Windows program, or a
// converter that is a DOS program, a hint at the DosLauncher setting or at
// the emulators to install.
std::vector<std::wstring> StartFailureLines(const std::wstring& program, unsigned long error,
                                            bool launcherSet,
                                            TDosConverter dos = TDosConverter::dcUnjudged);

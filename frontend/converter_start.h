#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "frontend/converter_commands.h"

// The command line that starts the converter for one command.
//
// Without a launcher it is "<programDir>\TARN" /f CONVERT.MD k. A launcher
// is a command-line template that runs the converter through a DOS emulator:
// {program} stands for the full path of tarn.exe, {dir} for the program
// directory (never ending in a backslash) and {args} for the command's
// parameters. A template naming neither {program} nor {args} is followed by
// "{program}" {args}; one naming either is used as written. A launcher
// program given by a relative path is taken from the program directory.
std::wstring ConverterStartLine(std::wstring_view launcher, const std::wstring& programDir,
                                const ConverterCommand& command, bool withOperator);

// The program a command line starts: its first word, without quotes.
std::wstring StartedProgram(std::wstring_view commandLine);

// The log lines that explain why `program` could not be started: the
// system's reason, and for a program that is not a Windows program a hint
// at the DosLauncher setting.
std::vector<std::wstring> StartFailureLines(const std::wstring& program, unsigned long error,
                                            bool launcherSet);

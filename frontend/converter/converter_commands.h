#pragma once

#include <span>
#include <string>
#include <string_view>

// The converter's fixed file names in the program directory: its only input
// (the working copy) and its log.
inline constexpr const wchar_t* kWorkingCopyName = L"CONVERT.MD";
inline constexpr const wchar_t* kConverterLogName = L"CONVERT.LOG";

// One command of the converter, with everything the program says and does
// that differs from one command to the next. Texts are shown as they are.
struct ConverterCommand {
  wchar_t letter;
  const wchar_t* switchText;      // "/f ", followed on the command line by the working copy
  const wchar_t* operatorSuffix;  // appended when the command's operator box is ticked; "" if none
  const wchar_t* extension;       // of the result file, without the dot: "MD8"
  const wchar_t* caption;         // the label beside the command's box
  const wchar_t* startLine;       // logged before the converter starts
  std::span<const wchar_t* const> successLines;  // logged when the command succeeds
  std::span<const wchar_t* const> afterListLines;  // logged once the new result is listed
  std::span<const wchar_t* const> failureLines;    // logged when it fails
  const wchar_t* newResultText;   // the caption under the converted files for a fresh result
  const wchar_t* pickedFileText;  // that caption when a converted file of this kind is picked
};

// The six commands in chain order: f, c, t, s, r, z. A command's index is
// also the index of its parameter page.
std::span<const ConverterCommand> ConverterCommands();

// The command's place in the chain, from 0 for f to 5 for z.
size_t CommandIndex(const ConverterCommand& command);

// The command and every command after it in the chain.
std::span<const ConverterCommand> CommandsFrom(const ConverterCommand& command);

// nullptr when no command has that letter (letter case counts).
const ConverterCommand* CommandByLetter(wchar_t letter);

// The command whose result has the extension `extension` ("MD8", ".md8"),
// letter case ignored; nullptr when none has.
const ConverterCommand* CommandByExtension(std::wstring_view extension);

// "CONVERT.MD8": the name of the result file the command writes.
std::wstring ResultFileName(const ConverterCommand& command);

// "/f CONVERT.MD", and with the operator "/f CONVERT.MD k".
std::wstring ConverterParameters(const ConverterCommand& command, bool withOperator);

// The converter program in the program directory: "<programDir>\TARN".
std::wstring ConverterProgram(const std::wstring& programDir);

// The whole command line: "<programDir>\TARN" /f CONVERT.MD k.
std::wstring ConverterCommandLine(const std::wstring& programDir, const ConverterCommand& command,
                                  bool withOperator);

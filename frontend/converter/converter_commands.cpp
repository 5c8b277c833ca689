#include "frontend/converter/converter_commands.h"

#include <windows.h>

#include <array>

namespace {

using Lines = const wchar_t* const[];

constexpr Lines kSucceeded = {L"Conversion sucsessfull"};
constexpr Lines kCfs2Succeeded = {L"Conversion sucsessfull",
                                  L"TARN command /t should be run to fix the model animations!"};
constexpr Lines kAnimationFixed = {L"Conversion sucsessfull", L"CFS2 aircraft model complete!",
                                   L"Save MDT-file to \"Aircraft\"\\model\\MDL-file",
                                   L"Start CFS2 and check the result."};
constexpr Lines kReadHelp = {L"", L"Read Help file for hints on visual appearance", L""};
constexpr Lines kFailed = {L"Conversion failed,  aborted"};
constexpr Lines kFs2002Failed = {L"Conversion failed,  aborted", L"Try converting directly to CFS2"};
constexpr Lines kCfs2Failed = {L"Conversion failed,  aborted",
                               L"Try converting first to FS2002, then to CFS2"};

constexpr std::array<ConverterCommand, 6> kCommands = {{
    {L'f', L"/f ", L" k", L"MD8", L"f/  Convert to FS2002 model",
     L"Start conversion to FS2002 (MD8)", kSucceeded, {}, kFs2002Failed,
     L"FS2002 aircraft model file", L"FS2002 aircraft model file"},
    {L'c', L"/c ", L" CONVERT.MD f", L"MD2", L"c/  Convert to CFS2 model",
     L"Start conversion to CFS2 (MD2)", kCfs2Succeeded, {}, kCfs2Failed,
     L"CFS2 aircraft model file", L"CFS2 aircraft model file"},
    {L't', L"/t ", L"", L"MDT", L"t/  Fix model animation ", L"Start MDL animation fix (MDT)",
     kAnimationFixed, kReadHelp, kFailed, L"CFS2 fixed animation file", L"Fixed animation file"},
    {L's', L"/s ", L"", L"MDS", L"s/  Set visual model shining", L"Start set model shining (MDS)",
     kSucceeded, {}, kFailed, L"CFS2 shining surface file", L"Shining model file"},
    {L'r', L"/r ", L" d", L"MDR", L"r/  Set visual model reflective",
     L"Start set model reflective (MDR)", kSucceeded, {}, kFailed, L"CFS2 reflective surface file",
     L"Reflective model file"},
    {L'z', L"/z ", L"", L"MDZ", L"z/  Set visual model size", L"Start set model size (MDZ)",
     kSucceeded, {}, kFailed, L"Aircraft model size file", L"Model size radius file"},
}};

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::span<const ConverterCommand> ConverterCommands() { return kCommands; }

size_t CommandIndex(const ConverterCommand& command) {
  return static_cast<size_t>(&command - kCommands.data());
}

std::span<const ConverterCommand> CommandsFrom(const ConverterCommand& command) {
  return ConverterCommands().subspan(CommandIndex(command));
}

const ConverterCommand* CommandByLetter(wchar_t letter) {
  for (const ConverterCommand& command : kCommands)
    if (command.letter == letter) return &command;
  return nullptr;
}

const ConverterCommand* CommandByExtension(std::wstring_view extension) {
  if (extension.starts_with(L'.')) extension.remove_prefix(1);
  for (const ConverterCommand& command : kCommands)
    if (SameIgnoringCase(extension, command.extension)) return &command;
  return nullptr;
}

std::wstring ResultFileName(const ConverterCommand& command) {
  const std::wstring_view workingCopy = kWorkingCopyName;
  return std::wstring(workingCopy.substr(0, workingCopy.find(L'.') + 1)) + command.extension;
}

std::wstring ConverterParameters(const ConverterCommand& command, bool withOperator) {
  std::wstring parameters = std::wstring(command.switchText) + kWorkingCopyName;
  if (withOperator) parameters += command.operatorSuffix;
  return parameters;
}

std::wstring ConverterProgram(const std::wstring& programDir) { return programDir + L"\\TARN"; }

std::wstring ConverterCommandLine(const std::wstring& programDir, const ConverterCommand& command,
                                  bool withOperator) {
  return L'"' + ConverterProgram(programDir) + L"\" " + ConverterParameters(command, withOperator);
}

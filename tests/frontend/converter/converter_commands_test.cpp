#include "frontend/converter/converter_commands.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace {

TEST(ConverterCommandsTest, TheTableRunsInChainOrder) {
  std::wstring letters, results, kinds;
  for (const ConverterCommand& command : ConverterCommands()) {
    letters += command.letter;
    results += ResultFileName(command) + L' ';
    kinds += command.pickedFileText + std::wstring(L"|");
  }
  EXPECT_EQ(letters, L"fctsrz");
  EXPECT_EQ(results, L"CONVERT.MD8 CONVERT.MD2 CONVERT.MDT CONVERT.MDS CONVERT.MDR CONVERT.MDZ ");
  EXPECT_EQ(kinds,
            L"FS2002 aircraft model file|CFS2 aircraft model file|Fixed animation file|"
            L"Shining model file|Reflective model file|Model size radius file|");

  std::wstring fromS;
  for (const ConverterCommand& command : CommandsFrom(*CommandByLetter(L's')))
    fromS += command.letter;
  EXPECT_EQ(fromS, L"srz");
  EXPECT_EQ(CommandsFrom(ConverterCommands().front()).size(), 6u);
}

TEST(ConverterCommandsTest, CommandLinesWithAndWithoutOperator) {
  const std::wstring dir = L"C:\\Program Files\\Tarn";
  const struct {
    wchar_t letter;
    const wchar_t* plain;
    const wchar_t* withOperator;
  } expected[] = {
      {L'f', L"/f CONVERT.MD", L"/f CONVERT.MD k"},
      {L'c', L"/c CONVERT.MD", L"/c CONVERT.MD CONVERT.MD f"},
      {L't', L"/t CONVERT.MD", L"/t CONVERT.MD"},
      {L's', L"/s CONVERT.MD", L"/s CONVERT.MD"},
      {L'r', L"/r CONVERT.MD", L"/r CONVERT.MD d"},
      {L'z', L"/z CONVERT.MD", L"/z CONVERT.MD"},
  };
  const std::wstring program = L"\"C:\\Program Files\\Tarn\\TARN\" ";
  for (const auto& line : expected) {
    const ConverterCommand& command = *CommandByLetter(line.letter);
    EXPECT_EQ(ConverterCommandLine(dir, command, false), program + line.plain);
    EXPECT_EQ(ConverterCommandLine(dir, command, true), program + line.withOperator);
  }
  EXPECT_EQ(ConverterProgram(dir), dir + L"\\TARN");
}

TEST(ConverterCommandsTest, LookUpByLetterAndByExtension) {
  for (const ConverterCommand& command : ConverterCommands()) {
    EXPECT_EQ(CommandByLetter(command.letter), &command);
    const std::wstring extension = command.extension;
    std::wstring lower;
    for (const wchar_t c : extension) lower += static_cast<wchar_t>(std::towlower(c));
    for (const std::wstring& given : {extension, L"." + extension, lower, L"." + lower})
      EXPECT_EQ(CommandByExtension(given), &command) << given;
  }
  for (const wchar_t letter : {L'F', L'x', L'\0'}) EXPECT_EQ(CommandByLetter(letter), nullptr);
  for (const wchar_t* extension : {L"", L".", L"MD", L"MDL", L"MD88", L"..MD8", L"MD8 "})
    EXPECT_EQ(CommandByExtension(extension), nullptr) << extension;
}

}  // namespace

#include "frontend/converter/command_states.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

// The nine boxes as one word: the commands f c t s r z, a space, the
// operators k f d. A letter is an enabled box, in capitals when ticked; a
// disabled box is '.' when clear and '*' when ticked.
constexpr char kLetters[] = "fctsrz kfd";

TBoxState& BoxAt(TCommandBoxes& boxes, size_t i) {
  return i < 6 ? boxes.commands[i] : boxes.operators[i - 7];
}

TCommandBoxes Boxes(const std::string& word) {
  TCommandBoxes boxes;
  for (size_t i = 0; i < word.size(); ++i) {
    if (i == 6) continue;
    const char c = word[i];
    EXPECT_TRUE(c == '.' || c == '*' || std::tolower(c) == kLetters[i]) << word;
    BoxAt(boxes, i) = {std::isalpha(c) != 0, c == '*' || std::isupper(c) != 0};
  }
  return boxes;
}

std::string Word(TCommandBoxes boxes) {
  std::string word = kLetters;
  for (size_t i = 0; i < word.size(); ++i) {
    if (i == 6) continue;
    const TBoxState box = BoxAt(boxes, i);
    if (!box.enabled) {
      word[i] = box.checked ? '*' : '.';
    } else if (box.checked) {
      word[i] = static_cast<char>(std::toupper(word[i]));
    }
  }
  return word;
}

TCommandSource Converted(const wchar_t* extension) {
  return {TCommandSource::TKind::skConverted, false, CommandByExtension(extension)};
}

TCommandSource Model(bool exists) { return {TCommandSource::TKind::skModel, exists, nullptr}; }

constexpr TSourcePick kUpdate = TSourcePick::spNone;
constexpr TSourcePick kModelPick = TSourcePick::spModel;
constexpr TSourcePick kConvertedPick = TSourcePick::spConverted;

// Each row: the source, the pick, the boxes before and after the rules,
// whether the source is usable and whether a ticked box is open to it.
TEST(CommandStatesTest, EveryRuleForEverySource) {
  const struct {
    const char* what;
    TCommandSource source;
    TSourcePick pick;
    const char* before;
    const char* after;
    bool usable;
    bool chosen;
  } rows[] = {
      {"MD8 with c", Converted(L"MD8"), kConvertedPick, "FCtSrz kfd", "*CtSrz .f.", true, true},
      {"MD8 without c", Converted(L"MD8"), kConvertedPick, "fc.SRz kfd", ".c.... ...", false, false},
      {"MD8 with c, update", Converted(L"MD8"), kUpdate, "fC.*.. k.d", ".CtSrz kfd", true, true},
      {"MD2", Converted(L"MD2"), kConvertedPick, "FCtsRz kfD", "**tsRz ..D", true, true},
      {"MDT", Converted(L"MDT"), kConvertedPick, "FCTsrz kfd", "***srz ...", true, false},
      {"MDS, update", Converted(L"MDS"), kUpdate, "fcTsRz ..d", "..*.Rz ..d", true, true},
      {"MDR", Converted(L"MDR"), kUpdate, "fctsRZ kfd", "....*Z kf.", true, true},
      {"MDZ", Converted(L"MDZ"), kUpdate, "FCTSRZ kfd", "****** kfd", true, false},
      {"other extension", Converted(L"BAK"), kUpdate, "F.tsRz k.d", "F.tsRz k.d", false, true},
      {"model with f and c", Model(true), kModelPick, "FC.*.. KFD", "FCtSrz k..", true, true},
      {"model with f only", Model(true), kModelPick, "F.tSRz kfd", "Fc.... k..", true, true},
      {"model without f", Model(true), kModelPick, ".*..*. Kfd", "fCtsRz ...", true, true},
      {"model gone", Model(false), kModelPick, "fctsRz kfd", "fctsRz ...", false, true},
      {"model with f, update", Model(true), kUpdate, "*C..*. ..d", "*CtsRz k.d", true, true},
      {"no source", {}, kUpdate, "F.tsRz ..D", "F.tsRz ..D", false, true},
      {"empty model list", {}, kModelPick, "F.tsRz KfD", "FctsRz ...", false, true},
      {"no converted file", {}, kConvertedPick, "F.tsRz kfd", "F.tsRz ...", false, true},
  };
  for (const auto& row : rows) {
    const TCommandState state = CommandStateFor(row.source, row.pick, Boxes(row.before));
    EXPECT_EQ(Word(state.boxes), row.after) << row.what;
    EXPECT_EQ(state.sourceUsable, row.usable) << row.what;
    EXPECT_EQ(state.commandChosen, row.chosen) << row.what;
  }
}

}  // namespace

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/frontend/conversion_fixture.h"
#include "tests/support/process_watch.h"

namespace {

// plane.MDL, plane2.MDL and plane3.MDL in the model folder, picked by a
// click on the first and a Shift+click on the third.
class QueueTest : public ConversionTest {
 protected:
  QueueTest() {
    for (const wchar_t* name : {L"plane2.MDL", L"plane3.MDL"}) WriteFileBytes(Model(name), kModel);
    OpenFolder(models);
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"));
    ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane3.MDL"), MK_SHIFT);
  }

  // The stand-in set as the variable says for the second model only.
  void ForTheSecondModel(const wchar_t* name, const wchar_t* value) {
    AtLine(L"Model 2 of 3", [this, name, value] { set.emplace_back(name, value); });
    AtLine(L"Model 3 of 3", [this] { set.clear(); });
  }
  // The log of one model whose z passed.
  static std::vector<std::wstring> PassedZ(int number, const std::wstring& name) {
    std::vector<std::wstring> log = {L"Model " + std::to_wstring(number) + L" of 3: " + name};
    for (const std::wstring& line : Header(name)) log.push_back(line);
    for (const wchar_t* line : {L"Start set model size (MDZ)", L"Conversion sucsessfull", L""})
      log.push_back(line);
    return log;
  }
  std::vector<std::wstring> Summary() const {
    const std::vector<std::wstring> log = Log();
    return {log.end() - 4, log.end()};
  }

  std::deque<Variable> set;
};

// One press runs the ticked commands on each model in list order, the log
// opening each model with its name and ending with one line for each; every
// model's converted files are listed, and Replace acts on the one selected.
// The taskbar button counts the commands of all three models.
TEST_F(QueueTest, ThreeModelsPickedByShiftClickConvertInOnePress) {
  using Progress = FakeInteraction::TaskbarProgress;
  EXPECT_EQ(window->MDL_f->FileNames(),
            (std::vector<std::wstring>{Model(L"plane.MDL"), Model(L"plane2.MDL"),
                                       Model(L"plane3.MDL")}));
  Tick({window->dsS, window->dsZ});
  desktop.taskbar.clear();
  Start();
  ExpectPassed();
  std::vector<std::wstring> expected;
  const std::pair<int, const wchar_t*> queued[] = {
      {1, L"plane.MDL"}, {2, L"plane2.MDL"}, {3, L"plane3.MDL"}};
  for (const auto& [number, name] : queued) {
    std::vector<std::wstring> model = PassedZ(number, name);
    model.insert(model.begin() + 6,
                 {L"Start set model shining (MDS)", L"Conversion sucsessfull", L""});
    expected.insert(expected.end(), model.begin(), model.end());
  }
  for (const wchar_t* line :
       {L"Summary:", L"plane.MDL: passed", L"plane2.MDL: passed", L"plane3.MDL: passed"})
    expected.push_back(line);
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.MDS", L"plane.MDZ", L"plane2.MDS",
                                                    L"plane2.MDZ", L"plane3.MDS", L"plane3.MDZ"}));
  EXPECT_EQ(SelectedConverted(), L"plane3.MDZ");
  std::vector<Progress> progress = {{window->Handle(), TTaskbarState::tsNone, 0, 0}};
  for (ULONGLONG done = 1; done <= 6; ++done)
    progress.push_back({window->Handle(), TTaskbarState::tsNormal, done, 6});
  progress.push_back(progress.back());
  EXPECT_EQ(desktop.taskbar, progress);

  const std::string size2 = ReadFileBytes(Model(L"plane2.MDZ"));
  EXPECT_EQ(size2.substr(0, kModel.size()), kModel);
  EXPECT_NE(size2.find("/z CONVERT.MD"), std::string::npos);
  ClickItem(window->memo2, window->memo2->IndexOf(L"plane2.MDZ"));
  desktop.boxAnswers = {IDYES};
  Click(window->buInsert);
  EXPECT_EQ(ReadFileBytes(Model(L"plane2.MDL")), size2);
  for (const wchar_t* name : {L"plane.MDL", L"plane3.MDL"})
    EXPECT_EQ(ReadFileBytes(Model(name)), kModel) << name;
}

// The middle model fails: the first and third are converted, the status
// reads failed in red, and the summary says which failed and why.
TEST_F(QueueTest, AFailingMiddleModelLeavesTheOthersConverted) {
  ForTheSecondModel(L"TARN_STANDIN_EXIT_CODE", L"4");
  Tick({window->dsZ});
  Start();
  ExpectFailed();
  EXPECT_TRUE(FileExists(Model(L"plane.MDZ")));
  EXPECT_FALSE(FileExists(Model(L"plane2.MDZ")));
  EXPECT_TRUE(FileExists(Model(L"plane3.MDZ")));
  EXPECT_EQ(Converted(), (std::vector<std::wstring>{L"plane.MDZ", L"plane3.MDZ"}));
  EXPECT_EQ(Summary(), (std::vector<std::wstring>{
                           L"Summary:", L"plane.MDL: passed",
                           L"plane2.MDL: failed, TARN ended with exit code 4",
                           L"plane3.MDL: passed"}));
  const std::vector<std::wstring> third = PassedZ(3, L"plane3.MDL");
  const std::vector<std::wstring> log = Log();
  EXPECT_EQ(std::vector<std::wstring>(log.end() - 4 - third.size(), log.end() - 4), third);
}

// A yes to Escape while the second model's converter works stops it and the
// copy of itself it started; the third is not started, and no model's bytes
// changed.
TEST_F(QueueTest, AStopDuringTheSecondLeavesTheThirdNotStarted) {
  ForTheSecondModel(L"TARN_STANDIN_SLEEP_MS", L"60000");
  ForTheSecondModel(L"TARN_STANDIN_GRANDCHILD_MS", L"60000");
  Tick({window->dsZ});
  desktop.boxAnswers = {IDYES};
  std::vector<DWORD> stopped;
  ASSERT_TRUE(StartAndActWhileConverting({[&] {
                                            stopped = WorkingConverters();
                                            TypeKey(VK_ESCAPE);
                                          }},
                                         2));
  ASSERT_EQ(stopped.size(), 2u);
  for (const DWORD pid : stopped) EXPECT_TRUE(ProcessWatch(pid).EndsWithin(5000)) << pid;
  ExpectFailed();
  EXPECT_EQ(Summary(),
            (std::vector<std::wstring>{L"Summary:", L"plane.MDL: passed",
                                       L"plane2.MDL: stopped by the user",
                                       L"plane3.MDL: not started"}));
  EXPECT_TRUE(FileExists(Model(L"plane.MDZ")));
  EXPECT_FALSE(FileExists(Model(L"plane2.MDZ")));
  EXPECT_FALSE(FileExists(Model(L"plane3.MDZ")));
  for (const wchar_t* name : {L"plane.MDL", L"plane2.MDL", L"plane3.MDL"})
    EXPECT_EQ(ReadFileBytes(Model(name)), kModel) << name;
}

// Shift with Down selects the next model too, Ctrl+click adds one and takes
// one out, Ctrl+A selects them all, and the converted files of all show; a drop of
// models of one folder selects those of the first one's folder.
TEST_F(QueueTest, KeysClicksAndADropChooseTheModels) {
  WriteFileBytes(Model(L"plane2.MD8"), "old");
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane2.MDL"));
  PressKeyHolding(VK_SHIFT, *window->MDL_f, VK_DOWN);
  EXPECT_EQ(window->MDL_f->FileNames(),
            (std::vector<std::wstring>{Model(L"plane2.MDL"), Model(L"plane3.MDL")}));
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane.MDL"), MK_CONTROL);
  ClickItem(window->MDL_f, window->MDL_f->IndexOf(L"plane2.MDL"), MK_CONTROL);
  EXPECT_EQ(window->MDL_f->FileNames(),
            (std::vector<std::wstring>{Model(L"plane.MDL"), Model(L"plane3.MDL")}));
  PressKeyHolding(VK_CONTROL, *window->MDL_f, 'A');
  EXPECT_EQ(window->MDL_f->FileNames().size(), 3u);
  EXPECT_EQ(Converted(), std::vector<std::wstring>{L"plane2.MD8"});
  EXPECT_TRUE(window->dsF->Enabled());

  const std::wstring elsewhere = dir / L"elsewhere";
  CreateDirectoryW(elsewhere.c_str(), nullptr);
  WriteFileBytes(elsewhere + L"\\jet.mdl", kModel);
  DropFiles(window->Handle(),
            {Model(L"plane3.MDL"), elsewhere + L"\\jet.mdl", Model(L"plane2.MDL")});
  EXPECT_EQ(window->MDL_f->FileNames(),
            (std::vector<std::wstring>{Model(L"plane2.MDL"), Model(L"plane3.MDL")}));
}

}  // namespace

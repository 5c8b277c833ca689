// Times, in the real main window, a click on a folder in the directory tree
// until the model list is filled, a second click on the same folder (the
// user's refresh) and the selection of a model, each against the least work
// it stands for: a raw FindFirstFileW listing of the folder, and a lookup of
// the model's base name with "base.*". Two folders: 10,000 models, and
// 10,000 other files with 50 models.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "bench/bench_main_window.h"
#include "bench/bench_runs.h"
#include "bench/bench_window.h"
#include "frontend/zh_tarn.h"
#include "toolkit/exception.h"

namespace {

constexpr int kBigCount = 10000;
constexpr int kFewModels = 50;

std::wstring Numbered(const wchar_t* prefix, int number, int digits, const wchar_t* extension) {
  std::wstring digitsText = std::to_wstring(number);
  digitsText.insert(0, static_cast<size_t>(digits) - digitsText.size(), L'0');
  return prefix + digitsText + extension;
}

// The files of one benchmark folder: models, other files and the converted
// files of its first two models, in mixed letter case.
struct BenchModels {
  const wchar_t* name;
  int models;
  int others;
  const wchar_t* modelPrefix;
  int digits;
};

std::wstring FirstModelBase(const BenchModels& set, int which) {
  return Numbered(set.modelPrefix, which, set.digits, L"");
}

void Fill(const std::wstring& folder, const BenchModels& set) {
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < set.models; ++i) {
    WriteBytes(folder + L'\\' + Numbered(set.modelPrefix, i, set.digits, L".mdl"), "");
  }
  for (int i = 0; i < set.others; ++i) {
    WriteBytes(folder + L'\\' + Numbered(L"texture", i, 5, L".bmp"), "");
  }
  const std::wstring first = folder + L'\\' + FirstModelBase(set, 0);
  const std::wstring second = folder + L'\\' + FirstModelBase(set, 1);
  for (const std::wstring& result : {first + L".MD8", first + L".md2", first + L".Mdz",
                                     second + L".mdt"}) {
    WriteBytes(result, "");
  }
}

// The raw listing: every entry of the folder through FindFirstFileW.
size_t RawListing(const std::wstring& pattern) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW(pattern.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return 0;
  size_t count = 0;
  do {
    ++count;
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return count;
}

// The main window on a program folder whose tree starts on root.
class Window : public TBenchMainWindow {
 public:
  using TBenchMainWindow::TBenchMainWindow;

  // The tree item of a folder directly below the selected one, in view.
  HTREEITEM ShowChild(const std::wstring& name) const {
    const HWND tree = (*this)->MDL_D->Handle();
    const HTREEITEM parent = TreeView_GetSelection(tree);
    TreeView_Expand(tree, parent, TVE_EXPAND);
    wchar_t text[MAX_PATH];
    for (HTREEITEM child = TreeView_GetChild(tree, parent); child;
         child = TreeView_GetNextSibling(tree, child)) {
      TVITEMW item{};
      item.mask = TVIF_TEXT;
      item.hItem = child;
      item.pszText = text;
      item.cchTextMax = MAX_PATH;
      TreeView_GetItem(tree, &item);
      if (name == text) {
        TreeView_EnsureVisible(tree, child);
        PumpUntilIdle();
        return child;
      }
    }
    throw Exception(L"The tree does not show " + name);
  }

  void ClickTreeItem(HTREEITEM item) const {
    RECT rect;
    std::memcpy(&rect, &item, sizeof(item));
    SendMessageW((*this)->MDL_D->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    ClickAt((*this)->MDL_D->Handle(), Middle(rect));
  }

  void ClickModel(int index) const {
    RECT rect;
    SendMessageW((*this)->MDL_f->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    ClickAt((*this)->MDL_f->Handle(), Middle(rect));
  }
};

void Expect(bool holds, const wchar_t* what) {
  if (!holds) throw Exception(std::wstring(L"The window did not do its work: ") + what);
}

struct FolderMeasures {
  const char* firstClick;
  const char* refresh;
  const char* selection;
  double clickTarget;
};

void Measure(const std::wstring& program, const std::wstring& root, const BenchModels& set,
             const FolderMeasures& names) {
  const std::wstring folder = root + L'\\' + set.name;
  const int listed = set.models;
  const auto listing = [&] { return Seconds([&] { RawListing(folder + L"\\*"); }); };

  const Timings first = Interleave(
      [&] {
        Window window(program);
        const HTREEITEM item = window.ShowChild(set.name);
        const double seconds = Seconds([&] { window.ClickTreeItem(item); });
        Expect(window->MDL_f->Count() == listed, L"the click did not list the models");
        return seconds;
      },
      listing);
  Report(names.firstClick, first, names.clickTarget);

  Window window(program);
  const HTREEITEM item = window.ShowChild(set.name);
  window.ClickTreeItem(item);
  const Timings again = Interleave(
      [&] {
        const double seconds = Seconds([&] { window.ClickTreeItem(item); });
        Expect(window->MDL_f->Count() == listed, L"the refresh did not list the models");
        return seconds;
      },
      listing);
  Report(names.refresh, again, names.clickTarget);

  // Two models in turn, so that every click changes the selection; the
  // first has three converted files, the second one.
  int turn = 0;
  const Timings selection = Interleave(
      [&] {
        const int which = turn % 2;
        const double seconds = Seconds([&] { window.ClickModel(which); });
        Expect(window->memo2->Count() == (which == 0 ? 3 : 1), L"converted files not listed");
        return seconds;
      },
      [&] {
        const std::wstring pattern = folder + L'\\' + FirstModelBase(set, turn++ % 2) + L".*";
        return Seconds([&] { RawListing(pattern); });
      });
  Report(names.selection, selection, 2);
}

int Run() {
  const TempFolder root(L"zh_folder_bench_");
  const BenchModels models{L"models", kBigCount, 0, L"model", 5};
  const BenchModels others{L"others", kFewModels, kBigCount, L"plane", 2};
  Fill(root / models.name, models);
  Fill(root / others.name, others);
  const std::wstring program = root / L"program";
  MakeProgramFolder(program, root.Path());
  Measure(program, root.Path(), models,
          {"folder click, 10,000 models", "same folder again, 10,000 models",
           "model selection, 10,000 models", 3});
  Measure(program, root.Path(), others,
          {"folder click, 10,000 others + 50 models", "same folder again, 10,000 others",
           "model selection, 10,000 others", 1.5});
  SetCurrentDirectoryW(OwnFolder().c_str());
  return 0;
}

}  // namespace

int wmain() { return BenchMain("folder benchmark", Run); }

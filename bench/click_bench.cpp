// Times clicks on folders in the directory tree of the real program, seen
// from outside: zh_tarn.exe runs in its own process, a click is posted to
// its tree at a folder's point as mouse input, and the time runs until the
// window is idle: its model list holds the folder's models, neither the list,
// the tree nor the window's own face waits to be painted, and its thread has
// answered in its message loop. (Asking every one of the window's eighty
// children instead costs a round trip each, more than the click's own work.)
// The floor is a raw FindFirstFileW
// listing of the same folder by this process, run between the clicks. Each
// folder is clicked on first in a fresh process, then again after a visit to
// another folder. Also notes the private bytes the process takes on for the
// first click, against the UTF-16 bytes of the names listed: the list's
// storage, and whatever the reading leaves on the heaps. Wine's own reading
// of a folder leaves its copy of the names behind, freed but kept by the
// process; a raw listing of the folder, the benchmark's first, shows how
// much, and the list is judged on the rest.
//   click_bench.exe FOLDERS [PROGRAM]
// FOLDERS holds "few" (a dozen models) and folders named by their number of
// models, which the benchmark clicks on in order; PROGRAM: zh_tarn.exe one
// folder up.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "bench/bench_runs.h"
#include "bench/remote_window.h"
#include "bench/program_process.h"
#include "toolkit/exception.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr int kSizes[] = {3000, 10000, 100000};
constexpr wchar_t kFewName[] = L"few";

struct Listing {
  int files = 0;
  size_t nameBytes = 0;
};

// Every file of the folder through FindFirstFileW, with the UTF-16 bytes
// of their names, each with its terminating zero.
Listing RawListing(const std::wstring& folder) {
  Listing listing;
  WIN32_FIND_DATAW found;
  const FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!find) return listing;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    ++listing.files;
    listing.nameBytes += (wcslen(found.cFileName) + 1) * sizeof(wchar_t);
  } while (FindNextFileW(find.Get(), &found));
  return listing;
}

// The started program's main window, clicked on from outside.
class ClickedWindow {
 public:
  explicit ClickedWindow(const ProgramProcess& program)
      : window_(program.MainWindow()),
        tree_(program.Process(), ChildOfClass(window_, WC_TREEVIEWW)),
        list_(ChildOfClass(window_, L"ListBox", WS_BORDER)),
        windows_{window_, tree_.Handle(), list_} {
    WaitUntilIdle(list_, 0, windows_);
    parent_ = tree_.Selected();
    RestPointerOnTree();
  }

  // Clicks on a folder below the one the window started on, and times it
  // until the window is idle with the folder's models listed.
  double Click(const std::wstring& folder, int models) const {
    const POINT point = tree_.ItemPoint(tree_.Child(parent_, folder));
    return Seconds([&] {
      SendClick(tree_.Handle(), point);
      WaitUntilIdle(list_, models, windows_);
    });
  }

 private:
  // A user's pointer comes to rest on the window before it clicks: what the
  // window does when the pointer first enters it (the X cursor's making,
  // the hints' window, made a moment after the first mouse message) is done
  // before the first click is timed, as it is for a user.
  void RestPointerOnTree() const {
    const int hints = ThreadWindowsOfClass(window_, TOOLTIPS_CLASSW);
    SendPointerTo(tree_.Handle(), tree_.ItemPoint(parent_));
    for (const ULONGLONG until = GetTickCount64() + kHintWait;
         ThreadWindowsOfClass(window_, TOOLTIPS_CLASSW) == hints && GetTickCount64() < until;) {
      Sleep(5);
    }
    WaitUntilIdle(list_, 0, windows_);
  }

  static constexpr ULONGLONG kHintWait = 2000;

  HWND window_;
  RemoteTree tree_;
  HWND list_;
  std::vector<HWND> windows_;
  HTREEITEM parent_ = nullptr;
};

struct FolderRuns {
  Timings first;
  Timings revisit;
  std::vector<double> heldBytes;
};

std::wstring Quoted(const std::wstring& path) { return L'"' + path + L'"'; }

class ClickBench {
 public:
  ClickBench(std::wstring folders, std::wstring program)
      : folders_(std::move(folders)), program_(std::move(program)), programFolder_(temp_ / L"p") {
    few_ = RawListing(folders_ + L'\\' + kFewName).files;
  }

  void Measure(int size) const {
    const std::wstring name = std::to_wstring(size);
    const std::wstring folder = folders_ + L'\\' + name;
    // The folders come in growing sizes: this first reading of the folder
    // finds none of what earlier ones left large enough to reuse.
    const auto before = static_cast<double>(PrivateBytesOf(GetCurrentProcess()));
    const Listing listing = RawListing(folder);
    const double readingLeft = static_cast<double>(PrivateBytesOf(GetCurrentProcess())) - before;
    if (listing.files != size) throw Exception(folder + L" does not hold " + name + L" models");
    FolderRuns runs;
    const int count = size >= 100000 ? 5 : 11;
    for (int run = 0; run < count; ++run) RunOnce(name, size, folder, runs);
    Print(size, listing, readingLeft, runs);
  }

 private:
  void RunOnce(const std::wstring& name, int size, const std::wstring& folder,
               FolderRuns& runs) const {
    const auto floor = [&] { return Seconds([&] { RawListing(folder); }); };
    MakeProgramFolder(programFolder_, folders_);
    const ProgramProcess program(Quoted(program_), programFolder_);
    program.WaitForInputIdle();
    const ClickedWindow window(program);
    const size_t before = program.PrivateBytes();
    runs.first.program.push_back(window.Click(name, size));
    runs.heldBytes.push_back(static_cast<double>(program.PrivateBytes() - before));
    runs.first.floor.push_back(floor());
    window.Click(kFewName, few_);
    runs.revisit.program.push_back(window.Click(name, size));
    runs.revisit.floor.push_back(floor());
  }

  static void Print(int size, const Listing& listing, double readingLeft,
                    const FolderRuns& runs) {
    char measure[64];
    std::snprintf(measure, sizeof(measure), "folder click, %d models", size);
    Report(measure, runs.first, 1.5);
    std::snprintf(measure, sizeof(measure), "same after another folder, %d models", size);
    Report(measure, runs.revisit, 1.5);
    const double held = Median(runs.heldBytes);
    const auto names = static_cast<double>(listing.nameBytes);
    std::snprintf(measure, sizeof(measure), "click took on %.1f MB, names %.1f MB", held / 1e6,
                  names / 1e6);
    ReportValue(measure, held / names, 0, runs.heldBytes.size());
    std::snprintf(measure, sizeof(measure), "less %.1f MB that reading leaves",
                  readingLeft / 1e6);
    // The list's bound is twice the names plus a fixed part, which a few
    // thousand names do not outweigh: it is judged at the largest folder.
    ReportValue(measure, (held - readingLeft) / names,
                size == kSizes[std::size(kSizes) - 1] ? 2 : 0, runs.heldBytes.size());
  }

  std::wstring folders_;
  std::wstring program_;
  TempFolder temp_{L"zh_click_bench_"};
  std::wstring programFolder_;
  int few_ = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::printf("usage: click_bench.exe FOLDERS [PROGRAM]\n");
    return 2;
  }
  const std::wstring program = argc > 2 ? argv[2] : BuiltFile(L"zh_tarn.exe");
  return BenchMain("click benchmark", [&] {
    const ClickBench bench(argv[1], program);
    for (const int size : kSizes) bench.Measure(size);
    return 0;
  });
}

// Times opening a 200 MB converter log in the real text viewer against a raw
// read-and-split of the same file (8192-byte reads into one buffer, then the
// line starts found), and reports the memory the open viewer holds as a
// share of the file's size.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_files.h"
#include "bench/bench_runs.h"
#include "bench/bench_window.h"
#include "toolkit/exception.h"
#include "toolkit/form.h"
#include "toolkit/unique_handle.h"
#include "viewer/text_file_viewer.h"

namespace {

constexpr size_t kLogSize = 200u * 1024 * 1024;
constexpr DWORD kReadSize = 8192;

// Lines of 10 to 110 characters with CR LF, now and then a tab, and every
// 2000th line longer than the viewer keeps.
std::string MakeLog() {
  static const char kWords[] = "Reading part vertex list material texture animation frame ";
  std::string log;
  log.reserve(kLogSize + 4096);
  uint32_t seed = 12345;
  for (size_t line = 0; log.size() < kLogSize; ++line) {
    seed = seed * 1103515245 + 12345;
    const size_t length = line % 2000 == 1999 ? 2500 : 10 + (seed >> 16) % 101;
    for (size_t i = 0; i < length; ++i) log += kWords[(i + line) % (sizeof(kWords) - 1)];
    if (line % 500 == 0) log[log.size() - length / 2] = '\t';
    log += "\r\n";
  }
  log.resize(kLogSize);
  return log;
}

// The bytes of private memory the process has committed.
size_t CommittedBytes() {
  size_t total = 0;
  MEMORY_BASIC_INFORMATION region;
  const char* address = nullptr;
  while (VirtualQuery(address, &region, sizeof(region)) == sizeof(region)) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}

// The least work an open needs: the file read through 8192-byte reads into
// one buffer and the start of every line noted.
size_t ReadAndSplit(const std::wstring& path) {
  const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size)) throw Exception(L"Cannot open " + path);
  const auto bytes = static_cast<size_t>(size.QuadPart);
  std::unique_ptr<char[]> text(new char[bytes]);
  size_t filled = 0;
  DWORD count = 0;
  while (filled < bytes && ReadFile(file.Get(), text.get() + filled,
                                    static_cast<DWORD>(std::min<size_t>(kReadSize, bytes - filled)),
                                    &count, nullptr) &&
         count > 0) {
    filled += count;
  }
  std::vector<uint32_t> starts{0};
  for (const char* at = text.get(), *end = text.get() + filled;
       (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at))));) {
    starts.push_back(static_cast<uint32_t>(++at - text.get()));
  }
  return starts.size();
}

int Run() {
  const TempFolder folder(L"zh_log_bench_");
  const std::wstring log = folder / L"CONVERT.LOG";
  WriteBytes(log, MakeLog());

  TForm form(nullptr);
  form.SetClientSize(640, 480);
  auto* viewer = form.Add<TOvcTextFileViewer>(&form);
  viewer->SetAlign(TAlign::alClient);
  viewer->SetFileName(log);
  form.Show();
  PumpUntilIdle();

  std::vector<double> held;
  const Timings timings = Interleave(
      [&] {
        const size_t before = CommittedBytes();
        const double seconds = Seconds([&] {
          viewer->SetIsOpen(true);
          PumpUntilIdle();
        });
        held.push_back(static_cast<double>(CommittedBytes() - before) / kLogSize);
        if (viewer->LineCount() < 2) throw Exception(L"The viewer shows no lines");
        viewer->SetIsOpen(false);
        return seconds;
      },
      [&] { return Seconds([&] { ReadAndSplit(log); }); });
  Report("log open, 200 MB", timings, 1.2);
  ReportValue("log memory held / file size", Median(held), 1.1, held.size());
  return 0;
}

}  // namespace

int wmain() { return BenchMain("log benchmark", Run); }

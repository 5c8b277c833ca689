#include "browsing/folder_listing.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "browsing/name_order.h"
#include "toolkit/file_names.h"
#include "toolkit/temp_files.h"
#include "toolkit/unique_handle.h"

namespace {

// The native directory query, which Windows' own FindFirstFile is built
// on. Declared here: the SDK keeps it in the driver headers.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE file, HANDLE event, PIO_APC_ROUTINE apc,
                                               PVOID apcContext, PIO_STATUS_BLOCK status,
                                               PVOID buffer, ULONG length,
                                               FILE_INFORMATION_CLASS kind, BOOLEAN singleEntry,
                                               PUNICODE_STRING pattern, BOOLEAN restart);

std::function<void(const std::wstring& folder)>& ListingWatch() {
  static std::function<void(const std::wstring& folder)> watch;
  return watch;
}

bool IsDotEntry(std::wstring_view name) { return name == L"." || name == L".."; }

// Calls take with the name of every entry of folder that Windows finds for
// the pattern, except "." and "..", and whether it is a folder. The query
// asks for names and attributes alone: FindFirstFileW asks for short names
// too, which Wine makes up for every long name, a quarter of the time a
// listing of a big folder takes.
void ForEachEntry(const std::wstring& folder, const std::wstring& pattern,
                  const std::function<void(std::wstring_view name, bool isFolder)>& take) {
  if (ListingWatch()) ListingWatch()(folder);
  const KernelHandle directory(CreateFileW((folder + L"\\").c_str(), FILE_LIST_DIRECTORY,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                           nullptr));
  if (!directory) return;
  std::wstring mask = pattern;
  UNICODE_STRING filter{static_cast<USHORT>(mask.size() * sizeof(wchar_t)),
                        static_cast<USHORT>(mask.size() * sizeof(wchar_t)), mask.data()};
  std::vector<unsigned char> entries(64 * 1024);
  IO_STATUS_BLOCK status;
  for (bool first = true;; first = false) {
    if (!NT_SUCCESS(NtQueryDirectoryFile(directory.Get(), nullptr, nullptr, nullptr, &status,
                                         entries.data(), static_cast<ULONG>(entries.size()),
                                         FileDirectoryInformation, FALSE,
                                         first ? &filter : nullptr, FALSE)))
      return;
    for (size_t at = 0;;) {
      const auto* entry = reinterpret_cast<const FILE_DIRECTORY_INFORMATION*>(&entries[at]);
      const std::wstring_view name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
      if (!IsDotEntry(name)) take(name, (entry->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
      if (entry->NextEntryOffset == 0) break;
      at += entry->NextEntryOffset;
    }
  }
}

// Letter case ignored as the file system ignores it; ASCII letters, most
// of what names hold, without a call.
bool SameLetter(wchar_t a, wchar_t b) {
  if (a == b) return true;
  if (a < 0x80 && b < 0x80) {
    const wchar_t lower = a | 0x20;
    return lower == (b | 0x20) && lower >= L'a' && lower <= L'z';
  }
  return CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

// The patterns of a mask, matched against every name of a folder: those
// without wildcards, such as the result files of thousands of models,
// through the set of their keys, the others one by one.
class PatternSet {
 public:
  explicit PatternSet(const std::vector<std::wstring>& patterns) {
    for (const std::wstring& pattern : patterns) {
      if (pattern.find_first_of(L"*?") == std::wstring::npos) {
        names_.insert(NameKey(pattern));
      } else {
        wildcards_.push_back(pattern);
      }
    }
  }

  bool Matches(std::wstring_view name) const {
    if (!names_.empty() && names_.contains(NameKey(name))) return true;
    return std::any_of(wildcards_.begin(), wildcards_.end(),
                       [name](const std::wstring& pattern) { return MatchesPattern(name, pattern); });
  }

 private:
  std::unordered_set<std::wstring> names_;
  std::vector<std::wstring> wildcards_;
};

// What Windows is asked to enumerate for the patterns: the one pattern, or
// the literal start they share followed by '*'. Windows then skips the
// other entries without looking at them, which in a big folder is most of
// the time a listing takes. It matches more loosely than MatchesPattern
// (it tries short names too), so what it finds is still tested against the
// patterns; only its "*.*" is stricter, wanting a dot, so it is asked "*".
std::wstring EnumerationPattern(const std::vector<std::wstring>& patterns) {
  if (patterns.size() == 1) return patterns.front() == L"*.*" ? L"*" : patterns.front();
  std::wstring shared = patterns.front().substr(0, patterns.front().find_first_of(L"*?"));
  for (const std::wstring& pattern : patterns) {
    const auto differ = std::mismatch(shared.begin(), shared.end(), pattern.begin(), pattern.end());
    shared.erase(differ.first, shared.end());
  }
  return shared + L'*';
}

// Whether this is the folder's first listing in this process; folders are
// told apart by their names in capitals.
bool FirstListing(const std::wstring& folder) {
  static std::set<std::wstring> listed;
  return listed.insert(NameKey(folder)).second;
}

std::wstring Trim(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return L"";
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

std::vector<std::wstring> FixedDriveRoots() {
  std::vector<std::wstring> roots;
  const DWORD drives = GetLogicalDrives();
  for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
    if (!(drives & (1u << (letter - L'A')))) continue;
    const std::wstring root{letter, L':'};
    if (GetDriveTypeW((root + L"\\").c_str()) == DRIVE_FIXED) roots.push_back(root);
  }
  return roots;
}

std::vector<std::wstring> SubFolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachEntry(folder, L"*", [&names](std::wstring_view name, bool isFolder) {
    if (isFolder) names.emplace_back(name);
  });
  SortNames(names);
  return names;
}

TPackedStrings MatchingFileNames(const std::wstring& folder,
                                 const std::vector<std::wstring>& patterns,
                                 std::vector<std::wstring>* subFolders) {
  TPackedStrings names;
  if (subFolders) subFolders->clear();
  if (patterns.empty() && !subFolders) return names;
  const std::wstring pattern = subFolders ? L"*" : EnumerationPattern(patterns);
  // A first listing that sees every entry removes the leftovers among
  // them; otherwise one query for their names alone does.
  const bool firstListing = FirstListing(folder);
  const bool seesAll = pattern == L"*";
  if (firstListing && !seesAll) RemoveLeftoverTempFiles(folder);
  const bool sweepAlong = firstListing && seesAll;
  const PatternSet wanted(patterns);
  ForEachEntry(folder, pattern, [&](std::wstring_view name, bool isFolder) {
    if (isFolder) {
      if (subFolders) subFolders->emplace_back(name);
      return;
    }
    const bool removed = sweepAlong && RemoveIfLeftover(folder, name);
    if (!removed && wanted.Matches(name)) names.Append(name);
  });
  SortNames(names);
  if (subFolders) SortNames(*subFolders);
  return names;
}

// Greedy, going back to the last star on a mismatch.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern) {
  if (pattern == L"*.*") return true;
  size_t n = 0;
  size_t p = 0;
  size_t star = std::wstring_view::npos;
  size_t resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == L'*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == L'?' || SameLetter(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (star != std::wstring_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

std::vector<std::wstring> SplitMask(const std::wstring& mask) {
  std::vector<std::wstring> patterns;
  size_t start = 0;
  while (start <= mask.size()) {
    size_t end = mask.find(L';', start);
    if (end == std::wstring::npos) end = mask.size();
    const std::wstring pattern = Trim(mask.substr(start, end - start));
    if (!pattern.empty()) patterns.push_back(pattern);
    start = end + 1;
  }
  return patterns;
}

std::wstring TrimFolder(const std::wstring& folder) {
  const size_t last = folder.find_last_not_of(L'\\');
  return last == std::wstring::npos ? L"" : folder.substr(0, last + 1);
}

bool EnterFolder(const std::wstring& folder) {
  return SetCurrentDirectoryW((folder + L"\\").c_str()) != FALSE;
}

std::wstring CurrentFolder() { return TrimFolder(CurrentDirectory()); }

bool FolderExists(const std::wstring& folder) {
  const DWORD attributes = GetFileAttributesW((folder + L"\\").c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetListingWatch(std::function<void(const std::wstring& folder)> watch) {
  ListingWatch() = std::move(watch);
}

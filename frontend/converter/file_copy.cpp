#include "frontend/converter/file_copy.h"

#include <vector>

#include "toolkit/exception.h"
#include "toolkit/file_names.h"
#include "toolkit/temp_files.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr DWORD kBufferSize = 8192;

// Windows gives a device name (COM1, NUL.mdl, AUX.txt) the full path of the
// device itself.
bool IsDevicePath(const std::wstring& fullPath) { return fullPath.starts_with(L"\\\\.\\"); }

// The full path in the form that no length limit but the file system's
// applies to.
std::wstring Unlimited(const std::wstring& fullPath) {
  if (fullPath.starts_with(L"\\\\?\\")) return fullPath;
  if (fullPath.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + fullPath.substr(2);
  return L"\\\\?\\" + fullPath;
}

// The full path the copy goes to: the destination, or the source's name in
// it when it is a folder.
std::wstring Target(const std::wstring& source, const std::wstring& destination) {
  std::wstring target = FullPath(destination);
  if (!FileHasAttr(target, FILE_ATTRIBUTE_DIRECTORY)) return target;
  if (target.back() != L'\\') target += L'\\';
  return target + FileNameOf(source);
}

// Whether the target may be replaced: it is absent, or it is not read-only
// and nobody has it open. The source has, when a file is copied onto itself.
bool Replaceable(const std::wstring& target) {
  const KernelHandle file(
      CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  return file || GetLastError() == ERROR_FILE_NOT_FOUND;
}

// The file a copy is written to, beside the target under a short name of its
// own, so that it fits wherever the target fits; deleted when it goes, unless
// it has taken the target's place.
class TempFile {
 public:
  explicit TempFile(const std::wstring& target) {
    static unsigned counter = 0;
    const std::wstring folder = Unlimited(target.substr(0, target.find_last_of(L'\\') + 1));
    do {
      path_ = folder + TempFileName(GetCurrentProcessId(), ++counter);
      file_ = KernelHandle(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    } while (!file_ && GetLastError() == ERROR_FILE_EXISTS);
    if (!file_) path_.clear();
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    file_.Reset();
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }

  explicit operator bool() const { return static_cast<bool>(file_); }
  HANDLE Handle() const { return file_.Get(); }

  // Closes the file and puts it in the target's place.
  bool Replace(const std::wstring& target) {
    file_.Reset();
    if (!MoveFileExW(path_.c_str(), Unlimited(target).c_str(), MOVEFILE_REPLACE_EXISTING))
      return false;
    path_.clear();
    return true;
  }

 private:
  std::wstring path_;
  KernelHandle file_;
};

// Reads the source buffer by buffer until a read brings nothing: a read
// may come back short before the end of the file.
void CopyContent(HANDLE input, HANDLE output, std::vector<char>& buffer,
                 const std::wstring& source, const std::wstring& target, const CopyWriter& write) {
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(input, buffer.data(), kBufferSize, &read, nullptr))
      throw Exception(Format(L"Cannot read file %s", source));
    if (read == 0) return;
    DWORD written = 0;
    if (!write(output, buffer.data(), read, written) || written != read)
      throw Exception(Format(L"Cannot write file %s", target));
  }
}

bool WriteBuffer(HANDLE file, const char* data, DWORD size, DWORD& written) {
  return WriteFile(file, data, size, &written, nullptr);
}

}  // namespace

void FileCopy(const std::wstring& source, const std::wstring& destination) {
  FileCopy(source, destination, WriteBuffer);
}

void FileCopy(const std::wstring& source, const std::wstring& destination,
              const CopyWriter& write) {
  // Devices are refused before they are opened: reading one may never end.
  const std::wstring cannotOpen = Format(L"Cannot open file %s", source);
  if (IsDevicePath(FullPath(source))) throw Exception(cannotOpen);
  const std::wstring target = Target(source, destination);
  if (IsDevicePath(target)) throw Exception(Format(L"Cannot create file %s", destination));
  std::vector<char> buffer(kBufferSize);
  const KernelHandle input(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!input || GetFileType(input.Get()) != FILE_TYPE_DISK) throw Exception(cannotOpen);
  const std::wstring cannotCreate = Format(L"Cannot create file %s", target);
  if (!Replaceable(target)) throw Exception(cannotCreate);
  TempFile output(target);
  if (!output) throw Exception(cannotCreate);
  CopyContent(input.Get(), output.Handle(), buffer, source, target, write);
  if (!output.Replace(target)) throw Exception(cannotCreate);
}

bool FileHasAttr(const std::wstring& path, DWORD attributes) {
  const DWORD found = GetFileAttributesW(path.c_str());
  return found != INVALID_FILE_ATTRIBUTES && (found & attributes) == attributes;
}

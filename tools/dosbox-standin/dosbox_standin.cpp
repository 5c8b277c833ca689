// A stand-in for DOSBox.exe, for the tests that run the converter through a
// DOS launcher under Wine. Wine starts a Linux program, but hands back no
// process handle to wait on; so this program runs Debian's dosbox through
// dosbox-standin.sh, which writes DOSBox's exit code into a marker file once
// DOSBox has ended. This program waits for that file and exits with the
// code, as DOSBox.exe would. The Windows folder of "mount c <folder>" is
// handed to DOSBox as its Unix path; every other argument goes unchanged,
// but for letters outside ASCII, which arrive as "?". Given a DOS program
// and its arguments instead, as a DOS player is, it runs that program in
// the program's folder, so that a DOS player's launcher line runs through
// DOSBox too.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/unique_handle.h"

namespace {

constexpr int kFailed = 1;
constexpr DWORD kPollMilliseconds = 50;
constexpr std::wstring_view kMount = L"mount c ";

using UnixName = char*(CDECL*)(const wchar_t*);
using DosName = wchar_t*(CDECL*)(const char*);

// Wine's own path translations, absent on Windows.
template <class Function>
Function WineFunction(const char* name) {
  return reinterpret_cast<Function>(GetProcAddress(GetModuleHandleW(L"kernel32"), name));
}

std::wstring Widen(const char* utf8) {
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), static_cast<int>(wide.size()));
  wide.pop_back();
  return wide;
}

// The Unix path of a Windows path, empty when Wine cannot tell.
std::wstring UnixPath(const std::wstring& path) {
  char* unix = WineFunction<UnixName>("wine_get_unix_file_name")(path.c_str());
  if (!unix) return {};
  std::wstring wide = Widen(unix);
  HeapFree(GetProcessHeap(), 0, unix);
  return wide;
}

std::wstring WindowsPath(const char* unixPath) {
  wchar_t* path = WineFunction<DosName>("wine_get_dos_file_name")(unixPath);
  if (!path) return {};
  std::wstring copy = path;
  HeapFree(GetProcessHeap(), 0, path);
  return copy;
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L'\\'));
}

// One argument as the Windows rules of command-line splitting read it back.
std::wstring Quoted(std::wstring_view argument) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L'"';
}

bool StartsWithMount(std::wstring_view command) {
  if (command.size() < kMount.size()) return false;
  for (size_t i = 0; i < kMount.size(); ++i)
    if (std::towlower(command[i]) != kMount[i]) return false;
  return true;
}

// DOSBox for Windows reads its command line in the ANSI code page, where a
// letter outside the code page arrives as "?"; the stand-in reads it as
// through a code page of ASCII alone, so that a folder named with such
// letters cannot be mounted, as on a Windows whose code page lacks them.
std::wstring AsAnsi(std::wstring argument) {
  for (wchar_t& c : argument)
    if (c > L'~') c = L'?';
  return argument;
}

// "mount c C:\Tarn" becomes mount c "/home/user/.wine/drive_c/Tarn". A
// folder without quotes ends at its first blank, as DOSBox reads it: what
// follows stays behind the folder.
std::wstring DosboxArgument(const std::wstring& argument) {
  if (!StartsWithMount(argument)) return argument;
  std::wstring folder(argument.substr(kMount.size()));
  std::wstring rest;
  if (folder.size() > 1 && folder.front() == L'"' && folder.back() == L'"') {
    folder = folder.substr(1, folder.size() - 2);
  } else if (const size_t blank = folder.find(L' '); blank != std::wstring::npos) {
    rest = folder.substr(blank);
    folder.resize(blank);
  }
  return std::wstring(kMount) + L'"' + UnixPath(folder) + L'"' + rest;
}

// DOSBox's arguments for the command line: as given, or, for a DOS program
// and its arguments, those that mount its folder and run it there.
std::vector<std::wstring> DosboxArguments(int argc, wchar_t** argv) {
  if (argc < 2 || argv[1][0] == L'-') return {argv + 1, argv + argc};
  const std::wstring program = argv[1];
  const size_t slash = program.find_last_of(L'\\');
  std::wstring command = program.substr(slash + 1);
  for (int i = 2; i < argc; ++i) command += std::wstring(L" ") + argv[i];
  return {L"-c", std::wstring(kMount) + L'"' + program.substr(0, slash) + L'"', L"-c", L"c:",
          L"-c", command, L"-c", L"exit"};
}

bool StartScript(const std::wstring& marker, const std::vector<std::wstring>& arguments) {
  std::wstring commandLine = Quoted(WindowsPath("/bin/sh")) + L' ' +
                             Quoted(UnixPath(OwnFolder() + L"\\dosbox-standin.sh")) + L' ' +
                             Quoted(UnixPath(marker));
  for (const std::wstring& argument : arguments)
    commandLine += L' ' + Quoted(DosboxArgument(AsAnsi(argument)));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return false;
  const KernelHandle process(info.hProcess), thread(info.hThread);
  return true;
}

// Waits for the marker and returns the exit code it holds.
int AwaitExitCode(const std::wstring& marker) {
  while (GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES) Sleep(kPollMilliseconds);
  FILE* file = _wfopen(marker.c_str(), L"r");
  int code = kFailed;
  if (file) {
    if (std::fscanf(file, "%d", &code) != 1) code = kFailed;
    std::fclose(file);
  }
  DeleteFileW(marker.c_str());
  return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (!WineFunction<UnixName>("wine_get_unix_file_name")) {
    std::printf("DOSBox stand-in: this program runs only under Wine.\n");
    return kFailed;
  }
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring marker =
      temp + std::wstring(L"dosbox-standin-") + std::to_wstring(GetCurrentProcessId()) + L".done";
  DeleteFileW(marker.c_str());
  if (!StartScript(marker, DosboxArguments(argc, argv))) {
    std::printf("DOSBox stand-in: cannot start the script (error %lu).\n", GetLastError());
    return kFailed;
  }
  return AwaitExitCode(marker);
}

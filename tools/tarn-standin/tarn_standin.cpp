// A stand-in for the converter TARN, for tests and the demo folder. It
// converts nothing: it accepts TARN's command lines, copies CONVERT.MD to
// the command's result file with a trailer naming the command, and logs
// each run with the settings it read. README.md lists the environment
// variables that make it fail, hang or report how it was started.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "frontend/converter/converter_commands.h"
#include "toolkit/unique_handle.h"

namespace {

constexpr int kUsageExitCode = 2;
constexpr int kNoInputExitCode = 3;
constexpr const char* kNotice = "TARN stand-in (converts nothing)";

std::optional<DWORD> Variable(const wchar_t* name) {
  wchar_t value[32];
  const DWORD length = GetEnvironmentVariableW(name, value, 32);
  if (length == 0 || length >= 32) return std::nullopt;
  return std::wcstoul(value, nullptr, 10);
}

std::wstring TextVariable(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), MAX_PATH));
  return value.size() < MAX_PATH ? value : std::wstring();
}

// The texts involved are ASCII; anything else shows as '?'.
std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (const wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

void Say(const std::string& text) { std::printf("%s: %s\n", kNotice, text.c_str()); }

// What follows the program name and the blanks after it on the command line.
std::wstring_view Arguments() {
  std::wstring_view line = GetCommandLineW();
  const bool quoted = line.starts_with(L'"');
  const size_t end = quoted ? line.find(L'"', 1) : line.find_first_of(L" \t");
  if (end == std::wstring_view::npos) return {};
  line.remove_prefix(quoted ? end + 1 : end);
  const size_t first = line.find_first_not_of(L" \t");
  return first == std::wstring_view::npos ? std::wstring_view() : line.substr(first);
}

const ConverterCommand* Recognise(std::wstring_view arguments) {
  for (const ConverterCommand& command : ConverterCommands())
    for (const bool withOperator : {false, true})
      if (arguments == ConverterParameters(command, withOperator)) return &command;
  return nullptr;
}

std::wstring CurrentFolder() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
  return std::wstring(folder, length < MAX_PATH ? length : 0);
}

std::wstring HereFile(const std::wstring& name) { return CurrentFolder() + L'\\' + name; }

std::string IniValue(const wchar_t* section, const wchar_t* key) {
  wchar_t value[256];
  const std::wstring ini = HereFile(L"tarn.ini");
  GetPrivateProfileStringW(section, key, L"", value, 256, ini.c_str());
  return Narrow(key) + '=' + Narrow(value);
}

std::optional<std::string> ReadAll(const std::wstring& path) {
  const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[8192];
  DWORD read = 0;
  while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read)
    content.append(buffer, read);
  return content;
}

bool Write(const std::wstring& path, std::string_view bytes, bool append) {
  const KernelHandle file(CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                                      FILE_SHARE_READ, nullptr,
                                      append ? OPEN_ALWAYS : CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return file &&
         WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

void Log(const std::string& line) {
  Say(line);
  Write(HereFile(kConverterLogName), std::string(kNotice) + ": " + line + "\r\n", true);
}

void ReportStartup(const std::wstring& path) {
  STARTUPINFOW startup{};
  GetStartupInfoW(&startup);
  std::string text;
  for (const DWORD value : {startup.dwFlags, DWORD{startup.wShowWindow}, startup.dwX, startup.dwY,
                            startup.dwXSize, startup.dwYSize, startup.dwFillAttribute})
    text += std::to_string(value) + ' ';
  text += "\r\n" + Narrow(CurrentFolder()) + "\r\n" + Narrow(GetCommandLineW());
  Write(path, text, false);
}

// Starts a copy of this program that only sleeps; returns its process id.
DWORD StartSleeper(DWORD milliseconds) {
  SetEnvironmentVariableW(L"TARN_STANDIN_SLEEPER", std::to_wstring(milliseconds).c_str());
  std::wstring commandLine = GetCommandLineW();
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &info);
  SetEnvironmentVariableW(L"TARN_STANDIN_SLEEPER", nullptr);
  if (!started) return 0;
  const KernelHandle process(info.hProcess), thread(info.hThread);
  return info.dwProcessId;
}

// Keeps the working copy open, shared with no one, for that long, as the
// converter does while it works on it.
void HoldWorkingCopy(DWORD milliseconds) {
  const KernelHandle file(CreateFileW(HereFile(kWorkingCopyName).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  Sleep(milliseconds);
}

// What the run does before it looks at its command line.
void Prepare() {
  const std::wstring report = TextVariable(L"TARN_STANDIN_STARTUP_REPORT");
  if (!report.empty()) ReportStartup(report);
  if (const auto sleeper = Variable(L"TARN_STANDIN_GRANDCHILD_MS"))
    Log("started a sleeping copy of itself, process " + std::to_string(StartSleeper(*sleeper)));
  if (const auto delay = Variable(L"TARN_STANDIN_SLEEP_MS")) Sleep(*delay);
  if (const auto hold = Variable(L"TARN_STANDIN_HOLD_MS")) HoldWorkingCopy(*hold);
}

// Whether the variables that make a run fail concern this command.
bool ToldToFail(const ConverterCommand& command) {
  const std::wstring only = TextVariable(L"TARN_STANDIN_FAIL_ONLY");
  return only.empty() || only.find(command.letter) != std::wstring::npos;
}

int Convert(const ConverterCommand& command, const std::string& run) {
  const std::optional<std::string> input = ReadAll(HereFile(kWorkingCopyName));
  if (!input) {
    Log(run + "; no CONVERT.MD here, exit code " + std::to_string(kNoInputExitCode));
    return kNoInputExitCode;
  }
  const bool toldToFail = ToldToFail(command);
  if (const auto code = Variable(L"TARN_STANDIN_EXIT_CODE"); code && toldToFail) {
    Log(run + "; told to fail, no result, exit code " + std::to_string(*code));
    return static_cast<int>(*code);
  }
  if (Variable(L"TARN_STANDIN_NO_RESULT") && toldToFail) {
    Log(run + "; told to write no result, exit code 0");
    return 0;
  }
  const std::string result = Narrow(ResultFileName(command));
  const std::string trailer = "\r\n; " + std::string(kNotice) + ": " + run + "\r\n";
  if (!Write(HereFile(ResultFileName(command)), *input + trailer, false)) {
    Log(run + "; cannot write " + result + ", exit code 1");
    return 1;
  }
  const DWORD code = toldToFail ? Variable(L"TARN_STANDIN_RESULT_THEN_EXIT").value_or(0) : 0;
  Log(run + "; copied CONVERT.MD to " + result + ", exit code " + std::to_string(code));
  return static_cast<int>(code);
}

}  // namespace

int wmain() {
  if (const auto sleeper = Variable(L"TARN_STANDIN_SLEEPER")) {
    Sleep(*sleeper);
    return 0;
  }
  Prepare();
  const std::wstring_view arguments = Arguments();
  const ConverterCommand* command = Recognise(arguments);
  if (!command) {
    Say("unknown command line \"" + Narrow(arguments) + "\"");
    std::printf("usage: tarn /f|/c|/t|/s|/r|/z CONVERT.MD [operator]\n");
    return kUsageExitCode;
  }
  const std::string run = Narrow(arguments) + "; " + IniValue(L"MDLH_SECTION", L"size_radius") +
                          ' ' + IniValue(L"BGL_MATERIAL_LIST", L"power") + ' ' +
                          IniValue(L"BGL_MATERIAL_LIST", L"specular_r");
  return Convert(*command, run);
}

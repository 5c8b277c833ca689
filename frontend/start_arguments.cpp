#include "frontend/start_arguments.h"

#include <shellapi.h>

#include <memory>
#include <string_view>

#include "toolkit/file_names.h"
#include "toolkit/system_library.h"

namespace {

// A model handed over waits no longer for a window that hangs.
constexpr UINT kHandOverMs = 10000;
// The longest path Windows can open.
constexpr size_t kLongestPath = 32767;

struct LocalCloser {
  void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

bool IsModelFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         SameName(ExtensionOf(path), L".mdl");
}

std::wstring PassedOver(const std::wstring& argument, const wchar_t* why) {
  return L"Passed over from the command line: " + argument + L" (" + why + L")";
}

// Why an argument is not the model to open with, or nullptr when it is.
const wchar_t* WhyPassedOver(const std::wstring& argument, const std::wstring& path,
                             bool modelTaken) {
  if (argument.empty() || argument[0] == L'/' || argument[0] == L'-') {
    return L"ZH_tarn takes no options";
  }
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return L"not found";
  if (!IsModelFile(path)) return L"not a model file";
  if (modelTaken) return L"one model at a time";
  return nullptr;
}

// Whether anything follows the program's name, which ends, as
// CommandLineToArgvW reads it, at its closing quote when quoted, else at the
// first blank.
bool HasArguments(std::wstring_view line) {
  size_t end = 0;
  if (!line.empty() && line[0] == L'"') {
    end = line.find(L'"', 1);
    end = end == std::wstring_view::npos ? line.size() : end + 1;
  } else {
    end = std::min(line.find_first_of(L" \t"), line.size());
  }
  return line.find_first_not_of(L" \t", end) != std::wstring_view::npos;
}

}  // namespace

// Most starts have no arguments: the shell, which splits them, is loaded
// only when there are some, as it costs a start some 3 ms.
std::vector<std::wstring> CommandLineArguments(const wchar_t* commandLine) {
  if (!HasArguments(commandLine)) return {};
  const auto split =
      SystemFunction<decltype(CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW");
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalCloser> words(split ? split(commandLine, &count) : nullptr);
  if (!words || count < 2) return {};
  return {words.get() + 1, words.get() + count};
}

TStartArguments SortStartArguments(const std::vector<std::wstring>& arguments) {
  TStartArguments sorted;
  for (const std::wstring& argument : arguments) {
    const std::wstring path = argument.empty() ? argument : FullPath(argument);
    if (const wchar_t* why = WhyPassedOver(argument, path, !sorted.model.empty())) {
      sorted.passedOver.push_back(PassedOver(argument, why));
    } else {
      sorted.model = path;
    }
  }
  return sorted;
}

bool HandModelOver(HWND window, const std::wstring& model) {
  COPYDATASTRUCT data{kHandedModelTag, static_cast<DWORD>((model.size() + 1) * sizeof(wchar_t)),
                      const_cast<wchar_t*>(model.c_str())};
  DWORD_PTR taken = FALSE;
  return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, kHandOverMs, &taken) &&
         taken;
}

bool IsHandedPath(const std::wstring& text) {
  if (text.size() < 3 || text.size() > kLongestPath) return false;
  for (const wchar_t ch : text) {
    if (ch < L' ' || std::wstring_view(L"<>\"|?*").find(ch) != std::wstring_view::npos) {
      return false;
    }
  }
  const wchar_t drive = text[0] | 0x20;
  const bool onDrive = drive >= L'a' && drive <= L'z' && text[1] == L':' && text[2] == L'\\';
  const bool onShare = text.starts_with(L"\\\\") && text[2] != L'.' && text[2] != L'\\';
  return (onDrive || onShare) && text.find(L':', 2) == std::wstring::npos;
}

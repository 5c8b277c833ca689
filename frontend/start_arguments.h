#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a start's command line asks for: the model to open with, as "Open
// with", "Send to" and a drop on the program's icon give it, and a log line
// for each argument that is passed over.
struct TStartArguments {
  // Its full path; empty when the command line names none.
  std::wstring model;
  std::vector<std::wstring> passedOver;
};

// The arguments after the program's name, split by the Windows rules.
std::vector<std::wstring> CommandLineArguments(const wchar_t* commandLine = GetCommandLineW());

// Sorts the arguments: the first existing .mdl file, its path made full
// from the current directory, is the model; options, paths that do not
// exist or name no model, and any model after the first are passed over.
TStartArguments SortStartArguments(const std::vector<std::wstring>& arguments);

// The tag of a model handed to the window that serves the program folder.
constexpr ULONG_PTR kHandedModelTag = 0x5A48'4D44;

// Hands a model to that window, by its full path; false when the window
// did not take the message in time.
bool HandModelOver(HWND window, const std::wstring& model);

// Whether text another program handed over is one full path on a drive or
// a share and nothing else: no device namespace, stream or wildcard, no
// control characters.
bool IsHandedPath(const std::wstring& text);

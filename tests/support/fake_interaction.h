#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/interaction.h"

// A scripted stand-in for the desktop: records every message box, Save
// dialog and shell execution, and answers from queues the test fills. A
// box disables its owner while it is open, as the system's does.
class FakeInteraction : public TInteraction {
 public:
  struct Box {
    std::wstring text;
    std::wstring caption;
    UINT flags;
  };
  // What a Save dialog was preset with.
  struct SaveOffer {
    std::wstring fileName;
    std::wstring defaultExt;
    std::wstring filter;
    int filterIndex;
    std::wstring initialDir;
  };
  struct Shell {
    HWND owner;
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    int show;
  };

  FakeInteraction();
  ~FakeInteraction() override;

  int MessageDialog(HWND owner, const std::wstring& text, const std::wstring& caption,
                 UINT flags) override;
  bool ExecuteSave(TSaveRequest& request) override;
  bool ShellOpen(HWND owner, const std::wstring& verb, const std::wstring& file,
                 const std::wstring& parameters, const std::wstring& directory,
                 int show) override;
  void SetShutdownReason(HWND window, const std::wstring& reason) override;
  void SetTaskbarProgress(HWND window, TTaskbarState state, ULONGLONG done,
                          ULONGLONG total) override;
  void FlashTaskbar(HWND window) override;

  std::vector<Box> boxes;
  std::deque<int> boxAnswers;            // IDOK when empty
  std::function<void()> whileBoxOpen;    // runs before a box is answered
  std::vector<SaveOffer> saveOffers;
  std::deque<std::wstring> saveAnswers;  // chosen names; empty string = cancel
  std::vector<Shell> shells;
  bool shellSucceeds = true;
  // The reason each window gives Windows for holding off the end of the
  // session; none once withdrawn.
  std::map<HWND, std::wstring> shutdownReasons;
  // What the taskbar buttons were set to, in turn, and the windows whose
  // button was flashed.
  struct TaskbarProgress {
    HWND window;
    TTaskbarState state;
    ULONGLONG done;
    ULONGLONG total;
    bool operator==(const TaskbarProgress&) const = default;
  };
  std::vector<TaskbarProgress> taskbar;
  std::vector<HWND> flashes;
};

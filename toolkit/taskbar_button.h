#pragma once

#include <windows.h>

// What a window's taskbar button shows of the work in progress: nothing,
// a bar in the normal colour, or a bar in the error colour.
enum class TTaskbarState { tsNone, tsNormal, tsError };

// The message the shell sends a top-level window once its taskbar button
// exists (again, after the taskbar restarted); 0 when it cannot be had.
UINT TaskbarButtonCreatedMessage();

// Notes that the window's taskbar button exists, or that the window is
// gone: the shell takes progress for a button only once it exists.
void NoteTaskbarButton(HWND window, bool exists);

// Shows done of total on the window's taskbar button in the state given;
// tsNone takes the bar away. Where there is no taskbar, or no button yet,
// nothing is shown and nothing fails.
void ShowTaskbarProgress(HWND window, TTaskbarState state, ULONGLONG done, ULONGLONG total);

// Flashes the window's taskbar button until the window comes to the front.
void FlashTaskbarButton(HWND window);

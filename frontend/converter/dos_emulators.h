#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Whether the file is a DOS program: an MZ executable that carries no
// Windows (PE, NE, LE or LX) header. False for a file that cannot be read.
bool IsDosProgram(const std::wstring& path);

// A DOS emulator found on this computer, and the DosLauncher template that
// runs the converter through it.
struct TDosEmulator {
  // "the DOS player", "DOSBox", "DOSBox Staging" or "DOSBox-X".
  std::wstring name;
  std::wstring path;
  std::wstring launcher;
};

// One registry key whose subkeys are the uninstall entries of installed
// programs, in one registry view (KEY_WOW64_64KEY, KEY_WOW64_32KEY or 0).
struct TUninstallKey {
  HKEY root;
  std::wstring path;
  REGSAM view;
};

// Where emulators are looked for: the program folder, the folders programs
// are installed under, and the uninstall entries, whose InstallLocation or
// DisplayIcon names an emulator's folder or program.
struct TEmulatorPlaces {
  std::wstring programDir;
  std::vector<std::wstring> installFolders;
  std::vector<TUninstallKey> uninstallKeys;
};

// Where users have emulators: Program Files, Program Files (x86) and the
// per-user programs folder (as the environment names them), and the
// uninstall entries of HKLM and HKCU in both registry views.
TEmulatorPlaces UsualEmulatorPlaces(const std::wstring& programDir);

// The emulator to run the converter through, or none. A DOS player
// (msdos.exe) in the program folder comes first, as it passes the
// converter's exit code back; then DOSBox, DOSBox Staging and DOSBox-X, in
// that order, each first from the install folders and then from the
// uninstall entries.
std::optional<TDosEmulator> FindDosEmulator(const TEmulatorPlaces& places);

// The log lines for a DOS converter that Windows cannot start when no
// emulator was found: what to install, and where Help explains it.
std::vector<std::wstring> NoDosEmulatorLines();

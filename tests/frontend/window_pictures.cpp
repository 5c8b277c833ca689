// Not a test: pictures of the main window and its three dialogs at 96, 144
// and 192 dpi, each in the usual look and in the high-contrast one, written
// as BMP files into the build folder's window_pictures/ for a person to look
// at. Run it by hand under Wine on a screen of at least 1400 x 1000 (the
// windows at 192 dpi): the pictures are read from the screen.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "dialogs/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "frontend/zh_tarn.h"
#include "tests/support/dpi_process.h"
#include "tests/support/temp_dir.h"
#include "toolkit/contrast.h"
#include "toolkit/file_names.h"
#include "toolkit/gdi.h"

namespace {

const wchar_t* const kFolderVariable = L"ZH_PICTURES";

// A 24-bit BMP file of the bitmap.
std::string Bmp(HBITMAP bitmap, int width, int height) {
  BITMAPINFOHEADER header{sizeof(header), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (width * 3 + 3) & ~3;
  std::string pixels(static_cast<size_t>(stride * height), '\0');
  const MemoryDC dc;
  GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  return std::string(reinterpret_cast<const char*>(&file), sizeof(file)) +
         std::string(reinterpret_cast<const char*>(&header), sizeof(header)) + pixels;
}

// What the screen shows of the form now, frame included, as a BMP file.
std::string Capture(TForm& form) {
  RECT shown{};
  GetWindowRect(form.Handle(), &shown);
  const WindowDC screen;
  const MemoryDC dc;
  const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), form.Width(), form.Height()));
  {
    SelectGuard select(dc.Get(), bitmap.Get());
    BitBlt(dc.Get(), 0, 0, form.Width(), form.Height(), screen.Get(), shown.left, shown.top,
           SRCCOPY);
  }
  return Bmp(bitmap.Get(), form.Width(), form.Height());
}

// Shows the form in the screen's corner and saves it once the screen shows
// it whole: two pictures alike in a row, not black.
void Save(TForm& form, const std::wstring& path) {
  form.SetBounds(0, 0, form.Width(), form.Height());
  form.Show();
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::string last;
  for (int attempt = 0; attempt < 20; ++attempt) {
    PumpMessages();
    Sleep(250);
    std::string picture = Capture(form);
    const bool black = picture.find_first_not_of('\0', 54) == std::string::npos;
    if (!black && picture == last) break;
    last = std::move(picture);
  }
  WriteFileBytes(path, last);
  form.Hide();
}

// The windows at this process's DPI, in both looks.
void SaveWindows(const std::wstring& folder) {
  const ProgramFolder dir;
  const std::wstring previous = CurrentDirectory();
  SetCurrentDirectoryW(dir.Path().c_str());
  auto window = CreateForm<Tzh_tarnF>(nullptr);
  zh_tarnF = window.get();
  auto shining = CreateForm<TForm1>(window.get());
  auto size = CreateForm<TForm2>(window.get());
  auto notice = CreateForm<TForm3>(window.get());
  const std::wstring dpi = std::to_wstring(window->Dpi());
  for (const bool contrast : {false, true}) {
    const THighContrastOverride look(contrast);
    const std::wstring suffix = dpi + (contrast ? L"_contrast.bmp" : L".bmp");
    Save(*window, folder + L"/main_" + suffix);
    Save(*shining, folder + L"/shining_" + suffix);
    Save(*size, folder + L"/size_" + suffix);
    Save(*notice, folder + L"/notice_" + suffix);
  }
  zh_tarnF = nullptr;
  SetCurrentDirectoryW(previous.c_str());
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  wchar_t folder[MAX_PATH] = {};
  if (GetEnvironmentVariableW(kFolderVariable, folder, MAX_PATH)) {
    SaveWindows(folder);
    return 0;
  }
  CreateDirectoryW(ZH_PICTURES_DIR, nullptr);
  DWORD failed = 0;
  for (const int dpi : {96, 144, 192}) failed |= RunSelfAtDpi(dpi, L"", kFolderVariable, ZH_PICTURES_DIR);
  return failed ? 1 : 0;
}

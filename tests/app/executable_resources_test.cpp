#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/temp_dir.h"
#include "toolkit/gdi.h"
#include "toolkit/unique_handle.h"

namespace {

#pragma pack(push, 2)
// An entry of an icon group resource.
struct GroupEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// An icon image's size and bits per pixel.
using Format = std::pair<int, int>;

struct ModuleCloser {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

// The built program, loaded for its resources only.
class ProgramResources : public testing::Test {
 protected:
  ProgramResources()
      : module_(LoadLibraryExW(BuiltProgram().c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

  // A resource's bytes; empty when there is no such resource.
  std::string_view Resource(LPCWSTR type, LPCWSTR name) const {
    HRSRC found = FindResourceW(module_.Get(), name, type);
    if (!found) return {};
    const void* bytes = LockResource(LoadResource(module_.Get(), found));
    return {static_cast<const char*>(bytes), SizeofResource(module_.Get(), found)};
  }

  // The images of the program's icon in its order: (size, bits per pixel)
  // and the image resource's bytes.
  std::vector<std::pair<Format, std::string_view>> IconImages() const {
    const std::string_view group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_MAINICON));
    std::vector<std::pair<Format, std::string_view>> images;
    if (group.size() < 6) return images;
    const auto* count = reinterpret_cast<const WORD*>(group.data() + 4);
    const auto* entries = reinterpret_cast<const GroupEntry*>(group.data() + 6);
    for (WORD i = 0; i < *count && 6 + (i + 1) * sizeof(GroupEntry) <= group.size(); ++i) {
      const GroupEntry& entry = entries[i];
      const std::string_view image = Resource(RT_ICON, MAKEINTRESOURCEW(entry.id));
      EXPECT_EQ(entry.bytes, image.size()) << "image " << entry.id;
      images.push_back({{entry.width == 0 ? 256 : entry.width, entry.bits}, image});
    }
    return images;
  }

  UniqueHandle<HMODULE, ModuleCloser> module_;
};

// The image as Windows draws it over white, at its own size.
PixelBitmap DrawnOverWhite(std::string_view image, int size) {
  PixelBitmap bitmap(size, size);
  MemoryDC dc;
  SelectGuard select(dc.Get(), bitmap.Handle());
  PatBlt(dc.Get(), 0, 0, size, size, WHITENESS);
  const IconHandle icon(CreateIconFromResourceEx(
      reinterpret_cast<PBYTE>(const_cast<char*>(image.data())), static_cast<DWORD>(image.size()),
      TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR));
  EXPECT_TRUE(icon) << size;
  if (icon) DrawIconEx(dc.Get(), 0, 0, icon.Get(), size, size, 0, nullptr, DI_NORMAL);
  return bitmap;
}

// Every size from the small list icon to Explorer's largest view, smooth
// in 32 bits, beside the 16-colour original; each draws the aircraft on
// its disc. The picture's points are taken on its 32-unit grid: a corner
// outside the disc, the fuselage behind the wings, the disc left of it.
TEST_F(ProgramResources, IconHoldsEverySizeEachDrawingTheAircraft) {
  ASSERT_TRUE(module_);
  const auto images = IconImages();
  std::multiset<Format> formats;
  for (const auto& [format, image] : images) formats.insert(format);
  EXPECT_EQ((std::multiset<Format>{{32, 4},  {16, 32}, {20, 32}, {24, 32}, {32, 32},
                                   {40, 32}, {48, 32}, {64, 32}, {256, 32}}),
            formats);
  for (const auto& [format, image] : images) {
    const int size = format.first;
    const PixelBitmap drawn = DrawnOverWhite(image, size);
    const auto at = [&](int u, int v) { return drawn.Pixel(u * size / 32, v * size / 32); };
    EXPECT_EQ(RGB(255, 255, 255), at(0, 0)) << size << " x " << format.second;
    EXPECT_EQ(RGB(255, 255, 0), at(16, 20)) << size << " x " << format.second;
    EXPECT_EQ(RGB(0, 0, 255), at(8, 20)) << size << " x " << format.second;
  }
}

TEST_F(ProgramResources, SixteenColourIconIsTheOriginal) {
  ASSERT_TRUE(module_);
  const std::string original = ReadFileBytes(ZH_ORIGINAL_ICON);
  ASSERT_GT(original.size(), 22u);
  const auto images = IconImages();
  const auto sixteenColours = std::find_if(images.begin(), images.end(), [](const auto& image) {
    return image.first == Format{32, 4};
  });
  ASSERT_NE(images.end(), sixteenColours);
  // The original file holds the one image after its 22-byte directory.
  EXPECT_EQ(original.substr(22), sixteenColours->second);
}

// The supported systems from Vista to 10/11, long paths, and awareness of
// each screen's DPI (per monitor v2, with the older systems' form).
TEST_F(ProgramResources, ManifestDeclaresSupportedSystemsLongPathsAndDpiAwareness) {
  ASSERT_TRUE(module_);
  const std::string_view manifest = Resource(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
  const auto inside = [&](std::string_view what, std::string_view open, std::string_view close) {
    const size_t start = manifest.find(open);
    const size_t at = manifest.find(what, start);
    return start != manifest.npos && at != manifest.npos && at < manifest.find(close, start);
  };
  for (const char* system : {"e2011457-1546-43c5-a5fe-008deee3d3f0",     // Vista
                             "35138b9a-5d96-4fbd-8e2d-a2440225f93a",     // 7
                             "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",     // 8
                             "1f676c76-80e1-4239-95bb-83d0f6d0da78",     // 8.1
                             "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {  // 10 and 11
    EXPECT_TRUE(inside(std::string("<supportedOS Id=\"{") + system + "}\"/>",
                       "<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">",
                       "</compatibility>"))
        << system;
  }
  EXPECT_TRUE(
      inside("<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true<",
             "<windowsSettings>", "</windowsSettings>"));
  EXPECT_TRUE(
      inside("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm<",
             "<windowsSettings>", "</windowsSettings>"));
  EXPECT_TRUE(inside(
      "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
      "PerMonitorV2, PerMonitor<",
      "<windowsSettings>", "</windowsSettings>"));
}

// The version information names the program's maker and its rights, as
// Explorer's Details page shows them.
TEST(ProgramVersion, NamesMakerAndRights) {
  const std::wstring program = BuiltProgram();
  std::string info(GetFileVersionInfoSizeW(program.c_str(), nullptr), '\0');
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  for (const wchar_t* name : {L"CompanyName", L"LegalCopyright"}) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    EXPECT_TRUE(VerQueryValueW(info.data(), key.c_str(), &value, &length) && length > 1) << name;
  }
}

}  // namespace

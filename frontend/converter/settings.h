#pragma once

#include <optional>
#include <string>
#include <string_view>

// The sections and keys of the converter's settings file that the program
// reads or writes; every other entry belongs to the converter.
inline constexpr wchar_t kFrontEndSection[] = L"ZH_TARN";
inline constexpr wchar_t kLastDirectoryKey[] = L"Last_Directory";
inline constexpr wchar_t kDosTimeoutKey[] = L"DosTimeout";
inline constexpr wchar_t kDosLauncherKey[] = L"DosLauncher";
inline constexpr wchar_t kModelSection[] = L"MDLH_SECTION";
inline constexpr wchar_t kSizeRadiusKey[] = L"size_radius";
inline constexpr wchar_t kMaterialSection[] = L"BGL_MATERIAL_LIST";
inline constexpr wchar_t kPowerKey[] = L"power";
inline constexpr wchar_t kSpecularRKey[] = L"specular_r";
inline constexpr wchar_t kSpecularGKey[] = L"specular_g";
inline constexpr wchar_t kSpecularBKey[] = L"specular_b";

// The converter's settings file, read and written key by key through the
// Windows profile functions: each call opens and releases the file, nothing
// is cached, and keys the program does not name are left alone.
class TIniFile {
 public:
  explicit TIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}

  const std::wstring& FileName() const { return fileName_; }

  // At most 2047 characters of the value; fallback when the key is absent.
  std::wstring ReadString(const wchar_t* section, const wchar_t* key,
                          const std::wstring& fallback) const;
  // The value exactly as it stands in the file, quotes included, without
  // the blanks around it; empty when the key is absent. (ReadString drops a
  // pair of quotes around a whole value.)
  std::wstring ReadRawString(const wchar_t* section, const wchar_t* key) const;
  // The value as an integer (see ParseProfileInteger).
  int ReadInteger(const wchar_t* section, const wchar_t* key, int fallback) const;
  bool ValueExists(const wchar_t* section, const wchar_t* key) const;

  // Creates the file, the section or the key when absent. Raises
  // "Unable to write to <file>" when Windows refuses the write.
  void WriteString(const wchar_t* section, const wchar_t* key, const std::wstring& value);
  void WriteInteger(const wchar_t* section, const wchar_t* key, int value);

 private:
  std::wstring fileName_;
};

// A settings integer: "0x" or "0X" and up to eight hexadecimal digits (the
// 32 bits of the value, so 0xFFFFFFFF is -1), or an optional sign and
// decimal digits within the 32-bit range. Anything else gives fallback.
int ParseProfileInteger(std::wstring_view text, int fallback);

// How a folder path is stored so that it reads back as the same folder: the
// path itself when the settings file's code page holds all its characters
// and a read takes it whole (2047 characters at most), otherwise its short
// form; nothing when neither survives.
std::optional<std::wstring> StorableFolderPath(const std::wstring& folder);
// A stored folder path with short names spelt out; the stored text when no
// such folder exists.
std::wstring ExpandedFolderPath(const std::wstring& stored);

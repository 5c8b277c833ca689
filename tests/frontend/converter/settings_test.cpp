#include "frontend/converter/settings.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"
#include "toolkit/exception.h"
#include "toolkit/unique_handle.h"

namespace {

TEST(ParseProfileIntegerTest, DecimalWithSignWithinTheRange) {
  EXPECT_EQ(ParseProfileInteger(L"5", 7), 5);
  EXPECT_EQ(ParseProfileInteger(L"-2", 7), -2);
  EXPECT_EQ(ParseProfileInteger(L"+12", 7), 12);
  EXPECT_EQ(ParseProfileInteger(L"2147483647", 7), 2147483647);
  EXPECT_EQ(ParseProfileInteger(L"-2147483648", 7), -2147483647 - 1);
  EXPECT_EQ(ParseProfileInteger(L"2147483648", 7), 7);
  EXPECT_EQ(ParseProfileInteger(L"99999999999999999999", 7), 7);
}

TEST(ParseProfileIntegerTest, HexadecimalAfterALeading0x) {
  EXPECT_EQ(ParseProfileInteger(L"0x0A", 7), 10);
  EXPECT_EQ(ParseProfileInteger(L"0XfF", 7), 255);
  EXPECT_EQ(ParseProfileInteger(L"0xFFFFFFFF", 7), -1);
  EXPECT_EQ(ParseProfileInteger(L"0x100000000", 7), 7);
  // "0x" alone is too short to be a prefix, and a sign does not lead it.
  EXPECT_EQ(ParseProfileInteger(L"0x", 7), 7);
  EXPECT_EQ(ParseProfileInteger(L"-0x0A", 7), 7);
}

TEST(ParseProfileIntegerTest, AnythingElseGivesTheFallback) {
  for (const wchar_t* text : {L"", L"-", L"abc", L"5 minutes", L"1.5", L" ", L"0xG"}) {
    EXPECT_EQ(ParseProfileInteger(text, 7), 7) << text;
  }
}

class IniFileTest : public testing::Test {
 protected:
  TempDir dir;
  TIniFile ini{dir / L"tarn.ini"};
};

TEST_F(IniFileTest, WritesCreateTheFileAndLeaveOtherKeysAlone) {
  WriteFileBytes(ini.FileName(), "[BGL_MATERIAL_LIST]\r\nambient=3\r\npower=40\r\n");
  ini.WriteInteger(kMaterialSection, kPowerKey, 200);
  ini.WriteString(kFrontEndSection, kLastDirectoryKey, L"C:\\models");
  EXPECT_EQ(ini.ReadInteger(kMaterialSection, kPowerKey, 0), 200);
  EXPECT_EQ(ini.ReadString(kMaterialSection, L"ambient", L""), L"3");
  EXPECT_EQ(ini.ReadString(kFrontEndSection, kLastDirectoryKey, L""), L"C:\\models");

  TIniFile fresh(dir / L"new.ini");
  fresh.WriteInteger(kFrontEndSection, kDosTimeoutKey, 5);
  EXPECT_EQ(fresh.ReadInteger(kFrontEndSection, kDosTimeoutKey, 0), 5);
}

TEST_F(IniFileTest, AbsentKeysGiveTheirDefaultsAndAreNotThere) {
  WriteFileBytes(ini.FileName(), "[ZH_TARN]\r\nDosTimeout=\r\n");
  EXPECT_TRUE(ini.ValueExists(kFrontEndSection, kDosTimeoutKey));
  EXPECT_TRUE(ini.ValueExists(kFrontEndSection, L"dostimeout"));
  EXPECT_FALSE(ini.ValueExists(kFrontEndSection, kLastDirectoryKey));
  EXPECT_FALSE(ini.ValueExists(kModelSection, kSizeRadiusKey));
  EXPECT_EQ(ini.ReadString(kMaterialSection, kSpecularRKey, L"0.5"), L"0.5");
  EXPECT_EQ(ini.ReadInteger(kFrontEndSection, kDosTimeoutKey, 0), 0);
}

// A folder path that would come back cut, naming another folder, is not
// stored at all (a folder that does not exist has no short form either).
TEST_F(IniFileTest, ALongValueIsCutAt2047CharactersSoNoLongerFolderIsStored) {
  const std::string value(3000, 'a');
  WriteFileBytes(ini.FileName(), "[ZH_TARN]\r\nLast_Directory=" + value + "\r\n");
  EXPECT_EQ(ini.ReadString(kFrontEndSection, kLastDirectoryKey, L"").size(), 2047u);
  const std::wstring longest = L"C:\\" + std::wstring(2044, L'a');
  EXPECT_EQ(StorableFolderPath(longest), longest);
  EXPECT_EQ(StorableFolderPath(longest + L'a'), std::nullopt);
}

// A template that starts and ends with a quoted part keeps both quotes, in
// an ANSI file as in a UTF-16 one, behind a section longer than the first
// buffer; comments, other sections and a later repeat of the key are passed
// over, and the blanks around the name and the value do not count.
TEST_F(IniFileTest, ARawValueKeepsItsQuotes) {
  const std::string value = R"("C:\DOSBox\DOSBox.exe" -c "mount c {dir}" -c "exit")";
  const std::string text = "[BGL_MATERIAL_LIST]\r\nDosLauncher=other\r\n[ZH_TARN]\r\nfiller=" +
                           std::string(6000, 'x') + "\r\n;DosLauncher=comment\r\n dosLAUNCHER = " +
                           value + " \r\nDosLauncher=later\r\n";
  const std::wstring wide(text.begin(), text.end());
  const std::string utf16 = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()),
                                                      wide.size() * sizeof(wchar_t));
  for (const std::string& content : {text, utf16}) {
    WriteFileBytes(ini.FileName(), content);
    EXPECT_EQ(ini.ReadRawString(kFrontEndSection, kDosLauncherKey),
              std::wstring(value.begin(), value.end()));
    EXPECT_EQ(ini.ReadRawString(kModelSection, kDosLauncherKey), L"");
  }
}

TEST_F(IniFileTest, ARefusedWriteNamesTheFile) {
  WriteFileBytes(ini.FileName(), "[ZH_TARN]\r\nDosTimeout=3\r\n");
  const KernelHandle holder(CreateFileW(ini.FileName().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder);
  try {
    ini.WriteInteger(kFrontEndSection, kDosTimeoutKey, 5);
    ADD_FAILURE() << "the write went through";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), L"Unable to write to " + ini.FileName());
  }
  EXPECT_EQ(ini.ReadInteger(kFrontEndSection, kDosTimeoutKey, 0), 3);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "toolkit/exception.h"
#include "viewer/text_lines.h"

namespace {

using Lines = std::vector<std::string>;

class TextLinesTest : public testing::Test {
 protected:
  std::vector<std::string> Read(const std::string& bytes) {
    WriteFileBytes(path, bytes);
    const TTextLines lines = TTextLines::Read(path);
    std::vector<std::string> result;
    for (size_t i = 0; i < lines.Count(); ++i) result.push_back(lines.Bytes(i));
    return result;
  }

  TempDir temp;
  std::wstring path = temp / L"CONVERT.LOG";
};

TEST_F(TextLinesTest, OneEmptyLineFollowsTheLastLine) {
  EXPECT_EQ(Read("a\r\nb\r\n"), (Lines{"a", "b", ""}));
  EXPECT_EQ(Read("a\r\nb"), (Lines{"a", "b", ""}));
  EXPECT_EQ(Read(""), (Lines{""}));
  EXPECT_EQ(Read("\r\n\r\n"), (Lines{"", "", ""}));
}

TEST_F(TextLinesTest, LinesEndAtCrLfLfOrCr) {
  EXPECT_EQ(Read("one\ntwo\rthree\r\n\nfive"), (Lines{"one", "two", "three", "", "five", ""}));

  // Lines of 0 to 20 bytes, ending in LF and CR by turns, put a break at
  // every place of an eight-byte word.
  std::string bytes;
  Lines expected;
  for (size_t length = 0; length <= 20; ++length) {
    bytes += std::string(length, 'x') + (length % 2 ? '\r' : '\n');
    expected.push_back(std::string(length, 'x'));
  }
  expected.push_back("");
  EXPECT_EQ(Read(bytes), expected);
}

TEST_F(TextLinesTest, ALongLineKeepsItsFirst1023BytesAndSkipsTheRest) {
  const std::string head(1023, 'x');
  const std::string exact(1023, 'e');
  EXPECT_EQ(Read(head + std::string(5000 - 1023, 'y') + "\r\n" + exact + "\r\nnext"),
            (Lines{head, exact, "next", ""}));
}

TEST_F(TextLinesTest, LinesAcrossTheEndOfAReadBuffer) {
  std::string bytes;
  Lines expected;
  for (int i = 0; i < 64; ++i) {
    std::string line(126, static_cast<char>('A' + i % 26));
    bytes += line + "\r\n";
    expected.push_back(line);
  }
  ASSERT_EQ(bytes.size(), TTextLines::kReadSize);
  expected.push_back("");
  EXPECT_EQ(Read(bytes), expected);

  // The CR as the last byte of one read and the LF as the first of the next
  // end one line, not two.
  const std::string before = std::string(1000, 'c') + "\r\n" + std::string(7189, 'd');
  ASSERT_EQ(before.size(), TTextLines::kReadSize - 1);
  EXPECT_EQ(Read(before + "\r\nend"),
            (Lines{std::string(1000, 'c'), std::string(1023, 'd'), "end", ""}));
}

// A missing file, and one too large for the 32-bit line starts (made
// sparse, so it takes no room on disk).
TEST_F(TextLinesTest, AFileThatCannotBeShownIsNamedInTheError) {
  const std::wstring huge = temp / L"huge.log";
  {
    const HANDLE file = CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                    nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = static_cast<LONGLONG>(TTextLines::kMaxFileSize) + 1;
    const bool sized = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(sized);
  }
  for (const std::wstring& unshown : {temp / L"missing.log", huge}) {
    try {
      TTextLines::Read(unshown);
      ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
      EXPECT_NE(error.Message().find(unshown), std::wstring::npos);
    }
  }
}

}  // namespace

#include "frontend/converter/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "toolkit/unique_handle.h"
#include "toolkit/exception.h"
#include "tests/support/temp_dir.h"

namespace {

std::string RandomBytes(size_t count) {
  std::mt19937 random(static_cast<unsigned>(count));
  std::string bytes(count, '\0');
  for (auto& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

size_t EntriesIn(const std::wstring& folder) {
  const std::filesystem::directory_iterator entries{std::filesystem::path(folder)};
  return static_cast<size_t>(std::distance(begin(entries), end(entries)));
}

// The message FileCopy fails with, or empty when it does not fail.
std::wstring CopyError(const std::wstring& source, const std::wstring& destination) {
  try {
    FileCopy(source, destination);
  } catch (const Exception& error) {
    return error.Message();
  }
  return {};
}

class FileCopyTest : public testing::Test {
 protected:
  TempDir dir;
  const std::wstring source = dir / L"model.mdl";
  const std::wstring destination = dir / L"copy.mdl";
};

// Lengths around the buffer size; each copy replaces a longer old file.
TEST_F(FileCopyTest, CopiesEveryLengthByteForByte) {
  for (const size_t length : {0, 1, 8191, 8192, 8193, 3 * 8192, 10 * 1024 * 1024 + 17}) {
    const std::string content = RandomBytes(length);
    WriteFileBytes(source, content);
    WriteFileBytes(destination, std::string(9000, 'x'));
    FileCopy(source, destination);
    EXPECT_TRUE(ReadFileBytes(destination) == content) << "length " << length;
    EXPECT_EQ(EntriesIn(dir.Path()), 2u) << "length " << length;
  }
}

TEST_F(FileCopyTest, TheCopyGetsDefaultAttributes) {
  WriteFileBytes(source, "abc");
  SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  FileCopy(source, destination);
  SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileBytes(destination), "abc");
  EXPECT_FALSE(FileHasAttr(destination, FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(FileHasAttr(destination, FILE_ATTRIBUTE_HIDDEN));
}

TEST_F(FileCopyTest, AFolderDestinationTakesTheSourceName) {
  WriteFileBytes(source, "content");
  const std::wstring folder = dir / L"out";
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const std::wstring& given : {folder, folder + L"\\"}) {
    DeleteFileW((folder + L"\\model.mdl").c_str());
    FileCopy(source, given);
    EXPECT_EQ(ReadFileBytes(folder + L"\\model.mdl"), "content");
    EXPECT_EQ(EntriesIn(folder), 1u);
  }
}

TEST_F(FileCopyTest, ARelativeDestinationIsReportedAsAFullPath) {
  WriteFileBytes(source, "content");
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(dir.Path().c_str());
  const std::wstring error = CopyError(source, L"absent\\copy.mdl");
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(error, L"Cannot create file " + dir.Path() + L"\\absent\\copy.mdl");
}

TEST_F(FileCopyTest, AMissingSourceFailsAndLeavesTheDestinationAlone) {
  WriteFileBytes(destination, "old");
  EXPECT_EQ(CopyError(source, destination), L"Cannot open file " + source);
  EXPECT_EQ(ReadFileBytes(destination), "old");
}

TEST_F(FileCopyTest, CopyingAFileOntoItselfFailsAndChangesNothing) {
  const std::string content = RandomBytes(20000);
  WriteFileBytes(source, content);
  EXPECT_EQ(CopyError(source, source), L"Cannot create file " + source);
  EXPECT_TRUE(ReadFileBytes(source) == content);
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// Even a holder that lets others read, write and delete keeps its file.
TEST_F(FileCopyTest, ADestinationHeldOpenFailsAndKeepsItsContent) {
  WriteFileBytes(source, "new content");
  WriteFileBytes(destination, "old");
  {
    const KernelHandle holder(CreateFileW(destination.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_EQ(CopyError(source, destination), L"Cannot create file " + destination);
  }
  EXPECT_EQ(ReadFileBytes(destination), "old");
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

// Through the write seam: the second buffer fails outright, or is written
// short, as on a volume that fills up part-way.
TEST_F(FileCopyTest, AFailedWriteKeepsTheOldDestinationAndLeavesNoTemporaryFile) {
  WriteFileBytes(source, RandomBytes(3 * 8192 + 5));
  WriteFileBytes(destination, "old");
  const CopyWriter failing = [calls = 0](HANDLE, const char*, DWORD, DWORD&) mutable {
    return ++calls < 2;
  };
  const CopyWriter shortWrite = [calls = 0](HANDLE file, const char* data, DWORD size,
                                            DWORD& written) mutable {
    return WriteFile(file, data, ++calls < 2 ? size : size - 1, &written, nullptr) != FALSE;
  };
  for (const CopyWriter& write : {failing, shortWrite}) {
    try {
      FileCopy(source, destination, write);
      ADD_FAILURE() << "the copy did not fail";
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), L"Cannot write file " + destination);
    }
    EXPECT_EQ(ReadFileBytes(destination), "old");
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
  }
}

TEST(FileHasAttrTest, NeedsEveryBitAndAnExistingFile) {
  const TempDir dir;
  const std::wstring file = dir / L"file.txt";
  WriteFileBytes(file, "x");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(FileHasAttr(file, FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(FileHasAttr(file, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_TRUE(FileHasAttr(dir.Path(), FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_FALSE(FileHasAttr(dir / L"absent", 0));
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

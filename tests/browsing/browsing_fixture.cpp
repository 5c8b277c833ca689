#include "tests/browsing/browsing_fixture.h"

#include <filesystem>

BrowsingTest::BrowsingTest() : form(CreateForm<TForm>(nullptr)), startFolder_(CurrentDirectory()) {
  form->SetClientSize(400, 300);
  form->Show();
}

BrowsingTest::~BrowsingTest() { SetCurrentDirectoryW(startFolder_.c_str()); }

std::wstring BrowsingTest::MakeFolder(const std::wstring& relative) {
  const std::wstring path = temp / relative;
  std::filesystem::create_directories(std::filesystem::path(path));
  return path;
}

std::wstring BrowsingTest::MakeFile(const std::wstring& relative) {
  const std::wstring path = temp / relative;
  WriteFileBytes(path, "");
  return path;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/temp_dir.h"
#include "toolkit/file_names.h"
#include "toolkit/form.h"

// A shown form and a temporary folder tree on the fixed drive C:, with the
// process's current directory put back afterwards.
class BrowsingTest : public testing::Test {
 protected:
  BrowsingTest();
  ~BrowsingTest() override;

  // Makes a folder (and its parents) below the temporary folder.
  std::wstring MakeFolder(const std::wstring& relative);
  // Writes an empty file below the temporary folder.
  std::wstring MakeFile(const std::wstring& relative);

  std::unique_ptr<TForm> form;
  TempDir temp;

 private:
  std::wstring startFolder_;
};

bool SamePath(const std::wstring& a, const std::wstring& b);

#include "toolkit/error_boundary.h"

#include <windows.h>

#include "toolkit/exception.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"

std::wstring ExceptionText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    const std::string what = e.what();
    return {what.begin(), what.end()};
  } catch (...) {
    return L"Unknown error";
  }
}

void ShowException(std::exception_ptr error) {
  Interaction().MessageDialog(GetActiveWindow(), ExceptionText(error), ProgramTitle(),
                              MB_OK | MB_ICONSTOP);
}

const std::wstring& ProgramTitle() {
  static const std::wstring title = BaseNameOf(FileNameOf(ModulePath()));
  return title;
}

#pragma once

#include "controls/OvcURL.h"
#include "dialogs/tool_dialog.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"
#include "toolkit/shape.h"

// The notice shown at start when one of the converter's files is missing:
// it names the file and where the converter can be downloaded. It has no
// buttons; the user closes it with its close box or Alt+F4. Enter and
// Escape leave it open; Tab goes between its two links.
class TForm3 : public TToolDialog {
 public:
  explicit TForm3(TComponent* owner);

  void FormShow(TComponent* sender);

  TShape* Shape1;
  TOvcURL* URL1;
  TOvcURL* URL2;
  TLabel* Label1;
  TMemo* Memo1;
};

// Where the converter can be had.
inline constexpr wchar_t kDownloadPage[] = L"http://www.example.com/tarn/";
inline constexpr wchar_t kDownloadArchive[] = L"http://www.example.com/files/tarn_b85.zip";

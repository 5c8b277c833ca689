#include <algorithm>
#include <functional>
#include <vector>

#include "dialogs/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "resources/resource_ids.h"
#include "tests/frontend/main_window_fixture.h"
#include "tests/support/accessible_client.h"
#include "tests/support/window_pixels.h"
#include "toolkit/canvas.h"
#include "toolkit/file_names.h"
#include "toolkit/hot_key.h"

namespace {

using MainWindowLayoutTest = MainWindowTest;

RECT WindowRectIn(const TControl* control, const TControl* parent) {
  RECT rect;
  GetWindowRect(control->Handle(), &rect);
  MapWindowPoints(nullptr, parent->Handle(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ForEachControl(TControl* control, const std::function<void(TControl*)>& visit) {
  visit(control);
  for (TControl* child : control->Children()) ForEachControl(child, visit);
}

TEST_F(MainWindowLayoutTest, TheWindowAsFirstSeen) {
  Open();
  EXPECT_EQ(window->Caption(), L"ZH_tarn");
  // The tree, not Help before it, has the focus first.
  EXPECT_EQ(GetFocus(), window->MDL_D->Handle());
  // The window takes the program's icon from its class.
  const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON));
  EXPECT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(window->Handle(), GCLP_HICON)), icon);
  EXPECT_EQ(window->ClientWidth(), 693);
  EXPECT_EQ(window->ClientHeight(), 488);
  const RECT panel = WindowRectIn(window->Panel1, window.get());
  EXPECT_EQ(panel.left, 0);
  EXPECT_EQ(panel.top, 0);
  EXPECT_EQ(panel.right, 693);
  EXPECT_EQ(panel.bottom, 457);

  // The tree fills its panel inside the bevel; the log memo and its close
  // button wait hidden.
  const RECT tree = WindowRectIn(window->MDL_D, window->Panel5);
  const RECT inside = window->Panel5->ClientRect();
  EXPECT_GT(tree.right - tree.left, 245);
  EXPECT_LE(tree.right, inside.right);
  EXPECT_GT(tree.bottom - tree.top, 300);
  EXPECT_TRUE(window->MDL_D->Showing());
  EXPECT_FALSE(window->Memo1->Visible());
  EXPECT_FALSE(window->Button1->Visible());
  EXPECT_FALSE(window->DsGroup4->Visible());
  EXPECT_FALSE(window->md_files->Visible());
  EXPECT_FALSE(window->OVC1->Visible());
  EXPECT_TRUE(window->Image1->Showing());

  EXPECT_EQ(window->MDL_f->Parent(), window->Panel7);
  EXPECT_EQ(window->Panel7->Parent(), window->DsGroup1);
  EXPECT_EQ(window->memo2->Parent(), window->Panel6);
  EXPECT_EQ(window->opK->Parent(), window->DsGroup4);
  EXPECT_EQ(window->dsPage->Parent(), window->Panel3);
  EXPECT_EQ(window->buLog->Parent(), window.get());
  EXPECT_EQ(window->Label8->Caption(), L"");
  EXPECT_EQ(window->Label1->Caption(), L"");
}

// Overlapping siblings lie in the order they were made, the last on top, so
// a control made later over another (the cover over the page tabs) hides it.
TEST_F(MainWindowLayoutTest, EveryControlLiesAboveTheSiblingsMadeBeforeItThatItOverlaps) {
  Open();
  int overlaps = 0;
  ForEachControl(window.get(), [&](TControl* parent) {
    std::vector<HWND> fromTop;
    for (HWND child = GetWindow(parent->Handle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      fromTop.push_back(child);
    }
    const auto depth = [&](const TControl* control) {
      return std::find(fromTop.begin(), fromTop.end(), control->Handle()) - fromTop.begin();
    };
    const std::vector<TControl*>& made = parent->Children();
    for (size_t older = 0; older < made.size(); ++older) {
      for (size_t younger = older + 1; younger < made.size(); ++younger) {
        const RECT a = made[older]->BoundsRect();
        const RECT b = made[younger]->BoundsRect();
        RECT common;
        if (!IntersectRect(&common, &a, &b)) continue;
        ++overlaps;
        EXPECT_LT(depth(made[younger]), depth(made[older]))
            << testing::PrintToString(made[younger]->Text()) << " over "
            << testing::PrintToString(made[older]->Text());
      }
    }
  });
  EXPECT_GT(overlaps, 20);
}

TEST_F(MainWindowLayoutTest, CreationRecoloursAndLocksTheStartButtons) {
  Build();
  for (TControl* control : std::initializer_list<TControl*>{
           window->Panel1, window->Panel2, window->DsGroup1, window->DsGroup2, window->DsGroup3}) {
    EXPECT_EQ(control->Color(), 14215660u);
  }
  for (TDsGroup* group : {window->DsGroup1, window->DsGroup2, window->DsGroup3, window->DsGroup4}) {
    EXPECT_EQ(group->FaceColor(), 13423306u);
  }
  for (TControl* control : std::initializer_list<TControl*>{
           window->cbHideLog, window->Label1, window->opK, window->opF, window->opD}) {
    EXPECT_EQ(control->Color(), 13423306u);
  }
  for (TxpButton* button : {window->buConvert, window->buInsert, window->buSaveas}) {
    EXPECT_FALSE(button->Enabled());
  }
  EXPECT_TRUE(window->buLog->Enabled());
  EXPECT_TRUE(window->buClose->Enabled());
  EXPECT_EQ(window->buConvert->BackgroundColor(), 14215660u);
  EXPECT_EQ(window->buInsert->BackgroundColor(), 13423306u);
  EXPECT_EQ(window->buSaveas->BackgroundColor(), 13423306u);
  for (TDsCheck* op : {window->opK, window->opF, window->opD}) {
    EXPECT_FALSE(op->Enabled());
    EXPECT_FALSE(op->Checked());
  }
  EXPECT_TRUE(window->cbHideLog->Checked());
}

// Types text into a spin field and leaves it.
void TypeAndLeave(TSpinEdit* field, const wchar_t* text, TControl* next) {
  field->SetFocus();
  field->SetText(text);
  next->SetFocus();
  PumpMessages();
}

TEST_F(MainWindowLayoutTest, ParameterFieldsAsAUserMeetsThem) {
  Open();
  MakeParameterPages();
  TypeAndLeave(window->edSize, L"20", window->edPower);
  EXPECT_EQ(window->edSize->Text(), L"16");
  TypeAndLeave(window->edSize, L"", window->edPower);
  EXPECT_EQ(window->edSize->Text(), L"");
  EXPECT_EQ(window->edSize->Value(), 1);

  window->edPower->SetValue(10);
  window->edPower->SetFocus();
  std::vector<int> steps;
  for (int i = 0; i < 17; ++i) {
    SendMessageW(window->edPower->Handle(), WM_KEYDOWN, VK_UP, 0);
    steps.push_back(window->edPower->Value());
  }
  EXPECT_EQ(steps[0], 30);
  EXPECT_EQ(steps[1], 50);
  EXPECT_EQ(steps[13], 290);
  EXPECT_EQ(steps[14], 300);
  EXPECT_EQ(steps[16], 300);

  ASSERT_EQ(window->edRGB->Count(), 10);
  EXPECT_EQ(window->edRGB->Font().Name(), L"Arial");
  EXPECT_EQ(window->edRGB->Font().Height(), 12);
  EXPECT_FALSE(window->edRGB->ParentFont());
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(window->edRGB->Handle(), WM_GETFONT, 0, 0)),
            window->edRGB->Font().Handle());
  EXPECT_EQ(window->edRGB->Item(0), L"0.1");
  EXPECT_EQ(window->edRGB->Item(9), L"1.0");
  window->edRGB->SetText(L"0.55x");
  window->edSize->SetFocus();
  PumpMessages();
  EXPECT_EQ(window->edRGB->Text(), L"0.55x");
}

// Posts a key press to the focused window, as typing does.
void Type(WORD key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
  PumpMessages();
}

// Tab goes round every control that takes the focus, Help, TARN info, the
// settings file button and the shining page's fields and Example among
// them, and each shows that it has the focus. Alt+H and Alt+I open the help
// and the converter's read-me.
TEST_F(MainWindowLayoutTest, EveryTabStopShowsItsFocusAndAltOpensHelpAndInfo) {
  Open();
  window->dsPage->SetActivePageIndex(3);
  std::vector<TControl*> stops;
  ForEachControl(window.get(), [&](TControl* control) {
    if (control->CanFocus()) stops.push_back(control);
  });
  window->SetFocus();
  std::vector<std::vector<COLORREF>> unfocused;
  for (const TControl* stop : stops) unfocused.push_back(ShownPixels(stop->Handle()));
  std::vector<TControl*> reached;
  for (size_t press = 0; press < stops.size(); ++press) {
    Type(VK_TAB);
    TControl* focused = TControl::FindControl(GetFocus());
    reached.push_back(focused);
    const size_t at = std::find(stops.begin(), stops.end(), focused) - stops.begin();
    ASSERT_LT(at, stops.size()) << press;
    EXPECT_NE(ShownPixels(focused->Handle()), unfocused[at])
        << testing::PrintToString(focused->Text());
  }
  std::sort(reached.begin(), reached.end());
  std::sort(stops.begin(), stops.end());
  EXPECT_EQ(reached, stops);
  for (const TControl* expected : std::initializer_list<const TControl*>{
           window->SpeedButton4, window->SpeedButton3, window->SpeedButton2, window->dsF,
           window->speedbutton5})
    EXPECT_NE(std::find(stops.begin(), stops.end(), expected), stops.end());

  for (const wchar_t letter : {L'h', L'I'}) {
    PostMessageW(GetFocus(), WM_SYSCHAR, letter, 0);
    PumpMessages();
  }
  ASSERT_EQ(desktop.shells.size(), 2u);
  EXPECT_EQ(desktop.shells[0].parameters, L'"' + (dir / L"zh_help.txt") + L'"');
  EXPECT_EQ(desktop.shells[1].parameters, L'"' + (dir / L"readme.txt") + L'"');
}

// What a screen reader is told of a control: role, name, default action.
struct Spoken {
  long role;
  std::wstring name;
  std::wstring action;
  bool operator==(const Spoken&) const = default;
};

Spoken Speak(const TControl* control) {
  AccessibleClient client(control->Handle());
  return {client.Role(), client.Name(), client.DefaultAction()};
}

// Every painted button, frame, check box and link of a window says its kind,
// its caption and what its default action does.
void ExpectOwnControlsSpoken(TControl* root) {
  ForEachControl(root, [](TControl* control) {
    const std::wstring caption = ShownCaption(control->Text());
    Spoken expected;
    if (dynamic_cast<TxpButton*>(control)) {
      expected = {ROLE_SYSTEM_PUSHBUTTON, caption, L"Press"};
    } else if (dynamic_cast<TSpeedButton*>(control)) {
      expected = {ROLE_SYSTEM_PUSHBUTTON, caption.empty() ? control->Hint() : caption, L"Press"};
    } else if (dynamic_cast<TDsGroup*>(control)) {
      expected = {ROLE_SYSTEM_GROUPING, caption, L""};
    } else if (auto* check = dynamic_cast<TDsCheck*>(control)) {
      expected = {ROLE_SYSTEM_CHECKBUTTON, caption, check->Checked() ? L"Uncheck" : L"Check"};
    } else if (dynamic_cast<TOvcURL*>(control)) {
      expected = {ROLE_SYSTEM_LINK, caption, L"Jump"};
    } else {
      return;
    }
    EXPECT_FALSE(expected.name.empty()) << testing::PrintToString(control->Text());
    EXPECT_EQ(Speak(control), expected) << testing::PrintToString(control->Text());
  });
}

TEST_F(MainWindowLayoutTest, AScreenReaderFindsEveryControlsRoleNameStateAndAction) {
  Open();
  MakeParameterPages();
  ExpectOwnControlsSpoken(window.get());
  EXPECT_EQ(Speak(window->buConvert),
            (Spoken{ROLE_SYSTEM_PUSHBUTTON, L"Start conversion", L"Press"}));
  EXPECT_EQ(Speak(window->SpeedButton2).name, L"Edit TARN.INI configuration file");
  window->buClose->SetFocus();
  for (const auto& [control, state] : std::initializer_list<std::pair<TControl*, long>>{
           {window->buConvert, STATE_SYSTEM_UNAVAILABLE},
           {window->buClose, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED},
           {window->SpeedButton4, STATE_SYSTEM_FOCUSABLE},
           {window->DsGroup3, 0},
           {window->Button1, STATE_SYSTEM_INVISIBLE}}) {
    EXPECT_EQ(AccessibleClient(control->Handle()).State(), state)
        << testing::PrintToString(control->Text());
  }
  for (const auto& [control, name] : std::initializer_list<std::pair<TControl*, std::wstring>>{
           {window->dsF, L"f/  Convert to FS2002 model"},
           {window->dsZ, L"z/  Set visual model size"},
           {window->MDL_D, L"Folders"},
           {window->MDL_f, L"Source MDL file"},
           {window->memo2, L"Converted files"},
           {window->edRGB, L"Specular RGB"},
           {window->edPower, L"Specular power"},
           {window->edSize, L"Aircraft size"}}) {
    EXPECT_EQ(Speak(control).name, name);
  }

  RunModal([&] { window->speedbutton5->Click(); }, [](TForm& form) {
    auto& shining = dynamic_cast<TForm1&>(form);
    ExpectOwnControlsSpoken(&shining);
    EXPECT_EQ(Speak(shining.edPower).name, L"Set Specular Power");
    EXPECT_EQ(Speak(shining.edRGB).name, L"Set Specular RGB");
  });
  RunModal([&] { window->xpButton1->Click(); }, [](TForm& form) {
    ExpectOwnControlsSpoken(&form);
    EXPECT_EQ(Speak(dynamic_cast<TForm2&>(form).edSize).name, L"Set Size [1-16]");
  });
  const std::unique_ptr<TForm3> notice = CreateForm<TForm3>(window.get());
  notice->Show();
  PumpMessages();
  ExpectOwnControlsSpoken(notice.get());
  EXPECT_EQ(Speak(notice->URL1).role, ROLE_SYSTEM_LINK);
}

TEST_F(MainWindowLayoutTest, OnlyTheProgramSwitchesTheParameterPages) {
  Open();
  EXPECT_EQ(window->Panel4->Caption(), L"Command parameters");
  EXPECT_EQ(window->dsPage->PageCount(), 6);
  // Every point of the tab row belongs to the caption panel.
  for (int x = 2; x < 60; x += 5) {
    POINT point{x, 5};
    MapWindowPoints(window->dsPage->Handle(), nullptr, &point, 1);
    EXPECT_EQ(WindowFromPoint(point), window->Panel4->Handle()) << x;
  }
  window->dsPage->SetActivePageIndex(4);
  EXPECT_TRUE(window->Label11->Showing());
  EXPECT_FALSE(window->Label9->Showing());

  // Tab never stops on the page control, a press on its edge does not focus
  // it, and the arrow keys do not turn its pages even when it has the focus.
  window->buConvert->SetEnabled(true);
  window->buConvert->SetFocus();
  for (int i = 0; i < 40; ++i) {
    Type(VK_TAB);
    EXPECT_NE(GetFocus(), window->dsPage->Handle()) << i;
  }
  const int edge = window->dsPage->Height() - 2;
  SendMessageW(window->dsPage->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, edge));
  SendMessageW(window->dsPage->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, edge));
  EXPECT_NE(GetFocus(), window->dsPage->Handle());
  window->dsPage->SetFocus();
  for (WORD key : {VK_RIGHT, VK_LEFT, VK_HOME, VK_END}) Type(key);
  EXPECT_EQ(window->dsPage->ActivePageIndex(), 4);
}

// The credit fits its fixed label in the label's own font, and every line
// of the fixed notes of the windows shows as one line.
TEST_F(MainWindowLayoutTest, TheCreditAndTheFixedNotesFitTheirPlaces) {
  Build();
  MakeParameterPages();
  const std::wstring credit = window->Label2->Caption();
  EXPECT_TRUE(credit.ends_with(L"'s"));
  MemoryDC dc;
  TCanvas canvas(dc.Get());
  canvas.Font().Assign(window->Label2->Font());
  const SIZE extent = canvas.TextExtent(credit);
  EXPECT_LE(extent.cx, window->Label2->Width());
  EXPECT_LE(extent.cy, window->Label2->Height());

  const auto shining = CreateForm<TForm1>(window.get());
  const auto notice = CreateForm<TForm3>(window.get());
  for (TMemo* memo : {window->Memo3, shining->Memo1, shining->Memo2, notice->Memo1}) {
    const auto lines = static_cast<LRESULT>(memo->Lines().size());
    EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), lines + 1) << memo->Text();
  }
}

// The Example buttons open the dialogs on the window's own fields: each
// shows their values, and its "Ok" writes its own back into them.
TEST_F(MainWindowLayoutTest, TheExampleButtonsOpenTheDialogsOnTheWindowsFields) {
  Open();
  MakeParameterPages();
  window->edRGB->SetText(L"0.3");
  window->edPower->SetValue(170);
  window->edSize->SetValue(7);
  RunModal([&] { window->speedbutton5->Click(); }, [](TForm& form) {
    auto& shining = dynamic_cast<TForm1&>(form);
    EXPECT_EQ(shining.edRGB->Text(), L"0.3");
    EXPECT_EQ(shining.edPower->Value(), 170);
    shining.edRGB->SetText(L"0.8");
    shining.edPower->SetValue(90);
    shining.xpButton2->Click();
  });
  RunModal([&] { window->xpButton1->Click(); }, [](TForm& form) {
    auto& size = dynamic_cast<TForm2&>(form);
    EXPECT_EQ(size.edSize->Value(), 7);
    size.edSize->SetValue(12);
    size.xpButton2->Click();
  });
  EXPECT_EQ(window->edRGB->Text(), L"0.8");
  EXPECT_EQ(window->edPower->Value(), 90);
  EXPECT_EQ(window->edSize->Value(), 12);
}

TEST_F(MainWindowLayoutTest, OnlyThreeControlsShowToolTips) {
  Build();
  std::vector<TControl*> hinted;
  ForEachControl(window.get(), [&](TControl* control) {
    if (control->ShowHint()) hinted.push_back(control);
  });
  EXPECT_EQ(hinted, (std::vector<TControl*>{window->SpeedButton2, window->buInsert,
                                            window->buSaveas}));
  EXPECT_EQ(window->SpeedButton2->Hint(), L"Edit TARN.INI configuration file");
}

// The documents open in the Notepad of the system folder, named by its full
// path with the document's full path, so that no notepad.exe in the program
// folder or on the search path is the one run.
TEST_F(MainWindowLayoutTest, SideDocumentsOpenByFullPathInTheSystemsNotepad) {
  Open();
  window->SpeedButton2Click(window->SpeedButton2);
  window->SpeedButton3Click(window->SpeedButton3);
  window->SpeedButton4Click(window->SpeedButton4);
  wchar_t system[MAX_PATH];
  const std::wstring notepad =
      std::wstring(system, GetSystemDirectoryW(system, MAX_PATH)) + L"\\notepad.exe";
  EXPECT_TRUE(IsFile(notepad));
  const std::vector<std::wstring> documents = {L"tarn.ini", L"readme.txt", L"zh_help.txt"};
  ASSERT_EQ(desktop.shells.size(), documents.size());
  for (size_t i = 0; i < documents.size(); ++i) {
    EXPECT_EQ(desktop.shells[i].file, notepad);
    EXPECT_EQ(desktop.shells[i].parameters, L'"' + (dir / documents[i]) + L'"');
    EXPECT_EQ(desktop.shells[i].directory, dir.Path());
    EXPECT_EQ(desktop.shells[i].show, SW_SHOW);
  }
}

}  // namespace

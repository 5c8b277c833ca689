#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/control.h"

// What a key does in the text viewer.
enum class TViewerCommand {
  None, LineUp, LineDown, PageUp, PageDown, LineStart, LineEnd, Top, Bottom, Left, Right
};

struct TKeyCommand {
  WORD key;
  TShiftState shift;
  TViewerCommand command;
};

// A named table of key commands; only active tables are consulted.
struct TCommandTable {
  std::wstring name;
  bool active = false;
  std::vector<TKeyCommand> keys;
};

// The entry options an editing control would follow; kept as settings.
struct TEntryOptions {
  bool autoSelect = true;
  bool beepOnError = true;
  bool insertPushes = true;
};

// The key commands of the viewers that use it, plus the shared entry
// settings. Holds the tables "Default" (active), "WordStar" and "Grid".
class TOvcController : public TComponent {
 public:
  explicit TOvcController(TComponent* owner);

  std::vector<TCommandTable>& Tables() { return tables_; }
  // The command of the first active table that maps key with shift.
  TViewerCommand Translate(WORD key, TShiftState shift) const;

  int Epoch() const { return epoch_; }
  void SetEpoch(int epoch) { epoch_ = epoch; }
  TEntryOptions& EntryOptions() { return entryOptions_; }

 private:
  std::vector<TCommandTable> tables_;
  int epoch_ = 2000;
  TEntryOptions entryOptions_;
};

// The scrolling keys of the "Default" table.
TCommandTable DefaultCommandTable();

// The command table maps key with shift to, or None.
TViewerCommand FindCommand(const TCommandTable& table, WORD key, TShiftState shift);

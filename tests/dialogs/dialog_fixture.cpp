#include "tests/dialogs/dialog_fixture.h"

#include "controls/control_makers.h"

TMainFields::TMainFields(TComponent* owner)
    : TForm(owner),
      rgb(MakeRgbCombo(this, {8, 8, 45, 23})),
      power(MakeSpin(this, {8, 40, 45, 24}, 10, 300, 20, 3)),
      size(MakeSpin(this, {8, 72, 41, 22}, 1, 16, 1, 2)) {}

DialogTest::DialogTest() : main(CreateForm<TMainFields>(nullptr)) { zh_tarnF = main.get(); }

DialogTest::~DialogTest() { zh_tarnF = nullptr; }

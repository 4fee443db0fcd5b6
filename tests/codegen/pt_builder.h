#pragma once

// PToolboxLib forms built in code, each control made by the designer's own placement
// (automatic name aside: the caller names it).

#include <memory>
#include <string>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "form/ChildFor.h"

namespace qb::test::pt {

// A form with its name; the screen keeps its defaults unless the test changes them.
std::unique_ptr<TChildFrm> NewForm(const std::string& name, const std::string& title);

// Each places one control of the kind on `panel` (the form's screen or a dialog on it).
// "Palm at" kinds take Palm coordinates, the others panel coordinates.
TPTButton& PlaceButton(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TCCButton& PlaceSelect(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TCCSwitch& PlacePush(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TPTLabel& PlaceLabel(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TPTEdit& PlaceField(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TPTCheckbox& PlaceCheckBox(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TPTList& PlaceList(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TPTPopTrigger& PlacePopTrigger(TChildFrm& form, TControl& panel, const std::string& name, int x,
                               int y);
TCCRadio& PlaceRadio(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TCCBitmap& PlaceBitmap(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
TPTGsi& PlaceGsi(TChildFrm& form, TControl& panel, const std::string& name, int x, int y);
// Always on the screen panel; it becomes the shown dialog, hiding the previous one.
TPTDialog& PlaceDialog(TChildFrm& form, const std::string& name);

}  // namespace qb::test::pt

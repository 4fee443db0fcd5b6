#pragma once

// Builds CControls forms in code for the generator tests: each control is made by the
// designer's own placement (automatic name aside), then the test adjusts what it needs.

#include <string>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "form/ChildFor.h"

namespace qb::test {

// A form with its name and screen title.
void NameForm(TChildFrm& form, const std::string& name, const std::string& title);

// On the given parent (the screen panel or a dialog). Palm at (x, y) for the button, panel
// (x, y) for the others, as placement does.
TCCButton& PlaceButton(TControl& parent, const std::string& name, int x, int y);
TCCLabel& PlaceLabel(TControl& parent, const std::string& name, int x, int y);
TCCCheckbox& PlaceCheckBox(TControl& parent, const std::string& name, int x, int y);
TCCSwitch& PlaceSwitch(TControl& parent, const std::string& name, int x, int y);
TCCEdit& PlaceEdit(TControl& parent, const std::string& name, int x, int y);
TCCEdit& PlaceEditLine(TControl& parent, const std::string& name, int x, int y);
TCCListBox& PlaceListBox(TControl& parent, const std::string& name, int x, int y);
TCCDropDown& PlaceDropDown(TControl& parent, const std::string& name, int x, int y);
TCCRadio& PlaceRadio(TControl& parent, const std::string& name, int x, int y);
TCCPopUp& PlacePopUp(TControl& parent, const std::string& name, int x, int y);
TCCBitmap& PlaceImage(TControl& parent, const std::string& name, int x, int y);
TCCTable& PlaceTable(TControl& parent, const std::string& name, int x, int y);

// On the form's screen panel; the form's shown dialog, if any, is hidden first.
TPTDialog& PlaceDialog(TChildFrm& form, const std::string& name);
// On the designer window; the menu bar "MenuBar" + form name is made with the first menu.
TCCMenu& PlaceMenu(TChildFrm& form, const std::string& name);

}  // namespace qb::test

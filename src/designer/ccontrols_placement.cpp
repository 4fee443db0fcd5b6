// Initial values of the CControls kinds.

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "controls/PTList.h"
#include "designer/placement_tables.h"

namespace qb {

namespace {

constexpr int kSwitchWidth = 38;
constexpr int kDropDownUserWidth = 36;
constexpr int kTableUserWidth = 75;
constexpr int kMenuLeftInset = 5;
constexpr int kMenuUserWidth = 38;

using A = PlaceAt;
using K = KindId;

const std::vector<PlacementRule> kRules = {
    {K::kCCButton, A::kPalm, true, false,
     InitAs<TCCButton>([](TCCButton& c, const PlaceContext& p) { c.SetContent(p.name); })},
    {K::kCCLabel, A::kPanel, true, false, InitAs<TCCLabel>([](TCCLabel& c, const PlaceContext& p) {
       c.SetContent(p.name);
       c.SetLine(0);
       c.SetStyle(0);
     })},
    {K::kCCCheckBox, A::kPanel, true, false,
     InitAs<TCCCheckbox>([](TCCCheckbox& c, const PlaceContext& p) { c.SetContent(p.name); })},
    {K::kCCSwitch, A::kPanel, true, false,
     InitAs<TCCSwitch>([](TCCSwitch& c, const PlaceContext& p) {
       c.SetContent(p.name);
       c.SetWidth(kSwitchWidth);
     })},
    {K::kCCEdit, A::kPanel, true, false,
     InitAs<TCCEdit>([](TCCEdit& c, const PlaceContext& p) { c.SetContent(p.name); })},
    {K::kCCEditLine, A::kPanel, true, false,
     InitAs<TCCEdit>([](TCCEdit& c, const PlaceContext& p) { c.SetContent(p.name); })},
    {K::kCCListBox, A::kPanel, true, false,
     InitAs<TCCListBox>([](TCCListBox& c, const PlaceContext&) { c.SetItems(PlacedListItems()); })},
    {K::kCCDropDown, A::kPanel, true, false,
     InitAs<TCCDropDown>([](TCCDropDown& c, const PlaceContext&) {
       c.SetItems(PlacedListItems());
       c.SetUserWidth(kDropDownUserWidth);
     })},
    {K::kCCRadio, A::kPanel, true, false,
     InitAs<TCCRadio>([](TCCRadio& c, const PlaceContext&) { c.SetItems(PlacedRadioItems()); })},
    {K::kCCPopUp, A::kPanel, true, false, InitAs<TCCPopUp>([](TCCPopUp& c, const PlaceContext&) {
       c.SetItems(PlacedListItems());
       c.SetTest(1);
     })},
    {K::kCCImage, A::kPanel, false, false, InitAs<TCCBitmap>([](TCCBitmap& c, const PlaceContext&) {
       c.SetTag(1);  // clickable
     })},
    {K::kCCTable, A::kPanel, true, false, InitAs<TCCTable>([](TCCTable& c, const PlaceContext&) {
       c.SetItems({kPlacedTableRow});
       c.SetColWidths({"25", "25", "25"});
       c.SetColAlign({"0", "0", "0"});
       c.SetUserWidth(kTableUserWidth);
     })},
    {K::kCCMenu, A::kMenu, false, false, InitAs<TCCMenu>([](TCCMenu& c, const PlaceContext& p) {
       const TCCForm& screen = p.form.Screen();
       c.SetTop(screen.Top());
       c.SetUserLeft(screen.Left() + kMenuLeftInset);
       c.SetItems({kPlacedMenuItem});
       c.SetUserWidth(kMenuUserWidth);
     })},
    {K::kCCDialog, A::kDialog, true, false, InitPlacedDialog},
};

}  // namespace

const std::vector<PlacementRule>& CControlsPlacement() { return kRules; }

void InitPlacedDialog(TControl& control, const PlaceContext& context) {
  auto* dialog = As<TPTDialog>(&control);
  if (!dialog) return;
  dialog->SetUserTop(kDialogUserTop);
  dialog->SetUserLeft(kDialogUserLeft);
  dialog->SetUserHeight(kDialogUserHeight);
  dialog->SetUserWidth(kDialogUserWidth);
  dialog->SetTag(1);
  dialog->SetGridSpace(context.form.Screen().GridSpace());
  dialog->SetGridVisible(context.form.Screen().GridVisible());
}

}  // namespace qb

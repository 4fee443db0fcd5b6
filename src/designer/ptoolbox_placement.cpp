// Initial values of the PToolboxLib kinds.

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTEdit.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "designer/placement_tables.h"

namespace qb {

namespace {

constexpr int kObjectUserHeight = 13;
constexpr int kButtonUserWidth = 42;
constexpr int kSelectUserWidth = 34;
constexpr int kDottedLine = 2;
constexpr int kCheckBoxHeight = 15;
constexpr int kPopTriggerHeight = 15;

using A = PlaceAt;
using K = KindId;

const std::vector<PlacementRule> kRules = {
    {K::kPTButton, A::kPalm, true, true, InitAs<TPTButton>([](TPTButton& c, const PlaceContext& p) {
       c.SetUserHeight(kObjectUserHeight);
       c.SetUserWidth(kButtonUserWidth);
       c.SetText(p.name);
     })},
    {K::kPTSelect, A::kPalm, true, true, InitAs<TCCButton>([](TCCButton& c, const PlaceContext& p) {
       c.SetUserHeight(kObjectUserHeight);
       c.SetUserWidth(kSelectUserWidth);
       c.SetContent(p.name);
       c.SetRadius(0);
       c.SetLine(kDottedLine);
       c.SetAlignment(TextAlign::kLeft);
       c.SetShowForm(kNoneChoice);
       c.SetDOTTitle(kPlacedSelectTitle);
     })},
    {K::kPTPush, A::kPanel, true, true, InitAs<TCCSwitch>([](TCCSwitch& c, const PlaceContext& p) {
       c.SetUserHeight(kObjectUserHeight);
       c.SetContent(p.name);
       c.SetTag(0);  // group number
     })},
    // The label has neither a line nor a style in this library.
    {K::kPTLabel, A::kPanel, true, true,
     InitAs<TPTLabel>([](TPTLabel& c, const PlaceContext& p) { c.SetContent(p.name); })},
    {K::kPTField, A::kPanel, true, false, nullptr},
    {K::kPTCheckBox, A::kPanel, true, true,
     InitAs<TPTCheckbox>([](TPTCheckbox& c, const PlaceContext& p) {
       c.SetHeight(kCheckBoxHeight);
       c.SetContent(p.name);
     })},
    {K::kPTList, A::kPanel, true, true,
     InitAs<TPTList>([](TPTList& c, const PlaceContext&) { c.SetItems(PlacedListItems()); })},
    {K::kPTPopTrigger, A::kPanel, true, true,
     InitAs<TPTPopTrigger>(
         [](TPTPopTrigger& c, const PlaceContext&) { c.SetHeight(kPopTriggerHeight); })},
    {K::kPTRadio, A::kPanel, true, true, InitAs<TCCRadio>([](TCCRadio& c, const PlaceContext&) {
       c.SetUserHeight(kObjectUserHeight);
       c.SetTag(1);  // group number
       c.SetItems(PlacedRadioItems());
     })},
    {K::kPTBitmap, A::kPanel, false, true, nullptr},
    {K::kPTGsi, A::kPanel, false, true, nullptr},
    {K::kPTDialog, A::kDialog, true, false, InitPlacedDialog},
};

}  // namespace

const std::vector<PlacementRule>& PToolboxPlacement() { return kRules; }

}  // namespace qb

#include "properties/ccrules.h"

#include "controls/cc_bindings.h"
#include "designer/menus.h"
#include "form/app_state.h"
#include "form/hub.h"
#include "properties/frmProperties.h"
#include "properties/items_transfer.h"
#include "properties/row_kit.h"
#include "properties/row_names.h"

namespace qb {

namespace {

using K = KindId;

using namespace rowkit;  // NOLINT(build/namespaces): the tables read as the row lists they are
using CS = CoordSet;
using vocab::FlagValue;

const SizeLimit kImageLimit{kImageMaxSize, kImageWidthMessage, kImageHeightMessage};

RowSpec AlignmentRow() {
  return {rows::kAlignment,
          [](const TControl& c, const RowEnv&) {
            return vocab::WordText(vocab::kAlignmentWords, static_cast<int>(c.Alignment()));
          },
          [](TControl& c, const std::string& text, RowEnv&) {
            if (auto value = vocab::WordValue(vocab::kAlignmentWords, text))
              c.SetAlignment(static_cast<TextAlign>(*value));
          }};
}

RowSpec LineRow(const PropertyBinding& b) { return WordsRow(b, vocab::kLineWords); }

RowSpec StyleRow(const PropertyBinding& b) { return WordsRow(b, vocab::kTextStyleWords); }

RowSpec StateRow(const PropertyBinding& b) { return FlagRow(b, vocab::kStateFlag); }

RowSpec MenuBarTestRow() {
  return SpecialRow(
      ccbind::kMenuBarTest,
      [](const TControl& c, const RowEnv&) {
        return vocab::FlagText(vocab::kStrictTestFlag, ccbind::kMenuBarTest.get_int(c));
      },
      [](TControl& c, const std::string& text, RowEnv& env) {
        auto value = FlagValue(vocab::kStrictTestFlag, text);
        if (!value) return;
        ccbind::kMenuBarTest.set_int(c, *value);
        if (*value != 0 || !env.window) return;
        for (const auto& child : env.window->Client().Children()) {
          if (auto* menu = As<TCCMenu>(child.get())) {
            menu->SetTest(0);
            menu->SetVisible(false);
          }
        }
      });
}

RowSpec MenuTestRow() {
  return SpecialRow(
      ccbind::kMenuTest,
      [](const TControl& c, const RowEnv&) {
        return vocab::FlagText(vocab::kStrictTestFlag, ccbind::kMenuTest.get_int(c));
      },
      [](TControl& c, const std::string& text, RowEnv& env) {
        if (auto value = FlagValue(vocab::kStrictTestFlag, text))
          ccbind::kMenuTest.set_int(c, *value);
        if (env.window) OpenMenu(*env.window, Of<TCCMenu>(c));
      });
}

std::vector<KindTable> BuildTables() {
  using namespace ccbind;  // NOLINT(build/namespaces)
  const RowSpec left = CoordRow(Axis::kLeft);
  const RowSpec top = CoordRow(Axis::kTop);
  const RowSpec width = CoordRow(Axis::kWidth);
  const RowSpec height = CoordRow(Axis::kHeight);
  const RowSpec name = NameRow();
  const RowSpec font = FontRow();
  return {
      {K::kCCButton,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {TextRow(kButtonContent), IntRow(kButtonEdge), font, height, left, LineRow(kButtonLine),
        name, TextRow(kButtonShowForm), top, width}},
      {K::kCCLabel,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {AlignmentRow(), TextRow(kLabelContent), font, left, LineRow(kLabelLine), name,
        StyleRow(kLabelStyle), top, width}},
      {K::kCCCheckBox,
       {CS::kPalm, CS::kPanel, CS::kNone},
       nullptr,
       {TextRow(kCheckBoxContent), font, left, name, StateRow(kCheckBoxState), top, width}},
      {K::kCCSwitch,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {TextRow(kSwitchContent), IntRow(kSwitchEdge), font, height, left, LineRow(kSwitchLine),
        name, StateRow(kSwitchState), top, width}},
      {K::kCCEdit,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {AlignmentRow(), TextRow(kEditContent), left, LineRow(kEditLine), name, StyleRow(kEditStyle),
        top, TextRow(kEditTopic), width}},
      {K::kCCEditLine,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {TextRow(kEditContent), left, LineRow(kEditLine), name, StyleRow(kEditStyle), top, width}},
      {K::kCCListBox,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {ItemsRow(kListBoxItems), left, name, IntRow(kListBoxSelected), top, IntRow(kListBoxVisible),
        width}},
      {K::kCCRadio,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {height, ItemsRow(kRadioItems), left, name, IntRow(kRadioSelected), top, width}},
      {K::kCCDropDown,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {ItemsRow(kDropDownItems), left, name, IntRow(kDropDownSelected),
        FlagRow(kDropDownTestItems, vocab::kTestFlag), top, IntRow(kDropDownVisible), width}},
      {K::kCCPopUp,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {ItemsRow(kPopUpItems), left, name, IntRow(kPopUpSelected),
        FlagRow(kPopUpTest, vocab::kTestFlag), top, IntRow(kPopUpVisible), width}},
      {K::kCCMenuBar, {CS::kNone, CS::kNone, CS::kNone}, nullptr, {name, MenuBarTestRow()}},
      {K::kCCMenu,
       {CS::kMenuLeft, CS::kPalm, CS::kNone},
       nullptr,
       {ItemsRow(kMenuItems), left, name, MenuTestRow(), TextRow(kMenuTopic),
        IntRow(kMenuTopicWidth), width}},
      {K::kCCDialog,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {TextRow(kDialogContent), height, left, name, DialogTestRow(), top, width}},
      {K::kCCImage,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       &kImageLimit,
       {BitmapRow(kImageBits),
        FlagRow<TCCBitmap>(rows::kClickable, &TCCBitmap::Tag, &TCCBitmap::SetTag,
                           vocab::kClickableFlag),
        height, left, name, top, width}},
      {K::kCCTable,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {ItemsRow(), left, name, IntRow(kTableSelectedRow), top, IntRow(kTableVisibleRows), width}},
  };
}

}  // namespace

const std::vector<KindTable>& CCRules::Tables() {
  static const std::vector<KindTable> kTables = BuildTables();
  return kTables;
}

const KindTable& CCRules::FormTable() {
  static const KindTable kForm{
      KindId::kForm, {CS::kNone, CS::kNone, CS::kNone}, nullptr, {FormNameRow(), FormTitleRow()}};
  return kForm;
}

const KindTable* CCRules::TableFor(const TControl& control) const {
  return FindTable(Tables(), FormTable(), control);
}

void CCRules::HideEditorsForFill() { Context().inspector.HideEditors(); }

void CCRules::BeforeFill(TControl& control, TChildFrm* window) {
  auto* menu = As<TCCMenu>(&control);
  if (!menu || menu->Test() != 0 || Context().inspector.SelectedRowName() == rows::kTest) return;
  menu->SetTest(1);
  if (window) OpenMenu(*window, *menu);
}

void CCRules::AfterRow(std::string_view, TControl& control, TChildFrm*) {
  if (auto* menu = As<TCCMenu>(&control))
    if (TControl* parent = menu->Parent()) parent->BringToFront(menu);
}

void CCRules::EditItems() {
  TControl* current = Context().state.current_control.Get();
  if (auto* table = As<TCCTable>(current)) {
    Context().hub.EditTable(*table);
    FillInspector(*table);
    return;
  }
  RulesContext& ctx = Context();
  static_cast<void>(EditItemsOf<TCCListBox>(current, ctx) || EditItemsOf<TCCRadio>(current, ctx) ||
                    EditItemsOf<TCCDropDown>(current, ctx) || EditItemsOf<TCCPopUp>(current, ctx) ||
                    EditItemsOf<TCCMenu>(current, ctx));
}

}  // namespace qb

#include "properties/ccrules.h"

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

template <typename T>
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

template <typename T>
RowSpec ContentRow() {
  return TextRow<T>(rows::kContent, &T::Content, &T::SetContent);
}

template <typename T>
RowSpec LineRow() {
  return WordsRow<T>(rows::kLine, &T::Line, &T::SetLine, vocab::kLineWords);
}

template <typename T>
RowSpec StyleRow() {
  return WordsRow<T>(rows::kStyle, &T::Style, &T::SetStyle, vocab::kTextStyleWords);
}

template <typename T>
RowSpec SelectedItemRow() {
  return IntRow<T>(rows::kSelectedItem, &T::SelectedItem, &T::SetSelectedItem);
}

template <typename T>
RowSpec VisibleItemsRow() {
  return IntRow<T>(rows::kVisibleItems, &T::VisibleItems, &T::SetVisibleItems);
}

RowSpec MenuBarTestRow() {
  return {rows::kTest,
          [](const TControl& c, const RowEnv&) {
            return vocab::FlagText(vocab::kStrictTestFlag, Of<TCCMenuBar>(c).Test());
          },
          [](TControl& c, const std::string& text, RowEnv& env) {
            auto value = FlagValue(vocab::kStrictTestFlag, text);
            if (!value) return;
            Of<TCCMenuBar>(c).SetTest(*value);
            if (*value != 0 || !env.window) return;
            for (const auto& child : env.window->Client().Children()) {
              if (auto* menu = As<TCCMenu>(child.get())) {
                menu->SetTest(0);
                menu->SetVisible(false);
              }
            }
          }};
}

RowSpec MenuTestRow() {
  return {rows::kTest,
          [](const TControl& c, const RowEnv&) {
            return vocab::FlagText(vocab::kStrictTestFlag, Of<TCCMenu>(c).Test());
          },
          [](TControl& c, const std::string& text, RowEnv& env) {
            auto& menu = Of<TCCMenu>(c);
            if (auto value = FlagValue(vocab::kStrictTestFlag, text)) menu.SetTest(*value);
            if (env.window) OpenOnlyMenu(*env.window, menu);
          }};
}

std::vector<KindTable> BuildTables() {
  const RowSpec left = CoordRow(Axis::kLeft);
  const RowSpec top = CoordRow(Axis::kTop);
  const RowSpec width = CoordRow(Axis::kWidth);
  const RowSpec height = CoordRow(Axis::kHeight);
  const RowSpec name = NameRow();
  const RowSpec font = FontRow();
  const RowSpec items = ItemsRow();
  return {
      {K::kCCButton,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {ContentRow<TCCButton>(),
        IntRow<TCCButton>(rows::kEdge, &TCCButton::Radius, &TCCButton::SetRadius), font, height,
        left, LineRow<TCCButton>(), name,
        TextRow<TCCButton>(rows::kShowForm, &TCCButton::ShowForm, &TCCButton::SetShowForm), top,
        width}},
      {K::kCCLabel,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {AlignmentRow<TCCLabel>(), ContentRow<TCCLabel>(), font, left, LineRow<TCCLabel>(), name,
        StyleRow<TCCLabel>(), top, width}},
      {K::kCCCheckBox,
       {CS::kPalm, CS::kPanel, CS::kNone},
       nullptr,
       {ContentRow<TCCCheckbox>(), font, left, name,
        FlagRow<TCCCheckbox>(rows::kState, &TCCCheckbox::State, &TCCCheckbox::SetState,
                             vocab::kStateFlag),
        top, width}},
      {K::kCCSwitch,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {ContentRow<TCCSwitch>(),
        IntRow<TCCSwitch>(rows::kEdge, &TCCSwitch::Radius, &TCCSwitch::SetRadius), font, height,
        left, LineRow<TCCSwitch>(), name,
        FlagRow<TCCSwitch>(rows::kState, &TCCSwitch::State, &TCCSwitch::SetState,
                           vocab::kStateFlag),
        top, width}},
      {K::kCCEdit,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {AlignmentRow<TCCEdit>(), ContentRow<TCCEdit>(), left, LineRow<TCCEdit>(), name,
        StyleRow<TCCEdit>(), top,
        TextRow<TCCEdit>(rows::kTopic, &TCCEdit::Topic, &TCCEdit::SetTopic), width}},
      {K::kCCEditLine,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {ContentRow<TCCEdit>(), left, LineRow<TCCEdit>(), name, StyleRow<TCCEdit>(), top, width}},
      {K::kCCListBox,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {items, left, name, SelectedItemRow<TCCListBox>(), top, VisibleItemsRow<TCCListBox>(),
        width}},
      {K::kCCRadio,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {height, items, left, name, SelectedItemRow<TCCRadio>(), top, width}},
      {K::kCCDropDown,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {items, left, name, SelectedItemRow<TCCDropDown>(),
        FlagRow<TCCDropDown>(rows::kTestItems, &TCCDropDown::TestItems, &TCCDropDown::SetTestItems,
                             vocab::kTestFlag),
        top, VisibleItemsRow<TCCDropDown>(), width}},
      {K::kCCPopUp,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {items, left, name, SelectedItemRow<TCCPopUp>(),
        FlagRow<TCCPopUp>(rows::kTest, &TCCPopUp::Test, &TCCPopUp::SetTest, vocab::kTestFlag), top,
        VisibleItemsRow<TCCPopUp>(), width}},
      {K::kCCMenuBar, {CS::kNone, CS::kNone, CS::kNone}, nullptr, {name, MenuBarTestRow()}},
      {K::kCCMenu,
       {CS::kMenuLeft, CS::kPalm, CS::kNone},
       nullptr,
       {items, left, name, MenuTestRow(),
        TextRow<TCCMenu>(rows::kTopic, &TCCMenu::Topic, &TCCMenu::SetTopic),
        IntRow<TCCMenu>(rows::kTopicWidth, &TCCMenu::TopicWidth, &TCCMenu::SetTopicWidth), width}},
      {K::kCCDialog,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {TextRow<TPTDialog>(rows::kContent, &TPTDialog::Title, &TPTDialog::SetTitle), height, left,
        name, DialogTestRow(), top, width}},
      {K::kCCImage,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       &kImageLimit,
       {BitmapRow(),
        FlagRow<TCCBitmap>(rows::kClickable, &TCCBitmap::Tag, &TCCBitmap::SetTag,
                           vocab::kClickableFlag),
        height, left, name, top, width}},
      {K::kCCTable,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {items, left, name,
        IntRow<TCCTable>(rows::kSelectedRow, &TCCTable::SelectedRow, &TCCTable::SetSelectedRow),
        top,
        IntRow<TCCTable>(rows::kVisibleRows, &TCCTable::VisibleRows, &TCCTable::SetVisibleRows),
        width}},
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
  if (window) OpenOnlyMenu(*window, *menu);
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

void OpenOnlyMenu(TChildFrm& window, TCCMenu& menu) {
  if (menu.Test() == 0) return;
  for (const auto& child : window.Client().Children()) {
    if (auto* bar = As<TCCMenuBar>(child.get())) {
      bar->SetTest(1);
    } else if (auto* other = As<TCCMenu>(child.get()); other && other != &menu) {
      other->SetTest(0);
      other->SetVisible(true);
    }
  }
}

}  // namespace qb

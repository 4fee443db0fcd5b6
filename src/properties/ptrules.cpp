#include "properties/ptrules.h"

#include "controls/pt_bindings.h"
#include "form/app_state.h"
#include "properties/frmProperties.h"
#include "properties/items_transfer.h"
#include "properties/row_kit.h"
#include "properties/row_names.h"

namespace qb {

namespace {

using K = KindId;

using namespace rowkit;  // NOLINT(build/namespaces): the tables read as the row lists they are
using CS = CoordSet;

// Moving the text to the other side moves the selector by a few pixels, once.
RowSpec SelectAlignRow() {
  return {rows::kAlign,
          [](const TControl& c, const RowEnv&) {
            return vocab::WordText(vocab::kSelectAlignWords, static_cast<int>(c.Alignment()));
          },
          [](TControl& c, const std::string& text, RowEnv&) {
            if (text == vocab::kLeft) {
              if (c.Alignment() == TextAlign::kRight) c.SetLeft(c.Left() - kSelectAlignShift);
              c.SetAlignment(TextAlign::kLeft);
            } else if (text == vocab::kRight) {
              if (c.Alignment() == TextAlign::kLeft) c.SetLeft(c.Left() + kSelectAlignShift);
              c.SetAlignment(TextAlign::kRight);
            }
          }};
}

// The format's label in the table of the current picker; the picker keeps its code when it
// changes, so a date code under a time picker shows "(None)".
RowSpec DateTimeFormatRow() {
  return SpecialRow(
      ptbind::kSelectFormat,
      [](const TControl& c, const RowEnv&) {
        const auto& select = Of<TCCButton>(c);
        return DateTimeFormatLabel(select.DOTPicker(), select.DOTFormat());
      },
      [](TControl& c, const std::string& text, RowEnv&) {
        auto& select = Of<TCCButton>(c);
        select.SetDOTFormat(DateTimeFormatCode(select.DOTPicker(), text));
      });
}

// The colours are changed in the colour editor, offered only while there is a picker.
RowSpec DateTimeColorsRow() {
  return SpecialRow(
      ptbind::kSelectColors,
      [](const TControl& c, const RowEnv&) {
        return std::string(Of<TCCButton>(c).DOTPicker() != kPickerNone ? vocab::kColorsMarker
                                                                       : kNoneChoice);
      },
      nullptr);
}

// The group number of a push button and a radio group is their Tag.
template <typename T>
RowSpec TagGroupRow() {
  return IntRow<T>(rows::kGroupNumber, &T::Tag, &T::SetTag);
}

RowSpec StateRow(const PropertyBinding& b) { return FlagRow(b, vocab::kStateFlag); }

std::vector<KindTable> BuildTables() {
  using namespace ptbind;  // NOLINT(build/namespaces)
  const RowSpec left = CoordRow(Axis::kLeft);
  const RowSpec top = CoordRow(Axis::kTop);
  const RowSpec width = CoordRow(Axis::kWidth);
  const RowSpec height = CoordRow(Axis::kHeight);
  const RowSpec name = NameRow();
  const RowSpec font = FontRow();
  return {
      {K::kPTButton,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {font, WordsRow(kButtonFrame, vocab::kFrameWords), height, left, name,
        TextRow(kButtonShowForm), TextRow(kButtonText), top,
        FlagRow(kButtonType, vocab::kButtonTypeFlag), width, ColorRow(kButtonFill),
        ColorRow(kButtonTextColor)}},
      {K::kPTPush,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {font, TagGroupRow<TCCSwitch>(), height, left, name, StateRow(kPushState),
        TextRow(kPushText), top, width}},
      {K::kPTSelect,
       {CS::kPalm, CS::kNone, CS::kPalm},
       nullptr,
       {SelectAlignRow(), font, height, left, name, TextRow(kSelectText), top,
        WordsRow(kSelectPicker, vocab::kPickerWords), DateTimeFormatRow(), TextRow(kSelectTitle),
        DateTimeColorsRow(), ColorRow(kSelectFill), ColorRow(kSelectTextColor)}},
      {K::kPTCheckBox,
       {CS::kPalm, CS::kPanel, CS::kPanel},
       nullptr,
       {font, IntRow(kCheckBoxGroup), height, left, name, StateRow(kCheckBoxState),
        TextRow(kCheckBoxText), top, width}},
      {K::kPTLabel,
       {CS::kPanel, CS::kNone, CS::kNone},
       nullptr,
       {font, left, name, TextRow(kLabelText), top, ColorRow(kLabelTextColor)}},
      {K::kPTList,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {font, ItemsRow(kListItems), left, IntRow(kListMaxItems), name, IntRow(kListSelected),
        WordsRow(kListStyle, vocab::kListStyleWords), top, TextRow(kListTrigger), width}},
      {K::kPTPopTrigger,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {font, height, left, name, TextRow(kPopTriggerText), top, width}},
      {K::kPTField,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {FlagRow(kFieldEditable, vocab::kInvertedFlag), font, height,
        FlagRow(kFieldJustification, vocab::kJustificationFlag), left, IntRow(kFieldMaxChars), name,
        FlagRow(kFieldNumbersOnly, vocab::kOnFlag), FlagRow(kFieldSingleLine, vocab::kOnFlag),
        TextRow(kFieldText), top, FlagRow(kFieldUnderline, vocab::kInvertedFlag), width,
        ColorRow(kFieldFill), ColorRow(kFieldTextColor), ColorRow(kFieldLines),
        ColorRow(kFieldCaret), ColorRow(kFieldHighlightBack), ColorRow(kFieldHighlightFore)}},
      {K::kPTDialog,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {height, left, name, DialogTestRow(), TextRow(kDialogTitle), top, width,
        ColorRow(kDialogFrame), ColorRow(kDialogFill), ColorRow(kDialogObjFrame),
        ColorRow(kDialogObjFill), ColorRow(kDialogObjText), ColorRow(kDialogSelectedFill),
        ColorRow(kDialogSelectedFore)}},
      {K::kPTGsi, {CS::kPanel, CS::kNone, CS::kNone}, nullptr, {left, name, top}},
      {K::kPTBitmap,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {BitmapRow(kBitmapBits), height, left, name, top, width, ColorRow(kBitmapFore)}},
      {K::kPTRadio,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {font, TagGroupRow<TCCRadio>(), height, ItemsRow(kRadioItems), left, name,
        FlagRow(kRadioOrientation, vocab::kOrientationFlag), IntRow(kRadioSelected), top, width}},
  };
}

KindTable BuildFormTable() {
  using namespace ptbind;  // NOLINT(build/namespaces)
  return {KindId::kForm,
          {CS::kNone, CS::kNone, CS::kNone},
          nullptr,
          {FormNameRow(), FormTitleRow(), FormColorRow(kFormFrame), FormColorRow(kFormFill),
           FormColorRow(kFormObjFrame), FormColorRow(kFormObjFill), FormColorRow(kFormObjText),
           FormColorRow(kFormSelectedFill), FormColorRow(kFormSelectedFore)}};
}

}  // namespace

const std::vector<KindTable>& PTRules::Tables() {
  static const std::vector<KindTable> kTables = BuildTables();
  return kTables;
}

const KindTable& PTRules::FormTable() {
  static const KindTable kForm = BuildFormTable();
  return kForm;
}

const KindTable* PTRules::TableFor(const TControl& control) const {
  return FindTable(Tables(), FormTable(), control);
}

void PTRules::HideEditorsForFill() {
  Context().inspector.HidePickList();
  Context().inspector.HideItemsEditor();
}

void PTRules::EditItems() {
  TControl* current = Context().state.current_control.Get();
  RulesContext& ctx = Context();
  static_cast<void>(EditItemsOf<TPTList>(current, ctx) || EditItemsOf<TCCRadio>(current, ctx));
}

}  // namespace qb

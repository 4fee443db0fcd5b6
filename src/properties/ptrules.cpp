#include "properties/ptrules.h"

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
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
  return {rows::kDateTimeFormat,
          [](const TControl& c, const RowEnv&) {
            const auto& select = Of<TCCButton>(c);
            return DateTimeFormatLabel(select.DOTPicker(), select.DOTFormat());
          },
          [](TControl& c, const std::string& text, RowEnv&) {
            auto& select = Of<TCCButton>(c);
            select.SetDOTFormat(DateTimeFormatCode(select.DOTPicker(), text));
          }};
}

RowSpec DateTimeColorsRow() {
  return {rows::kDateTimeColors,
          [](const TControl& c, const RowEnv&) {
            return std::string(Of<TCCButton>(c).DOTPicker() != kPickerNone ? vocab::kColorsMarker
                                                                           : kNoneChoice);
          },
          nullptr};
}

template <typename T>
RowSpec TextOf() {
  return TextRow<T>(rows::kText, &T::Text, &T::SetText);
}

template <typename T>
RowSpec ContentAsText() {
  return TextRow<T>(rows::kText, &T::Content, &T::SetContent);
}

template <typename T>
RowSpec TagGroupRow() {
  return IntRow<T>(rows::kGroupNumber, &T::Tag, &T::SetTag);
}

template <typename T>
RowSpec StateRow() {
  return FlagRow<T>(rows::kState, &T::State, &T::SetState, vocab::kStateFlag);
}

template <typename T>
void AppendFillAndText(std::vector<RowSpec>* rows_out) {
  rows_out->push_back(ColorRow<T>(rows::kFillColor, &T::ColorFill, &T::SetColorFill));
  rows_out->push_back(ColorRow<T>(rows::kTextColor, &T::ColorText, &T::SetColorText));
}

// The object colours a dialog or the form hands to the controls on it.
template <typename T>
void AppendObjectColors(std::vector<RowSpec>* rows_out) {
  rows_out->push_back(ColorRow<T>(rows::kObjFrameColor, &T::ColorFrame, &T::SetColorFrame));
  rows_out->push_back(ColorRow<T>(rows::kObjFillColor, &T::ColorFill, &T::SetColorFill));
  rows_out->push_back(ColorRow<T>(rows::kObjForeTextColor, &T::ColorText, &T::SetColorText));
  rows_out->push_back(
      ColorRow<T>(rows::kObjSelectedFillColor, &T::ColorSelectedFill, &T::SetColorSelectedFill));
  rows_out->push_back(
      ColorRow<T>(rows::kObjSelectedForeColor, &T::ColorSelectedFore, &T::SetColorSelectedFore));
}

std::vector<RowSpec> ButtonRows(const RowSpec& font, const RowSpec& height, const RowSpec& left,
                                const RowSpec& name, const RowSpec& top, const RowSpec& width) {
  using B = TPTButton;
  std::vector<RowSpec> out = {
      font,
      WordsRow<B>(rows::kFrame, &B::Frame, &B::SetFrame, vocab::kFrameWords),
      height,
      left,
      name,
      TextRow<B>(rows::kShowForm, &B::ShowForm, &B::SetShowForm),
      TextOf<B>(),
      top,
      FlagRow<B>(rows::kType, &B::ButtonType, &B::SetButtonType, vocab::kButtonTypeFlag),
      width};
  AppendFillAndText<B>(&out);
  return out;
}

std::vector<RowSpec> SelectRows(const RowSpec& font, const RowSpec& height, const RowSpec& left,
                                const RowSpec& name, const RowSpec& top) {
  using S = TCCButton;
  std::vector<RowSpec> out = {
      SelectAlignRow(),
      font,
      height,
      left,
      name,
      ContentAsText<S>(),
      top,
      WordsRow<S>(rows::kDateTimePicker, &S::DOTPicker, &S::SetDOTPicker, vocab::kPickerWords),
      DateTimeFormatRow(),
      TextRow<S>(rows::kDateTimeTitle, &S::DOTTitle, &S::SetDOTTitle),
      DateTimeColorsRow()};
  AppendFillAndText<S>(&out);
  return out;
}

std::vector<RowSpec> FieldRows(const RowSpec& font, const RowSpec& height, const RowSpec& left,
                               const RowSpec& name, const RowSpec& top, const RowSpec& width) {
  using F = TPTEdit;
  return {
      FlagRow<F>(rows::kEditable, &F::Editable, &F::SetEditable, vocab::kInvertedFlag),
      font,
      height,
      FlagRow<F>(rows::kJustification, &F::Justification, &F::SetJustification,
                 vocab::kJustificationFlag),
      left,
      IntRow<F>(rows::kMaxChars, &F::MaxChars, &F::SetMaxChars),
      name,
      FlagRow<F>(rows::kNumbersOnly, &F::NumbersOnly, &F::SetNumbersOnly, vocab::kOnFlag),
      FlagRow<F>(rows::kSingleLine, &F::SingleLine, &F::SetSingleLine, vocab::kOnFlag),
      TextOf<F>(),
      top,
      FlagRow<F>(rows::kUnderline, &F::Underline, &F::SetUnderline, vocab::kInvertedFlag),
      width,
      ColorRow<F>(rows::kBackgroundColor, &F::ColorFill, &F::SetColorFill),
      ColorRow<F>(rows::kTextColor, &F::ColorText, &F::SetColorText),
      ColorRow<F>(rows::kLineColor, &F::ColorLines, &F::SetColorLines),
      ColorRow<F>(rows::kCaretColor, &F::ColorCaret, &F::SetColorCaret),
      ColorRow<F>(rows::kHighlightBackColor, &F::ColorHighlightBack, &F::SetColorHighlightBack),
      ColorRow<F>(rows::kHighlightForeColor, &F::ColorHighlightFore, &F::SetColorHighlightFore),
  };
}

std::vector<RowSpec> DialogRows(const RowSpec& height, const RowSpec& left, const RowSpec& name,
                                const RowSpec& top, const RowSpec& width) {
  using D = TPTDialog;
  std::vector<RowSpec> out = {
      height,
      left,
      name,
      DialogTestRow(),
      TextRow<D>(rows::kTitle, &D::Title, &D::SetTitle),
      top,
      width,
      ColorRow<D>(rows::kDialogFrameColor, &D::ColorDialogFrame, &D::SetColorDialogFrame),
      ColorRow<D>(rows::kDialogFillColor, &D::ColorDialogFill, &D::SetColorDialogFill)};
  AppendObjectColors<D>(&out);
  return out;
}

std::vector<KindTable> BuildTables() {
  const RowSpec left = CoordRow(Axis::kLeft);
  const RowSpec top = CoordRow(Axis::kTop);
  const RowSpec width = CoordRow(Axis::kWidth);
  const RowSpec height = CoordRow(Axis::kHeight);
  const RowSpec name = NameRow();
  const RowSpec font = FontRow();
  const RowSpec items = ItemsRow();
  using L = TPTList;
  using R = TCCRadio;
  return {
      {K::kPTButton,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       ButtonRows(font, height, left, name, top, width)},
      {K::kPTPush,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {font, TagGroupRow<TCCSwitch>(), height, left, name, StateRow<TCCSwitch>(),
        ContentAsText<TCCSwitch>(), top, width}},
      {K::kPTSelect,
       {CS::kPalm, CS::kNone, CS::kPalm},
       nullptr,
       SelectRows(font, height, left, name, top)},
      {K::kPTCheckBox,
       {CS::kPalm, CS::kPanel, CS::kPanel},
       nullptr,
       {font,
        IntRow<TPTCheckbox>(rows::kGroupNumber, &TPTCheckbox::GroupNumber,
                            &TPTCheckbox::SetGroupNumber),
        height, left, name, StateRow<TPTCheckbox>(), ContentAsText<TPTCheckbox>(), top, width}},
      {K::kPTLabel,
       {CS::kPanel, CS::kNone, CS::kNone},
       nullptr,
       {font, left, name, ContentAsText<TPTLabel>(), top,
        ColorRow<TPTLabel>(rows::kTextColor, &TPTLabel::ColorText, &TPTLabel::SetColorText)}},
      {K::kPTList,
       {CS::kPalm, CS::kPalm, CS::kNone},
       nullptr,
       {font, items, left, IntRow<L>(rows::kMaxItems, &L::MaxItems, &L::SetMaxItems), name,
        IntRow<L>(rows::kSelectedItem, &L::SelectedItem, &L::SetSelectedItem),
        WordsRow<L>(rows::kStyle, &L::Style, &L::SetStyle, vocab::kListStyleWords), top,
        TextRow<L>(rows::kTrigger, &L::Trigger, &L::SetTrigger), width}},
      {K::kPTPopTrigger,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {font, height, left, name, TextOf<TPTPopTrigger>(), top, width}},
      {K::kPTField,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       FieldRows(font, height, left, name, top, width)},
      {K::kPTDialog,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       DialogRows(height, left, name, top, width)},
      {K::kPTGsi, {CS::kPanel, CS::kNone, CS::kNone}, nullptr, {left, name, top}},
      {K::kPTBitmap,
       {CS::kPanel, CS::kPanel, CS::kPanel},
       nullptr,
       {BitmapRow(), height, left, name, top, width,
        ColorRow<TCCBitmap>(rows::kForeColor, &TCCBitmap::ColorFore, &TCCBitmap::SetColorFore)}},
      {K::kPTRadio,
       {CS::kPalm, CS::kPalm, CS::kPalm},
       nullptr,
       {font, TagGroupRow<R>(), height, items, left, name,
        FlagRow<R>(rows::kOrientation, &R::Orientation, &R::SetOrientation,
                   vocab::kOrientationFlag),
        IntRow<R>(rows::kSelectedItem, &R::SelectedItem, &R::SetSelectedItem), top, width}},
  };
}

KindTable BuildFormTable() {
  KindTable form{
      KindId::kForm, {CS::kNone, CS::kNone, CS::kNone}, nullptr, {FormNameRow(), FormTitleRow()}};
  using F = TCCForm;
  form.rows.push_back(
      FormColorRow(rows::kFormFrameColor, &F::ColorFormFrame, &F::SetColorFormFrame));
  form.rows.push_back(FormColorRow(rows::kFormFillColor, &F::ColorFormFill, &F::SetColorFormFill));
  form.rows.push_back(FormColorRow(rows::kObjFrameColor, &F::ColorFrame, &F::SetColorFrame));
  form.rows.push_back(FormColorRow(rows::kObjFillColor, &F::ColorFill, &F::SetColorFill));
  form.rows.push_back(FormColorRow(rows::kObjForeTextColor, &F::ColorText, &F::SetColorText));
  form.rows.push_back(
      FormColorRow(rows::kObjSelectedFillColor, &F::ColorSelectedFill, &F::SetColorSelectedFill));
  form.rows.push_back(
      FormColorRow(rows::kObjSelectedForeColor, &F::ColorSelectedFore, &F::SetColorSelectedFore));
  return form;
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

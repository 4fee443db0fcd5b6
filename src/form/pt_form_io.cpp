// The PToolboxLib form file: the screen panel's colour keys and the keys of every kind in
// written order, with their defaults.

#include "controls/CCButton.h"
#include "controls/pt_bindings.h"
#include "form/form_keys.h"

namespace qb::form_io {

namespace {

// A selector trigger is a square box with a gray frame, whatever the file says.
void SelectLook(TControl& c) {
  auto& select = static_cast<TCCButton&>(c);
  select.SetRadius(0);
  select.SetLine(2);
}

LibraryLayout MakePToolboxLayout() {
  using K = KindId;
  using namespace ptbind;  // NOLINT(build/namespaces): the tables read as the key lists they are

  LibraryLayout layout{LibraryId::kPToolboxLib, {}, {}, false};
  layout.form_keys = {Key(kFormFill),         Key(kFormFrame),    Key(kFormSelectedFill),
                      Key(kFormSelectedFore), Key(kFormObjFrame), Key(kFormObjFill),
                      Key(kFormObjText)};
  layout.kinds = {
      {K::kPTButton,
       {ControlKey(), NameKey("Button"), Key(kButtonText), HeightKey(17), WidthKey(46), LeftKey(5),
        TopKey(18), Key(kButtonFrame), FontKey(), Key(kButtonType), Key(kButtonShowForm),
        ParentKey(), Key(kButtonFill), Key(kButtonTextColor)},
       {},
       nullptr,
       true},
      {K::kPTPush,
       {ControlKey(), NameKey("Push"), Key(kPushText), HeightKey(14), WidthKey(34), LeftKey(10),
        TopKey(10), FontKey(), Key(kPushState), TagKey("GroupNumber", 0), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTSelect,
       {ControlKey(), NameKey("Select"), Key(kSelectText), HeightKey(14), WidthKey(34), LeftKey(10),
        TopKey(18), FontKey(), ToolkitAlignKey("Align", 0), ParentKey(), Key(kSelectFill),
        Key(kSelectTextColor), Key(kSelectPicker), Key(kSelectFormat), Key(kSelectTitle),
        Key(kSelectColors)},
       {},
       SelectLook,
       true},
      {K::kPTCheckBox,
       {ControlKey(), NameKey("CheckBox"), Key(kCheckBoxText), HeightKey(15), WidthKey(34),
        LeftKey(10), TopKey(10), FontKey(), Key(kCheckBoxState), Key(kCheckBoxGroup),
        Key(kCheckBoxTextColor), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTLabel,
       {ControlKey(), NameKey("Label"), Key(kLabelText), LeftKey(10), TopKey(18), FontKey(),
        Key(kLabelTextColor), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTList,
       {Key(kListItems), ControlKey(), NameKey("List"), WidthKey(34), LeftKey(10), TopKey(10),
        Key(kListMaxItems), Key(kListSelected), Key(kListStyle), Key(kListTrigger), FontKey(),
        ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTPopTrigger,
       {ControlKey(), NameKey("PopTrigger"), Key(kPopTriggerText), HeightKey(15), WidthKey(34),
        LeftKey(10), TopKey(18), FontKey(), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTField,
       {ControlKey(),
        NameKey("Field"),
        Key(kFieldText),
        HeightKey(15),
        WidthKey(34),
        LeftKey(10),
        TopKey(18),
        FontKey(),
        Key(kFieldSingleLine),
        Key(kFieldJustification),
        Key(kFieldUnderline),
        Key(kFieldNumbersOnly),
        Key(kFieldEditable),
        Key(kFieldMaxChars),
        ParentKey(),
        Key(kFieldFill),
        Key(kFieldTextColor),
        Key(kFieldCaret),
        Key(kFieldLines),
        Key(kFieldHighlightBack),
        Key(kFieldHighlightFore)}},
      {K::kPTDialog,
       {ControlKey(), NameKey("Dialog"), Key(kDialogTitle), HeightKey(80), WidthKey(152),
        LeftKey(5), TopKey(60), TagKey("Test", 0), Key(kDialogFill), Key(kDialogFrame),
        Key(kDialogObjFrame), Key(kDialogObjFill), Key(kDialogObjText), Key(kDialogSelectedFill),
        Key(kDialogSelectedFore)}},
      {K::kPTGsi,
       {ControlKey(), NameKey("GSI"), LeftKey(150), TopKey(150), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTBitmap,
       {ControlKey(), NameKey("Bitmap"), Key(kBitmapBits), HeightKey(20), WidthKey(20), LeftKey(10),
        TopKey(18), ParentKey(), Key(kBitmapFore)},
       {},
       nullptr,
       true},
      {K::kPTRadio,
       {Key(kRadioItems), ControlKey(), NameKey("Radio"), WidthKey(34), LeftKey(10), TopKey(10),
        HeightKey(15), TagKey("GroupNumber", 1), Key(kRadioSelected), KeyFirst(kRadioOrientation),
        FontKey(), ParentKey()},
       {},
       nullptr,
       true},
  };
  return layout;
}

}  // namespace

const LibraryLayout& PToolboxLayout() {
  static const LibraryLayout kLayout = MakePToolboxLayout();
  return kLayout;
}

}  // namespace qb::form_io

// The CControls form file: the keys of every kind in written order, with their defaults.

#include "controls/cc_bindings.h"
#include "form/ChildFor.h"
#include "form/form_keys.h"

namespace qb::form_io {

namespace {

void UseStandardFont(TControl& c) { c.SetFontName(kPilotStandard); }

LibraryLayout MakeCControlsLayout() {
  using K = KindId;
  using Tb = TCCTable;
  using Mn = TCCMenu;
  using namespace ccbind;  // NOLINT(build/namespaces): the tables read as the key lists they are

  LibraryLayout layout{LibraryId::kCControls, {}, {}, true};
  layout.kinds = {
      {K::kCCButton,
       {ControlKey(), NameKey("Button"), Key(kButtonContent), HeightKey(14), WidthKey(34),
        LeftKey(10), TopKey(10), Key(kButtonEdge), Key(kButtonLine), FontKey(),
        Key(kButtonShowForm), ParentKey()}},
      {K::kCCLabel,
       {ControlKey(), NameKey("Label"), Key(kLabelContent), WidthKey(34), LeftKey(10), TopKey(10),
        FontKey(), Key(kLabelLine), LabelAlignKey("Alignment", 0), Key(kLabelStyle), ParentKey()}},
      {K::kCCCheckBox,
       {ControlKey(), NameKey("CheckBox"), Key(kCheckBoxContent), WidthKey(34), LeftKey(10),
        TopKey(10), FontKey(), Key(kCheckBoxState), ParentKey()}},
      {K::kCCSwitch,
       {ControlKey(), NameKey("Switch"), Key(kSwitchContent), HeightKey(14), WidthKey(34),
        LeftKey(10), TopKey(10), FontKey(), Key(kSwitchEdge), Key(kSwitchLine), Key(kSwitchState),
        ParentKey()}},
      {K::kCCEdit,
       {ControlKey(), NameKey("Edit"), Key(kEditContent), WidthKey(34), LeftKey(10), TopKey(10),
        FontKey(), Key(kEditStyle), Key(kEditLine), LabelAlignKey("Alignment", 0), Key(kEditTopic),
        ParentKey()}},
      {K::kCCEditLine,
       {ControlKey(), NameKey("EditLine"), Key(kEditContent), WidthKey(34), LeftKey(10), TopKey(10),
        FontKey(), Key(kEditStyle), Key(kEditLine), ParentKey(), ConstantKey("Type", 1)}},
      {K::kCCListBox,
       {Key(kListBoxItems), ControlKey(), NameKey("ListBox"), WidthKey(34), LeftKey(10), TopKey(10),
        Key(kListBoxVisible), Key(kListBoxSelected), FontKey(), ParentKey()}},
      {K::kCCDropDown,
       {Key(kDropDownItems), ControlKey(), NameKey("Drop"), WidthKey(34), LeftKey(10), TopKey(10),
        Key(kDropDownVisible), Key(kDropDownSelected), Key(kDropDownTestItems), ParentKey()},
       {},
       UseStandardFont},
      {K::kCCRadio,
       {Key(kRadioItems), ControlKey(), NameKey("Radio"), WidthKey(34), LeftKey(10), TopKey(10),
        HeightKey(14), Key(kRadioSelected), FontKey(), ParentKey()}},
      {K::kCCPopUp,
       {Key(kPopUpItems), ControlKey(), NameKey("PopUp"), WidthKey(34), LeftKey(10), TopKey(10),
        Key(kPopUpVisible), Key(kPopUpSelected), FontKey(), ParentKey(), Key(kPopUpTest)}},
      {K::kCCImage,
       {ControlKey(), NameKey("Image"), Key(kImageBits), HeightKey(14), WidthKey(34), LeftKey(10),
        TopKey(10), TagKey("Clickable", 1), ParentKey()}},
      {K::kCCTable,
       {ControlKey(), NameKey("Table"), WidthKey(34), LeftKey(10), TopKey(10), Key(kTableCols),
        Key(kTableVisibleRows), Key(kTableSelectedRow), ParentKey()},
       {ListIn<Tb, &Tb::Items, &Tb::SetItems>("Items"),
        ListIn<Tb, &Tb::ColWidths, &Tb::SetColWidths>("ColWidths"),
        ListIn<Tb, &Tb::ColAlign, &Tb::SetColAlign>("ColAlign")},
       UseStandardFont},
      {K::kCCDialog,
       {ControlKey(), NameKey("Dialog"), Key(kDialogContent), HeightKey(80), WidthKey(152),
        LeftKey(5), TopKey(60), TagKey("Test", 0)}},
      {K::kCCMenu,
       {Key(kMenuItems), ControlKey(), NameKey("Menu"),
        Int<Mn, &Mn::UserWidth, &Mn::SetUserWidth>(kWidthKey, 38),
        Int<Mn, &Mn::UserLeft, &Mn::SetUserLeft>(kLeftKey, TChildFrm::kScreenLeft + 5),
        WrittenOnly(kMenuTest), Key(kMenuTopic), Key(kMenuTopicWidth)}},
      {K::kCCMenuBar, {ControlKey(), MenuBarNameKey(), WrittenOnly(kMenuBarTest)}},
  };
  return layout;
}

}  // namespace

const LibraryLayout& CControlsLayout() {
  static const LibraryLayout kLayout = MakeCControlsLayout();
  return kLayout;
}

}  // namespace qb::form_io

// The CControls form file: the keys of every kind in written order, with their defaults.

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
#include "form/form_keys.h"

namespace qb::form_io {

namespace {

void UseStandardFont(TControl& c) { c.SetFontName(kPilotStandard); }

LibraryLayout MakeCControlsLayout() {
  using B = TCCButton;
  using K = KindId;
  using L = TCCLabel;
  using E = TCCEdit;
  using Cb = TCCCheckbox;
  using Sw = TCCSwitch;
  using Lb = TCCListBox;
  using Dd = TCCDropDown;
  using Rd = TCCRadio;
  using Pu = TCCPopUp;
  using Im = TCCBitmap;
  using Tb = TCCTable;
  using Dl = TPTDialog;
  using Mn = TCCMenu;
  using Mb = TCCMenuBar;

  LibraryLayout layout{LibraryId::kCControls, {}, {}, true};
  layout.kinds = {
      {K::kCCButton,
       {ControlKey(), NameKey("Button"), Text<B, &B::Content, &B::SetContent>("Content", "Button"),
        HeightKey(14), WidthKey(34), LeftKey(10), TopKey(10),
        Int<B, &B::Radius, &B::SetRadius>("Edge", 4), Int<B, &B::Line, &B::SetLine>("Line", 1),
        FontKey(), Text<B, &B::ShowForm, &B::SetShowForm>("ShowForm", "(None)"), ParentKey()}},
      {K::kCCLabel,
       {ControlKey(), NameKey("Label"), Text<L, &L::Content, &L::SetContent>("Content", "Label"),
        WidthKey(34), LeftKey(10), TopKey(10), FontKey(), Int<L, &L::Line, &L::SetLine>("Line", 1),
        LabelAlignKey("Alignment", 0), Int<L, &L::Style, &L::SetStyle>("Style", 1), ParentKey()}},
      {K::kCCCheckBox,
       {ControlKey(), NameKey("CheckBox"),
        Text<Cb, &Cb::Content, &Cb::SetContent>("Content", "CheckBox"), WidthKey(34), LeftKey(10),
        TopKey(10), FontKey(), Int<Cb, &Cb::State, &Cb::SetState>("State", 0), ParentKey()}},
      {K::kCCSwitch,
       {ControlKey(), NameKey("Switch"),
        Text<Sw, &Sw::Content, &Sw::SetContent>("Content", "Switch"), HeightKey(14), WidthKey(34),
        LeftKey(10), TopKey(10), FontKey(), Int<Sw, &Sw::Radius, &Sw::SetRadius>("Edge", 0),
        Int<Sw, &Sw::Line, &Sw::SetLine>("Line", 1), Int<Sw, &Sw::State, &Sw::SetState>("State", 0),
        ParentKey()}},
      {K::kCCEdit,
       {ControlKey(), NameKey("Edit"), Text<E, &E::Content, &E::SetContent>("Content", "Edit"),
        WidthKey(34), LeftKey(10), TopKey(10), FontKey(),
        Int<E, &E::Style, &E::SetStyle>("Style", 1), Int<E, &E::Line, &E::SetLine>("Line", 1),
        LabelAlignKey("Alignment", 0), Text<E, &E::Topic, &E::SetTopic>("Topic", "Topic"),
        ParentKey()}},
      {K::kCCEditLine,
       {ControlKey(), NameKey("EditLine"), Text<E, &E::Content, &E::SetContent>("Content", "Edit"),
        WidthKey(34), LeftKey(10), TopKey(10), FontKey(),
        Int<E, &E::Style, &E::SetStyle>("Style", 1), Int<E, &E::Line, &E::SetLine>("Line", 1),
        ParentKey(), ConstantKey("Type", 1)}},
      {K::kCCListBox,
       {List<Lb, &Lb::Items, &Lb::SetItems>(), ControlKey(), NameKey("ListBox"), WidthKey(34),
        LeftKey(10), TopKey(10),
        Int<Lb, &Lb::VisibleItems, &Lb::SetVisibleItems>("VisibleItems", 2),
        Int<Lb, &Lb::SelectedItem, &Lb::SetSelectedItem>("SelectedItem", 0), FontKey(),
        ParentKey()}},
      {K::kCCDropDown,
       {List<Dd, &Dd::Items, &Dd::SetItems>(), ControlKey(), NameKey("Drop"), WidthKey(34),
        LeftKey(10), TopKey(10),
        Int<Dd, &Dd::VisibleItems, &Dd::SetVisibleItems>("VisibleItems", 2),
        Int<Dd, &Dd::SelectedItem, &Dd::SetSelectedItem>("SelectedItem", 0),
        Int<Dd, &Dd::TestItems, &Dd::SetTestItems>("TestItems", 0), ParentKey()},
       {},
       UseStandardFont},
      {K::kCCRadio,
       {List<Rd, &Rd::Items, &Rd::SetItems>(), ControlKey(), NameKey("Radio"), WidthKey(34),
        LeftKey(10), TopKey(10), HeightKey(14),
        Int<Rd, &Rd::SelectedItem, &Rd::SetSelectedItem>("SelectedItem", 0), FontKey(),
        ParentKey()}},
      {K::kCCPopUp,
       {List<Pu, &Pu::Items, &Pu::SetItems>(), ControlKey(), NameKey("PopUp"), WidthKey(34),
        LeftKey(10), TopKey(10),
        Int<Pu, &Pu::VisibleItems, &Pu::SetVisibleItems>("VisibleItems", 2),
        Int<Pu, &Pu::SelectedItem, &Pu::SetSelectedItem>("SelectedItem", 0), FontKey(), ParentKey(),
        Int<Pu, &Pu::Test, &Pu::SetTest>("Test", 0)}},
      {K::kCCImage,
       {ControlKey(), NameKey("Image"),
        Text<Im, &Im::StringBits, &Im::SetStringBits>("StringBits", ""), HeightKey(14),
        WidthKey(34), LeftKey(10), TopKey(10), TagKey("Clickable", 1), ParentKey()}},
      {K::kCCTable,
       {ControlKey(), NameKey("Table"), WidthKey(34), LeftKey(10), TopKey(10),
        Int<Tb, &Tb::Cols, &Tb::SetCols>("Cols", 3),
        Int<Tb, &Tb::VisibleRows, &Tb::SetVisibleRows>("VisibleRows", 4),
        Int<Tb, &Tb::SelectedRow, &Tb::SetSelectedRow>("SelectedRow", 0), ParentKey()},
       {ListIn<Tb, &Tb::Items, &Tb::SetItems>("Items"),
        ListIn<Tb, &Tb::ColWidths, &Tb::SetColWidths>("ColWidths"),
        ListIn<Tb, &Tb::ColAlign, &Tb::SetColAlign>("ColAlign")},
       UseStandardFont},
      {K::kCCDialog,
       {ControlKey(), NameKey("Dialog"), Text<Dl, &Dl::Title, &Dl::SetTitle>("Content", "Dialog"),
        HeightKey(80), WidthKey(152), LeftKey(5), TopKey(60), TagKey("Test", 0)}},
      {K::kCCMenu,
       {List<Mn, &Mn::Items, &Mn::SetItems>(), ControlKey(), NameKey("Menu"),
        Int<Mn, &Mn::UserWidth, &Mn::SetUserWidth>(kWidthKey, 38),
        Int<Mn, &Mn::UserLeft, &Mn::SetUserLeft>(kLeftKey, TChildFrm::kScreenLeft + 5),
        WrittenOnly<Mn, &Mn::Test, &Mn::SetTest>("Test", 0),
        Text<Mn, &Mn::Topic, &Mn::SetTopic>("Topic", "Topic"),
        Int<Mn, &Mn::TopicWidth, &Mn::SetTopicWidth>("TopicWidth", 36)}},
      {K::kCCMenuBar,
       {ControlKey(), MenuBarNameKey(), WrittenOnly<Mb, &Mb::Test, &Mb::SetTest>("Test", 0)}},
  };
  return layout;
}

}  // namespace

const LibraryLayout& CControlsLayout() {
  static const LibraryLayout kLayout = MakeCControlsLayout();
  return kLayout;
}

}  // namespace qb::form_io

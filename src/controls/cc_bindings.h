#pragma once

// The bound properties of the CControls kinds: file key, inspector row, default.

#include <vector>

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
#include "controls/PTList.h"
#include "controls/property_binding.h"

namespace qb::ccbind {

using B = TCCButton;
inline constexpr PropertyBinding kButtonContent =
    BindText<B, &B::Content, &B::SetContent>("Content", "Button");
inline constexpr PropertyBinding kButtonEdge = BindInt<B, &B::Radius, &B::SetRadius>("Edge", 4);
inline constexpr PropertyBinding kButtonLine = BindInt<B, &B::Line, &B::SetLine>("Line", 1);
inline constexpr PropertyBinding kButtonShowForm =
    BindText<B, &B::ShowForm, &B::SetShowForm>("ShowForm", kNoneChoice).Placed();

using L = TCCLabel;
inline constexpr PropertyBinding kLabelContent =
    BindText<L, &L::Content, &L::SetContent>("Content", "Label");
inline constexpr PropertyBinding kLabelLine = BindInt<L, &L::Line, &L::SetLine>("Line", 1);
inline constexpr PropertyBinding kLabelStyle = BindInt<L, &L::Style, &L::SetStyle>("Style", 1);

using Cb = TCCCheckbox;
inline constexpr PropertyBinding kCheckBoxContent =
    BindText<Cb, &Cb::Content, &Cb::SetContent>("Content", "CheckBox");
inline constexpr PropertyBinding kCheckBoxState =
    BindInt<Cb, &Cb::State, &Cb::SetState>("State", 0);

using Sw = TCCSwitch;
inline constexpr PropertyBinding kSwitchContent =
    BindText<Sw, &Sw::Content, &Sw::SetContent>("Content", "Switch");
inline constexpr PropertyBinding kSwitchEdge =
    BindInt<Sw, &Sw::Radius, &Sw::SetRadius>("Edge", 0).Placed();
inline constexpr PropertyBinding kSwitchLine = BindInt<Sw, &Sw::Line, &Sw::SetLine>("Line", 1);
inline constexpr PropertyBinding kSwitchState = BindInt<Sw, &Sw::State, &Sw::SetState>("State", 0);

// Shared by Edit and EditLine.
using E = TCCEdit;
inline constexpr PropertyBinding kEditContent =
    BindText<E, &E::Content, &E::SetContent>("Content", "Edit");
inline constexpr PropertyBinding kEditStyle = BindInt<E, &E::Style, &E::SetStyle>("Style", 1);
inline constexpr PropertyBinding kEditLine = BindInt<E, &E::Line, &E::SetLine>("Line", 1);
inline constexpr PropertyBinding kEditTopic =
    BindText<E, &E::Topic, &E::SetTopic>("Topic", "Topic").Placed();
// An EditLine's fixed type.
inline constexpr PropertyBinding kEditLineType =
    BindMember("Type", Codec::kConstant, 1).WrittenOnly();

using Lb = TCCListBox;
inline constexpr PropertyBinding kListBoxItems = BindList<Lb, &Lb::Items, &Lb::SetItems>();
inline constexpr PropertyBinding kListBoxVisible =
    BindInt<Lb, &Lb::VisibleItems, &Lb::SetVisibleItems>("VisibleItems", 2).Placed();
inline constexpr PropertyBinding kListBoxSelected =
    BindInt<Lb, &Lb::SelectedItem, &Lb::SetSelectedItem>("SelectedItem", 0);

using Dd = TCCDropDown;
inline constexpr PropertyBinding kDropDownItems = BindList<Dd, &Dd::Items, &Dd::SetItems>();
inline constexpr PropertyBinding kDropDownVisible =
    BindInt<Dd, &Dd::VisibleItems, &Dd::SetVisibleItems>("VisibleItems", 2).Placed();
inline constexpr PropertyBinding kDropDownSelected =
    BindInt<Dd, &Dd::SelectedItem, &Dd::SetSelectedItem>("SelectedItem", 0).Placed();
inline constexpr PropertyBinding kDropDownTestItems =
    BindInt<Dd, &Dd::TestItems, &Dd::SetTestItems>("TestItems", 0).Placed();

using Rd = TCCRadio;
inline constexpr PropertyBinding kRadioItems = BindList<Rd, &Rd::Items, &Rd::SetItems>();
inline constexpr PropertyBinding kRadioSelected =
    BindInt<Rd, &Rd::SelectedItem, &Rd::SetSelectedItem>("SelectedItem", 0).Placed();

using Pu = TCCPopUp;
inline constexpr PropertyBinding kPopUpItems = BindList<Pu, &Pu::Items, &Pu::SetItems>();
inline constexpr PropertyBinding kPopUpVisible =
    BindInt<Pu, &Pu::VisibleItems, &Pu::SetVisibleItems>("VisibleItems", 2).Placed();
inline constexpr PropertyBinding kPopUpSelected =
    BindInt<Pu, &Pu::SelectedItem, &Pu::SetSelectedItem>("SelectedItem", 0);
// Placed shown (1), read as hidden (0) when the key is missing.
inline constexpr PropertyBinding kPopUpTest = BindInt<Pu, &Pu::Test, &Pu::SetTest>("Test", 0);

using Im = TCCBitmap;
// The picture is changed in the bitmap editor, through the "Bitmap" row.
inline constexpr PropertyBinding kImageBits =
    BindText<Im, &Im::StringBits, &Im::SetStringBits>("StringBits", "", "Bitmap").Placed();

using Tb = TCCTable;
// The columns are set in the table editor.
inline constexpr PropertyBinding kTableCols =
    BindInt<Tb, &Tb::Cols, &Tb::SetCols>("Cols", 3).Placed().FileOnly();
inline constexpr PropertyBinding kTableVisibleRows =
    BindInt<Tb, &Tb::VisibleRows, &Tb::SetVisibleRows>("VisibleRows", 4);
inline constexpr PropertyBinding kTableSelectedRow =
    BindInt<Tb, &Tb::SelectedRow, &Tb::SetSelectedRow>("SelectedRow", 0);
// The table editor's lists, each in a section of its own.
inline constexpr PropertyBinding kTableItems =
    BindListSection<Tb, &Tb::Items, &Tb::SetItems>("Items");
inline constexpr PropertyBinding kTableColWidths =
    BindListSection<Tb, &Tb::ColWidths, &Tb::SetColWidths>("ColWidths");
inline constexpr PropertyBinding kTableColAlign =
    BindListSection<Tb, &Tb::ColAlign, &Tb::SetColAlign>("ColAlign");

using Dl = TPTDialog;
inline constexpr PropertyBinding kDialogContent =
    BindText<Dl, &Dl::Title, &Dl::SetTitle>("Content", "Dialog");

using Mn = TCCMenu;
inline constexpr PropertyBinding kMenuItems = BindList<Mn, &Mn::Items, &Mn::SetItems>();
// Written for the device; a form read starts with its menus closed.
inline constexpr PropertyBinding kMenuTest =
    BindInt<Mn, &Mn::Test, &Mn::SetTest>("Test", 0).WrittenOnly();
// The Palm width and left of a menu (the designer's own rows).
inline constexpr PropertyBinding kMenuWidth =
    BindInt<Mn, &Mn::UserWidth, &Mn::SetUserWidth>("Width", 38).Member();
inline constexpr PropertyBinding kMenuLeft =
    BindInt<Mn, &Mn::UserLeft, &Mn::SetUserLeft>("Left", 9).Member();
inline constexpr PropertyBinding kMenuTopic =
    BindText<Mn, &Mn::Topic, &Mn::SetTopic>("Topic", "Topic");
inline constexpr PropertyBinding kMenuTopicWidth =
    BindInt<Mn, &Mn::TopicWidth, &Mn::SetTopicWidth>("TopicWidth", 36).Placed();

using Mb = TCCMenuBar;
inline constexpr PropertyBinding kMenuBarTest =
    BindInt<Mb, &Mb::Test, &Mb::SetTest>("Test", 0).WrittenOnly();

}  // namespace qb::ccbind

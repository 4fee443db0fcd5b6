#pragma once

// How the CControls generator sees the design: the panels of a form (its screen and its
// dialogs), the kind of each control, the per-kind table that drives the generated lines, and
// the values those lines take from a control.

#include <string>
#include <vector>

#include "controls/PTDialog.h"
#include "controls/control.h"
#include "form/ChildFor.h"

namespace qb {

enum class CcKind {
  kButton,
  kSwitch,
  kRadio,
  kLabel,
  kListBox,
  kDropDown,
  kCheckBox,
  kEdit,
  kEditLine,
  kPopUp,
  kClickableImage,
  kPlainImage,  // drawn only, with a bitmap statement
  kTable,
  kDialog,   // generated as a panel of its own
  kForeign,  // a class that is no CControls kind: generates nothing
};

CcKind CcKindOf(const TControl& control);

// A value a constructor line takes from its control.
enum class CcArg {
  kX,       // UserLeft plus the dialog offset
  kY,       // UserTop plus the dialog offset
  kPanelX,  // panel Left plus the dialog offset
  kPanelY,  // panel Top plus the dialog offset
  kUserWidth,
  kUserHeight,
  kPanelWidth,
  kPanelHeight,
  kLine,
  kRadius,
  kStyle,
  kAlignCode,
  kVisibleItems,
  kVisibleRows,
  kCols,
};

// One step of a contents function.
enum class CcContent {
  kContentWithFont,  // Csetcontent with the font code in front of Content
  kContent,          // Csetcontent with Content alone
  kTopic,
  kState,
  kCursel,  // Csetcursel with SelectedItem
  kItems,   // one Cadditem per entry of Items
  kBitmap,  // Csetcontent with the bitmap string
  kTableRows,
};

struct CcKindRow {
  CcKind kind;
  // Has a handle, a constructor and contents.
  bool handled;
  // Has an event handler and a dispatch line.
  bool events;
  const char* constructor;  // the library call, empty when there is none
  std::vector<CcArg> args;
  // Column widths and alignments follow the constructor.
  bool column_rows;
  std::vector<CcContent> contents;
};

const CcKindRow& CcRowOf(CcKind kind);

// A form's screen panel or one of its dialogs.
struct CcPanel {
  std::string name;                   // the form's or the dialog's name
  const TControl* panel = nullptr;    // the screen panel or the dialog
  const TPTDialog* dialog = nullptr;  // null for the form's own screen
  // Added to the x and y of every control on the panel.
  int dx = 0;
  int dy = 0;
};

// The form's screen first, then each dialog on it in child order.
std::vector<CcPanel> CcPanelsOf(const FormDocument& form);
// The menu bars and menus of the form's window, in child order.
std::vector<const TControl*> CcMenusOf(const FormDocument& form);
bool IsCcMenuBar(const TControl& control);

int CcArgValue(CcArg arg, const TControl& control, const CcPanel& panel);
const std::string& CcContentOf(const TControl& control);
const std::string& CcTopicOf(const TControl& control);
const StringList& CcItemsOf(const TControl& control);
int CcSelectedItemOf(const TControl& control);
int CcStateOf(const TControl& control);
// The prefix that selects the control's font on the device; empty for the standard font.
const char* CcFontCode(const TControl& control);

}  // namespace qb

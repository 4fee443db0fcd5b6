#include "codegen/cccode_model.h"

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
#include "model/font.h"

namespace qb {

namespace {

// The clickable flag of an Image lives in its Tag.
constexpr int kClickableTag = 1;

const std::string kNoText;
const StringList kNoItems;

using A = CcArg;
using S = CcContent;

// Every CControls kind: what it declares, how it is constructed and filled, whether it has
// events. The order of args and contents is the order of the generated pieces and lines.
const std::vector<CcKindRow>& KindTable() {
  static const std::vector<CcKindRow> kTable = {
      {CcKind::kButton,
       true,
       true,
       "Cbutton",
       {A::kX, A::kY, A::kUserWidth, A::kUserHeight, A::kLine, A::kRadius},
       false,
       {S::kContentWithFont}},
      {CcKind::kSwitch,
       true,
       true,
       "Cswitch",
       {A::kX, A::kY, A::kUserWidth, A::kUserHeight, A::kLine, A::kRadius},
       false,
       {S::kContentWithFont, S::kState}},
      {CcKind::kRadio,
       true,
       true,
       "Cradio",
       {A::kX, A::kY, A::kUserWidth, A::kUserHeight},
       false,
       {S::kCursel, S::kItems}},
      {CcKind::kLabel,
       true,
       true,
       "Clabel",
       {A::kX, A::kY, A::kUserWidth, A::kLine, A::kStyle, A::kAlignCode},
       false,
       {S::kContentWithFont}},
      {CcKind::kListBox,
       true,
       true,
       "Clistbox",
       {A::kX, A::kY, A::kUserWidth, A::kVisibleItems},
       false,
       {S::kCursel, S::kItems}},
      {CcKind::kDropDown,
       true,
       true,
       "Cdropdown",
       {A::kX, A::kY, A::kUserWidth, A::kVisibleItems},
       false,
       {S::kCursel, S::kItems}},
      {CcKind::kCheckBox,
       true,
       true,
       "Ccheckbox",
       {A::kX, A::kY, A::kPanelWidth},
       false,
       {S::kState, S::kContentWithFont}},
      {CcKind::kEdit,
       true,
       true,
       "Cedit",
       {A::kX, A::kY, A::kUserWidth, A::kLine, A::kStyle, A::kAlignCode},
       false,
       {S::kTopic, S::kContent}},
      {CcKind::kEditLine,
       true,
       true,
       "Ceditline",
       {A::kX, A::kY, A::kUserWidth, A::kLine, A::kStyle},
       false,
       {S::kContent}},
      {CcKind::kPopUp,
       true,
       false,
       "Cpopup",
       {A::kX, A::kY, A::kUserWidth, A::kVisibleItems},
       false,
       {S::kCursel, S::kItems}},
      {CcKind::kClickableImage,
       true,
       true,
       "Cimage",
       {A::kPanelX, A::kPanelY, A::kPanelWidth, A::kPanelHeight},
       false,
       {S::kBitmap}},
      {CcKind::kPlainImage, false, false, "", {}, false, {}},
      {CcKind::kTable,
       true,
       true,
       "Ctable",
       {A::kX, A::kY, A::kUserWidth, A::kVisibleRows, A::kCols},
       true,
       {S::kTableRows}},
      {CcKind::kDialog, false, false, "", {}, false, {}},
      {CcKind::kForeign, false, false, "", {}, false, {}},
  };
  return kTable;
}

// Label and Edit share the label's line, style and alignment.
const TCCLabel* AsLabelShape(const TControl& c) {
  if (c.Class() == ControlClass::kCCLabel || c.Class() == ControlClass::kCCEdit)
    return static_cast<const TCCLabel*>(&c);
  return nullptr;
}

int AlignCode(TextAlign align) {
  switch (align) {
    case TextAlign::kCenter:
      return 1;
    case TextAlign::kRight:
      return 2;
    case TextAlign::kLeft:
      break;
  }
  return 0;
}

int LineOf(const TControl& c) {
  if (auto* b = As<TCCButton>(&c)) return b->Line();
  if (auto* s = As<TCCSwitch>(&c)) return s->Line();
  if (auto* l = AsLabelShape(c)) return l->Line();
  return 0;
}

int RadiusOf(const TControl& c) {
  if (auto* b = As<TCCButton>(&c)) return b->Radius();
  if (auto* s = As<TCCSwitch>(&c)) return s->Radius();
  return 0;
}

int VisibleItemsOf(const TControl& c) {
  if (auto* l = As<TCCListBox>(&c)) return l->VisibleItems();
  if (auto* d = As<TCCDropDown>(&c)) return d->VisibleItems();
  if (auto* p = As<TCCPopUp>(&c)) return p->VisibleItems();
  return 0;
}

}  // namespace

CcKind CcKindOf(const TControl& control) {
  switch (control.Class()) {
    case ControlClass::kCCButton:
      return CcKind::kButton;
    case ControlClass::kCCSwitch:
      return CcKind::kSwitch;
    case ControlClass::kCCRadio:
      return CcKind::kRadio;
    case ControlClass::kCCLabel:
      return CcKind::kLabel;
    case ControlClass::kCCListBox:
      return CcKind::kListBox;
    case ControlClass::kCCDropDown:
      return CcKind::kDropDown;
    case ControlClass::kCCCheckbox:
      return CcKind::kCheckBox;
    case ControlClass::kCCEdit:
      return control.Tag() == 0 ? CcKind::kEdit : CcKind::kEditLine;
    case ControlClass::kCCPopUp:
      return CcKind::kPopUp;
    case ControlClass::kCCBitmap:
      return control.Tag() == kClickableTag ? CcKind::kClickableImage : CcKind::kPlainImage;
    case ControlClass::kCCTable:
      return CcKind::kTable;
    case ControlClass::kPTDialog:
      return CcKind::kDialog;
    default:
      return CcKind::kForeign;
  }
}

const CcKindRow& CcRowOf(CcKind kind) {
  for (const CcKindRow& row : KindTable())
    if (row.kind == kind) return row;
  return KindTable().back();
}

std::vector<CcPanel> CcPanelsOf(const FormDocument& form) {
  std::vector<CcPanel> panels;
  panels.push_back({form.Name(), &form.Screen(), nullptr, 0, 0});
  for (const auto& child : form.Screen().Children()) {
    if (const auto* dialog = As<TPTDialog>(child.get()))
      panels.push_back({dialog->Name(), dialog, dialog, dialog->Left(), dialog->Top()});
  }
  return panels;
}

bool IsCcMenuBar(const TControl& control) { return control.Class() == ControlClass::kCCMenuBar; }

std::vector<const TControl*> CcMenusOf(const FormDocument& form) {
  std::vector<const TControl*> menus;
  for (const auto& child : form.Client().Children()) {
    if (IsCcMenuBar(*child) || child->Class() == ControlClass::kCCMenu)
      menus.push_back(child.get());
  }
  return menus;
}

int CcArgValue(CcArg arg, const TControl& c, const CcPanel& panel) {
  switch (arg) {
    case A::kX:
      return c.UserLeft() + panel.dx;
    case A::kY:
      return c.UserTop() + panel.dy;
    case A::kPanelX:
      return c.Left() + panel.dx;
    case A::kPanelY:
      return c.Top() + panel.dy;
    case A::kUserWidth:
      return c.UserWidth();
    case A::kUserHeight:
      return c.UserHeight();
    case A::kPanelWidth:
      return c.Width();
    case A::kPanelHeight:
      return c.Height();
    case A::kLine:
      return LineOf(c);
    case A::kRadius:
      return RadiusOf(c);
    case A::kStyle:
      return AsLabelShape(c) ? AsLabelShape(c)->Style() : 0;
    case A::kAlignCode:
      return AlignCode(c.Alignment());
    case A::kVisibleItems:
      return VisibleItemsOf(c);
    case A::kVisibleRows:
      return As<TCCTable>(&c) ? As<TCCTable>(&c)->VisibleRows() : 0;
    case A::kCols:
      return As<TCCTable>(&c) ? As<TCCTable>(&c)->Cols() : 0;
  }
  return 0;
}

const std::string& CcContentOf(const TControl& c) {
  if (auto* b = As<TCCButton>(&c)) return b->Content();
  if (auto* s = As<TCCSwitch>(&c)) return s->Content();
  if (auto* k = As<TCCCheckbox>(&c)) return k->Content();
  if (auto* l = AsLabelShape(c)) return l->Content();
  return kNoText;
}

const std::string& CcTopicOf(const TControl& c) {
  if (auto* e = As<TCCEdit>(&c)) return e->Topic();
  if (auto* m = As<TCCMenu>(&c)) return m->Topic();
  return kNoText;
}

const StringList& CcItemsOf(const TControl& c) {
  if (auto* r = As<TCCRadio>(&c)) return r->Items();
  if (auto* l = As<TCCListBox>(&c)) return l->Items();
  if (auto* d = As<TCCDropDown>(&c)) return d->Items();
  if (auto* p = As<TCCPopUp>(&c)) return p->Items();
  if (auto* t = As<TCCTable>(&c)) return t->Items();
  if (auto* m = As<TCCMenu>(&c)) return m->Items();
  return kNoItems;
}

int CcSelectedItemOf(const TControl& c) {
  if (auto* r = As<TCCRadio>(&c)) return r->SelectedItem();
  if (auto* l = As<TCCListBox>(&c)) return l->SelectedItem();
  if (auto* d = As<TCCDropDown>(&c)) return d->SelectedItem();
  if (auto* p = As<TCCPopUp>(&c)) return p->SelectedItem();
  return 0;
}

int CcStateOf(const TControl& c) {
  if (auto* s = As<TCCSwitch>(&c)) return s->State();
  if (auto* k = As<TCCCheckbox>(&c)) return k->State();
  return 0;
}

const char* CcFontCode(const TControl& control) {
  struct FontCode {
    const char* font_name;
    const char* code;
  };
  static constexpr FontCode kCodes[] = {
      {kPilotBold, "/f1"}, {kPilotLarge, "/f2"}, {kPilotBold12, "/f7"}};
  for (const FontCode& entry : kCodes)
    if (control.Font().name == entry.font_name) return entry.code;
  return "";
}

}  // namespace qb

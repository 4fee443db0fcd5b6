#include "codegen/layout_check.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>

#include "codegen/code_settings.h"
#include "codegen/text_line.h"
#include "controls/CCButton.h"
#include "controls/CCButton_paint.h"
#include "controls/CCCheckbox.h"
#include "controls/CCCheckbox_paint.h"
#include "controls/CCDropDown.h"
#include "controls/CCDropDown_paint.h"
#include "controls/CCForm.h"
#include "controls/CCForm_paint.h"
#include "controls/CCLabel.h"
#include "controls/CCLabel_paint.h"
#include "controls/CCListBox.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCRadio_paint.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/CCTable_paint.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTCheckBox_paint.h"
#include "controls/PTDialog.h"
#include "controls/PTDialog_paint.h"
#include "controls/PTEdit.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTLabel_paint.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "controls/PTPopTrigger_paint.h"
#include "controls/font_registry.h"
#include "controls/none_choice.h"
#include "controls/palm_look.h"
#include "form/app_state.h"
#include "model/datamod.h"
#include "model/font.h"
#include "model/text_util.h"

namespace qb {

namespace {

// The geometry the drawing gives a control, which for some classes is not the stored one
// until the control is painted (a form loaded by the command line never is).
constexpr int kPTListStandAlone = 0;
// The form's title tab and the line under it take the screen's first rows.
constexpr int kTitleBandHeight = 15;
// A closed drop-down draws its selected item from here, and its shadow takes its last pixels.
constexpr int kCCDropDownTextLeft = 12;
constexpr int kCCDropDownShadow = 3;

// Wide enough that no sum or difference of two control coordinates overflows.
using Px = long long;

struct Rect {
  Px left = 0;
  Px top = 0;
  Px width = 0;
  Px height = 0;
  Px Right() const { return left + width; }
  Px Bottom() const { return top + height; }
};

// a ÷ 2 rounded to the nearest integer, halves to the even one, as the drawing rounds.
Px HalfToEven(Px a) {
  const Px q = a / 2;  // towards zero
  if (a % 2 == 0 || q % 2 == 0) return q;
  return a > 0 ? q + 1 : q - 1;
}

const PalmFace& FaceOf(const TControl& c, const FontRegistry& fonts) {
  return fonts.Face(c.Font().name);
}

Rect DrawnBounds(const TControl& c, const FontRegistry& fonts) {
  Rect r{c.Left(), c.Top(), c.Width(), c.Height()};
  switch (c.Class()) {
    case ControlClass::kCCLabel:
    case ControlClass::kCCEdit:
      r.height = kCCLabelHeight;
      break;
    case ControlClass::kCCCheckbox:
      r.height = kCCCheckboxHeight;
      break;
    case ControlClass::kCCDropDown:
      // The device shows it closed; the open list lies over what is below by design.
      r.height = kCCDropDownClosedHeight;
      break;
    case ControlClass::kPTLabel: {
      const auto& label = static_cast<const TPTLabel&>(c);
      const PalmFace& face = FaceOf(c, fonts);
      r.width = face.TextWidth(label.Content()) + 1;
      const int h = face.TextHeight(label.Content());
      r.height = h != 0 ? h : kPTEmptyLabelHeight;
      break;
    }
    case ControlClass::kPTGsi:
      r.width = kGsiWidth;
      r.height = kGsiHeight;
      break;
    case ControlClass::kCCButton: {
      const auto& button = static_cast<const TCCButton&>(c);
      if (button.IsSelect())
        r.width = FaceOf(c, fonts).TextWidth(button.Content()) + kCCSelectPadding;
      break;
    }
    default:
      break;
  }
  return r;
}

// The size the device is given: the drawn size less the class's frame margin.
Px PalmWidth(const TControl& c, const Rect& drawn) {
  return c.HasUserWidth() ? drawn.width - (Px{c.Width()} - c.UserWidth()) : drawn.width;
}
Px PalmHeight(const TControl& c, const Rect& drawn) {
  return c.HasUserHeight() ? drawn.height - (Px{c.Height()} - c.UserHeight()) : drawn.height;
}

// The rectangle the device gives the control, relative to its panel: the one its generated
// call takes where it takes one, else its Palm coordinates. A dialog's controls lie in the
// dialog's own coordinates (the CControls code adds the dialog's position to them, the
// PToolboxLib device does so itself).
Rect DeviceRect(const TControl& c, LibraryId lib, const FontRegistry& fonts) {
  const Rect drawn = DrawnBounds(c, fonts);
  // A CControls dialog frame takes its panel rectangle.
  if (lib == LibraryId::kCControls && c.Class() == ControlClass::kPTDialog) return drawn;
  Rect r{drawn.left + (Px{c.UserLeft()} - c.Left()), drawn.top + (Px{c.UserTop()} - c.Top()),
         PalmWidth(c, drawn), PalmHeight(c, drawn)};
  // A PToolboxLib list is created with its panel width.
  if (c.Class() == ControlClass::kPTList) r.width = drawn.width;
  return r;
}

// The area a panel's controls must lie in, in their own coordinates.
Rect PanelArea(const TControl& panel, LibraryId lib, const FontRegistry& fonts) {
  if (panel.Class() != ControlClass::kPTDialog) return {0, 0, panel.Width(), panel.Height()};
  const Rect dialog = DeviceRect(panel, lib, fonts);
  return {0, 0, dialog.width, dialog.height};
}

std::string Pixels(Px n) { return std::to_string(n) + (n == 1 || n == -1 ? " pixel" : " pixels"); }

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// Controls that lie over others on purpose, or not at all.
bool TakesPartInOverlap(const TControl& c) {
  if (!c.Visible()) return false;
  switch (c.Class()) {
    case ControlClass::kPTDialog:
    case ControlClass::kCCPopUp:
    case ControlClass::kCCMenu:
    case ControlClass::kCCMenuBar:
      return false;
    case ControlClass::kPTList:
      return static_cast<const TPTList&>(c).Style() == kPTListStandAlone;
    default:
      return true;
  }
}

// The text a control draws and where its first pixel lies, for the kinds whose drawing cuts
// the text at the control's edges; false for the others (they size themselves, wrap or scroll).
// *width is the room the text has, the control's drawn width unless the kind draws it in less.
bool DrawnText(const TControl& c, const FontRegistry& fonts, Px* room, std::string* text, Px* x) {
  const Px width = *room;
  const PalmFace& face = FaceOf(c, fonts);
  auto centred = [&](const std::string& t) {
    *text = t;
    *x = HalfToEven(width - face.TextWidth(t));
    return true;
  };
  auto from = [&](const std::string& t, int left) {
    *text = t;
    *x = left;
    return true;
  };
  switch (c.Class()) {
    case ControlClass::kCCLabel:
    case ControlClass::kCCEdit: {
      // An Edit is drawn as a Label is.
      const auto& label = static_cast<const TCCLabel&>(c);
      const int tw = face.TextWidth(label.Content());
      *text = label.Content();
      switch (label.Alignment()) {
        case TextAlign::kCenter:
          *x = HalfToEven(width - tw);
          break;
        case TextAlign::kRight:
          *x = width - tw - kTextInset;
          break;
        case TextAlign::kLeft:
          *x = kTextInset;
          break;
      }
      return true;
    }
    case ControlClass::kCCButton: {
      const auto& button = static_cast<const TCCButton&>(c);
      return !button.IsSelect() && centred(button.Content());
    }
    case ControlClass::kCCSwitch:
      return centred(static_cast<const TCCSwitch&>(c).Content());
    case ControlClass::kPTButton:
      return centred(static_cast<const TPTButton&>(c).Text());
    case ControlClass::kCCCheckbox:
      return from(static_cast<const TCCCheckbox&>(c).Content(), kCCCheckboxTextLeft);
    case ControlClass::kPTCheckbox:
      return from(static_cast<const TPTCheckbox&>(c).Content(), kPTCheckboxTextLeft);
    case ControlClass::kPTPopTrigger:
      return from(static_cast<const TPTPopTrigger&>(c).Text(), kPTPopTriggerTextLeft);
    case ControlClass::kPTEdit: {
      // A multi-line field wraps its text.
      const auto& field = static_cast<const TPTEdit&>(c);
      return field.SingleLine() != 0 && from(field.Text(), 0);
    }
    case ControlClass::kCCDropDown: {
      // Closed, it shows the selected item after its arrow, within its shadow.
      const auto& drop = static_cast<const TCCDropDown&>(c);
      const int i = drop.SelectedItem();
      if (i < 0 || static_cast<std::size_t>(i) >= drop.Items().size()) return false;
      *room = width - kCCDropDownShadow;
      return from(drop.Items()[static_cast<std::size_t>(i)], kCCDropDownTextLeft);
    }
    default:
      return false;
  }
}

// The items a list draws in rows, and the last column a row's text may reach; false for the
// kinds without rows.
bool ListRows(const TControl& c, const StringList** items, Px* right) {
  const Px w = c.Width();
  switch (c.Class()) {
    case ControlClass::kCCListBox:
      *items = &static_cast<const TCCListBox&>(c).Items();
      *right = w - 2;
      return true;
    case ControlClass::kCCPopUp:
      *items = &static_cast<const TCCPopUp&>(c).Items();
      *right = w - 3;
      return true;
    case ControlClass::kCCDropDown:
      *items = &static_cast<const TCCDropDown&>(c).Items();
      *right = w - 3;
      return true;
    case ControlClass::kPTList: {
      const auto& list = static_cast<const TPTList&>(c);
      *items = &list.Items();
      *right = list.Style() == kPTListStandAlone ? w - 2 : w - 3;
      return true;
    }
    default:
      return false;
  }
}

// A text drawn in a cell of its own (a Radio item, a Table cell, a dialog's title): where its
// first column lies, its width, and the columns of the cell between its frame lines.
struct CellText {
  std::string text;
  std::string where;  // which cell, when the text alone does not tell
  const char* what;   // "text" or "title"
  const char* room;   // what shows it
  Px x = 0;
  Px width = 0;
  Px first = 0;
  Px last = 0;
};

// The texts of the kinds that draw each text in a cell of its own, placed as their drawing
// places them; none for the other kinds. A Table's rows below those it shows scroll into the
// same columns, so every row counts.
std::vector<CellText> CellTexts(const TControl& c, const FontRegistry& fonts) {
  std::vector<CellText> cells;
  const PalmFace& face = FaceOf(c, fonts);
  if (const auto* radio = As<TCCRadio>(&c)) {
    for (std::size_t i = 0; i < radio->Items().size(); ++i) {
      const std::string& item = radio->Items()[i];
      const int tw = face.TextWidth(item);
      const CCRadioColumns across = CCRadioItemColumns(*radio, static_cast<int>(i), tw);
      cells.push_back(
          {item, "", "text", "its cell", across.text_x, tw, Px{across.x0} + 1, Px{across.x1} - 1});
    }
  } else if (const auto* table = As<TCCTable>(&c)) {
    constexpr char kFieldSeparator = '~';
    const std::vector<CCTableColumn> columns = CCTableColumns(*table);
    for (std::size_t r = 0; r < table->Items().size(); ++r) {
      for (const CCTableColumn& column : columns) {
        std::string cell = NthField(table->Items()[r], kFieldSeparator, column.index + 1);
        const int tw = face.TextWidth(cell);
        cells.push_back(
            {std::move(cell), TextLine(" in row ", r + 1, ", column ", column.index + 1), "text",
             "its cell", CCTableCellTextX(column, tw), tw, Px{column.x0} + 1, Px{column.x1} - 1});
      }
    }
  } else if (const auto* dialog = As<TPTDialog>(&c)) {
    const int tw = fonts.Face(kPilotBold).TextWidth(dialog->Title());
    cells.push_back({dialog->Title(), "", "title", "its title bar", PTDialogTitleX(c.Width(), tw),
                     tw, kPTDialogTitleBarInset, Px{c.Width()} - 1 - kPTDialogTitleBarInset});
  }
  return cells;
}

// How many of a text's columns, `width` of them from x, lie outside the columns first … last:
// all of them when there are no such columns.
Px ColumnsOutside(Px x, Px width, Px first, Px last) {
  if (last < first) return width;
  return std::min(width, std::max(Px{0}, first - x) + std::max(Px{0}, x + width - 1 - last));
}

// The selection and the items of the CControls kinds whose selection the generated code sets.
bool SelectionOf(const TControl& c, int* selected, std::size_t* count) {
  auto take = [&](const auto* typed) {
    if (!typed) return false;
    *selected = typed->SelectedItem();
    *count = typed->Items().size();
    return true;
  };
  return take(As<TCCListBox>(&c)) || take(As<TCCDropDown>(&c)) || take(As<TCCPopUp>(&c)) ||
         take(As<TCCRadio>(&c));
}

const std::string* ShowFormOf(const TControl& c) {
  if (const auto* b = As<TCCButton>(&c)) return &b->ShowForm();
  if (const auto* b = As<TPTButton>(&c)) return &b->ShowForm();
  return nullptr;
}

class Checker {
 public:
  Checker(const std::vector<const TChildFrm*>& forms, LibraryId lib, const FontRegistry& fonts)
      : forms_(forms), lib_(lib), fonts_(fonts) {
    for (const TChildFrm* form : forms_) {
      targets_.push_back(form->Name());
      for (const auto& child : form->Screen().Children())
        if (child->Class() == ControlClass::kPTDialog) targets_.push_back(child->Name());
    }
  }

  std::vector<LayoutFinding> Run() {
    for (const TChildFrm* form : forms_) {
      form_ = form;
      CheckName(form->Name(), "");
      CheckTitle(form->Screen());
      CheckPanel(form->Screen(), nullptr);
      // Menus are drawn over the screen by the device itself; only their names can clash.
      for (const auto& part : form->Client().Children())
        if (part.get() != &form->Screen()) CheckName(part->Name(), part->Name());
    }
    return std::move(findings_);
  }

 private:
  void Add(FindingSeverity severity, const TControl* c, std::string message, const char* rule) {
    findings_.push_back(
        {severity, form_->Name(), c ? c->Name() : std::string(), std::move(message), rule});
  }

  // dialog is null for the screen panel.
  void CheckPanel(const TControl& panel, const TControl* dialog) {
    const auto& children = panel.Children();
    // Measured once: a form may hold thousands of controls, each compared with those below.
    std::vector<Rect> bounds;
    std::vector<bool> overlapping;
    for (const auto& child : children) {
      bounds.push_back(DeviceRect(*child, lib_, fonts_));
      overlapping.push_back(TakesPartInOverlap(*child));
    }
    const Rect area = PanelArea(panel, lib_, fonts_);
    for (std::size_t i = 0; i < children.size(); ++i) {
      const TControl& c = *children[i];
      const Rect& device = bounds[i];
      CheckName(c.Name(), c.Name());
      const bool sized = CheckSize(c, device);
      CheckInside(c, device, area, dialog);
      if (!dialog && c.Class() != ControlClass::kPTDialog) CheckBelowTitle(c, device);
      if (overlapping[i]) CheckOverlap(c, i, children, bounds, overlapping);
      // A control without a size shows nothing; its text is no further news.
      if (sized) CheckText(c);
      CheckImage(c);
      CheckShowForm(c);
      CheckTrigger(c, panel);
      CheckSelection(c);
      if (c.Class() == ControlClass::kPTDialog) CheckPanel(c, &c);
    }
  }

  void CheckName(const std::string& name, const std::string& control) {
    if (name.empty()) return;
    const std::string key = LowerAscii(name);
    const auto it = names_.find(key);
    if (it == names_.end()) {
      names_.emplace(key, SeenName{name, form_->Name(), control.empty()});
      return;
    }
    if (it->second.name == name) return;
    const bool same_form = it->second.is_form || it->second.form == form_->Name();
    const std::string where = same_form ? "" : " on " + it->second.form;
    findings_.push_back({FindingSeverity::kError, form_->Name(), control,
                         name + " differs from " + it->second.name + where + " only in letter case",
                         kRuleNameCase});
  }

  // False when the control has no area.
  bool CheckSize(const TControl& c, const Rect& device) {
    const Px w = device.width;
    const Px h = device.height;
    if (w <= 0)
      Add(FindingSeverity::kError, &c, c.Name() + " is " + Pixels(w) + " wide", kRuleSize);
    if (h <= 0)
      Add(FindingSeverity::kError, &c, c.Name() + " is " + Pixels(h) + " high", kRuleSize);
    return w > 0 && h > 0;
  }

  void CheckInside(const TControl& c, const Rect& drawn, const Rect& area, const TControl* dialog) {
    const std::string where = dialog ? "its dialog " + dialog->Name() : std::string("the screen");
    const char* rule = dialog ? kRuleInDialog : kRuleOnScreen;
    const struct {
      Px by;
      const char* side;
    } sides[] = {
        {area.left - drawn.left, "left"},
        {area.top - drawn.top, "top"},
        {drawn.Right() - area.Right(), "right"},
        {drawn.Bottom() - area.Bottom(), "bottom"},
    };
    for (const auto& s : sides)
      if (s.by > 0)
        Add(FindingSeverity::kWarning, &c,
            c.Name() + " lies " + Pixels(s.by) + " outside " + where + " at the " + s.side, rule);
  }

  void CheckBelowTitle(const TControl& c, const Rect& drawn) {
    const Px by = std::min(Px{kTitleBandHeight}, drawn.Bottom()) - std::max(Px{0}, drawn.top);
    if (by > 0 && drawn.Right() > 0 && drawn.left < kScreenSize)
      Add(FindingSeverity::kWarning, &c,
          c.Name() + " lies " + Pixels(by) + " over the form's title", kRuleBelowTitle);
  }

  // One finding per control, naming the control just beneath it: a pile of n controls gives
  // n - 1 findings, not n²/2.
  void CheckOverlap(const TControl& c, std::size_t index,
                    const std::vector<std::unique_ptr<TControl>>& siblings,
                    const std::vector<Rect>& bounds, const std::vector<bool>& overlapping) {
    const Rect& drawn = bounds[index];
    std::string first;
    int more = 0;
    for (std::size_t j = index; j-- > 0;) {
      if (!overlapping[j]) continue;
      const Rect& o = bounds[j];
      const Px w = std::min(drawn.Right(), o.Right()) - std::max(drawn.left, o.left);
      const Px h = std::min(drawn.Bottom(), o.Bottom()) - std::max(drawn.top, o.top);
      if (w <= 0 || h <= 0) continue;
      if (first.empty())
        first = c.Name() + " overlaps " + siblings[j]->Name() + " by " + std::to_string(w) + " x " +
                std::to_string(h) + " pixels";
      else
        ++more;
    }
    if (first.empty()) return;
    if (more > 0)
      first += " and " + std::to_string(more) + (more == 1 ? " more control" : " more controls");
    Add(FindingSeverity::kWarning, &c, first, kRuleOverlap);
  }

  // Text is measured on the drawn control, whose text lies where the device shows it.
  void CheckText(const TControl& c) {
    const Rect drawn = DrawnBounds(c, fonts_);
    const PalmFace& face = FaceOf(c, fonts_);
    std::string text;
    Px x = 0;
    Px room = drawn.width;
    if (DrawnText(c, fonts_, &room, &text, &x) && !text.empty()) {
      const Px tw = face.TextWidth(text);
      ReportCut(&c, "text", text, "", std::max(Px{0}, -x) + std::max(Px{0}, x + tw - room));
    }
    const StringList* items = nullptr;
    Px right = 0;
    if (ListRows(c, &items, &right))
      for (const std::string& item : *items)
        if (!item.empty())
          ReportCut(&c, "text", item, "", kTextInset + face.TextWidth(item) - 1 - right);
    for (const CellText& cell : CellTexts(c, fonts_))
      if (!cell.text.empty())
        ReportCut(&c, cell.what, cell.text, cell.where,
                  ColumnsOutside(cell.x, cell.width, cell.first, cell.last), cell.room);
  }

  // The form's title, in its tab from the screen's left.
  void CheckTitle(const TCCForm& screen) {
    const std::string& title = screen.Title();
    if (title.empty()) return;
    const Px tw = fonts_.Face(kPilotBold).TextWidth(title);
    ReportCut(nullptr, "title", title, "",
              ColumnsOutside(kCCFormTitleLeft, tw, 0, Px{screen.Width()} - 1), "the screen");
  }

  // c is null for the form's own title.
  void ReportCut(const TControl* c, const char* what, const std::string& text,
                 const std::string& where, Px cut, const char* room = "the control") {
    if (cut <= 0) return;
    const std::string& owner = c ? c->Name() : form_->Name();
    Add(FindingSeverity::kWarning, c,
        TextLine(owner, "'s ", what, " ", Quoted(text), where, " is ", Pixels(cut), " wider than ",
                 room, " shows and is cut off"),
        kRuleTextFits);
  }

  void CheckImage(const TControl& c) {
    if (c.Class() != ControlClass::kCCBitmap) return;
    if (c.Width() > kMaxImageSide || c.Height() > kMaxImageSide)
      Add(FindingSeverity::kError, &c,
          c.Name() + " is " + std::to_string(c.Width()) + " x " + std::to_string(c.Height()) +
              " pixels, more than 40 x 40",
          kRuleImageSize);
  }

  void CheckShowForm(const TControl& c) {
    const std::string* target = ShowFormOf(c);
    if (!target || IsNone(*target)) return;
    const std::string* spelled = nullptr;
    for (const std::string& name : targets_) {
      if (name == *target) return;
      if (!spelled && SameText(name, *target)) spelled = &name;
    }
    Add(FindingSeverity::kError, &c,
        spelled ? c.Name() + "'s ShowForm names " + Quoted(*target) + ", but it is spelled " +
                      Quoted(*spelled)
                : c.Name() + "'s ShowForm names " + Quoted(*target) +
                      ", which is no open form or dialog",
        kRuleShowForm);
  }

  // The CControls code passes the selection to the device as an index into the items; one
  // past them reads what is not there. -1 selects nothing.
  void CheckSelection(const TControl& c) {
    int selected = 0;
    std::size_t count = 0;
    if (lib_ != LibraryId::kCControls || !SelectionOf(c, &selected, &count)) return;
    if (selected >= -1 && (selected == -1 || static_cast<std::size_t>(selected) < count)) return;
    Add(FindingSeverity::kError, &c,
        c.Name() + "'s SelectedItem is " + std::to_string(selected) + ", but it has " +
            std::to_string(count) + (count == 1 ? " item" : " items"),
        kRuleSelection);
  }

  void CheckTrigger(const TControl& c, const TControl& panel) {
    const auto* list = As<TPTList>(&c);
    if (!list || IsNone(list->Trigger())) return;
    const std::string* spelled = nullptr;
    for (const auto& sibling : panel.Children()) {
      if (sibling->Class() != ControlClass::kPTPopTrigger) continue;
      if (sibling->Name() == list->Trigger()) return;
      if (!spelled && SameText(sibling->Name(), list->Trigger())) spelled = &sibling->Name();
    }
    Add(FindingSeverity::kError, &c,
        spelled ? c.Name() + "'s Trigger names " + Quoted(list->Trigger()) +
                      ", but it is spelled " + Quoted(*spelled)
                : c.Name() + "'s Trigger names " + Quoted(list->Trigger()) +
                      ", which is no PopTrigger on the list's panel",
        kRuleTrigger);
  }

  struct SeenName {
    std::string name;
    std::string form;
    bool is_form = false;
  };

  const std::vector<const TChildFrm*>& forms_;
  LibraryId lib_;
  const FontRegistry& fonts_;
  const TChildFrm* form_ = nullptr;
  std::vector<std::string> targets_;
  std::map<std::string, SeenName> names_;
  std::vector<LayoutFinding> findings_;
};

void AppendJsonString(std::string& out, std::string_view s) {
  out += '"';
  for (const char ch : s) {
    const auto u = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += ch;
    }
  }
  out += '"';
}

}  // namespace

std::vector<LayoutFinding> CheckLayout(const std::vector<const TChildFrm*>& forms, LibraryId lib,
                                       const FontRegistry& fonts,
                                       const CodeCheckSettings& settings) {
  std::vector<LayoutFinding> findings = Checker(forms, lib, fonts).Run();
  CheckGeneratedCode(forms, lib, settings, findings);
  return findings;
}

CodeCheckSettings CodeCheckSettingsFrom(const CodeSettings& code, const std::string& project_name) {
  CodeCheckSettings out;
  out.project_name = project_name;
  out.color = code.color;
  out.memo = code.memo;
  out.prc_fields = {{kCreatorIdKey, code.creator_id},
                    {kAppNameKey, code.app_name},
                    {kAppDbKey, code.app_db},
                    {kVersionKey, code.version}};
  return out;
}

CodeCheckSettings CodeCheckSettingsOf(const std::string& project_path,
                                      const std::string& project_name) {
  IniFile ini;
  if (project_path.empty() || !ini.Load(project_path)) {
    CodeCheckSettings out;
    out.project_name = project_name;
    return out;
  }
  return CodeCheckSettingsFrom(ReadCodeSettings(ini), project_name);
}

std::vector<const TChildFrm*> FormsToCheck(const Project& state) {
  std::vector<const TChildFrm*> out;
  for (const auto& window : state.windows)
    if (window->Visible()) out.push_back(window.get());
  return out;
}

const TChildFrm* FormOfFinding(const std::vector<const TChildFrm*>& forms,
                               const LayoutFinding& finding) {
  for (const TChildFrm* form : forms)
    if (form->Name() == finding.form) return form;
  return nullptr;
}

TControl* ControlOfFinding(const FormDocument& form, const LayoutFinding& finding) {
  if (finding.control.empty()) return nullptr;
  for (TControl* c : form.AllControls())
    if (c->Name() == finding.control) return c;
  return nullptr;
}

bool HasErrors(const std::vector<LayoutFinding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const LayoutFinding& f) { return f.severity == FindingSeverity::kError; });
}

const char* SeverityWord(FindingSeverity severity) {
  return severity == FindingSeverity::kError ? "error" : "warning";
}

std::string FindingsText(const std::vector<LayoutFinding>& findings) {
  std::string out;
  for (const LayoutFinding& f : findings) {
    out += SeverityWord(f.severity);
    if (!f.form.empty()) out += ": " + f.form;
    if (!f.control.empty()) out += ": " + f.control;
    out += ": " + f.message + " (" + f.rule + ")\n";
  }
  return out;
}

std::string FindingsJson(const std::vector<LayoutFinding>& findings) {
  if (findings.empty()) return "[]\n";
  std::string out = "[\n";
  for (std::size_t i = 0; i < findings.size(); ++i) {
    const LayoutFinding& f = findings[i];
    out += "  {\"severity\": ";
    AppendJsonString(out, SeverityWord(f.severity));
    out += ", \"form\": ";
    AppendJsonString(out, f.form);
    out += ", \"control\": ";
    AppendJsonString(out, f.control);
    out += ", \"message\": ";
    AppendJsonString(out, f.message);
    out += ", \"rule\": ";
    AppendJsonString(out, f.rule);
    out += i + 1 < findings.size() ? "},\n" : "}\n";
  }
  out += "]\n";
  return out;
}

}  // namespace qb

#pragma once

// The property rules of one library: which rows a control (or the form) has, what each row
// shows and how a text changes the current control. Both libraries drive the same routine
// from their own kind tables; what differs is in the tables and in a few overrides.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "form/ChildFor.h"
#include "model/library.h"
#include "properties/property_sheet.h"

namespace qb {

class PropertyRules {
 public:
  explicit PropertyRules(RulesContext ctx) : ctx_(ctx) {}
  virtual ~PropertyRules() = default;
  PropertyRules(const PropertyRules&) = delete;
  PropertyRules& operator=(const PropertyRules&) = delete;

  virtual LibraryId Library() const = 0;

  // Shows the control's rows in the inspector, selects its chooser entry and makes it the
  // current control. The window's client area stands for the form: its rows are shown.
  void FillInspector(TControl& control);
  // The text of one row; empty for a row the kind does not have.
  std::string ValueText(const TControl& control, std::string_view row) const;
  // Applies a text to a row of the current control (or of the form). A row the kind does not
  // have is ignored. Throws UserError, leaving the control unchanged, for a refused text.
  void ApplyValue(std::string_view row, const std::string& text);
  // Shows the form's rows, selects its entry, clears the window's selection marks, and makes
  // the window the current control with the keyboard focus.
  void FormRows(TChildFrm& window);
  // Rebuilds the window's control list and returns it.
  std::vector<ControlListEntry> ListControls(const FormDocument& form) const;
  // Opens the items (or table) editor for the current control.
  virtual void EditItems() = 0;

  // The rows of a control, in order; empty for a control of no kind of this library.
  std::vector<std::string> RowNames(const TControl& control) const;
  // The sheet of a control; nullptr for a control of no kind of this library.
  std::unique_ptr<PropertySheet> Sheet(TControl& control);

 protected:
  // The table of a control's kind, or of the form for the window's client area.
  virtual const KindTable* TableFor(const TControl& control) const = 0;
  // Hides the in-place editors before the rows are written.
  virtual void HideEditorsForFill() = 0;
  // Runs before a control's rows are written.
  virtual void BeforeFill(TControl& /*control*/, TChildFrm* /*window*/) {}
  // Runs after a row was applied, before the chooser is rebuilt and the control repainted.
  virtual void AfterRow(std::string_view /*row*/, TControl& /*control*/, TChildFrm* /*window*/) {}

  // The kind table for a control of this library, found through the kind catalogue.
  const KindTable* FindTable(const std::vector<KindTable>& tables, const KindTable& form,
                             const TControl& control) const;
  TChildFrm* WindowOfControl(const TControl& control) const;
  RulesContext& Context() { return ctx_; }

 private:
  void WriteRows(PropertySheet& sheet);
  void AfterApply(std::string_view row, TControl& control, TChildFrm* window);

  RulesContext ctx_;
};

// The rules of a library.
std::unique_ptr<PropertyRules> MakePropertyRules(LibraryId lib, RulesContext ctx);

}  // namespace qb

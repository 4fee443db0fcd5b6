#pragma once

// The index-based view of one control's properties: row i has a name, a shown text and an
// apply. The inspector only ever sees a control through it. Each kind's rows are a table.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"

namespace qb {

struct AppState;
struct PropertyBinding;
class Ui;
class TfrmProperties;
class Hub;
class TChildFrm;

// Everything the property rules reach: the running designer's state, the user, the
// inspector window and the designer.
struct RulesContext {
  AppState& state;
  Ui& ui;
  TfrmProperties& inspector;
  Hub& hub;
};

// Which coordinates a position or size row works in.
enum class CoordSet {
  kNone,
  kPalm,      // UserLeft, UserTop, UserWidth, UserHeight
  kPanel,     // Left, Top, Width, Height
  kMenuLeft,  // a menu's UserLeft less the screen panel's left edge in the window
};
struct CoordSets {
  CoordSet left_top;
  CoordSet width;
  CoordSet height;
};

// A kind whose panel may not grow beyond a size.
struct SizeLimit {
  int max;
  const char* width_message;
  const char* height_message;
};

struct KindTable;

// What a row's show and apply act in: the control's window and kind.
struct RowEnv {
  RulesContext& ctx;
  TChildFrm* window;
  const KindTable& kind;
};

struct RowSpec {
  const char* name;
  std::function<std::string(const TControl&, const RowEnv&)> show;
  // Empty for rows that only a separate editor changes. May throw UserError before changing
  // anything.
  std::function<void(TControl&, const std::string&, RowEnv&)> apply;
  // The bound property the row shows; nullptr for the rows every control has and for the few
  // that are not a property of their own.
  const PropertyBinding* binding = nullptr;
};

struct KindTable {
  KindId kind;
  CoordSets coords;
  const SizeLimit* limit;  // nullptr: no limit
  std::vector<RowSpec> rows;

  // The index of a row, -1 when the kind has no such row.
  int IndexOf(std::string_view row) const;
};

class PropertySheet {
 public:
  // What the rules do after any row was applied.
  using AfterApply = std::function<void(std::string_view row, TControl&, TChildFrm*)>;

  PropertySheet(const KindTable& kind, TControl& control, TChildFrm* window, RulesContext& ctx,
                AfterApply after);

  int Count() const { return static_cast<int>(kind_.rows.size()); }
  const char* Name(int index) const { return kind_.rows[Checked(index)].name; }
  std::string Text(int index) const;
  // Throws UserError, with the control unchanged, when the text is refused.
  void Apply(int index, const std::string& text);
  int IndexOf(std::string_view row) const { return kind_.IndexOf(row); }
  const KindTable& Kind() const { return kind_; }

 private:
  std::size_t Checked(int index) const;

  const KindTable& kind_;
  TControl& control_;
  TChildFrm* window_;
  RulesContext& ctx_;
  AfterApply after_;
};

}  // namespace qb

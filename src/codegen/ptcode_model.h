#pragma once

// What the parts of the PToolboxLib generator share: the kind of each control, the panels in
// generation order, the project flags and the colour calls.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/generator.h"
#include "controls/control.h"
#include "controls/none_choice.h"
#include "model/colors.h"

namespace qb::ptcode {

using Lines = std::vector<std::string>;

// The generator's view of a control. A Button is split by its ButtonType; a class that the
// library does not know (kForeign) gets no identifier and no code.
enum class Kind {
  kButton,
  kRepeatButton,
  kSelect,
  kPush,
  kCheckBox,
  kLabel,
  kList,
  kPopTrigger,
  kField,
  kGsi,
  kBitmap,
  kRadio,
  kDialog,
  kForeign,
};

Kind KindOf(const TControl& control);

// What a control contributes outside its own create lines.
enum class EventCase {
  kNone,
  kButton,          // may open a form, or restores its colours
  kEmpty,           // the case label and its break only
  kStandaloneList,  // kEmpty when the list stands alone, else none
  kSelect,          // picker lines and colours
};

struct KindTraits {
  Kind kind;
  bool numbered;      // gets "#define" lines
  bool font_line;     // wrapped in textattr calls when its font is not the standard one
  bool colour_line;   // has a ButColors or FieldColors call
  bool button_event;  // listed in the button-event block (case 250)
  EventCase event_case;
};

const KindTraits& TraitsOf(Kind kind);

// A form's screen panel or a dialog on it: each gets identifiers and its own functions.
struct Panel {
  const TControl* control = nullptr;  // a TCCForm or a TPTDialog
  std::string name;                   // the form name, or the dialog's name
  bool is_dialog = false;
  // The form's title or the dialog's.
  std::string Title() const;
  const std::vector<std::unique_ptr<TControl>>& Children() const { return control->Children(); }
  bool Holds(Kind kind) const;
  // A panel with a repeat button or a Field has a repeat function.
  bool HasRepeatFunction() const;
};

// Every form in list order, each followed by the dialogs on its screen panel in child order.
std::vector<Panel> PanelsOf(const std::vector<const TChildFrm*>& forms);

struct ProjectFlags {
  bool buttons = false;  // a plain Button or any Select
  bool labels = false;
  bool fields = false;
  bool picker = false;  // a Select acting as date or time picker
};

ProjectFlags ComputeFlags(const std::vector<Panel>& panels);

// Everything one run reads.
struct Context {
  const GeneratorInput& input;
  std::vector<Panel> panels;
  ProjectFlags flags;
};

// Texts shared by the main text and the header.
inline constexpr std::string_view kFormColorsSignature =
    "FormColors(int Type, int clFFrame, int clFFill, int clFrame, int clFill, int clText, int "
    "clSelFill, int clSelFore)";
inline constexpr std::string_view kButColorsSignature = "ButColors(int id, int clFill, int clText)";
inline constexpr std::string_view kFieldColorsSignature =
    "FieldColors(int id, int clBack, int clText, int clLines, int clCaret, int clHlBg, int "
    "clHlFg)";

// Suffixes of a panel's function names.
inline constexpr std::string_view kCreateSuffix = "Create";
inline constexpr std::string_view kDrawSuffix = "Draw";
inline constexpr std::string_view kEventsSuffix = "Events";
inline constexpr std::string_view kRepeatSuffix = "Repeat";
// The repeat function returns the seconds to wait; it is declared as "int <name>Repeat(int butID)".
inline constexpr std::string_view kRepeatReturnType = "int ";
inline constexpr std::string_view kRepeatParameters = "(int butID)";

// The palette index in decimal; empty for a colour outside the sixteen named ones.
std::string ColorIndex(Color color);

// The FormColors call that sets a panel's colours (type 0 form, 1 dialog).
std::string FormColorsCall(int type, const std::array<Color, 7>& colors);
std::string PanelColorLine(const Panel& panel);
// The ButColors or FieldColors call of a control; empty for kinds without one.
std::string ControlColorLine(const TControl& control);

// The line with the given number of leading blanks.
std::string Indent(int blanks, std::string_view line);

// A panel's create function: its lists' string arrays, the panel and every control.
void WriteCreateFunction(const Panel& panel, Lines& out);

void WriteMain(const Context& ctx, Lines& out);
void WriteForms(const Context& ctx, Lines& out);
void WriteEvents(const Context& ctx, Lines& out);
void WriteHeader(const Context& ctx, Lines& out);

}  // namespace qb::ptcode

#include "workload/form_workload.h"

#include <string_view>

#include "controls/schema.h"
#include "form/form_file.h"
#include "form/form_keys.h"
#include "form/form_lookup.h"
#include "model/colors.h"
#include "model/font.h"
#include "model/kinds.h"
#include "model/string_bits.h"

namespace qb::bench {

namespace {

using KindLayout = KindSchema;
using Key = const PropertyBinding*;

constexpr const char* kMenuBarKind = "MenuBar";
constexpr const char* kDialogKind = "Dialog";
constexpr const char* kMenuKind = "Menu";

// Colours given to colour keys in colour mode, taken in turn.
constexpr Color kColorCycle[] = {kRed, kNavy, kGreen, kMaroon, kGray, kBlue, kSilver};
constexpr const char* kFaceCycle[] = {kPilotStandard, kPilotStandard, kPilotBold,
                                      kPilotLarge,    kPilotStandard, kPilotBold12};
constexpr const char* kWords[] = {"Name",  "Total", "Colour", "Size", "Level",
                                  "Notes", "Date",  "Amount", "Mode", "Status"};

// Where the control of this number lies on its panel, in panel pixels: spread over the
// screen (or the dialog) so that the picture has controls everywhere.
int SpreadLeft(int number, bool in_dialog) { return 2 + (number * 29) % (in_dialog ? 90 : 110); }
int SpreadTop(int number, bool in_dialog) {
  return in_dialog ? 14 + (number * 11) % 48 : 16 + (number * 17) % 120;
}

std::string Word(int number) { return kWords[number % std::size(kWords)]; }

StringList ListItems(int number) {
  StringList items;
  const int count = 3 + number % 4;
  for (int i = 0; i < count; ++i) items.push_back(Word(number + i) + " " + std::to_string(i + 1));
  return items;
}

// A one-bit picture of the default size with a diagonal pattern.
std::string Bits(int width, int height, int number) {
  BitPicture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.Set(x, y, (x + y + number) % 3 == 0);
  return EncodeStringBits(picture);
}

int IntDefault(const KindLayout& layout, const char* key) {
  for (Key k : layout.keys)
    if (k->codec == Codec::kValue && k->type == ValueType::kInt && std::string_view(k->key) == key)
      return k->int_default;
  return 0;
}

// What one control's section holds beyond its kind's defaults.
struct ControlPlan {
  const KindInfo* kind;
  const KindLayout* layout;
  std::string name;
  std::string parent;  // a dialog's name, or the screen panel's
  int number;          // the control's position in the file, from 0
  int in_panel;        // its position among its panel's controls
  bool first_dialog;
};

class FormFileWriter {
 public:
  FormFileWriter(LibraryId lib, const FormSpec& form_spec) : lib_(lib), spec_(form_spec) {}

  IniFile Write() {
    WriteFormSection();
    std::string dialog;
    int dialog_room = 0;
    int dialogs = 0;
    int menus = 0;
    int screen_controls = 0;
    const std::vector<const KindInfo*> cycle = Cycle();
    for (int number = 0; number < spec_.controls; ++number) {
      const KindInfo* kind = cycle[static_cast<std::size_t>(number) % cycle.size()];
      ControlPlan plan{kind, Layout(kind), Name(*kind, number), kScreenParentName, number,
                       0,    false};
      if (std::string_view(kind->kind) == kDialogKind) {
        plan.first_dialog = dialogs++ == 0;
        dialog = plan.name;
        dialog_room = kControlsPerDialog;
        plan.in_panel = screen_controls++;
      } else if (std::string_view(kind->kind) == kMenuKind) {
        plan.in_panel = menus++;
        if (menus == 1 && lib_ == LibraryId::kCControls && number + 1 < spec_.controls) {
          WriteControl(plan);
          ++number;
          const KindInfo* bar = FindKind(lib_, kMenuBarKind);
          plan = {bar, Layout(bar), "", "", number, 0, false};
        }
      } else if (dialog_room > 0 && kind->parent == ParentRule::kScreenOrDialog) {
        plan.parent = dialog;
        plan.in_panel = kControlsPerDialog - dialog_room--;
      } else {
        plan.in_panel = screen_controls++;
      }
      WriteControl(plan);
    }
    return std::move(ini_);
  }

 private:
  // Every kind with a palette button, in catalogue order; the menu bar comes with the first
  // menu.
  std::vector<const KindInfo*> Cycle() const {
    std::vector<const KindInfo*> kinds;
    for (const KindInfo& k : KindsOf(lib_))
      if (k.button != PaletteButton::kNone) kinds.push_back(&k);
    return kinds;
  }

  const KindLayout* Layout(const KindInfo* kind) const {
    return kind ? LibrarySchemaOf(lib_).Find(kind->id) : nullptr;
  }

  std::string Name(const KindInfo& kind, int number) const {
    return std::string(kind.long_prefix) + std::to_string(number + 1);
  }

  Color Colour(const PropertyBinding& k, int number) const {
    if (!spec_.color) return static_cast<Color>(k.int_default);
    return kColorCycle[static_cast<std::size_t>(number) % std::size(kColorCycle)];
  }

  void WriteFormSection() {
    ini_.WriteString(kFormSection, "Name", spec_.name);
    ini_.WriteInteger(kFormSection, "Top", 0);
    ini_.WriteInteger(kFormSection, "Left", 0);
    ini_.WriteString(kFormSection, "Title", spec_.name + " title");
    ini_.WriteInteger(kFormSection, "Lib", static_cast<int>(lib_));
    int number = 0;
    for (Key k : LibrarySchemaOf(lib_).form_keys)
      ini_.WriteColor(kFormSection, k->key, Colour(*k, number++));
  }

  void WriteControl(const ControlPlan& plan) {
    const std::string section = plan.name.empty() ? kMenuBarKind + spec_.name : plan.name;
    for (Key k : plan.layout->keys)
      if (!k->clipboard_only) WriteKey(section, *k, plan);
    for (Key k : plan.layout->keys)
      if (k->codec == Codec::kListSection)
        ini_.WriteList(section + k->key, TableList(k->key, plan.number));
  }

  void WriteKey(const std::string& section, const PropertyBinding& k, const ControlPlan& plan) {
    const std::string_view key = k.key;
    switch (k.codec) {
      case Codec::kValue:
        WriteValue(section, k, plan);
        break;
      case Codec::kKind:
        ini_.WriteString(section, key, plan.kind->kind);
        break;
      case Codec::kName:
        ini_.WriteString(section, key, section);
        break;
      case Codec::kParent:
        ini_.WriteString(section, key, plan.parent);
        break;
      case Codec::kFont: {
        Font font;
        font.name = kFaceCycle[static_cast<std::size_t>(plan.number) % std::size(kFaceCycle)];
        ini_.WriteFont(section, key, font);
        break;
      }
      case Codec::kLabelAlign:
      case Codec::kToolkitAlign:
        ini_.WriteInteger(section, key, plan.number % 3);
        break;
      case Codec::kConstant:
        ini_.WriteInteger(section, key, k.int_default);
        break;
      case Codec::kListSection:
        break;
    }
  }

  void WriteValue(const std::string& section, const PropertyBinding& k, const ControlPlan& plan) {
    const std::string_view key = k.key;
    const bool in_dialog = plan.parent != kScreenParentName;
    switch (k.type) {
      case ValueType::kText:
        ini_.WriteString(section, key, TextValue(k, plan));
        break;
      case ValueType::kInt:
        if (key == form_io::kLeftKey && plan.kind->cls != ControlClass::kPTDialog)
          ini_.WriteInteger(section, key,
                            plan.kind->cls == ControlClass::kCCMenu
                                ? 9 + 36 * (plan.in_panel % 4)
                                : SpreadLeft(plan.number, in_dialog));
        else if (key == form_io::kTopKey && plan.kind->cls != ControlClass::kPTDialog)
          ini_.WriteInteger(section, key, SpreadTop(plan.number, in_dialog));
        else if (key == "Test" && plan.kind->cls == ControlClass::kPTDialog)
          ini_.WriteInteger(section, key, plan.first_dialog ? 1 : 0);
        else
          ini_.WriteInteger(section, key, k.int_default);
        break;
      case ValueType::kColor:
        ini_.WriteColor(section, key, Colour(k, plan.number));
        break;
      case ValueType::kList:
        ini_.WriteList(section, ListItems(plan.number));
        break;
    }
  }

  std::string TextValue(const PropertyBinding& k, const ControlPlan& plan) const {
    const std::string_view key = k.key;
    if (key == "StringBits")
      return Bits(IntDefault(*plan.layout, form_io::kWidthKey),
                  IntDefault(*plan.layout, form_io::kHeightKey), plan.number);
    if (key == "Content" || key == "Text" || key == "Title" || key == "Topic")
      return Word(plan.number) + " " + std::to_string(plan.number + 1);
    return k.text_default;  // links to forms, lists and pickers keep the placed values
  }

  // A table's rows of three cells, its column widths and its alignments.
  static StringList TableList(std::string_view suffix, int number) {
    if (suffix == "ColWidths") return {"25", "25", "25"};
    if (suffix == "ColAlign") return {"0", "1", "2"};
    StringList rows;
    for (int r = 0; r < 3 + number % 3; ++r)
      rows.push_back(Word(number + r) + "~" + std::to_string(r) + "~" + Word(r));
    return rows;
  }

  LibraryId lib_;
  const FormSpec& spec_;
  IniFile ini_;
};

}  // namespace

IniFile MakeFormFile(LibraryId lib, const FormSpec& form_spec) {
  return FormFileWriter(lib, form_spec).Write();
}

std::unique_ptr<TChildFrm> MakeForm(LibraryId lib, const FormSpec& form_spec, AppState& state) {
  auto form = std::make_unique<TChildFrm>();
  ReadInto(lib, form_spec, *form, state);
  return form;
}

void ReadInto(LibraryId lib, const FormSpec& form_spec, TChildFrm& form, AppState& state) {
  form.SetName(form_spec.name);
  ReadFormFromIni(lib, form, MakeFormFile(lib, form_spec), state);
}

std::vector<std::unique_ptr<TChildFrm>> MakeForms(LibraryId lib, int forms, int controls_per_form,
                                                  bool color, AppState& state) {
  std::vector<std::unique_ptr<TChildFrm>> out;
  for (int f = 0; f < forms; ++f) {
    FormSpec form_spec;
    form_spec.name = "Form" + std::to_string(f + 1);
    form_spec.controls = controls_per_form;
    form_spec.color = color;
    out.push_back(MakeForm(lib, form_spec, state));
  }
  return out;
}

int CountControls(const TChildFrm& form) { return static_cast<int>(form.AllControls().size()); }

}  // namespace qb::bench

#include "model/kinds.h"

#include <array>
#include <iterator>

namespace qb {

namespace {

using C = ControlClass;
using K = KindId;
using P = PaletteButton;
using R = ParentRule;
constexpr LibraryId kCC = LibraryId::kCControls;
constexpr LibraryId kPT = LibraryId::kPToolboxLib;

const std::vector<KindInfo> kCControlsKinds = {
    {K::kCCButton, kCC, "Button", C::kCCButton, kAnyTag, P::kButton, "Button", "Button", "Bt",
     R::kScreenOrDialog},
    {K::kCCLabel, kCC, "Label", C::kCCLabel, kAnyTag, P::kLabel, "Label", "Label", "Lb",
     R::kScreenOrDialog},
    {K::kCCCheckBox, kCC, "CheckBox", C::kCCCheckbox, kAnyTag, P::kCheckBox, "CheckBox", "CheckBox",
     "Cb", R::kScreenOrDialog},
    {K::kCCSwitch, kCC, "Switch", C::kCCSwitch, kAnyTag, P::kSwitch, "Switch Button", "Switch",
     "Sw", R::kScreenOrDialog},
    {K::kCCEdit, kCC, "Edit", C::kCCEdit, 0, P::kEdit, "Edit", "Edit", "Ed", R::kScreenOrDialog},
    {K::kCCEditLine, kCC, "EditLine", C::kCCEdit, 1, P::kEditLine, "Edit Line", "EditLine", "El",
     R::kScreenOrDialog},
    {K::kCCListBox, kCC, "ListBox", C::kCCListBox, kAnyTag, P::kListBox, "ListBox", "ListBox", "Lb",
     R::kScreenOrDialog},
    {K::kCCDropDown, kCC, "DropDown", C::kCCDropDown, kAnyTag, P::kDropDown, "DropDown", "DropDown",
     "Dd", R::kScreenOrDialog},
    {K::kCCRadio, kCC, "Radio", C::kCCRadio, kAnyTag, P::kRadio, "Radio Buttons", "Radio", "Rd",
     R::kScreenOrDialog},
    {K::kCCPopUp, kCC, "PopUp", C::kCCPopUp, kAnyTag, P::kPopUp, "PopUp", "PopUp", "Pu",
     R::kScreenOrDialog},
    {K::kCCImage, kCC, "Image", C::kCCBitmap, kAnyTag, P::kBitmap, "Image", "Image", "Im",
     R::kScreenOrDialog},
    {K::kCCTable, kCC, "Table", C::kCCTable, kAnyTag, P::kTable, "Table", "Table", "Tb",
     R::kScreenOrDialog},
    {K::kCCDialog, kCC, "Dialog", C::kPTDialog, kAnyTag, P::kDialog, "Dialog", "Dialog", "Dl",
     R::kScreen},
    {K::kCCMenu, kCC, "Menu", C::kCCMenu, kAnyTag, P::kMenu, "Menu", "Menu", "Mn",
     R::kDesignerWindow},
    {K::kCCMenuBar, kCC, "MenuBar", C::kCCMenuBar, kAnyTag, P::kNone, "", "MenuBar", "Mb",
     R::kDesignerWindow},
};

const std::vector<KindInfo> kPToolboxKinds = {
    {K::kPTButton, kPT, "Button", C::kPTButton, kAnyTag, P::kButton, "Button", "Button", "Bt",
     R::kScreenOrDialog},
    {K::kPTSelect, kPT, "Select", C::kCCButton, 3, P::kSelect, "Select Box", "Select", "Sl",
     R::kScreenOrDialog},
    {K::kPTPush, kPT, "Push", C::kCCSwitch, kAnyTag, P::kPush, "Push Button", "Push", "Pb",
     R::kScreenOrDialog},
    {K::kPTLabel, kPT, "Label", C::kPTLabel, kAnyTag, P::kLabel, "Label", "Label", "Lb",
     R::kScreenOrDialog},
    {K::kPTField, kPT, "Field", C::kPTEdit, kAnyTag, P::kEdit, "Field", "Field", "Fl",
     R::kScreenOrDialog},
    {K::kPTCheckBox, kPT, "CheckBox", C::kPTCheckbox, kAnyTag, P::kCheckBox, "CheckBox", "CheckBox",
     "Cb", R::kScreenOrDialog},
    {K::kPTList, kPT, "List", C::kPTList, kAnyTag, P::kListBox, "List", "List", "Lb",
     R::kScreenOrDialog},
    {K::kPTPopTrigger, kPT, "PopTrigger", C::kPTPopTrigger, kAnyTag, P::kPopTrigger, "PopTrigger",
     "Pop", "Pt", R::kScreenOrDialog},
    {K::kPTRadio, kPT, "Radio", C::kCCRadio, kAnyTag, P::kRadio, "Radio Buttons", "Radio", "Rd",
     R::kScreenOrDialog},
    {K::kPTBitmap, kPT, "Bitmap", C::kCCBitmap, kAnyTag, P::kBitmap, "Bitmap", "Bitmap", "Bm",
     R::kScreenOrDialog},
    {K::kPTGsi, kPT, "GSI", C::kPTGsi, kAnyTag, P::kGsi, "GSI", "GSI", "GSI", R::kScreenOrDialog},
    {K::kPTDialog, kPT, "Dialog", C::kPTDialog, kAnyTag, P::kDialog, "Dialog", "Dialog", "Dl",
     R::kScreen},
};

constexpr std::array<const char*, 23> kClassNames = {
    "TCCForm",     "TCCButton", "TCCSwitch",   "TCCCheckbox", "TCCLabel",      "TCCEdit",
    "TCCListBox",  "TCCRadio",  "TCCDropDown", "TCCPopUp",    "TCCMenuBar",    "TCCMenu",
    "TCCBitmap",   "TCCTable",  "TPTDialog",   "TPTButton",   "TPTPopTrigger", "TPTEdit",
    "TPTCheckbox", "TPTLabel",  "TPTList",     "TPTGsi",      "TChildFrm",
};

constexpr PaletteButtonInfo kPaletteButtons[kPaletteButtonCount] = {
    {P::kButton, "Button"},
    {P::kSelect, "Select"},
    {P::kPush, "Push"},
    {P::kLabel, "Label"},
    {P::kEditLine, "Edit line"},
    {P::kEdit, "Edit"},
    {P::kCheckBox, "CheckBox"},
    {P::kSwitch, "Switch"},
    {P::kPopTrigger, "PopTrigger"},
    {P::kPopUp, "PopUp"},
    {P::kListBox, "ListBox"},
    {P::kDropDown, "DropDown"},
    {P::kRadio, "Radio"},
    {P::kMenu, "Menu"},
    {P::kBitmap, "Bitmap"},
    {P::kTable, "Table"},
    {P::kGsi, "GSI"},
    {P::kDialog, "Dialog"},
};

}  // namespace

const char* ClassName(ControlClass cls) { return kClassNames[static_cast<std::size_t>(cls)]; }

bool ClassFromName(std::string_view name, ControlClass* cls) {
  for (std::size_t i = 0; i < kClassNames.size(); ++i) {
    if (name == kClassNames[i]) {
      *cls = static_cast<ControlClass>(i);
      return true;
    }
  }
  return false;
}

const std::vector<KindInfo>& KindsOf(LibraryId lib) {
  return lib == LibraryId::kCControls ? kCControlsKinds : kPToolboxKinds;
}

const KindInfo* FindKind(KindId id) {
  for (LibraryId lib : {kCC, kPT})
    for (const KindInfo& k : KindsOf(lib))
      if (k.id == id) return &k;
  return nullptr;
}

const KindInfo* FindKind(LibraryId lib, std::string_view kind) {
  for (const auto& k : KindsOf(lib))
    if (kind == k.kind) return &k;
  return nullptr;
}

const KindInfo* KindForButton(LibraryId lib, PaletteButton button) {
  if (button == PaletteButton::kNone) return nullptr;
  for (const auto& k : KindsOf(lib))
    if (k.button == button) return &k;
  return nullptr;
}

const KindInfo* KindForClass(LibraryId lib, ControlClass cls, int tag) {
  const KindInfo* by_class = nullptr;
  for (const auto& k : KindsOf(lib)) {
    if (k.cls != cls) continue;
    if (k.tag_marker == tag) return &k;
    if (k.tag_marker == kAnyTag && !by_class) by_class = &k;
  }
  if (by_class) return by_class;
  // A class serving marked kinds: an unmarked Tag belongs to the first of them.
  for (const auto& k : KindsOf(lib))
    if (k.cls == cls) return &k;
  return nullptr;
}

const PaletteButtonInfo* PaletteButtons() { return kPaletteButtons; }

}  // namespace qb

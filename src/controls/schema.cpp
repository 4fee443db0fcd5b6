// The schema of both libraries: every kind's form-file section in written order, and from it
// the values of each control class.

#include "controls/schema.h"

#include <map>
#include <string_view>

#include "controls/cc_bindings.h"
#include "controls/pt_bindings.h"
#include "model/text_util.h"

namespace qb {

namespace {

using namespace members;  // NOLINT(build/namespaces): the tables read as the key lists they are

void UseStandardFont(TControl& c) { c.SetFontName(kPilotStandard); }

// A selector trigger is a square box with a gray frame, whatever the file says.
void SelectLook(TControl& c) {
  auto& select = static_cast<TCCButton&>(c);
  select.SetRadius(0);
  select.SetLine(2);
}

LibrarySchema MakeCControls() {
  using K = KindId;
  using namespace ccbind;  // NOLINT(build/namespaces)
  LibrarySchema s{LibraryId::kCControls, {}, {}, true};
  s.kinds = {
      {K::kCCButton,
       "Button",
       {&kKind, &kName, &kButtonContent, &kHeight<14>, &kWidth<34>, &kLeft<10>, &kTop<10>,
        &kButtonEdge, &kButtonLine, &kFont, &kButtonShowForm, &kParent}},
      {K::kCCLabel,
       "Label",
       {&kKind, &kName, &kLabelContent, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont, &kLabelLine,
        &kLabelAlign, &kLabelStyle, &kParent}},
      {K::kCCCheckBox,
       "CheckBox",
       {&kKind, &kName, &kCheckBoxContent, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont,
        &kCheckBoxState, &kParent}},
      {K::kCCSwitch,
       "Switch",
       {&kKind, &kName, &kSwitchContent, &kHeight<14>, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont,
        &kSwitchEdge, &kSwitchLine, &kSwitchState, &kParent}},
      {K::kCCEdit,
       "Edit",
       {&kKind, &kName, &kEditContent, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont, &kEditStyle,
        &kEditLine, &kLabelAlign, &kEditTopic, &kParent}},
      {K::kCCEditLine,
       "EditLine",
       {&kKind, &kName, &kEditContent, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont, &kEditStyle,
        &kEditLine, &kParent, &kEditLineType}},
      {K::kCCListBox,
       "ListBox",
       {&kListBoxItems, &kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kListBoxVisible,
        &kListBoxSelected, &kFont, &kParent}},
      {K::kCCDropDown,
       "Drop",
       {&kDropDownItems, &kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kDropDownVisible,
        &kDropDownSelected, &kDropDownTestItems, &kParent},
       UseStandardFont},
      {K::kCCRadio,
       "Radio",
       {&kRadioItems, &kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kHeight<14>,
        &kRadioSelected, &kFont, &kParent}},
      {K::kCCPopUp,
       "PopUp",
       {&kPopUpItems, &kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kPopUpVisible,
        &kPopUpSelected, &kFont, &kParent, &kPopUpTest}},
      {K::kCCImage,
       "Image",
       {&kKind, &kName, &kImageBits, &kHeight<14>, &kWidth<34>, &kLeft<10>, &kTop<10>, &kClickable,
        &kParent}},
      {K::kCCTable,
       "Table",
       {&kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kTableCols, &kTableVisibleRows,
        &kTableSelectedRow, &kParent, &kTableItems, &kTableColWidths, &kTableColAlign},
       UseStandardFont},
      {K::kCCDialog,
       "Dialog",
       {&kKind, &kName, &kDialogContent, &kHeight<80>, &kWidth<152>, &kLeft<5>, &kTop<60>,
        &kDialogTest}},
      {K::kCCMenu,
       "Menu",
       {&kMenuItems, &kKind, &kName, &kMenuWidth, &kMenuLeft, &kMenuTest, &kMenuTopic,
        &kMenuTopicWidth}},
      {K::kCCMenuBar, "MenuBar", {&kKind, &kName, &kMenuBarTest}},
  };
  return s;
}

LibrarySchema MakePToolbox() {
  using K = KindId;
  using namespace ptbind;  // NOLINT(build/namespaces)
  LibrarySchema s{LibraryId::kPToolboxLib, {}, {}, false};
  s.form_keys = {&kFormFill,     &kFormFrame,   &kFormSelectedFill, &kFormSelectedFore,
                 &kFormObjFrame, &kFormObjFill, &kFormObjText};
  s.kinds = {
      {K::kPTButton,
       "Button",
       {&kKind, &kName, &kButtonText, &kHeight<17>, &kWidth<46>, &kLeft<5>, &kTop<18>,
        &kButtonFrame, &kFont, &kButtonType, &kButtonShowForm, &kParent, &kButtonFill,
        &kButtonTextColor},
       nullptr,
       true},
      {K::kPTPush,
       "Push",
       {&kKind, &kName, &kPushText, &kHeight<14>, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont,
        &kPushState, &kGroupNumber, &kParent},
       nullptr,
       true},
      {K::kPTSelect,
       "Select",
       {&kKind, &kName, &kSelectText, &kHeight<14>, &kWidth<34>, &kLeft<10>, &kTop<18>, &kFont,
        &kSelectAlign, &kParent, &kSelectFill, &kSelectTextColor, &kSelectPicker, &kSelectFormat,
        &kSelectTitle, &kSelectColors},
       SelectLook,
       true},
      {K::kPTCheckBox,
       "CheckBox",
       {&kKind, &kName, &kCheckBoxText, &kHeight<15>, &kWidth<34>, &kLeft<10>, &kTop<10>, &kFont,
        &kCheckBoxState, &kCheckBoxGroup, &kCheckBoxTextColor, &kParent},
       nullptr,
       true},
      {K::kPTLabel,
       "Label",
       {&kKind, &kName, &kLabelText, &kLeft<10>, &kTop<18>, &kFont, &kLabelTextColor, &kParent},
       nullptr,
       true},
      {K::kPTList,
       "List",
       {&kListItems, &kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kListMaxItems,
        &kListSelected, &kListStyle, &kListTrigger, &kFont, &kParent},
       nullptr,
       true},
      {K::kPTPopTrigger,
       "PopTrigger",
       {&kKind, &kName, &kPopTriggerText, &kHeight<15>, &kWidth<34>, &kLeft<10>, &kTop<18>, &kFont,
        &kParent, &kPopTriggerTextColor},
       nullptr,
       true},
      {K::kPTField,
       "Field",
       {&kKind,
        &kName,
        &kFieldText,
        &kHeight<15>,
        &kWidth<34>,
        &kLeft<10>,
        &kTop<18>,
        &kFont,
        &kFieldSingleLine,
        &kFieldJustification,
        &kFieldUnderline,
        &kFieldNumbersOnly,
        &kFieldEditable,
        &kFieldMaxChars,
        &kParent,
        &kFieldFill,
        &kFieldTextColor,
        &kFieldCaret,
        &kFieldLines,
        &kFieldHighlightBack,
        &kFieldHighlightFore}},
      {K::kPTDialog,
       "Dialog",
       {&kKind, &kName, &kDialogTitle, &kHeight<80>, &kWidth<152>, &kLeft<5>, &kTop<60>,
        &kDialogTest, &kDialogFill, &kDialogFrame, &kDialogObjFrame, &kDialogObjFill,
        &kDialogObjText, &kDialogSelectedFill, &kDialogSelectedFore, &kDialogGridVisible,
        &kDialogGridSpace}},
      {K::kPTGsi, "GSI", {&kKind, &kName, &kLeft<150>, &kTop<150>, &kParent}, nullptr, true},
      {K::kPTBitmap,
       "Bitmap",
       {&kKind, &kName, &kBitmapBits, &kHeight<20>, &kWidth<20>, &kLeft<10>, &kTop<18>, &kParent,
        &kBitmapFore},
       nullptr,
       true},
      {K::kPTRadio,
       "Radio",
       {&kRadioItems, &kKind, &kName, &kWidth<34>, &kLeft<10>, &kTop<10>, &kHeight<15>,
        &kRadioGroupNumber, &kRadioSelected, &kRadioOrientation, &kFont, &kParent},
       nullptr,
       true},
  };
  return s;
}

// ---- The values of a class ----

bool SameProperty(const PropertyBinding& a, const PropertyBinding& b) {
  if (a.codec != b.codec) return false;
  if (a.codec != Codec::kValue && a.codec != Codec::kListSection)
    return std::string_view(a.key) == b.key;
  if (a.type != b.type) return false;
  switch (a.type) {
    case ValueType::kInt:
      return a.get_int == b.get_int;
    case ValueType::kText:
      return a.get_text == b.get_text;
    case ValueType::kColor:
      return a.get_color == b.get_color;
    case ValueType::kList:
      return a.get_list == b.get_list;
  }
  return false;
}

bool IsList(const PropertyBinding& b) { return b.type == ValueType::kList; }

bool NameTaken(const ClassSchema& schema, const std::string& name) {
  for (const auto* list : {&schema.keys, &schema.lists})
    for (const ClassField& have : *list)
      if (SameText(have.name, name)) return true;
  return false;
}

// A property the schema has already (the two libraries name some alike: Content and Text of
// a TCCButton) is skipped; a name that would repeat another property's is qualified.
void Add(ClassSchema& schema, const PropertyBinding& b, const char* qualifier) {
  std::vector<ClassField>& list = IsList(b) ? schema.lists : schema.keys;
  for (const ClassField& have : list)
    if (SameProperty(*have.binding, b)) return;
  std::string name = b.Name();
  if (NameTaken(schema, name)) name = std::string(qualifier) + "." + name;
  list.push_back({name, &b});
}

// A value the files store and read back, in a section or a list section.
bool ReadBack(const PropertyBinding& b) {
  if (b.codec == Codec::kListSection) return true;
  return b.codec == Codec::kValue && b.read && !b.clipboard_only;
}
// A value the files write for the device only, or do not store.
bool NotReadBack(const PropertyBinding& b) {
  return b.codec == Codec::kValue && (!b.read || b.clipboard_only);
}

ClassSchema MakeClassSchema(ControlClass cls) {
  ClassSchema schema;
  for (const PropertyBinding* b :
       {&kTag, &kLeft<0>, &kTop<0>, &kWidth<0>, &kHeight<0>, &kColor, &kFont, &kAlignment})
    Add(schema, *b, "");
  if (cls == ControlClass::kCCForm) {
    using namespace ptbind;  // NOLINT(build/namespaces)
    for (const PropertyBinding* b :
         {&kFormTitle, &kFormFill, &kFormFrame, &kFormObjFill, &kFormObjFrame, &kFormObjText,
          &kFormSelectedFill, &kFormSelectedFore, &kFormGridVisible, &kFormGridSpace})
      Add(schema, *b, ClassName(cls));
    return schema;
  }
  for (bool (*wanted)(const PropertyBinding&) : {&ReadBack, &NotReadBack}) {
    for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
      for (const KindSchema& kind : LibrarySchemaOf(lib).kinds) {
        const KindInfo* info = FindKind(kind.kind);
        if (!info || info->cls != cls) continue;
        for (const PropertyBinding* b : kind.keys)
          if (wanted(*b)) Add(schema, *b, wanted == &ReadBack ? info->kind : ClassName(cls));
      }
    }
  }
  return schema;
}

}  // namespace

const KindSchema* LibrarySchema::Find(KindId kind) const {
  for (const KindSchema& k : kinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

const LibrarySchema& LibrarySchemaOf(LibraryId lib) {
  static const LibrarySchema kCControls = MakeCControls();
  static const LibrarySchema kPToolbox = MakePToolbox();
  return lib == LibraryId::kCControls ? kCControls : kPToolbox;
}

const ClassSchema& ClassSchemaOf(ControlClass cls) {
  static const std::map<ControlClass, ClassSchema> kSchemas = [] {
    std::map<ControlClass, ClassSchema> out;
    for (int i = 0; i <= static_cast<int>(ControlClass::kDesignerClient); ++i) {
      auto c = static_cast<ControlClass>(i);
      out[c] = MakeClassSchema(c);
    }
    return out;
  }();
  return kSchemas.at(cls);
}

}  // namespace qb

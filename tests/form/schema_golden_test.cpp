// Every kind of both libraries, and the form itself, with a value other than its default in
// each property: its form file and its clipboard text match the files under
// tests/data/forms/golden/<library>/ byte for byte, the clipboard text reads back to itself,
// and an undo snapshot of the control gives a fresh one the same text.
//
// QB_WRITE_GOLDEN=1 writes the files from the current code instead of comparing (check the
// difference before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/CCTable.h"
#include "controls/PTDialog.h"
#include "controls/PTPopTrigger.h"
#include "controls/factory.h"
#include "controls/property_binding.h"
#include "form/clipboard_format.h"
#include "form/form_file.h"
#include "form_fixtures.h"
#include "support/golden_text.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

struct SchemaCase {
  LibraryId lib;
  KindId kind;
  std::string name;  // the kind's name, "Form" for the form itself
};

std::vector<SchemaCase> AllCases() {
  std::vector<SchemaCase> out;
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    for (const KindInfo& k : KindsOf(lib)) out.push_back({lib, k.id, k.kind});
    out.push_back({lib, KindId::kForm, "Form"});
  }
  return out;
}

const char* LibFolder(LibraryId lib) {
  return lib == LibraryId::kCControls ? "CControls" : "PToolboxLib";
}

// Each bound property off its default, the i-th differently.
void SetBoundValues(LibraryId lib, KindId kind, TControl& c) {
  int i = 0;
  for (const PropertyBinding* b : BindingsOf(lib, kind)) {
    ++i;
    switch (b->type) {
      case ValueType::kInt:
        b->set_int(c, b->int_default + 1);
        break;
      case ValueType::kColor:
        b->set_color(c, static_cast<Color>(0x102030 + i));
        break;
      case ValueType::kText:
        b->set_text(c,
                    std::string(b->key) == "StringBits" ? "F00F9009" : std::string("v ") + b->key);
        break;
      case ValueType::kList:
        b->set_list(c, {"One", " Two ", "Three"});
        break;
    }
  }
}

// The values the form files do not store, off their defaults too.
void SetOtherValues(TControl& c) {
  if (auto* table = As<TCCTable>(&c)) {
    table->SetItems({"Ann~10", "Bob~7"});
    table->SetColWidths({"40", "35"});
    table->SetColAlign({"0", "2"});
  }
  if (auto* dialog = As<TPTDialog>(&c)) {
    dialog->SetGridVisible(1);
    dialog->SetGridSpace(6);
  }
  if (auto* trigger = As<TPTPopTrigger>(&c)) trigger->SetColorText(0x405060);
}

Font GoldenFont() {
  Font f;
  f.name = kPilotBold;
  f.size = 9;
  f.bold = true;
  return f;
}

// The control of the case on a form of its own, or the screen panel for the form itself.
TControl& Place(const SchemaCase& sc, TChildFrm& form) {
  form.SetName("Golden");
  form.SetWindowPos(12, 34);
  if (sc.kind == KindId::kForm) {
    TCCForm& screen = form.Screen();
    screen.SetTitle("Main form");
    screen.SetGridVisible(1);
    screen.SetGridSpace(5);
    SetBoundValues(sc.lib, sc.kind, screen);
    return screen;
  }
  const KindInfo& kind = *FindKind(sc.kind);
  std::unique_ptr<TControl> owned = CreateControl(kind.cls, &form.Document());
  if (kind.tag_marker != kAnyTag) owned->SetTag(kind.tag_marker);
  owned->SetName(std::string("g") + kind.long_prefix);
  TControl& parent = kind.parent == ParentRule::kDesignerWindow
                         ? static_cast<TControl&>(form.Client())
                         : static_cast<TControl&>(form.Screen());
  TControl& c = *parent.AddChild(std::move(owned));
  if (kind.tag_marker == kAnyTag && kind.cls != ControlClass::kPTDialog) c.SetTag(2);
  c.SetBounds(7, 21, 37, 17);
  c.SetColor(0x00406080);
  c.SetFont(GoldenFont());
  c.SetAlignment(TextAlign::kCenter);
  SetBoundValues(sc.lib, sc.kind, c);
  SetOtherValues(c);
  if (sc.lib == LibraryId::kPToolboxLib) c.SetPalmForm(&form.Screen());
  return c;
}

std::string GoldenPath(const SchemaCase& sc, const char* extension) {
  return test::FormDataPath(std::string("golden/") + LibFolder(sc.lib) + "/" + sc.name + extension);
}

bool WritingGolden() {
  const char* v = std::getenv("QB_WRITE_GOLDEN");
  return v && std::string(v) == "1";
}

void Compare(const SchemaCase& sc, const char* extension, const std::string& actual) {
  const std::string path = GoldenPath(sc, extension);
  if (WritingGolden()) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(test::WriteFileBytes(path, actual)) << path;
    return;
  }
  const std::string expected = test::ReadFileBytes(path);
  ASSERT_FALSE(expected.empty()) << path << " is missing (QB_WRITE_GOLDEN=1 writes it)";
  EXPECT_EQ(actual, expected) << path << "\n" << test::LineDiff(expected, actual);
}

class SchemaGolden : public ::testing::TestWithParam<SchemaCase> {};

TEST_P(SchemaGolden, FormFileAndClipboardMatchTheGoldenFiles) {
  const SchemaCase& sc = GetParam();
  TChildFrm form;
  TControl& c = Place(sc, form);
  Compare(sc, ".qbf", WriteFormToIni(sc.lib, form).Text());
  const std::string clip = WriteClipboardControl(c, c.Name());
  Compare(sc, ".txt", clip);

  // Every value is carried: pasted or restored from a snapshot, the control writes the same.
  if (sc.kind != KindId::kForm) {  // the screen panel is never pasted
    ClipboardControl pasted = ReadClipboardControl(clip, &form.Document());
    pasted.control->SetPalmForm(c.PalmForm());
    EXPECT_EQ(WriteClipboardControl(*pasted.control, c.Name()), clip);
  }
  std::unique_ptr<TControl> fresh = CreateControl(c.Class(), &form.Document());
  fresh->SetName(c.Name());
  fresh->SetPalmForm(c.PalmForm());
  ApplyControlValues(CaptureControlValues(c), *fresh);
  EXPECT_EQ(WriteClipboardControl(*fresh, c.Name()), clip);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SchemaGolden, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                           return std::string(LibFolder(info.param.lib)) + "_" + info.param.name;
                         });

}  // namespace
}  // namespace qb

// Seeded random tests of the form reader and writer:
// - mutated form files never crash or hang the reader, and whatever the reader makes of
//   them is written and read back without change;
// - random models written, read and written again give the same file.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "controls/CCBitmap.h"
#include "controls/PTDialog.h"
#include "controls/factory.h"
#include "controls/schema.h"
#include "form/app_state.h"
#include "form/form_file.h"
#include "form/form_keys.h"
#include "form_fixtures.h"
#include "model/kinds.h"
#include "support/cpu_timer.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

// Instrumented and unoptimised builds run a tenth, to stay within the test time-out.
constexpr int kFuzzInputs = test::kOptimisedBuild ? 100000 : 10000;
constexpr int kRandomModels = test::kOptimisedBuild ? 3000 : 300;

// The file text of a form read from the given text, named as the opener names it.
std::string Reread(LibraryId lib, const std::string& text) {
  IniFile ini;
  ini.Parse(text);
  AppState state;
  TChildFrm form;
  form.SetName(ini.ReadString(kFormSection, "Name", ""));
  ReadFormFromIni(lib, form, ini, state);
  return WriteFormToIni(lib, form).Text();
}

// ---- Mutations ----

using namespace std::string_view_literals;

const std::string_view kTokens[] = {
    "\n[",
    "]\n",
    "=",
    "\r",
    "\0"sv,
    "0x",
    "$",
    "-",
    ";",
    ",",
    "2147483647",
    "-2147483648",
    "99999999999",
    "65536",
    "\n[FORM]\n",
    "Count=2147483647\n",
    "Count=-1\n",
    "Item3=x\n",
    "Item0=\n",
    "Control=Dialog\n",
    "Control=Menu\n",
    "Control=MenuBar\n",
    "Control=Table\n",
    "Control=Radio\n",
    "Control=List\n",
    "Test=1\n",
    "Test=0\n",
    "Parent=dlgAsk\n",
    "Parent=dlgOpts\n",
    "Parent=panScreen\n",
    "Name=FORM\n",
    "Name=\n",
    "Name=tbScoresItems\n",
    "Name=btnOk\n",
    "Orientation=1\n",
    "VisibleItems=65535\n",
    "MaxItems=-5\n",
    "Font=,,,,,\n",
    "Font=;;;;;;;;\n",
    "Font=PilotBold,9\n",
    "Trigger=\n",
    "Style=1\n",
    "Align=9\n",
    "Alignment=-1\n",
};
constexpr std::size_t kTokenCount = sizeof(kTokens) / sizeof(kTokens[0]);

class Mutator {
 public:
  explicit Mutator(unsigned seed) : random_(seed) {}

  std::string Mutate(std::string text) {
    int steps = 1 + Below(8);
    for (int i = 0; i < steps; ++i) Step(text);
    return text;
  }

 private:
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : random_() % n; }
  int Below(int n) { return static_cast<int>(Below(static_cast<std::size_t>(n))); }

  void Step(std::string& text) {
    std::size_t at = Below(text.size() + 1);
    switch (Below(6)) {
      case 0:  // flip a byte
        if (!text.empty()) text[Below(text.size())] = static_cast<char>(random_() & 0xFF);
        break;
      case 1: {  // insert random bytes
        std::string bytes(1 + Below(std::size_t{8}), '\0');
        for (char& c : bytes) c = static_cast<char>(random_() & 0xFF);
        text.insert(at, bytes);
        break;
      }
      case 2:  // delete a range
        text.erase(at, Below(std::size_t{64}));
        break;
      case 3: {  // insert a token
        std::string_view token = kTokens[Below(kTokenCount)];
        text.insert(at, token.data(), token.size());
        break;
      }
      case 4: {  // copy a line elsewhere
        std::size_t from = text.rfind('\n', Below(text.size() + 1));
        from = from == std::string::npos ? 0 : from + 1;
        std::size_t to = text.find('\n', from);
        std::string line =
            text.substr(from, to == std::string::npos ? std::string::npos : to - from + 1);
        text.insert(Below(text.size() + 1), line);
        break;
      }
      default: {  // replace a value
        std::size_t eq = text.find('=', at);
        if (eq == std::string::npos) break;
        std::size_t end = text.find('\r', eq);
        std::string_view token = kTokens[Below(kTokenCount)];
        text.replace(eq + 1, end == std::string::npos ? 0 : end - eq - 1, token.data(),
                     token.size());
        break;
      }
    }
  }

  std::mt19937 random_;
};

TEST(FormFuzz, MutatedFilesNeitherCrashNorHangAndReadBackStably) {
  const std::string seeds[] = {
      test::ReadFileBytes(test::FormDataPath("ccontrols_all_kinds.qbf")),
      test::ReadFileBytes(test::FormDataPath("ptoolbox_all_kinds.qbf")),
  };
  ASSERT_FALSE(seeds[0].empty());
  ASSERT_FALSE(seeds[1].empty());
  Mutator mutator(20240607);
  test::CpuTimer timer;
  int unstable = 0;
  for (int i = 0; i < kFuzzInputs; ++i) {
    LibraryId lib = i % 2 ? LibraryId::kPToolboxLib : LibraryId::kCControls;
    // Mostly the library's own file, sometimes the other one's.
    std::string input = mutator.Mutate(seeds[(i % 2) ^ (i % 7 == 0)]);
    std::string once = Reread(lib, input);
    // Only every fourth input pays for the second round trip, to keep the run short.
    if (i % 4 == 0 && Reread(lib, once) != once && ++unstable <= 3)
      ADD_FAILURE() << "input " << i << " does not read back stably:\n" << input;
  }
  EXPECT_EQ(unstable, 0);
  if (test::kOptimisedBuild) {
    EXPECT_LT(timer.Seconds(), 60.0);
  }
}

// ---- Random models ----

class ModelMaker {
 public:
  explicit ModelMaker(unsigned seed) : random_(seed) {}

  std::unique_ptr<TChildFrm> Make(LibraryId lib) {
    auto form = std::make_unique<TChildFrm>();
    form->SetName(Pick({"Form1", "Main", "F"}));
    form->SetWindowPos(Int(), Int());
    form->Screen().SetTitle(Text());
    for (const PropertyBinding* k : LibrarySchemaOf(lib).form_keys)
      k->set_color(form->Screen(), Colour());
    const std::vector<KindInfo>& kinds = KindsOf(lib);
    int count = Below(16);
    for (int i = 0; i < count; ++i) {
      const KindInfo& kind = kinds[Below(static_cast<int>(kinds.size()))];
      TControl* parent = ParentFor(*form, kind);
      if (!parent) continue;
      Fill(lib, kind, *parent->AddChild(Create(*form, kind)));
    }
    ChooseShownDialog(*form);
    return form;
  }

 private:
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n)); }
  int Int() { return form_io::kDeviceMin + Below(form_io::kDeviceMax - form_io::kDeviceMin + 1); }
  Color Colour() { return static_cast<Color>(random_()); }
  const char* Pick(std::initializer_list<const char*> choices) {
    return choices.begin()[Below(static_cast<int>(choices.size()))];
  }

  std::string Text() {
    static const char kChars[] = "abcXYZ019 ~,;=[]$-\t\r\n";
    std::string out;
    int length = Below(12);
    for (int i = 0; i < length; ++i) out += kChars[Below(sizeof(kChars) - 1)];
    return out;
  }

  std::string Name() {
    switch (Below(12)) {
      case 0:
        return "";
      case 1:
        return Pick({"FORM", "panScreen", "two words", "9lives"});
      case 2:
        return Pick({"Button1", "button1", "Dialog1"});
      default:
        return "c" + std::to_string(Below(1000));
    }
  }

  Font RandomFont() {
    Font f;
    f.name = Pick({kPilotStandard, kPilotBold, kPilotLarge, kPilotBold12, "MS Sans Serif"});
    f.size = Int();
    f.bold = Below(2);
    f.italic = Below(2);
    f.underline = Below(2);
    f.strikeout = Below(2);
    f.pitch = Below(3);
    f.color = Below(3) ? kClWindowText : Colour();
    f.charset = Below(256);
    return f;
  }

  TControl* ParentFor(TChildFrm& form, const KindInfo& kind) {
    switch (kind.parent) {
      case ParentRule::kDesignerWindow:
        return &form.Client();
      case ParentRule::kScreen:
        return &form.Screen();
      case ParentRule::kScreenOrDialog:
        break;
    }
    std::vector<TControl*> panels = {&form.Screen()};
    for (const auto& child : form.Screen().Children())
      if (child->Class() == ControlClass::kPTDialog) panels.push_back(child.get());
    return panels[Below(static_cast<int>(panels.size()))];
  }

  std::unique_ptr<TControl> Create(TChildFrm& form, const KindInfo& kind) {
    auto c = CreateControl(kind.cls, &form.Document());
    if (kind.tag_marker != kAnyTag) c->SetTag(kind.tag_marker);
    c->SetName(Name());
    return c;
  }

  // Random values for every key the kind's table carries, in the reader's order (a key
  // whose setter reshapes the control first); keys the reader does not take hold the value
  // reading gives them.
  void Fill(LibraryId lib, const KindInfo& kind, TControl& c) {
    const KindSchema* layout = LibrarySchemaOf(lib).Find(kind.id);
    ASSERT_NE(layout, nullptr);
    for (bool first : {true, false})
      for (const PropertyBinding* k : layout->keys)
        if (k->first == first && !k->clipboard_only && k->codec != Codec::kListSection)
          FillKey(*k, c);
    for (const PropertyBinding* k : layout->keys)
      if (k->codec == Codec::kListSection) k->set_list(c, List());
    // An Image is at most 40 pixels each way wherever its size enters.
    if (c.Class() == ControlClass::kCCBitmap)
      c.SetBounds(c.Left(), c.Top(), std::min(c.Width(), kImageMaxSize),
                  std::min(c.Height(), kImageMaxSize));
  }

  void FillKey(const PropertyBinding& k, TControl& c) {
    if (!k.read) {
      if (k.set_int) k.set_int(c, k.int_default);
      return;
    }
    switch (k.codec) {
      case Codec::kValue:
        FillValue(k, c);
        break;
      case Codec::kFont:
        c.SetFont(RandomFont());
        break;
      case Codec::kLabelAlign:
      case Codec::kToolkitAlign:
        c.SetAlignment(static_cast<TextAlign>(Below(3)));
        break;
      default:
        break;
    }
  }

  void FillValue(const PropertyBinding& k, TControl& c) {
    switch (k.type) {
      case ValueType::kText:
        k.set_text(c, Text());
        break;
      case ValueType::kInt:
        k.set_int(c, Int());
        break;
      case ValueType::kColor:
        k.set_color(c, Colour());
        break;
      case ValueType::kList:
        k.set_list(c, List());
        break;
    }
  }

  StringList List() {
    StringList items(static_cast<std::size_t>(Below(5)));
    for (std::string& item : items) item = Text();
    return items;
  }

  // A form shows at most one dialog, and a dialog's Test is 0 or 1.
  void ChooseShownDialog(TChildFrm& form) {
    std::vector<TPTDialog*> dialogs;
    for (const auto& child : form.Screen().Children())
      if (auto* d = As<TPTDialog>(child.get())) dialogs.push_back(d);
    for (TPTDialog* d : dialogs) d->SetTag(0);
    if (!dialogs.empty() && Below(2)) dialogs[Below(static_cast<int>(dialogs.size()))]->SetTag(1);
  }

  std::mt19937 random_;
};

TEST(FormProperty, RandomModelsWrittenReadAndWrittenAgainGiveTheSameFile) {
  ModelMaker maker(777);
  int failures = 0;
  for (int i = 0; i < kRandomModels; ++i) {
    LibraryId lib = i % 2 ? LibraryId::kPToolboxLib : LibraryId::kCControls;
    auto model = maker.Make(lib);
    std::string first = WriteFormToIni(lib, *model).Text();
    std::string second = Reread(lib, first);
    if (second != first && ++failures <= 3)
      ADD_FAILURE() << "model " << i << " changed on reading:\n" << first << "\n---\n" << second;
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace qb

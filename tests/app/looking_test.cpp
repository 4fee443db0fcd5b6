// Looking is not changing: opening a form, activating it, selecting each control, filling the
// inspector, checking the layout, generating code, drawing and saving leave the form as it
// was: the same change count, no undo step, not modified, and the same file bytes but for
// the view state the file also holds (the selection colours, the open menu, the dialog
// shown). Over both libraries: the sample form of every kind, and the form the placement of
// each kind writes.

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/generate_command.h"
#include "app/workbench.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_session.h"
#include "controls/form_picture.h"
#include "designer/hit_test.h"
#include "designer/selection.h"
#include "form/edit_transaction.h"
#include "form/form_file.h"
#include "main_fixture.h"
#include "model/ini_file.h"

namespace qb::test {
namespace {

struct LookCase {
  std::string name;
  LibraryId lib;
  std::string sample;                           // a form file of tests/data/forms, or
  PaletteButton button = PaletteButton::kNone;  // the kind placement puts on a new form
};

std::vector<LookCase> LookCases() {
  std::vector<LookCase> cases = {
      {"ccontrols_sample", LibraryId::kCControls, "ccontrols_all_kinds.qbf"},
      {"ptoolbox_sample", LibraryId::kPToolboxLib, "ptoolbox_all_kinds.qbf"},
  };
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib})
    for (const KindInfo& kind : KindsOf(lib))
      if (kind.button != PaletteButton::kNone)
        cases.push_back({std::string(lib == LibraryId::kCControls ? "cc_" : "pt_") + kind.kind, lib,
                         "", kind.button});
  return cases;
}

// The lines of a form file without the values the file holds for the device's sake but that
// are view state here.
std::string WithoutViewState(const std::string& text) {
  std::istringstream in(text);
  std::string out, line;
  while (std::getline(in, line))
    if (line.rfind("SelectColor=", 0) != 0 && line.rfind("Test=", 0) != 0) out += line + "\n";
  return out;
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class Session {
 public:
  explicit Session(const TempDir& dir) : bench_(ui_, dir.Path("program"), WritableEnvironment()) {
    std::filesystem::create_directories(dir.Path("program"));
    bench_.Main().FirstShown();
  }
  TMain& Main() { return bench_.Main(); }
  Designer& D() { return bench_.GetDesigner(); }
  AppState& State() { return bench_.State(); }
  FakeUi& Ui() { return ui_; }
  TChildFrm& Last() { return *State().windows.back(); }
  void Click(TChildFrm& form, Point at) {
    D().MouseMove(form, 0, at);
    D().MouseDown(form, MouseButton::kLeft, kSsLeft, at);
    D().MouseUp(form, MouseButton::kLeft, kSsLeft, at);
  }

 private:
  FakeUi ui_;
  Workbench bench_;
};

// A form file the program wrote itself: the sample read and saved, or a new form with one
// control placed by its palette button.
std::string WrittenForm(const LookCase& c, const TempDir& dir) {
  Session s(dir);
  StartNewProject(s.Main(), s.Ui(), c.lib);
  TChildFrm* form = &s.Last();
  if (!c.sample.empty()) {
    s.Main().Forms().OpenFormFile(std::string(QB_TEST_DATA_DIR) + "/forms/" + c.sample);
    form = &s.Last();
  } else {
    s.Main().PressPalette(c.button);
    s.Click(*form, {30 + TChildFrm::kScreenLeft, 40 + TChildFrm::kScreenTop});
  }
  const std::string path = dir.Path(c.name + ".qbf");
  s.Ui().AnswerFile(path);
  EXPECT_EQ(s.Main().Forms().SaveFormFile(*form, true), FormSaveResult::kWritten);
  return path;
}

struct FormState {
  std::uint64_t changes;
  std::size_t steps;
  std::size_t position;
  bool modified;
  bool operator==(const FormState&) const = default;
};
FormState StateOf(const TMain& main, const TChildFrm& form) {
  return {form.ChangeCount(), form.Undo().Size(), form.Undo().Position(), main.Modified(form)};
}

class Looking : public ::testing::TestWithParam<LookCase> {};

TEST_P(Looking, ChangesNothing) {
  const LookCase& c = GetParam();
  TempDir dir;
  const std::string path = WrittenForm(c, dir);
  const std::string written = Bytes(path);
  ASSERT_FALSE(written.empty());

  Session s(dir);
  StartNewProject(s.Main(), s.Ui(), c.lib);
  s.Main().Forms().OpenFormFile(path);
  TChildFrm& form = s.Last();
  ASSERT_EQ(form.Path(), path);
  const FormState opened = StateOf(s.Main(), form);
  EXPECT_EQ(opened.steps, 0u);
  EXPECT_FALSE(opened.modified);

  s.Main().Activate(form);
  // Every control selected as the designer selects it, then clicked where it can be.
  for (TControl* control : form.AllControls()) {
    WeakRef<TControl> alive(control);
    s.D().Inspect(form, *control);
    s.D().ShowSelection(form, false);
    if (!alive) continue;
    if (control->Showing() && IsMarkable(form, *control)) {
      const Point o = OriginInClient(form, *control);
      s.Click(form, {o.x + control->Width() / 2, o.y + control->Height() / 2});
    }
  }
  s.D().Inspect(form, form.Client());
  s.Main().Activate(form);
  EXPECT_EQ(StateOf(s.Main(), form), opened) << "selecting and filling the inspector";

  s.Main().LayoutCheck().Run();
  TfrmGenerate generate(
      s.Ui(), GenerateCommand::FoldersFor(s.Main().ProgramDir(), s.Main().SettingsFile()));
  generate.SetBatch(true);
  generate.Show(GenerateSessionFor(s.State()));
  generate.Generate();
  FormPicture picture(s.Main().Fonts());
  picture.Render(form.Client());
  EXPECT_EQ(StateOf(s.Main(), form), opened) << "checking, generating and drawing";

  s.Ui().AnswerMessage(kMbYes);  // replace the file
  ASSERT_EQ(s.Main().Forms().SaveFormFile(form, false), FormSaveResult::kWritten);
  EXPECT_EQ(StateOf(s.Main(), form).changes, opened.changes);
  EXPECT_EQ(form.Undo().Size(), 0u);
  EXPECT_EQ(WithoutViewState(Bytes(path)), WithoutViewState(written));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, Looking, ::testing::ValuesIn(LookCases()),
                         [](const auto& info) { return info.param.name; });

// The change check: a design value set on a recording form outside an edit fails loudly;
// inside an edit, during the form's making and as view state it passes.
TEST(ChangeCheck, FiresOnADesignChangeOutsideAnEdit) {
  ASSERT_TRUE(ChangeCheckOn()) << "the tests run with QB_CHANGE_CHECK=1";
  AppState state;
  TChildFrm form;
  struct Case {
    const char* what;
    std::function<void()> change;
    bool fires;
  };
  form.StartRecording();
  const std::vector<Case> cases = {
      {"a setter", [&] { form.Screen().SetTitle("Other"); }, true},
      {"the form's name", [&] { form.SetName("Form9"); }, true},
      {"a selection mark", [&] { form.Screen().SetSelected(true); }, false},
      {"a selection colour", [&] { form.Screen().SetSelectColor(kRed); }, false},
      {"the grid option", [&] { form.ApplyGridOption(true); }, false},
      {"a setter in an edit",
       [&] {
         EditTransaction edit(state, &form, "Change");
         form.Screen().SetTitle("Inside");
       },
       false},
      {"a setter while the form is made",
       [&] {
         TChildFrm::MakingScope making(form);
         form.Screen().SetTitle("Made");
       },
       false},
  };
  for (const Case& c : cases) {
    bool fired = false;
    try {
      c.change();
    } catch (const ChangeOutsideEdit&) {
      fired = true;
    }
    EXPECT_EQ(fired, c.fires) << c.what;
  }
}

// An edit that sets values to what they were, or changes only view state, records no step
// and leaves Redo as it was.
TEST(ChangeCheck, AnEqualEditRecordsNoStep) {
  AppState state;
  TChildFrm form;
  form.StartRecording();
  {
    EditTransaction edit(state, &form, "Retitle");
    form.Screen().SetTitle("B");
  }
  ASSERT_TRUE(form.Undo().Undo(state, form));
  ASSERT_TRUE(form.Undo().CanRedo());
  const std::string before = form.Screen().Title();
  const std::vector<std::function<void()>> equal = {
      [&] { form.Screen().SetTitle(form.Screen().Title()); },
      [&] { form.Screen().SetSelected(true); },
      [&] { form.Screen().SetGridVisible(form.Screen().GridVisible()); },
      [&] {
        form.Screen().SetTitle("C");
        form.Screen().SetTitle(before);
      },
  };
  for (std::size_t i = 0; i < equal.size(); ++i) {
    {
      EditTransaction edit(state, &form, "Nothing");
      equal[i]();
    }
    EXPECT_EQ(form.Undo().Size(), 1u) << i;
    EXPECT_TRUE(form.Undo().CanRedo()) << i;
  }
  ASSERT_EQ(form.Screen().Title(), before);
  ASSERT_TRUE(form.Undo().Redo(state, form));
  EXPECT_EQ(form.Screen().Title(), "B");
}

}  // namespace
}  // namespace qb::test

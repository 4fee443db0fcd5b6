// The Edit menu's Cut, Copy and Paste as the running designer wires them.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/workbench.h"
#include "form/edit_transaction.h"
#include "main_fixture.h"

namespace qb::test {
namespace {

class WorkbenchClipboard : public ::testing::Test {
 protected:
  WorkbenchClipboard() {
    std::filesystem::create_directory(dir_.Path("program"));
    bench_ = std::make_unique<Workbench>(ui_, dir_.Path("program"), WritableEnvironment());
    bench_->Main().FirstShown();
    bench_->State().library = LibraryId::kCControls;
  }

  // Places the palette button's kind at (x, y) of the screen panel.
  TControl* Place(TChildFrm& form, PaletteButton button, int x, int y) {
    Designer& designer = bench_->GetDesigner();
    Point at{x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop};
    bench_->Main().PressPalette(button);
    designer.MouseMove(form, 0, at);
    designer.MouseDown(form, MouseButton::kLeft, kSsLeft, at);
    designer.MouseUp(form, MouseButton::kLeft, kSsLeft, at);
    return bench_->State().current_control.Get();
  }

  TempDir dir_;
  FakeUi ui_;
  std::unique_ptr<Workbench> bench_;
};

TEST_F(WorkbenchClipboard, TheEditCommandsMoveTheCurrentControl) {
  TMain& main = bench_->Main();
  TChildFrm& form = main.Forms().NewForm();
  TControl* label = Place(form, PaletteButton::kLabel, 20, 30);
  ASSERT_NE(label, nullptr);
  main.Execute(Command::kCopy);
  main.Execute(Command::kPaste);
  ASSERT_EQ(form.Screen().Children().size(), 2u);
  TControl* pasted = form.Screen().Children().back().get();
  EXPECT_EQ(pasted->Name(), "Label2");
  // The inspector's chooser lists and selects the pasted control.
  const TfrmProperties& inspector = bench_->Inspector();
  ASSERT_GE(inspector.ChooserIndex(), 0);
  EXPECT_EQ(inspector.ChooserEntries()[inspector.ChooserIndex()].text, "Label2: Label");

  main.Execute(Command::kCut);
  EXPECT_EQ(form.Screen().Children().size(), 1u);
  EXPECT_EQ(bench_->State().current_control.Get(), &form.Client());
  EXPECT_EQ(inspector.ChooserEntries().size(), 2u);  // Label1 and the form
  main.Execute(Command::kPaste);
  EXPECT_EQ(form.Screen().Children().back()->Name(), "Label3");
  EXPECT_TRUE(ui_.ShownLog().empty());

  // A refused paste reaches the standard error box.
  main.Execute(Command::kCopy);
  {
    EditTransaction edit(main.State(), &form, "Rename");
    label->SetName("Copiado");
  }
  main.Execute(Command::kPaste);
  ASSERT_EQ(ui_.ShownLog().size(), 1u);
  EXPECT_EQ(ui_.ShownLog()[0].what, "error");
  EXPECT_EQ(ui_.ShownLog()[0].text, "A component named Copiado already exists");
  EXPECT_EQ(form.Screen().Children().size(), 2u);
}

}  // namespace
}  // namespace qb::test

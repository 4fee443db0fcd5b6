// Project > Preview as the main window runs it: a session on the current form, the title that
// follows the flow, a fresh start on each Preview, and the design left as it was, with no
// undo step and no modified mark.

#include "app/preview_window.h"

#include <string>

#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "designer/hit_test.h"
#include "form/form_file.h"
#include "main_fixture.h"
#include "model/safe_file.h"

namespace qb::test {
namespace {

class PreviewWindowTest : public MainTest {
 protected:
  PreviewWindowTest() { StartProject(LibraryId::kPToolboxLib); }

  PreviewWindow& Preview() { return main_.Preview(); }

  TControl& Place(TChildFrm& form, PaletteButton button, int x, int y) {
    main_.Activate(form);
    main_.State().pressed_button = button;
    const Point at{x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop};
    Designer& d = main_.GetDesigner();
    d.MouseMove(form, 0, at);
    d.MouseDown(form, MouseButton::kLeft, kSsLeft, at);
    d.MouseUp(form, MouseButton::kLeft, kSsLeft, at);
    TControl* placed = main_.State().current_control.Get();
    EXPECT_NE(placed, nullptr);
    return *placed;
  }

  static void Tap(PreviewSession& session, const std::string& name) {
    TControl* c = session.Find(name);
    ASSERT_NE(c, nullptr) << name;
    const Point o = OriginInClient(session.Shown(), *c);
    const Point at{o.x + c->Width() / 2, o.y + c->Height() / 2};
    session.PenDown(at);
    session.PenUp(at);
  }

  std::string FileOf(TChildFrm& form, const std::string& name) {
    const std::string path = Path(name);
    EXPECT_TRUE(WriteForm(main_.State().library, form, path, ui_));
    const ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
    EXPECT_TRUE(read.ok()) << path;
    return read.bytes;
  }
};

TEST_F(PreviewWindowTest, WithoutAFormItSaysSoAndShowsNothing) {
  main_.Project().CloseAll();
  ui_.ClearLog();
  main_.Execute(Command::kPreview);
  EXPECT_FALSE(Preview().Visible());
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{kNoFormToPreview});
}

TEST_F(PreviewWindowTest, TapsAndTheFlowChangeOnlyTheCopy) {
  main_.Execute(Command::kNewForm);
  ASSERT_EQ(main_.State().windows.size(), 2u);
  TChildFrm& first = Window(0);
  TChildFrm& second = Window(1);
  auto& go = dynamic_cast<TPTButton&>(Place(first, PaletteButton::kButton, 10, 30));
  go.SetShowForm(second.Name());
  TControl& box = Place(first, PaletteButton::kCheckBox, 10, 60);
  Place(second, PaletteButton::kButton, 10, 30);
  main_.Activate(first);

  const std::string first_file = FileOf(first, "first-before.qbf");
  const std::string second_file = FileOf(second, "second-before.qbf");
  const std::size_t first_steps = first.Undo().Position();
  const std::size_t second_steps = second.Undo().Position();
  const bool first_modified = first.Undo().Modified();
  const bool undo_enabled = main_.Enabled(Command::kUndo);

  main_.Execute(Command::kPreview);
  ASSERT_TRUE(Preview().Visible());
  PreviewSession& session = *Preview().Session();
  EXPECT_EQ(session.FormName(), first.Name());
  EXPECT_EQ(PreviewTitleText(session), "Preview - " + first.Name());

  Tap(session, box.Name());
  EXPECT_EQ(dynamic_cast<TPTCheckbox*>(session.Find(box.Name()))->State(), 1);
  Tap(session, go.Name());
  EXPECT_EQ(session.FormName(), second.Name());
  EXPECT_EQ(PreviewTitleText(session), "Preview - " + second.Name());
  EXPECT_TRUE(session.CanGoBack());

  EXPECT_EQ(dynamic_cast<TPTCheckbox&>(box).State(), 0);
  EXPECT_EQ(FileOf(first, "first-after.qbf"), first_file);
  EXPECT_EQ(FileOf(second, "second-after.qbf"), second_file);
  EXPECT_EQ(first.Undo().Position(), first_steps);
  EXPECT_EQ(second.Undo().Position(), second_steps);
  EXPECT_EQ(first.Undo().Modified(), first_modified);
  EXPECT_EQ(main_.Enabled(Command::kUndo), undo_enabled);
  EXPECT_EQ(main_.State().current_window.Get(), &first);

  // Preview again starts afresh on the current form, its check box as designed.
  const unsigned version = Preview().Version();
  main_.Execute(Command::kPreview);
  EXPECT_NE(Preview().Version(), version);
  EXPECT_EQ(Preview().Session()->FormName(), first.Name());
  EXPECT_FALSE(Preview().Session()->CanGoBack());
  EXPECT_EQ(dynamic_cast<TPTCheckbox*>(Preview().Session()->Find(box.Name()))->State(), 0);

  Preview().Close();
  EXPECT_FALSE(Preview().Visible());
  EXPECT_EQ(Preview().Session(), nullptr);
}

TEST_F(PreviewWindowTest, NeverSmallerThanTwiceTheDevice) {
  EXPECT_EQ(PreviewWindow::ScaleFor(1), 2);
  EXPECT_EQ(PreviewWindow::ScaleFor(2), 2);
  EXPECT_EQ(PreviewWindow::ScaleFor(3), 3);
  EXPECT_EQ(PreviewWindow::ScaleFor(4), 4);
}

}  // namespace
}  // namespace qb::test

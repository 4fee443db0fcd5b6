// What the designer and the inspector ask of the views and the zoom window, through the
// program's own wiring (the workbench): focus after a click, the zoom redrawn after a property
// was applied and refreshed again after a click on a designer window, and a dialog made shown
// from the inspector taking the placement of new controls. Only the view itself is recorded.

#include <string>
#include <vector>

#include "app/workbench.h"
#include "controls/PTDialog.h"
#include "designer/hit_test.h"
#include "form/edit_transaction.h"
#include "main_fixture.h"
#include "properties/row_names.h"

namespace qb::test {
namespace {

class RecordingViews : public ViewLinks {
 public:
  void FocusWindow(TChildFrm& form) override { calls.push_back("window " + form.Name()); }
  void FocusControl(TControl& control) override { calls.push_back("control " + control.Name()); }
  void RepaintWindow(TChildFrm& form) override { calls.push_back("repaint " + form.Name()); }
  std::vector<std::string> calls;
};

class ViewWiring : public ::testing::Test {
 protected:
  ViewWiring() : bench_(ui_, dir_.Path("program"), WritableEnvironment()) {
    std::filesystem::create_directory(dir_.Path("program"));
    bench_.SetViewLinks(&views_);
    bench_.Main().FirstShown();
    StartNewProject(bench_.Main(), ui_, LibraryId::kPToolboxLib);
  }
  ~ViewWiring() override { bench_.SetViewLinks(nullptr); }

  TChildFrm& Form() { return *bench_.State().windows.at(0); }

  void Click(TChildFrm& form, Point client) {
    Designer& d = bench_.GetDesigner();
    d.MouseMove(form, 0, client);
    d.MouseDown(form, MouseButton::kLeft, kSsLeft, client);
    d.MouseUp(form, MouseButton::kLeft, kSsLeft, client);
  }

  // A click at (x, y) of the screen panel.
  void ClickScreen(TChildFrm& form, int x, int y) {
    Click(form, {x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop});
  }

  TControl* Place(TChildFrm& form, PaletteButton button, int x, int y) {
    bench_.State().pressed_button = button;
    ClickScreen(form, x, y);
    return bench_.State().current_control.Get();
  }

  void Pick(TChildFrm& form, TControl& control) {
    Point origin = OriginInClient(form, control);
    Click(form, {origin.x + control.Width() / 2, origin.y + control.Height() / 2});
  }

  void ApplyRow(const char* row, const std::string& text) {
    TfrmProperties& inspector = bench_.Inspector();
    const int index = inspector.RowIndex(row);
    ASSERT_GE(index, 0) << row;
    inspector.Apply(index, text);
  }

  bool Called(const std::string& call) const {
    for (const std::string& c : views_.calls)
      if (c == call) return true;
    return false;
  }

  TempDir dir_;
  FakeUi ui_;
  RecordingViews views_;
  Workbench bench_;
};

TEST_F(ViewWiring, AClickOnAControlGivesItTheKeyboardFocus) {
  TChildFrm& form = Form();
  TControl* button = Place(form, PaletteButton::kButton, 20, 20);
  ASSERT_NE(button, nullptr);
  views_.calls.clear();
  Pick(form, *button);
  EXPECT_TRUE(Called("control " + button->Name()));
}

TEST_F(ViewWiring, AClickOnTheEmptyScreenGivesTheWindowTheKeyboardFocus) {
  TChildFrm& form = Form();
  views_.calls.clear();
  ClickScreen(form, 100, 140);
  EXPECT_TRUE(Called("window " + form.Name()));
  EXPECT_EQ(bench_.State().current_control.Get(), &form.Client());
}

TEST_F(ViewWiring, TheZoomIsRedrawnAtOnceWhenAPropertyIsApplied) {
  TChildFrm& form = Form();
  TControl* button = Place(form, PaletteButton::kButton, 20, 20);
  ASSERT_NE(button, nullptr);
  TfrmZoom& zoom = bench_.Main().Zoom();
  zoom.Show();
  ASSERT_FALSE(zoom.Image().Empty());
  const std::uint64_t before = zoom.ImageVersion();
  const ZoomImage shown = zoom.Image();

  ApplyRow(rows::kLeft, "90");
  EXPECT_EQ(button->UserLeft(), 90);
  EXPECT_GT(zoom.ImageVersion(), before);
  EXPECT_FALSE(SamePicture(zoom.Image(), shown));

  zoom.Hide();
  const std::uint64_t hidden = zoom.ImageVersion();
  ApplyRow(rows::kLeft, "10");
  EXPECT_EQ(zoom.ImageVersion(), hidden);  // a hidden zoom takes no pictures
}

TEST_F(ViewWiring, AClickOnTheScreenRefreshesTheZoomAtOnce) {
  TChildFrm& form = Form();
  TControl* button = Place(form, PaletteButton::kButton, 20, 20);
  ASSERT_NE(button, nullptr);
  TfrmZoom& zoom = bench_.Main().Zoom();
  zoom.Show();
  const std::uint64_t before = zoom.ImageVersion();
  const ZoomImage shown = zoom.Image();

  {
    EditTransaction edit(bench_.State(), &form, "Move");
    button->SetLeft(button->Left() + 40);  // changed behind the zoom's back: no tick yet
  }
  EXPECT_EQ(zoom.ImageVersion(), before);
  ClickScreen(form, 100, 140);
  EXPECT_GT(zoom.ImageVersion(), before);
  EXPECT_FALSE(SamePicture(zoom.Image(), shown));
}

TEST_F(ViewWiring, ADialogShownFromTheInspectorTakesTheNewControls) {
  TChildFrm& form = Form();
  auto* first = As<TPTDialog>(Place(form, PaletteButton::kDialog, 0, 0));
  auto* second = As<TPTDialog>(Place(form, PaletteButton::kDialog, 0, 0));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(form.ShownDialog(), second);
  ASSERT_FALSE(first->Visible());

  bench_.State().current_control.Reset(first);
  bench_.Inspector().Rules().FillInspector(*first);
  ApplyRow(rows::kTest, "Yes");
  EXPECT_EQ(form.ShownDialog(), first);
  EXPECT_FALSE(second->Visible());
  EXPECT_EQ(form.SnapDialog().SnapToGridWindow(), first);

  // A release on it places into it, and its controls go to the dialog mover.
  TControl* inner = Place(form, PaletteButton::kButton, 40, 90);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Parent(), first);
  const int left = inner->Left();
  Pick(form, *inner);
  EXPECT_EQ(bench_.State().current_control.Get(), inner);
  EXPECT_EQ(inner->Left(), left);
}

TEST_F(ViewWiring, ANewTitleRepaintsTheWholeWindow) {
  TChildFrm& form = Form();
  ClickScreen(form, 100, 140);  // the form's own rows
  views_.calls.clear();
  ApplyRow(rows::kTitle, "Main");
  EXPECT_EQ(form.Screen().Title(), "Main");
  EXPECT_TRUE(Called("repaint " + form.Name()));
}

TEST_F(ViewWiring, TheHubReachesTheInspector) {
  TChildFrm& form = Form();
  TControl* button = Place(form, PaletteButton::kButton, 20, 20);
  ASSERT_NE(button, nullptr);
  TfrmProperties& inspector = bench_.Inspector();
  Hub& hub = bench_.Main().GetHub();
  inspector.Empty();
  ASSERT_TRUE(inspector.ChooserEntries().empty());
  hub.Inspector().LoadChooser(form);
  EXPECT_EQ(inspector.ChooserEntries().size(), 2u);  // the form and the button
  hub.Inspector().Fill(form, *button);
  EXPECT_EQ(inspector.Rows().at(static_cast<std::size_t>(inspector.RowIndex("Name"))).value,
            button->Name());
  hub.Inspector().SelectChooserEntry(*button);
  EXPECT_EQ(inspector.ChooserEntries()[inspector.ChooserIndex()].text, button->Name() + ": Button");
  hub.Inspector().ShowFormRows(form);
  EXPECT_EQ(inspector.Rows().front().name, "Name");
  EXPECT_EQ(inspector.Rows().at(0).value, form.Name());
  inspector.SetChooserDropped(true);
  hub.Inspector().CloseChooserList();
  EXPECT_FALSE(inspector.ChooserDropped());

  // Unwired, the hub still hands out a port; nothing it is asked reaches the inspector, and
  // undo, which refills the inspector, runs as before.
  EXPECT_EQ(&hub.Inspector(), &inspector);
  inspector.Empty();
  bench_.Main().SetInspector(nullptr);
  EXPECT_NE(&hub.Inspector(), &inspector);
  hub.Inspector().LoadChooser(form);
  hub.Inspector().Fill(form, *button);
  EXPECT_TRUE(bench_.Main().UndoStep());
  EXPECT_TRUE(inspector.ChooserEntries().empty());
  EXPECT_EQ(inspector.RowCount(), 1);
  bench_.Main().SetInspector(&inspector);
  EXPECT_EQ(&hub.Inspector(), &inspector);
}

}  // namespace
}  // namespace qb::test

// An editor belongs to the control and the row it was opened for: whatever changes the current
// control or the rows ends it, and it never serves another control's row.

#include "controls/CCButton.h"
#include "inspector_fixture.h"

namespace qb::test {
namespace {

constexpr LibraryId kCC = LibraryId::kCControls;

enum class Change {
  kRefilledAlike,     // the same control's rows written again
  kOtherControl,      // a CheckBox with fewer rows shown
  kOtherLongControl,  // another Button, the same rows
  kFormRows,          // the form's own rows
  kControlDestroyed,  // the control deleted while it stays "current"
};

struct BindingCase {
  const char* row;
  Change change;
  bool bound;  // the editor still serves after the change
};

class EditorBindingTest : public InspectorTest,
                          public ::testing::WithParamInterface<BindingCase> {};

TEST_P(EditorBindingTest, TheEditorEndsWithItsControlAndRow) {
  const BindingCase& c = GetParam();
  TChildFrm& form = NewForm(kCC, "Form1");
  TControl& check = Place(form, "CheckBox", 10, 80);
  TControl& other = Place(form, "Button", 60, 20);
  TControl& button = Place(form, "Button", 10, 20);
  const int row = inspector.RowIndex(c.row);
  ASSERT_GE(row, 0);
  inspector.SelectCell(row);
  const EditorBinding binding = inspector.BindEditor(row);
  const bool list = inspector.PickList().visible;
  EXPECT_TRUE(inspector.StillBound(binding));
  switch (c.change) {
    case Change::kRefilledAlike:
      Show(button);
      break;
    case Change::kOtherControl:
      state.current_control.Reset(&check);
      Show(check);
      break;
    case Change::kOtherLongControl:
      state.current_control.Reset(&other);
      Show(other);
      break;
    case Change::kFormRows:
      state.current_control.Reset(&form.Client());
      inspector.Rules().FormRows(form);
      break;
    case Change::kControlDestroyed:
      form.Screen().RemoveChild(&button);
      inspector.SetRows(std::vector<GridRow>(inspector.Rows()));
      break;
  }
  EXPECT_EQ(inspector.StillBound(binding), c.bound) << c.row;
  // A pick list laid over a row that is no longer its own goes.
  if (list && !c.bound) {
    EXPECT_FALSE(inspector.PickList().visible) << c.row;
  }
}

INSTANTIATE_TEST_SUITE_P(Changes, EditorBindingTest,
                         ::testing::Values(BindingCase{"Width", Change::kRefilledAlike, true},
                                           BindingCase{"Width", Change::kOtherControl, false},
                                           BindingCase{"Width", Change::kOtherLongControl, false},
                                           BindingCase{"Width", Change::kFormRows, false},
                                           BindingCase{"Width", Change::kControlDestroyed, false},
                                           BindingCase{"Font", Change::kRefilledAlike, true},
                                           BindingCase{"Font", Change::kOtherControl, false},
                                           BindingCase{"ShowForm", Change::kOtherLongControl,
                                                       false},
                                           BindingCase{"ShowForm", Change::kFormRows, false},
                                           BindingCase{"Line", Change::kControlDestroyed, false}));

TEST_F(InspectorTest, ABindingOfARowThatIsNotThereServesNothing) {
  TChildFrm& form = NewForm(kCC, "Form1");
  Place(form, "Button");
  EXPECT_FALSE(inspector.StillBound(inspector.BindEditor(-1)));
  EXPECT_FALSE(inspector.StillBound(inspector.BindEditor(inspector.RowCount())));
  EXPECT_FALSE(inspector.StillBound(EditorBinding{}));
}

}  // namespace
}  // namespace qb::test

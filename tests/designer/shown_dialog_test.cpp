#include "form/shown_dialog.h"

#include <gtest/gtest.h>

#include "controls/PTLabel.h"

namespace qb {
namespace {

TEST(ShownDialog, ASecondDialogHidesTheFirstWithItsControls) {
  TChildFrm form;
  auto* first = static_cast<TPTDialog*>(
      form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document())));
  auto* inside = first->AddChild(std::make_unique<TPTLabel>(&form.Document()));
  auto* second = static_cast<TPTDialog*>(
      form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document())));
  ShowDialog(form, *first);
  EXPECT_EQ(form.Screen().ChildIndex(first), 1);
  first->SetSelected(true);
  ShowDialog(form, *second);
  EXPECT_EQ(form.ShownDialog(), second);
  EXPECT_EQ(first->Tag(), 0);
  EXPECT_FALSE(first->Visible());
  EXPECT_FALSE(first->Selected());
  EXPECT_FALSE(inside->Showing());
  EXPECT_EQ(second->Tag(), 1);
  EXPECT_EQ(form.Screen().ChildIndex(second), 1);
  HideShownDialog(form);
  EXPECT_EQ(form.ShownDialog(), nullptr);
  EXPECT_FALSE(second->Visible());
}

}  // namespace
}  // namespace qb

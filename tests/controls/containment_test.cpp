// Ownership, z-order and references that must clear when their target goes.

#include <gtest/gtest.h>

#include "controls/CCButton.h"
#include "controls/PTDialog.h"
#include "controls/PTLabel.h"
#include "form/ChildFor.h"

namespace qb {
namespace {

TEST(Containment, ChildrenAreOrderedBackToFront) {
  TChildFrm form;
  TControl& screen = form.Screen();
  auto* a = screen.AddChild(std::make_unique<TCCButton>(&form.Document()));
  auto* b = screen.AddChild(std::make_unique<TCCButton>(&form.Document()));
  auto* c = screen.AddChild(std::make_unique<TCCButton>(&form.Document()));
  EXPECT_EQ(screen.ChildIndex(a), 0);
  EXPECT_EQ(screen.ChildIndex(c), 2);
  screen.BringToFront(a);
  EXPECT_EQ(screen.ChildIndex(a), 2);
  EXPECT_EQ(screen.ChildIndex(b), 0);
  screen.SendToBack(c);
  EXPECT_EQ(screen.ChildIndex(c), 0);
  EXPECT_EQ(a->Parent(), &screen);
  EXPECT_EQ(c->Parent(), &screen);
}

TEST(Containment, PalmFormClearsWhenItsPanelIsDestroyed) {
  TChildFrm form;
  auto* dialog = form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document()));
  auto label = std::make_unique<TPTLabel>(&form.Document());
  TPTLabel* outside = static_cast<TPTLabel*>(form.Screen().AddChild(std::move(label)));
  outside->SetPalmForm(dialog);
  auto* inside = dialog->AddChild(std::make_unique<TPTLabel>(&form.Document()));
  inside->SetPalmForm(dialog);
  WeakRef<TControl> inside_ref(inside);
  form.SetLastSelected(inside);
  ASSERT_EQ(outside->PalmForm(), dialog);
  form.Screen().RemoveChild(dialog).reset();
  EXPECT_EQ(outside->PalmForm(), nullptr);
  EXPECT_EQ(inside_ref.Get(), nullptr);
  EXPECT_EQ(form.LastSelected(), nullptr);
}

TEST(Containment, ShownDialogReferenceClears) {
  TChildFrm form;
  auto* dialog = static_cast<TPTDialog*>(
      form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document())));
  form.SetShownDialog(dialog);
  EXPECT_EQ(form.ShownDialog(), dialog);
  form.Screen().RemoveChild(dialog);
  EXPECT_EQ(form.ShownDialog(), nullptr);
}

TEST(Containment, ShowingFollowsParents) {
  TChildFrm form;
  auto* dialog = form.Screen().AddChild(std::make_unique<TPTDialog>(&form.Document()));
  auto* inside = dialog->AddChild(std::make_unique<TPTLabel>(&form.Document()));
  EXPECT_TRUE(inside->Showing());
  dialog->SetVisible(false);
  EXPECT_FALSE(inside->Showing());
  EXPECT_TRUE(inside->Visible());
}

TEST(Containment, ChangesMarkTheWindowPicture) {
  TChildFrm form;
  auto* b = static_cast<TCCButton*>(
      form.Screen().AddChild(std::make_unique<TCCButton>(&form.Document())));
  form.ClearPictureDirty();
  b->SetContent("OK");
  EXPECT_TRUE(form.PictureDirty());
}

}  // namespace
}  // namespace qb

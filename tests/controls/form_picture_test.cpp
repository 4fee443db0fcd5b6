// The designer window's picture: device artwork, screen panel, controls in z-order clipped
// to their parents, dialogs, menus, and painting again while a size settles.

#include "controls/form_picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "controls/CCButton.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTDialog.h"
#include "controls/PTGsi.h"
#include "controls/palm_look.h"
#include "controls/png_writer.h"
#include "designer/ChildFor.h"
#include "support/fake_ui.h"
#include "support/pixel_art.h"
#include "support/test_faces.h"

namespace qb {
namespace {

using test::PixelsAre;

constexpr int kSx = TChildFrm::kScreenLeft;
constexpr int kSy = TChildFrm::kScreenTop;

class FormPictureTest : public ::testing::Test {
 protected:
  FormPictureTest() { fonts_.SetFace("PilotBold", test::BlockFace(5, 9)); }

  template <typename T>
  T* Add(TControl& parent, int left, int top, int width, int height, Color color) {
    auto owned = std::make_unique<T>(&frm_);
    owned->SetBounds(left, top, width, height);
    owned->SetColor(color);
    return static_cast<T*>(parent.AddChild(std::move(owned)));
  }

  FontRegistry fonts_;
  TChildFrm frm_;
};

TEST_F(FormPictureTest, EmptyFormShowsTheScreenPanelInTheDevice) {
  frm_.Screen().SetGridVisible(1);
  frm_.Screen().SetGridSpace(6);
  FormPicture picture(fonts_);
  const PalmCanvas& p = picture.Render(frm_.Client());
  ASSERT_EQ(p.Width(), 167);
  ASSERT_EQ(p.Height(), 226);
  // The bezel around the screen, the tab of "Form1" (25 wide: to x = 29), the title line.
  EXPECT_EQ(p.At(kSx - 1, kSy - 1), kBlack);
  EXPECT_EQ(p.At(kSx + 160, kSy + 160), kBlack);
  EXPECT_EQ(p.At(kSx + 29, kSy + 5), kBlack);
  EXPECT_EQ(p.At(kSx + 30, kSy + 6), kWhite);
  EXPECT_EQ(p.At(kSx + 159, kSy + 13), kBlack);
  EXPECT_EQ(p.At(kSx + 159, kSy + 14), kBlack);
  // Grid dots below the title line.
  EXPECT_EQ(p.At(kSx + 155, kSy + 155), kGray);
  EXPECT_EQ(p.At(kSx + 156, kSy + 155), kWhite);
}

}  // namespace
}  // namespace qb

// The zoom and the dialog-colour editor together: while the editor is up the zoom keeps
// refreshing and shows the editor's sample, magnified twice, through the usual picture source.

#include <gtest/gtest.h>

#include "app/frmZoom2x.h"
#include "app/zoom_picture.h"
#include "controls/CCButton.h"
#include "model/datamod.h"
#include "properties/frmPropSelect.h"
#include "support/fake_ui.h"

namespace qb::test {
namespace {

class ZoomOfTheColourEditor : public ::testing::Test {
 protected:
  ZoomOfTheColourEditor() : zoom_(state_, ui_, geometry_) {
    geometry_.client_width = 800;
    geometry_.client_height = 600;
    geometry_.dock_height = 40;
    window_.SetWindowPos(10, 50);
    state_.current_window.Reset(&window_);
    source_.WatchColorEditor(&slot_);
    zoom_.SetSource(&source_);
    select_.SetTag(kSelectTag);
    select_.SetDOTColors("Red,Blue,Black,White,Black,White,Black");
  }

  // Runs the editor; while it is up the zoom ticks once and the checks run.
  void WhileEditorIsUp(const std::function<void()>& checks) {
    ui_.AnswerDialog([&](DialogModel&) {
      EXPECT_TRUE(zoom_.Refreshing());
      EXPECT_TRUE(zoom_.Tick());
      checks();
      return false;
    });
    EditPickerColors(ui_, select_, fonts_, &slot_);
    EXPECT_TRUE(ui_.AllAnswersUsed());
  }

  AppState state_;
  FakeUi ui_;
  MainGeometry geometry_;
  TChildFrm window_;
  FontRegistry fonts_;
  ColorEditorSlot slot_;
  FormPictureSource source_{fonts_};
  TfrmZoom zoom_;
  TCCButton select_{nullptr};
};

TEST_F(ZoomOfTheColourEditor, DatePickerSampleAt320By320) {
  select_.SetDOTPicker(kPickerDate);
  zoom_.Show();
  WhileEditorIsUp([&] {
    EXPECT_EQ(zoom_.ClientWidth(), 320);
    EXPECT_EQ(zoom_.ClientHeight(), 320);
    const ZoomImage& image = zoom_.Image();
    ASSERT_EQ(image.width, 320);
    ASSERT_EQ(image.height, 320);
    // The sample's top frame line (row 0 from x 2) and its body, each pixel doubled.
    EXPECT_EQ(image.At(160, 0), kRed);
    EXPECT_EQ(image.At(161, 1), kRed);
    EXPECT_EQ(image.At(300, 40), kBlue);
  });
  // Closed: the designer's picture again.
  EXPECT_TRUE(zoom_.Tick());
  EXPECT_EQ(zoom_.ClientWidth(), 334);
  EXPECT_EQ(zoom_.ClientHeight(), 452);
}

TEST_F(ZoomOfTheColourEditor, TimePickerSampleAt320By148) {
  select_.SetDOTPicker(kPickerTime);
  zoom_.Show();
  WhileEditorIsUp([&] {
    EXPECT_EQ(zoom_.ClientWidth(), 320);
    EXPECT_EQ(zoom_.ClientHeight(), 148);
    EXPECT_EQ(zoom_.Image().At(160, 147), kRed);
  });
}

TEST_F(ZoomOfTheColourEditor, OtherEditorsPauseIt) {
  zoom_.Show();
  ui_.AnswerDialog([&](DialogModel&) {
    EXPECT_FALSE(zoom_.Refreshing());
    EXPECT_FALSE(zoom_.Tick());
    return false;
  });
  // The items editor stands for every other modal dialog.
  struct Items : DialogModel {
    const char* DialogId() const override { return "TfrmItemsEd"; }
  } items;
  ui_.RunDialog(items);
  EXPECT_FALSE(source_.ColorEditorVisible());
}

}  // namespace
}  // namespace qb::test

#include <gtest/gtest.h>

#include <functional>

#include "app/Main.h"
#include "app/frmZoom2x.h"
#include "controls/form_picture.h"
#include "support/fake_ui.h"

namespace qb::test {
namespace {

// A picture from rows of letters, one colour per letter.
ZoomImage Picture(const std::vector<std::string>& rows) {
  ZoomImage img;
  img.height = static_cast<int>(rows.size());
  img.width = static_cast<int>(rows[0].size());
  for (const std::string& row : rows)
    for (char c : row) img.pixels.push_back(static_cast<std::uint32_t>(c));
  return img;
}

std::vector<std::string> Rows(const ZoomImage& img) {
  std::vector<std::string> rows;
  for (int y = 0; y < img.height; ++y) {
    std::string row;
    for (int x = 0; x < img.width; ++x) row += static_cast<char>(img.At(x, y));
    rows.push_back(row);
  }
  return rows;
}

class Source : public ZoomSource {
 public:
  ZoomImage DesignerPicture(TChildFrm&) override {
    ++designer_calls;
    return designer;
  }
  bool ColorEditorVisible() override { return editor_visible; }
  bool ColorEditorSelectVisible() override { return select_visible; }
  ZoomImage ColorEditorSample() override { return editor; }
  ZoomImage designer;
  ZoomImage editor;
  bool editor_visible = false;
  bool select_visible = false;
  int designer_calls = 0;
};

ZoomImage Filled(int w, int h, char c) {
  return Picture(std::vector<std::string>(static_cast<std::size_t>(h), std::string(w, c)));
}

class Zoom : public ::testing::Test {
 protected:
  Zoom() : zoom_(state_, ui_, geometry_) {
    geometry_.client_width = 800;
    geometry_.client_height = 600;
    geometry_.dock_height = 40;
    window_.SetWindowPos(10, 50);
    state_.current_window.Reset(&window_);
    Draw(Filled(167, 226, 'a'));
    zoom_.SetSource(&source_);
  }
  // The designer's picture changes as a form change draws it: marked.
  void Draw(ZoomImage picture) {
    source_.designer = std::move(picture);
    window_.MarkPictureDirty();
  }
  AppState state_;
  FakeUi ui_;
  MainGeometry geometry_;
  TChildFrm window_;
  Source source_;
  TfrmZoom zoom_;
};

TEST(ZoomStretch, EveryPixelBecomesATwoByTwoBlock) {
  ZoomImage src = Picture({"ab", "cd"});
  EXPECT_EQ(Rows(StretchImage(src, 4, 4)),
            (std::vector<std::string>{"aabb", "aabb", "ccdd", "ccdd"}));
  EXPECT_TRUE(StretchImage(ZoomImage{}, 4, 4).Empty());
  ZoomImage short_pixels{2, 2, {1, 2, 3}};
  EXPECT_TRUE(short_pixels.Empty());
}

TEST(ZoomStretch, OtherSizesTakeTheNearestPixelToTheLeftAndAbove) {
  const ZoomImage src = Picture({"abc", "def"});
  struct Case {
    int width, height;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {6, 4, {"aabbcc", "aabbcc", "ddeeff", "ddeeff"}},
      {2, 3, {"ab", "ab", "de"}},  // columns 0 and 1 of 3; rows 0, 0, 1 of 2
      {1, 1, {"a"}},
      {5, 1, {"aabbc"}},
      {3, 2, {"abc", "def"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    EXPECT_EQ(Rows(StretchImage(src, c.width, c.height)), c.rows);
  }
  EXPECT_TRUE(StretchImage(src, 0, 4).Empty());
  EXPECT_TRUE(StretchImage(src, 4, -1).Empty());
}

TEST_F(Zoom, ShowRefreshesAtOnceAndPlacesItselfAtTheRightEdge) {
  EXPECT_STREQ(TfrmZoom::kCaption, "Zoom 2x");
  EXPECT_EQ(TfrmZoom::kIntervalMs, 25);
  zoom_.Show();
  EXPECT_EQ(zoom_.Image().width, 334);
  EXPECT_EQ(zoom_.Image().height, 452);
  EXPECT_EQ(zoom_.Left(), 800 - 334);
  EXPECT_EQ(zoom_.Top(), 40);
  zoom_.Hide();
  zoom_.Move(5, 60);
  zoom_.Show();
  EXPECT_EQ(zoom_.Left(), 5);
}

TEST_F(Zoom, PictureIsTheDevicePictureMagnifiedTwice) {
  Draw(Filled(167, 226, 'a'));
  source_.designer.pixels[0] = 'x';              // top-left pixel
  source_.designer.pixels[167 * 226 - 1] = 'y';  // bottom-right pixel
  ASSERT_TRUE(zoom_.Tick());
  const ZoomImage& img = zoom_.Image();
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) EXPECT_EQ(img.At(x, y), 'x');
  EXPECT_EQ(img.At(2, 0), 'a');
  for (auto [x, y] : {std::pair{332, 450}, {333, 450}, {332, 451}, {333, 451}})
    EXPECT_EQ(img.At(x, y), 'y');
  EXPECT_EQ(img.At(331, 451), 'a');
}

TEST_F(Zoom, FreezesWhileTheWindowIsPartlyOutside) {
  ASSERT_TRUE(zoom_.Tick());
  struct Pos {
    int left, top;
    bool inside;
  };
  const Pos positions[] = {
      {-1, 50, false}, {0, 40, true},    {0, 39, false},  // the dock counts as outside
      {633, 50, true}, {634, 50, false},                  // 633 + 167 = 800
      {10, 374, true}, {10, 375, false},                  // 374 + 226 = 600
  };
  char letter = 'b';
  for (const Pos& p : positions) {
    char shown = static_cast<char>(zoom_.Image().At(0, 0));
    Draw(Filled(167, 226, ++letter));
    window_.SetWindowPos(p.left, p.top);
    EXPECT_EQ(zoom_.Tick(), p.inside) << p.left << "," << p.top;
    EXPECT_EQ(zoom_.Image().At(0, 0), p.inside ? letter : shown) << p.left << "," << p.top;
  }
  Draw(Filled(167, 226, 'b'));
  window_.SetWindowPos(10, 50);
  ASSERT_TRUE(zoom_.Tick());
  // Frozen ticks keep the last picture.
  window_.SetWindowPos(-5, 50);
  Draw(Filled(167, 226, 'c'));
  zoom_.Tick();
  EXPECT_EQ(zoom_.Image().At(0, 0), 'b');
}

TEST_F(Zoom, TheFrameCountsAsPartOfTheWindow) {
  geometry_.frame_width = 8;
  geometry_.frame_height = 20;
  window_.SetWindowPos(625, 354);
  EXPECT_TRUE(zoom_.Tick());
  Draw(Filled(167, 226, 'b'));
  window_.SetWindowPos(626, 354);
  EXPECT_FALSE(zoom_.Tick());
  EXPECT_EQ(zoom_.Image().At(0, 0), 'a');
}

TEST_F(Zoom, AnEnlargedDesignerWindowCountsAtItsEnlargedSize) {
  // 800 × 600 client area: at 2x the window is 334 × 452.
  geometry_.designer_scale = 2;
  struct Pos {
    int left, top;
    bool inside;
  };
  char letter = 'b';
  for (Pos p : {Pos{466, 50, true}, Pos{467, 50, false}, Pos{10, 148, true}, Pos{10, 149, false}}) {
    Draw(Filled(167, 226, ++letter));
    window_.SetWindowPos(p.left, p.top);
    EXPECT_EQ(zoom_.Tick(), p.inside) << p.left << "," << p.top;
  }
  // The zoom still shows the device picture twice, whatever the designer's scale.
  EXPECT_EQ(zoom_.Image().width, 334);
  EXPECT_EQ(zoom_.Image().height, 452);
}

TEST_F(Zoom, ATickWithAnUnchangedSourceLeavesThePictureAlone) {
  ASSERT_TRUE(zoom_.Tick());
  const std::uint32_t* pixels = zoom_.Image().pixels.data();
  struct Step {
    const char* what;
    int changed_pixel;  // -1: none
    bool refreshed;
  };
  const Step steps[] = {
      {"nothing changed", -1, false},
      {"again nothing", -1, false},
      {"the first pixel", 0, true},
      {"then nothing", -1, false},
      {"the last pixel", 167 * 226 - 1, true},
      {"a pixel in the middle", 113 * 167 + 80, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    if (step.changed_pixel >= 0)
      ++source_.designer.pixels[static_cast<std::size_t>(step.changed_pixel)];
    window_.MarkPictureDirty();  // the zoom looks at every tick, and finds what changed
    EXPECT_EQ(zoom_.Tick(), step.refreshed);
    if (!step.refreshed) {
      EXPECT_EQ(zoom_.Image().pixels.data(), pixels);
    }
    pixels = zoom_.Image().pixels.data();
    if (step.changed_pixel >= 0) {
      int x = step.changed_pixel % 167, y = step.changed_pixel / 167;
      EXPECT_EQ(zoom_.Image().At(2 * x + 1, 2 * y + 1),
                source_.designer.pixels[static_cast<std::size_t>(step.changed_pixel)]);
    }
  }
  // A picture of another size is taken even when it starts alike.
  Draw(Filled(167, 225, 'a'));
  EXPECT_TRUE(zoom_.Tick());
}

TEST_F(Zoom, AnUnmarkedPictureIsLookedAtOnlyNowAndThen) {
  zoom_.Show();
  ASSERT_EQ(source_.designer_calls, 1);
  TChildFrm other;
  other.SetWindowPos(10, 50);
  struct Step {
    const char* what;
    std::function<void()> act;
    bool looked;
  };
  const Step steps[] = {
      {"an idle tick", [] {}, false},
      {"the picture marked changed", [&] { window_.MarkPictureDirty(); }, true},
      {"a selection mark", [&] { window_.Document().ViewChanged(window_.Screen()); }, true},
      {"idle again", [] {}, false},
      {"another current window", [&] { state_.current_window.Reset(&other); }, true},
      {"back to the first", [&] { state_.current_window.Reset(&window_); }, true},
      {"a property applied", [&] { zoom_.Redraw(); }, true},
      {"the refresh resumed", [&] { zoom_.Resume(); }, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const int before = source_.designer_calls;
    step.act();
    zoom_.Tick();
    EXPECT_EQ(source_.designer_calls > before, step.looked);
  }
  // Something drawn without a mark still reaches the zoom, a little later.
  zoom_.Redraw();
  ++source_.designer.pixels[0];
  int ticks = 0;
  while (!zoom_.Tick() && ticks < 100) ++ticks;
  EXPECT_EQ(ticks + 1, TfrmZoom::kLookAnywayTicks);
  EXPECT_EQ(zoom_.Image().At(0, 0), source_.designer.pixels[0]);
}

TEST_F(Zoom, FreezesWithoutWindowOrWhileTheApplicationIsInactive) {
  geometry_.app_active = false;
  EXPECT_FALSE(zoom_.Tick());
  geometry_.app_active = true;
  state_.current_window.Reset();
  EXPECT_FALSE(zoom_.Tick());
  EXPECT_EQ(source_.designer_calls, 0);
}

TEST_F(Zoom, PausedWhileAnythingModalIsUp) {
  std::vector<bool> changes;
  zoom_.SetRefreshListener([&](bool on) { changes.push_back(on); });
  ui_.SetModalListener([&](int) { zoom_.ModalDepthChanged(); });
  zoom_.Show();
  EXPECT_TRUE(zoom_.Refreshing());
  ui_.EnterModal();  // a menu opens
  EXPECT_FALSE(zoom_.Refreshing());
  EXPECT_FALSE(zoom_.Tick());
  ui_.AnswerMessage(kMbYes);
  ui_.MessageBox("Confirm", "?", MsgIcon::kQuestion, kMbYesNo, kMbYes);  // nested prompt
  EXPECT_FALSE(zoom_.Refreshing());
  ui_.LeaveModal();
  EXPECT_TRUE(zoom_.Refreshing());
  Draw(Filled(167, 226, 'b'));
  EXPECT_TRUE(zoom_.Tick());
  zoom_.Hide();
  EXPECT_EQ(changes, (std::vector<bool>{true, false, true, false}));
}

TEST_F(Zoom, TheColourEditorsSampleTakesOverWhileItIsOpen) {
  source_.editor_visible = true;
  source_.select_visible = true;
  source_.editor = Filled(160, 160, 's');
  ASSERT_TRUE(zoom_.Tick());
  EXPECT_EQ(zoom_.ClientWidth(), 320);
  EXPECT_EQ(zoom_.ClientHeight(), 320);
  EXPECT_EQ(zoom_.Image().width, 320);
  EXPECT_EQ(zoom_.Image().At(319, 319), 's');
  source_.select_visible = false;
  source_.editor = Filled(160, 74, 't');
  ASSERT_TRUE(zoom_.Tick());
  EXPECT_EQ(zoom_.ClientHeight(), 148);
  EXPECT_EQ(zoom_.Image().At(0, 147), 't');
  source_.editor_visible = false;
  ASSERT_TRUE(zoom_.Tick());
  EXPECT_EQ(zoom_.ClientWidth(), 334);
  EXPECT_EQ(zoom_.ClientHeight(), 452);
}

TEST(ZoomOfTheMainWindow, ShowsTheFormPictureMagnifiedTwice) {
  FakeUi ui;
  TMain main(ui, "", {[](const char*) -> std::optional<std::string> { return std::nullopt; }});
  TChildFrm& window = main.Forms().NewForm();
  window.SetWindowPos(0, 0);
  main.View().ToggleZoom();
  const ZoomImage& zoom = main.Zoom().Image();
  ASSERT_EQ(zoom.width, 334);
  ASSERT_EQ(zoom.height, 452);
  FormPicture picture(main.Fonts());
  const PalmCanvas& canvas = picture.Render(window.Client());
  ASSERT_EQ(canvas.Width(), 167);
  ASSERT_EQ(canvas.Height(), 226);
  int differing = 0;
  for (int y = 0; y < zoom.height; ++y)
    for (int x = 0; x < zoom.width; ++x) differing += zoom.At(x, y) != canvas.At(x / 2, y / 2);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace qb::test

#pragma once

// The zoom window: a live copy of the current designer window's device picture (or of the
// dialog-colour editor's sample while that editor is open), magnified twice.

#include <cstdint>
#include <functional>
#include <vector>

#include "app/main_geometry.h"
#include "form/app_state.h"
#include "model/ui.h"

namespace qb {

struct ZoomImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row, as the picture's source gives them
  // Also true for a picture whose pixels do not fill its size, so it is never read past.
  bool Empty() const {
    return width <= 0 || height <= 0 ||
           pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The source picture stretched over width × height by one block copy (nearest pixel).
ZoomImage StretchImage(const ZoomImage& source, int width, int height);
// Whether two pictures have the same size and pixels.
bool SamePicture(const ZoomImage& a, const ZoomImage& b);

// Where the zoom takes its pictures from; the drawing and editor modules provide them.
class ZoomSource {
 public:
  virtual ~ZoomSource() = default;
  // The designer window's whole device picture (167 × 226).
  virtual ZoomImage DesignerPicture(TChildFrm&) = 0;
  // Whether the dialog-colour editor is visible, and whether its sample dialog dlgSelect is.
  virtual bool ColorEditorVisible() = 0;
  virtual bool ColorEditorSelectVisible() = 0;
  // The editor's picture of dlgSelect when it is visible, else of dlgTime.
  virtual ZoomImage ColorEditorSample() = 0;
};

// Stands in until the application gives the zoom its source: an empty picture, no editor.
class NoZoomSource final : public ZoomSource {
 public:
  ZoomImage DesignerPicture(TChildFrm&) override { return {}; }
  bool ColorEditorVisible() override { return false; }
  bool ColorEditorSelectVisible() override { return false; }
  ZoomImage ColorEditorSample() override { return {}; }
};

class TfrmZoom {
 public:
  static constexpr const char* kCaption = "Zoom 2x";
  static constexpr int kIntervalMs = 25;
  static constexpr int kClientWidth = 334;
  static constexpr int kClientHeight = 452;
  static constexpr int kEditorWidth = 320;
  static constexpr int kEditorSelectHeight = 320;
  static constexpr int kEditorTimeHeight = 148;

  TfrmZoom(const AppState& state, const Ui& ui, const MainGeometry& geometry);

  void SetSource(ZoomSource* source) { source_ = source ? source : &no_source_; }

  bool Visible() const { return visible_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  void Move(int left, int top);
  int ClientWidth() const { return client_width_; }
  int ClientHeight() const { return client_height_; }
  // imgZoom: what the window shows.
  const ZoomImage& Image() const { return image_; }
  // Counts the pictures taken, so that a view hands each one on once.
  std::uint64_t ImageVersion() const { return image_version_; }

  // Shows the window: one refresh at once, and a first placement at the right edge of the
  // client area below the dock while it still stands at 0,0.
  void Show();
  // Hides it; closing the window does the same.
  void Hide();

  // Whether the 25 ms timer should run: the window is shown and nothing modal is up
  // (a dialog, prompt, menu or context menu).
  bool Refreshing() const;
  // Told with the new value whenever Refreshing changes, so the view starts or stops its timer.
  void SetRefreshListener(std::function<void(bool)> listener);
  // Called when the Ui's modal depth changes.
  void ModalDepthChanged() { NotifyRefreshing(); }

  // The refresh runs again after a pause: the view restarts its timer and the picture is
  // taken at once, so a click on a designer window shows in the zoom without waiting a tick.
  void Resume();
  // Redraws at once when the window is visible (a property was applied).
  void Redraw();

  // One timer tick; true when the picture changed. Frozen (nothing done) without a current
  // designer window, while the application is inactive, while the window is not wholly inside
  // the client area below the dock, and while something modal is up; false too when the
  // source shows exactly what it showed at the last change.
  // An idle designer costs next to nothing: while the same designer window is shown and its
  // picture has not been marked changed, the tick does not paint it again, except once every
  // kLookAnywayTicks ticks, which keeps the zoom true to anything drawn without a mark.
  bool Tick();
  static constexpr int kLookAnywayTicks = 20;

 private:
  // Takes the picture; a timer tick may skip an unmarked designer picture, the other callers
  // (show, resume, an applied property) always look.
  bool Take(bool timer);
  void NotifyRefreshing();

  const AppState& state_;
  const Ui& ui_;
  const MainGeometry& geometry_;
  NoZoomSource no_source_;
  ZoomSource* source_ = &no_source_;
  bool visible_ = false;
  int left_ = 0;
  int top_ = 0;
  int client_width_ = kClientWidth;
  int client_height_ = kClientHeight;
  ZoomImage image_;
  ZoomImage last_source_;  // what image_ was stretched from
  // The designer window and its picture serial at the last look at it, and the ticks since.
  const TChildFrm* looked_window_ = nullptr;
  std::uint64_t looked_serial_ = 0;
  int ticks_unlooked_ = 0;
  std::uint64_t image_version_ = 0;
  std::function<void(bool)> listener_;
  bool last_refreshing_ = false;
};

}  // namespace qb

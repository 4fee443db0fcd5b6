#include "app/frmZoom2x.h"

#include <algorithm>

namespace qb {

ZoomImage StretchImage(const ZoomImage& source, int width, int height) {
  ZoomImage out;
  if (source.Empty() || width <= 0 || height <= 0) return out;
  out.width = width;
  out.height = height;
  const auto w = static_cast<std::size_t>(width);
  out.pixels.resize(w * static_cast<std::size_t>(height));
  // The source column of every output column, found once: a division per pixel would cost
  // more than the whole copy at the zoom's 25 ms refresh.
  std::vector<int> columns(w);
  for (int x = 0; x < width; ++x)
    columns[static_cast<std::size_t>(x)] =
        static_cast<int>(static_cast<long long>(x) * source.width / width);
  int previous_sy = -1;
  for (int y = 0; y < height; ++y) {
    const int sy = static_cast<int>(static_cast<long long>(y) * source.height / height);
    std::uint32_t* row = out.pixels.data() + static_cast<std::size_t>(y) * w;
    if (sy == previous_sy) {
      std::copy_n(row - w, w, row);  // the same source row again
    } else {
      const std::uint32_t* source_row =
          source.pixels.data() +
          static_cast<std::size_t>(sy) * static_cast<std::size_t>(source.width);
      for (std::size_t x = 0; x < w; ++x) row[x] = source_row[columns[x]];
    }
    previous_sy = sy;
  }
  return out;
}

bool SamePicture(const ZoomImage& a, const ZoomImage& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

TfrmZoom::TfrmZoom(const AppState& state, const Ui& ui, const MainGeometry& geometry)
    : state_(state), ui_(ui), geometry_(geometry) {}

void TfrmZoom::Move(int left, int top) {
  left_ = left;
  top_ = top;
}

void TfrmZoom::Show() {
  visible_ = true;
  Take(false);
  if (left_ == 0 && top_ == 0) {
    left_ = geometry_.client_width - (client_width_ + geometry_.frame_width);
    top_ = geometry_.dock_height;
  }
  NotifyRefreshing();
}

void TfrmZoom::Hide() {
  visible_ = false;
  NotifyRefreshing();
}

bool TfrmZoom::Refreshing() const { return visible_ && ui_.ModalDepth() == 0; }

void TfrmZoom::SetRefreshListener(std::function<void(bool)> listener) {
  listener_ = std::move(listener);
  last_refreshing_ = Refreshing();
}

void TfrmZoom::NotifyRefreshing() {
  bool now = Refreshing();
  if (now == last_refreshing_) return;
  last_refreshing_ = now;
  if (listener_) listener_(now);
}

void TfrmZoom::Resume() {
  NotifyRefreshing();
  if (Refreshing()) Take(false);
}

void TfrmZoom::Redraw() {
  if (visible_) Take(false);
}

bool TfrmZoom::Tick() { return Take(true); }

bool TfrmZoom::Take(bool timer) {
  if (ui_.ModalDepth() > 0) return false;
  TChildFrm* window = state_.current_window.Get();
  if (!window || !geometry_.app_active) return false;
  if (!InsideClientArea(DesignerWindowRect(*window, geometry_), geometry_)) return false;

  ZoomImage source;
  if (source_->ColorEditorVisible()) {
    client_width_ = kEditorWidth;
    client_height_ = source_->ColorEditorSelectVisible() ? kEditorSelectHeight : kEditorTimeHeight;
    source = source_->ColorEditorSample();
  } else {
    // Nothing shown yet, or the colour editor's sample: the designer picture must be taken.
    const bool shows_designer = image_.width == kClientWidth && image_.height == kClientHeight;
    client_width_ = kClientWidth;
    client_height_ = kClientHeight;
    if (timer && shows_designer && looked_window_ == window &&
        looked_serial_ == window->PictureSerial() && ++ticks_unlooked_ < kLookAnywayTicks)
      return false;
    source = source_->DesignerPicture(*window);
    // Painting may itself correct a size and mark the picture; what was painted is this serial.
    looked_window_ = window;
    looked_serial_ = window->PictureSerial();
    ticks_unlooked_ = 0;
  }
  if (source.Empty()) return false;
  // An idle designer gives the same picture tick after tick: stretching it and handing it to
  // the view again would only burn time.
  if (!image_.Empty() && image_.width == client_width_ && image_.height == client_height_ &&
      SamePicture(source, last_source_))
    return false;
  image_ = StretchImage(source, client_width_, client_height_);
  last_source_ = std::move(source);
  ++image_version_;
  return true;
}

}  // namespace qb

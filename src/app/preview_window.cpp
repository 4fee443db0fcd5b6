#include "app/preview_window.h"

#include <algorithm>

#include "model/captions.h"

namespace qb {

std::string PreviewTitleText(const PreviewSession& session) {
  std::string title = "Preview - " + session.FormName();
  if (const std::string dialog = session.DialogName(); !dialog.empty()) title += " - " + dialog;
  return title;
}

PreviewWindow::PreviewWindow(AppState& state, Ui& ui, const FontRegistry& fonts)
    : state_(state), ui_(ui), fonts_(fonts) {}

void PreviewWindow::Open() {
  const TChildFrm* form = state_.current_window.Get();
  if (!form) {
    ui_.MessageBox(kCaptionInformation, kNoFormToPreview, MsgIcon::kInformation, kMbOk, kMbOk);
    return;
  }
  session_ = std::make_unique<PreviewSession>(state_, *form, fonts_);
  ++version_;
}

void PreviewWindow::Close() { session_.reset(); }

int PreviewWindow::ScaleFor(int designer_scale) {
  return std::max(designer_scale, kSmallestPreviewScale);
}

}  // namespace qb

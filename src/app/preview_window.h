#pragma once

// Project > Preview: the current form running as on the device, on a copy of the project's
// forms (see PreviewSession). The window keeps the session while it is open; the view draws
// its frame at the preview's scale and sends it the pen, the keys and Back.

#include <memory>
#include <string>

#include "controls/font_registry.h"
#include "form/app_state.h"
#include "model/ui.h"
#include "preview/preview_session.h"

namespace qb {

inline constexpr const char* kNoFormToPreview = "No form is open to preview.";
inline constexpr const char* kPreviewBack = "Back";
// The preview is never smaller than twice the device.
inline constexpr int kSmallestPreviewScale = 2;

// The window's title: "Preview - Form2", or "Preview - Form1 - Dialog1" with a dialog shown.
std::string PreviewTitleText(const PreviewSession& session);

class PreviewWindow {
 public:
  PreviewWindow(AppState& state, Ui& ui, const FontRegistry& fonts);

  // Preview: a session afresh on the current form, the window shown with it. Without a form,
  // says so and shows nothing.
  void Open();
  // The window's close box: the session and its copy go.
  void Close();

  bool Visible() const { return session_ != nullptr; }
  PreviewSession* Session() { return session_.get(); }
  const PreviewSession* Session() const { return session_.get(); }
  // Screen pixels per device pixel at the designer's scale.
  static int ScaleFor(int designer_scale);
  // Moves on each time a session starts, so that the view starts afresh only then.
  unsigned Version() const { return version_; }

 private:
  AppState& state_;
  Ui& ui_;
  const FontRegistry& fonts_;
  std::unique_ptr<PreviewSession> session_;
  unsigned version_ = 0;
};

}  // namespace qb

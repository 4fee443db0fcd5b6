#include "designer/control_clipboard.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "controls/PTDialog.h"
#include "controls/schema.h"
#include "designer/removal.h"
#include "form/clipboard_format.h"
#include "model/text_util.h"
#include "model/user_error.h"

namespace qb {

namespace {

constexpr const char* kComponentExists = "A component named %s already exists";

bool IsMenu(const TControl& control) {
  return control.Class() == ControlClass::kCCMenu || control.Class() == ControlClass::kCCMenuBar;
}

// Neither the form (its client area or screen panel) nor its menus move through the clipboard.
bool Movable(const TControl& control) {
  return !IsMenu(control) && control.Class() != ControlClass::kDesignerClient &&
         control.Class() != ControlClass::kCCForm;
}

// A pasted control takes the marker of its new kind; a marker that would make it act as
// another kind of its class (a Select's 3 on a CControls Button) is cleared.
void TakeKindMarker(TControl& control, const KindInfo& kind) {
  if (kind.tag_marker != kAnyTag) {
    control.SetTag(kind.tag_marker);
    return;
  }
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib})
    for (const KindInfo& other : KindsOf(lib))
      if (other.cls == control.Class() && other.tag_marker != kAnyTag &&
          other.tag_marker == control.Tag()) {
        control.SetTag(0);
        return;
      }
}

// The values every control of the kind has in its library (a Select's square frame).
void TakeKindValues(TControl& control, LibraryId lib, const KindInfo& kind) {
  const KindSchema* layout = LibrarySchemaOf(lib).Find(kind.id);
  if (layout && layout->after_read) layout->after_read(control);
}

bool TakesPalmForm(LibraryId lib, const KindInfo& kind) {
  const KindSchema* layout = LibrarySchemaOf(lib).Find(kind.id);
  return layout && layout->palm_form;
}

bool NameTakenInForm(const TChildFrm& form, const std::string& name) {
  if (form.FindControl(name)) return true;
  const auto& parts = TChildFrm::FixedPartNames();
  return std::any_of(parts.begin(), parts.end(),
                     [&](const std::string& part) { return SameText(part, name); });
}

}  // namespace

std::string ComponentExistsMessage(const std::string& name) {
  // Joined rather than replace()d: gcc 12 at -O3 reports a false overlap in the replace.
  const std::string_view text = kComponentExists;
  const std::size_t at = text.find("%s");
  if (at == std::string_view::npos) return std::string(text);
  return std::string(text.substr(0, at)).append(name).append(text.substr(at + 2));
}

std::string NoKindForClassMessage(ControlClass cls, LibraryId lib) {
  return std::string("A ") + ClassName(cls) + " cannot be pasted into a " + LibraryStatusName(lib) +
         " project.";
}

const KindInfo* PasteKind(LibraryId lib, ControlClass cls, int tag) {
  if (cls == ControlClass::kCCMenu || cls == ControlClass::kCCMenuBar) return nullptr;
  return KindForClass(lib, cls, tag);
}

std::vector<ClipboardEntry> ClipboardEntries(const TControl& control, const std::string& name) {
  // The private format alone: as plain text the serialisation would land in any text box the
  // user pastes into.
  return {{kControlClipboardMime, WriteClipboardControl(control, name)}};
}

TControl* ControlClipboard::MovableCurrent() const {
  TControl* current = state_.current_control.Get();
  return current && Movable(*current) && FormOf(*current) ? current : nullptr;
}

TChildFrm* ControlClipboard::FormOf(const TControl& control) const {
  for (const auto& window : state_.windows)
    if (static_cast<const ControlOwner*>(&window->Document()) == control.Owner())
      return window.get();
  return nullptr;
}

void ControlClipboard::Copy() {
  // Written under the copy's name, the control's own name is never touched.
  if (TControl* current = MovableCurrent())
    ui_.SetClipboard(ClipboardEntries(*current, kCopiedName));
}

void ControlClipboard::Cut() {
  TControl* current = MovableCurrent();
  if (!current) return;
  TChildFrm& form = *FormOf(*current);
  // When the clipboard cannot take it, the control stays.
  ui_.SetClipboard(ClipboardEntries(*current, current->Name()));
  RemoveControl(form, *current);
  AfterRemoval(designer_, form);
}

void ControlClipboard::Paste() {
  TChildFrm* form = state_.current_window.Get();
  if (!form) return;
  TControl* current = state_.current_control.Get();
  if (current && IsMenu(*current)) return;
  std::optional<std::string> data = ui_.ClipboardData(kControlClipboardMime);
  if (!data || data->empty()) return;
  ClipboardControl read = ReadClipboardControl(*data, &form->Document());
  TControl& control = *read.control;
  if (NameTakenInForm(*form, control.Name()))
    throw UserError(ComponentExistsMessage(control.Name()));
  const KindInfo* kind = PasteKind(state_.library, control.Class(), control.Tag());
  if (!kind) throw UserError(NoKindForClassMessage(control.Class(), state_.library));

  TakeKindMarker(control, *kind);
  TakeKindValues(control, state_.library, *kind);
  if (auto* dialog = As<TPTDialog>(&control)) {
    dialog->SetGridSpace(form->Screen().GridSpace());
    dialog->SetGridVisible(form->Screen().GridVisible());
    form->SnapDialog().SetGridSize(form->Snap().GridSize());
  }
  TControl& target =
      current && current->Class() == ControlClass::kPTDialog && current->Parent() == &form->Screen()
          ? *current
          : form->Screen();

  WeakRef<TControl> before(current);
  state_.current_control.Reset(&control);
  TControl* attached =
      designer_.AttachPlacedControl(*form, std::move(read.control), target, *kind, kind->kind);
  if (!attached) {
    state_.current_control.Reset(before.Get());
    return;
  }
  // PalmForm follows the panel the control now lies on.
  attached->SetPalmForm(TakesPalmForm(state_.library, *kind) ? attached->Parent() : nullptr);
  designer_.Inspect(*form, *attached);
  form->MarkPictureDirty();
}

}  // namespace qb

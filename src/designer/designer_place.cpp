// Placing controls from the palette, and attaching controls made elsewhere.

#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/PTDialog.h"
#include "designer/designer.h"
#include "designer/menus.h"
#include "designer/placement.h"
#include "designer/selection.h"
#include "form/naming.h"
#include "form/shown_dialog.h"
#include "model/captions.h"
#include "model/font.h"
#include "model/text_util.h"

namespace qb {

namespace {

// A panel of the form that can hold controls: the screen panel or one of its dialogs.
TControl& HoldingPanel(TChildFrm& form, TControl& wanted) {
  if (wanted.Class() == ControlClass::kPTDialog && wanted.Parent() == &form.Screen()) return wanted;
  return form.Screen();
}

}  // namespace

std::string Designer::Prefix(const KindInfo& kind) const {
  return state_.short_names ? kind.short_prefix : kind.long_prefix;
}

bool Designer::ClaimName(TChildFrm& form, const std::string& name) {
  bool taken = !IsValidIdent(name) || form.FindControl(name) || IsReservedControlName(name, form);
  if (!taken) return true;
  ui_.MessageBox(kCaptionError, DuplicateNameMessage(state_.library), MsgIcon::kError, kMbOk,
                 kMbOk);
  return false;
}

TControl* Designer::Attach(TChildFrm& form, std::unique_ptr<TControl> control, TControl& parent,
                           const KindInfo& kind) {
  TControl* panel = &HoldingPanel(form, parent);
  if (kind.parent == ParentRule::kScreen) panel = &form.Screen();
  if (kind.parent == ParentRule::kDesignerWindow) panel = &form.Client();
  TControl* attached = panel->AddChild(std::move(control));
  attached->SetResizeNotification(true);
  if (auto* dialog = As<TPTDialog>(attached)) ShowDialog(form, *dialog);
  form.AppendToControlList(*attached, kind.kind);
  return attached;
}

TControl* Designer::AttachPlacedControl(TChildFrm& form, std::unique_ptr<TControl> control,
                                        TControl& parent, const KindInfo& kind,
                                        const std::string& prefix) {
  Bind(form);
  if (!control) return nullptr;
  std::string name = NextProjectControlName(prefix, form, state_, state_.control_counter);
  if (!ClaimName(form, name)) return nullptr;
  control->SetName(name);
  TControl* attached = Attach(form, std::move(control), parent, kind);
  RefreshChooser(form);
  return attached;
}

bool Designer::PlaceControl(TChildFrm& form, int x, int y, TControl& target) {
  const KindInfo* kind = KindForButton(state_.library, state_.pressed_button);
  const PlacementRule* rule = kind ? FindPlacementRule(*kind) : nullptr;
  if (!rule) return false;
  // One control per press of the button.
  state_.pressed_button = PaletteButton::kNone;
  ClearAllMarks(form);
  switch (rule->at) {
    case PlaceAt::kMenu:
      return PlaceMenu(form, *kind, *rule);
    case PlaceAt::kDialog:
      return PlaceDialog(form, *kind, *rule);
    case PlaceAt::kPanel:
    case PlaceAt::kPalm:
      break;
  }
  return PlaceOnPanel(form, x, y, target, *kind, *rule);
}

bool Designer::PlaceOnPanel(TChildFrm& form, int x, int y, TControl& target, const KindInfo& kind,
                            const PlacementRule& rule) {
  std::string name = NextProjectControlName(Prefix(kind), form, state_, state_.control_counter);
  if (!ClaimName(form, name)) return false;
  TControl& panel = HoldingPanel(form, target);
  std::unique_ptr<TControl> placed =
      MakePlacedControl(form, kind, rule, name, state_.control_color, {x, y}, panel);
  TControl* attached = Attach(form, std::move(placed), panel, kind);
  Inspect(form, *attached);
  return true;
}

bool Designer::PlaceDialog(TChildFrm& form, const KindInfo& kind, const PlacementRule& rule) {
  std::string name = NextProjectControlName(Prefix(kind), form, state_, state_.control_counter);
  if (!ClaimName(form, name)) return false;
  HideShownDialog(form);
  std::unique_ptr<TControl> dialog =
      MakePlacedControl(form, kind, rule, name, state_.control_color, {}, form.Screen());
  form.SnapDialog().SetGridSize(form.Snap().GridSize());
  TControl* attached = Attach(form, std::move(dialog), form.Screen(), kind);
  Inspect(form, *attached);
  return true;
}

bool Designer::PlaceMenu(TChildFrm& form, const KindInfo& kind, const PlacementRule& rule) {
  if (!FindMenuBar(form)) {
    std::string bar_name = MenuBarName(form, state_.short_names);
    if (!ClaimName(form, bar_name)) return false;
    auto bar = std::make_unique<TCCMenuBar>(&form.Document());
    bar->SetName(bar_name);
    bar->SetColor(state_.control_color);
    bar->SetBounds(form.Screen().Left(), form.Screen().Top(), bar->Width(), bar->Height());
    const KindInfo* bar_kind = KindForClass(state_.library, ControlClass::kCCMenuBar, kAnyTag);
    if (!bar_kind) return false;
    Attach(form, std::move(bar), form.Client(), *bar_kind);
  }
  std::string name = NextProjectControlName(Prefix(kind), form, state_, state_.control_counter);
  if (!ClaimName(form, name)) return false;
  std::unique_ptr<TControl> menu =
      MakePlacedControl(form, kind, rule, name, state_.control_color, {}, form.Client());
  TControl* attached = Attach(form, std::move(menu), form.Client(), kind);
  Inspect(form, *attached);
  if (auto* placed = As<TCCMenu>(attached)) {
    placed->SetTest(1);
    OpenMenu(form, *placed);
  }
  return true;
}

}  // namespace qb

#include "pt_builder.h"

#include "form/shown_dialog.h"
#include "model/font.h"

namespace qb::test::pt {

namespace {

constexpr int kPlacedHeight = 13;

// Parent, name, white background, standard font and (except Field and Dialog) the panel
// whose colours it takes.
template <typename T>
T& Attach(TChildFrm& form, TControl& panel, const std::string& name, bool text, bool palm_form) {
  auto control = std::make_unique<T>(&form);
  control->SetName(name);
  control->SetColor(kWhite);
  if (text) control->SetFontName(kPilotStandard);
  if (palm_form) control->SetPalmForm(&panel);
  return static_cast<T&>(*panel.AddChild(std::move(control)));
}

void At(TControl& c, int x, int y) {
  c.SetLeft(x);
  c.SetTop(y);
}

void PalmAt(TControl& c, int x, int y) {
  c.SetUserLeft(x);
  c.SetUserTop(y);
}

}  // namespace

std::unique_ptr<TChildFrm> NewForm(const std::string& name, const std::string& title) {
  auto form = std::make_unique<TChildFrm>();
  form->SetName(name);
  form->Screen().SetTitle(title);
  return form;
}

TPTButton& PlaceButton(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& b = Attach<TPTButton>(form, panel, name, true, true);
  PalmAt(b, x, y);
  b.SetUserHeight(kPlacedHeight);
  b.SetUserWidth(42);
  b.SetText(name);
  b.SetShowForm("(None)");
  return b;
}

TCCButton& PlaceSelect(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& s = Attach<TCCButton>(form, panel, name, true, true);
  PalmAt(s, x, y);
  s.SetUserHeight(kPlacedHeight);
  s.SetUserWidth(34);
  s.SetContent(name);
  s.SetRadius(0);
  s.SetLine(2);
  s.SetAlignment(TextAlign::kLeft);
  s.SetTag(kSelectTag);
  s.SetShowForm("(None)");
  s.SetDOTTitle("Select...");
  return s;
}

TCCSwitch& PlacePush(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& p = Attach<TCCSwitch>(form, panel, name, true, true);
  At(p, x, y);
  p.SetUserHeight(kPlacedHeight);
  p.SetContent(name);
  p.SetTag(0);
  return p;
}

TPTLabel& PlaceLabel(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& l = Attach<TPTLabel>(form, panel, name, true, true);
  At(l, x, y);
  l.SetContent(name);
  return l;
}

TPTEdit& PlaceField(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& f = Attach<TPTEdit>(form, panel, name, true, false);
  At(f, x, y);
  f.SetText("Field");
  f.SetMaxChars(20);
  return f;
}

TPTCheckbox& PlaceCheckBox(TChildFrm& form, TControl& panel, const std::string& name, int x,
                           int y) {
  auto& c = Attach<TPTCheckbox>(form, panel, name, true, true);
  At(c, x, y);
  c.SetHeight(15);
  c.SetContent(name);
  c.SetGroupNumber(0);
  return c;
}

TPTList& PlaceList(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& l = Attach<TPTList>(form, panel, name, true, true);
  At(l, x, y);
  l.SetMaxItems(2);
  l.SetItems({"One", "Two", "Three"});
  l.SetTrigger("(None)");
  return l;
}

TPTPopTrigger& PlacePopTrigger(TChildFrm& form, TControl& panel, const std::string& name, int x,
                               int y) {
  auto& p = Attach<TPTPopTrigger>(form, panel, name, true, true);
  At(p, x, y);
  p.SetHeight(15);
  return p;
}

TCCRadio& PlaceRadio(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& r = Attach<TCCRadio>(form, panel, name, true, true);
  At(r, x, y);
  r.SetUserHeight(kPlacedHeight);
  r.SetTag(1);
  r.SetItems({"A", "B", "C"});
  return r;
}

TCCBitmap& PlaceBitmap(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& b = Attach<TCCBitmap>(form, panel, name, false, true);
  At(b, x, y);
  b.SetStringBits("");
  return b;
}

TPTGsi& PlaceGsi(TChildFrm& form, TControl& panel, const std::string& name, int x, int y) {
  auto& g = Attach<TPTGsi>(form, panel, name, false, true);
  At(g, x, y);
  return g;
}

TPTDialog& PlaceDialog(TChildFrm& form, const std::string& name) {
  HideShownDialog(form);
  auto& d = Attach<TPTDialog>(form, form.Screen(), name, false, false);
  d.SetUserTop(60);
  d.SetUserLeft(5);
  d.SetUserHeight(80);
  d.SetUserWidth(152);
  d.SetGridSpace(form.Screen().GridSpace());
  d.SetGridVisible(form.Screen().GridVisible());
  ShowDialog(form, d);
  return d;
}

}  // namespace qb::test::pt

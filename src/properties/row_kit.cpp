#include "properties/row_kit.h"

#include "form/ChildFor.h"
#include "form/hub.h"
#include "form/shown_dialog.h"
#include "model/captions.h"
#include "model/ui.h"
#include "properties/frmProperties.h"
#include "properties/row_names.h"

namespace qb::rowkit {

RowSpec MarkerRow(const char* name, std::string text) {
  return {name, [text](const TControl&, const RowEnv&) { return text; }, nullptr};
}

RowSpec IntRow(const PropertyBinding& b) {
  return {b.row, [&b](const TControl& c, const RowEnv&) { return IntegerText(b.get_int(c)); },
          [&b](TControl& c, const std::string& text, RowEnv&) {
            int value = ParseInteger(text);
            b.set_int(c, value);
          },
          &b};
}

RowSpec TextRow(const PropertyBinding& b) {
  return {b.row, [&b](const TControl& c, const RowEnv&) { return b.get_text(c); },
          [&b](TControl& c, const std::string& text, RowEnv&) { b.set_text(c, text); }, &b};
}

RowSpec ColorRow(const PropertyBinding& b) {
  return {
      b.row, [&b](const TControl& c, const RowEnv&) { return ColorName(b.get_color(c)); },
      [&b](TControl& c, const std::string& text, RowEnv&) { b.set_color(c, ColorFromName(text)); },
      &b};
}

RowSpec WordsRow(const PropertyBinding& b, vocab::Words words) {
  return {b.row,
          [&b, words](const TControl& c, const RowEnv&) {
            return vocab::WordText(words, b.get_int(c));
          },
          [&b, words](TControl& c, const std::string& text, RowEnv&) {
            if (auto value = vocab::WordValue(words, text)) b.set_int(c, *value);
          },
          &b};
}

RowSpec FlagRow(const PropertyBinding& b, const vocab::FlagWords& flag) {
  return {
      b.row,
      [&b, &flag](const TControl& c, const RowEnv&) { return vocab::FlagText(flag, b.get_int(c)); },
      [&b, &flag](TControl& c, const std::string& text, RowEnv&) {
        if (auto value = vocab::FlagValue(flag, text)) b.set_int(c, *value);
      },
      &b};
}

RowSpec SpecialRow(const PropertyBinding& b,
                   std::function<std::string(const TControl&, const RowEnv&)> show,
                   std::function<void(TControl&, const std::string&, RowEnv&)> apply) {
  return {b.row, std::move(show), std::move(apply), &b};
}

RowSpec ItemsRow(const PropertyBinding& b) {
  RowSpec row = ItemsRow();
  row.binding = &b;
  return row;
}

RowSpec BitmapRow(const PropertyBinding& b) {
  RowSpec row = BitmapRow();
  row.binding = &b;
  return row;
}

RowSpec FormColorRow(const PropertyBinding& b) {
  return {b.row,
          [&b](const TControl&, const RowEnv& env) {
            TCCForm* screen = ScreenOf(env);
            return screen ? ColorName(b.get_color(*screen)) : std::string();
          },
          [&b](TControl&, const std::string& text, RowEnv& env) {
            if (TCCForm* screen = ScreenOf(env)) b.set_color(*screen, ColorFromName(text));
          },
          &b};
}

RowSpec ItemsRow() { return MarkerRow(rows::kItems, vocab::Bracketed(rows::kItems)); }

RowSpec BitmapRow() { return MarkerRow(rows::kBitmap, vocab::Bracketed(rows::kBitmap)); }

RowSpec FontRow() {
  return {rows::kFont, [](const TControl& c, const RowEnv&) { return FontLabel(c.Font().name); },
          [](TControl& c, const std::string& text, RowEnv&) {
            c.SetFontName(FontNameFromLabel(text));
          }};
}

RowSpec NameRow() {
  return {rows::kName, [](const TControl& c, const RowEnv&) { return c.Name(); },
          [](TControl& c, const std::string& text, RowEnv& env) {
            CheckComponentName(env.window, c, text);
            c.SetName(text);
          }};
}

namespace {

constexpr const char* kAxisRows[] = {rows::kLeft, rows::kTop, rows::kWidth, rows::kHeight};

const char* RowOf(Axis axis) { return kAxisRows[static_cast<int>(axis)]; }

CoordSet SetOf(const CoordSets& sets, Axis axis) {
  switch (axis) {
    case Axis::kLeft:
    case Axis::kTop:
      return sets.left_top;
    case Axis::kWidth:
      return sets.width;
    case Axis::kHeight:
      return sets.height;
  }
  return CoordSet::kNone;
}

// A menu's left is shown from the screen panel's left edge in the window.
int MenuShift(Axis axis, CoordSet set) {
  return axis == Axis::kLeft && set == CoordSet::kMenuLeft ? TChildFrm::kScreenLeft : 0;
}

int CoordValue(const TControl& c, Axis axis, CoordSet set) {
  if (set == CoordSet::kPanel) return Coordinate(c, axis, CoordSystem::kPanel);
  return Coordinate(c, axis, CoordSystem::kPalm) - MenuShift(axis, set);
}

void SetCoordValue(TControl& c, Axis axis, CoordSet set, int v) {
  if (set == CoordSet::kPanel)
    SetCoordinate(c, axis, CoordSystem::kPanel, v);
  else
    SetCoordinate(c, axis, CoordSystem::kPalm, v + MenuShift(axis, set));
}

// A size above the kind's limit is reported, shown as the limit and applied as the limit.
int HeldToLimit(Axis axis, int value, RowEnv& env) {
  const SizeLimit* limit = env.kind.limit;
  bool sized = axis == Axis::kWidth || axis == Axis::kHeight;
  if (!limit || !sized || value <= limit->max) return value;
  const char* message = axis == Axis::kWidth ? limit->width_message : limit->height_message;
  env.ctx.ui.MessageBox(kCaptionError, message, MsgIcon::kError, kMbOk, kMbOk);
  env.ctx.inspector.SetCellTextOf(RowOf(axis), IntegerText(limit->max));
  return limit->max;
}

}  // namespace

RowSpec CoordRow(Axis axis) {
  return {RowOf(axis),
          [axis](const TControl& c, const RowEnv& env) {
            CoordSet set = SetOf(env.kind.coords, axis);
            return set == CoordSet::kNone ? std::string() : IntegerText(CoordValue(c, axis, set));
          },
          [axis](TControl& c, const std::string& text, RowEnv& env) {
            CoordSet set = SetOf(env.kind.coords, axis);
            if (set == CoordSet::kNone) return;
            int value = HeldToLimit(axis, ParseInteger(text), env);
            SetCoordValue(c, axis, set, value);
          }};
}

RowSpec DialogTestRow() {
  return {
      rows::kTest,
      [](const TControl& c, const RowEnv&) { return vocab::FlagText(vocab::kShownFlag, c.Tag()); },
      [](TControl& c, const std::string& text, RowEnv& env) {
        auto& dialog = Of<TPTDialog>(c);
        if (!env.window) return;
        if (text == vocab::kYes) {
          // The form takes it as its shown dialog and as snapDialog's working area, so that
          // releases on it place controls into it and its controls can be dragged.
          ShowDialog(*env.window, dialog);
        } else if (env.window->ShownDialog() == &dialog) {
          HideShownDialog(*env.window);
        } else if (dialog.IsShown()) {
          // Marked shown without being the form's shown dialog: hide it all the same.
          dialog.SetTag(0);
          dialog.SetSelected(false);
          dialog.SetVisible(false);
        }
      }};
}

TCCForm* ScreenOf(const RowEnv& env) { return env.window ? &env.window->Screen() : nullptr; }

RowSpec FormNameRow() {
  return {rows::kName,
          [](const TControl&, const RowEnv& env) {
            return env.window ? env.window->Name() : std::string();
          },
          [](TControl&, const std::string& text, RowEnv& env) {
            if (env.window) env.window->SetName(text);
          }};
}

RowSpec FormTitleRow() {
  return {rows::kTitle,
          [](const TControl&, const RowEnv& env) {
            TCCForm* screen = ScreenOf(env);
            return screen ? screen->Title() : std::string();
          },
          [](TControl&, const std::string& text, RowEnv& env) {
            if (TCCForm* screen = ScreenOf(env)) screen->SetTitle(text);
          }};
}

}  // namespace qb::rowkit

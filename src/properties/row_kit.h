#pragma once

// Builders for the rows of the kind tables. Each builder is given the class the table entry
// is for, so that its accessors can be named directly: TextRow<TCCButton>(rows::kContent,
// &TCCButton::Content, &TCCButton::SetContent).

#include <string>

#include "controls/CCForm.h"
#include "controls/coordinates.h"
#include "controls/property_binding.h"
#include "model/datamod.h"
#include "properties/property_sheet.h"
#include "properties/rule_support.h"
#include "properties/vocab.h"

namespace qb::rowkit {

template <typename T>
const T& Of(const TControl& c) {
  return static_cast<const T&>(c);
}
template <typename T>
T& Of(TControl& c) {
  return static_cast<T&>(c);
}

template <typename T, typename Get, typename Set>
RowSpec TextRow(const char* name, Get get, Set set) {
  return {name, [get](const TControl& c, const RowEnv&) { return std::string((Of<T>(c).*get)()); },
          [set](TControl& c, const std::string& text, RowEnv&) { (Of<T>(c).*set)(text); }};
}

template <typename T, typename Get, typename Set>
RowSpec IntRow(const char* name, Get get, Set set) {
  return {name, [get](const TControl& c, const RowEnv&) { return IntegerText((Of<T>(c).*get)()); },
          [set](TControl& c, const std::string& text, RowEnv&) {
            int value = ParseInteger(text);
            (Of<T>(c).*set)(value);
          }};
}

// Index = stored value; other text changes nothing; a value outside shows an empty cell.
template <typename T, typename Get, typename Set>
RowSpec WordsRow(const char* name, Get get, Set set, vocab::Words words) {
  return {name,
          [get, words](const TControl& c, const RowEnv&) {
            return vocab::WordText(words, static_cast<int>((Of<T>(c).*get)()));
          },
          [set, words](TControl& c, const std::string& text, RowEnv&) {
            if (auto value = vocab::WordValue(words, text)) (Of<T>(c).*set)(*value);
          }};
}

template <typename T, typename Get, typename Set>
RowSpec FlagRow(const char* name, Get get, Set set, const vocab::FlagWords& flag) {
  return {name,
          [get, &flag](const TControl& c, const RowEnv&) {
            return vocab::FlagText(flag, (Of<T>(c).*get)());
          },
          [set, &flag](TControl& c, const std::string& text, RowEnv&) {
            if (auto value = vocab::FlagValue(flag, text)) (Of<T>(c).*set)(*value);
          }};
}

// One of the sixteen colour names; an unnamed colour shows empty, an unknown name gives Black.
template <typename T, typename Get, typename Set>
RowSpec ColorRow(const char* name, Get get, Set set) {
  return {name, [get](const TControl& c, const RowEnv&) { return ColorName((Of<T>(c).*get)()); },
          [set](TControl& c, const std::string& text, RowEnv&) {
            (Of<T>(c).*set)(ColorFromName(text));
          }};
}

// Rows of bound properties, named after the binding's row.
RowSpec IntRow(const PropertyBinding& b);
RowSpec TextRow(const PropertyBinding& b);
RowSpec ColorRow(const PropertyBinding& b);
RowSpec WordsRow(const PropertyBinding& b, vocab::Words words);
RowSpec FlagRow(const PropertyBinding& b, const vocab::FlagWords& flag);
// The bound property's own show and apply under the binding's row.
RowSpec SpecialRow(const PropertyBinding& b,
                   std::function<std::string(const TControl&, const RowEnv&)> show,
                   std::function<void(TControl&, const std::string&, RowEnv&)> apply);
// "(Items)" / "(Bitmap)": the list or picture is changed in its editor.
RowSpec ItemsRow(const PropertyBinding& b);
RowSpec BitmapRow(const PropertyBinding& b);
// A colour of the form, carried by its screen panel.
RowSpec FormColorRow(const PropertyBinding& b);

// A row that always shows the same text and that only a separate editor changes.
RowSpec MarkerRow(const char* name, std::string text);
// "(Items)" / "(Bitmap)".
RowSpec ItemsRow();
RowSpec BitmapRow();
RowSpec FontRow();
// Renames the control after the name checks.
RowSpec NameRow();

using Axis = CoordAxis;
// A position or size row in the coordinate set the kind table gives for it.
RowSpec CoordRow(Axis axis);
// "Yes" makes the dialog its form's shown dialog; any other text hides it when it is shown.
RowSpec DialogTestRow();

// Rows of the form itself, acting on the window and its screen panel.
RowSpec FormNameRow();
RowSpec FormTitleRow();
TCCForm* ScreenOf(const RowEnv& env);

template <typename Get, typename Set>
RowSpec FormColorRow(const char* name, Get get, Set set) {
  return {name,
          [get](const TControl&, const RowEnv& env) {
            TCCForm* screen = ScreenOf(env);
            return screen ? ColorName((screen->*get)()) : std::string();
          },
          [set](TControl&, const std::string& text, RowEnv& env) {
            if (TCCForm* screen = ScreenOf(env)) (screen->*set)(ColorFromName(text));
          }};
}

}  // namespace qb::rowkit

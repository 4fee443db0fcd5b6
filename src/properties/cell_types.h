#pragma once

// How the inspector edits a row and which texts it passes on, decided by the row name alone.

#include <string_view>

namespace qb {

enum class CellType {
  kTyped,     // the grid's own cell editor; each change is applied
  kItems,     // the "(Items)" button editor
  kContent,   // the "(Content)" button editor over a picture
  kColors,    // the "(Content)" button editor over a Select's picker colours
  kPickList,  // a drop-down list of the row's words
};

// The row's cell type. The lists are matched by plain substring tests, so "ForeColor" is a
// pick-list row (inside "HighlightForeColor") and "Topic" a typed one (inside "TopicWidth").
CellType TipoCelda(std::string_view row);

// Whether a text is passed on to the rules. Numeric rows (again a substring test, which
// makes "Topic" and "Items" numeric too) refuse the empty text and a lone "-", the
// intermediate states of typing a number.
bool ValorOK(std::string_view row, std::string_view text);

}  // namespace qb

// Every per-kind table of each library has exactly one entry for every kind of that library's
// catalogue, and none for a kind of the other library: a kind added to the catalogue and
// forgotten in a table fails here rather than on a user's form.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "controls/property_binding.h"
#include "controls/schema.h"
#include "designer/layout_commands.h"
#include "designer/placement.h"
#include "model/kinds.h"
#include "properties/ccrules.h"
#include "properties/ptrules.h"

namespace qb {
namespace {

// How often each kind appears in one table.
using Entries = std::map<KindId, int>;

struct Table {
  const char* name;
  Entries (*entries)(LibraryId lib);
  // Whether the table must list a kind; a kind it may leave out must then be absent.
  bool (*lists)(const KindInfo& kind);
};

bool Every(const KindInfo&) { return true; }
bool OnThePalette(const KindInfo& kind) { return kind.button != PaletteButton::kNone; }

Entries FileKeys(LibraryId lib) {
  Entries e;
  for (const KindSchema& k : LibrarySchemaOf(lib).kinds) ++e[k.kind];
  return e;
}

Entries Placement(LibraryId lib) {
  Entries e;
  for (const PlacementRule& rule : PlacementRules(lib)) ++e[rule.kind];
  return e;
}

Entries InspectorRows(LibraryId lib) {
  Entries e;
  const auto& tables = lib == LibraryId::kCControls ? CCRules::Tables() : PTRules::Tables();
  for (const KindTable& table : tables) ++e[table.kind];
  return e;
}

// The form's own entry is checked below.
Entries BoundProperties(LibraryId lib) {
  Entries e;
  for (const KindBindings& k : LibraryBindings(lib))
    if (k.kind != KindId::kForm) ++e[k.kind];
  return e;
}

Entries LayoutCoordinates(LibraryId lib) {
  Entries e;
  for (const LayoutKindRow& row : LayoutTable(lib))
    for (KindId id : row.kinds) ++e[id];
  return e;
}

const Table kTables[] = {
    {"bound properties", BoundProperties, Every},     {"form file keys", FileKeys, Every},
    {"placement", Placement, OnThePalette},           {"inspector rows", InspectorRows, Every},
    {"layout coordinates", LayoutCoordinates, Every},
};

TEST(KindTables, EveryTableCoversEveryKindOfItsLibraryOnce) {
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    for (const Table& table : kTables) {
      SCOPED_TRACE(std::string(LibraryListName(lib)) + " " + table.name);
      Entries entries = table.entries(lib);
      std::size_t listed = 0;
      for (const KindInfo& kind : KindsOf(lib)) {
        const int expected = table.lists(kind) ? 1 : 0;
        EXPECT_EQ(entries[kind.id], expected) << kind.kind;
        listed += static_cast<std::size_t>(expected);
      }
      // Nothing else: no kind of the other library, not the form.
      std::size_t present = 0;
      for (const auto& [id, count] : entries) present += count > 0 ? 1 : 0;
      EXPECT_EQ(present, listed);
    }
  }
}

TEST(KindTables, EveryKindIdNamesOneCatalogueEntry) {
  std::map<KindId, int> seen;
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib})
    for (const KindInfo& kind : KindsOf(lib)) {
      EXPECT_EQ(kind.library, lib) << kind.kind;
      EXPECT_EQ(FindKind(kind.id), &kind) << kind.kind;
      ++seen[kind.id];
    }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(KindId::kForm));
  EXPECT_EQ(FindKind(KindId::kForm), nullptr);
  EXPECT_EQ(CCRules::FormTable().kind, KindId::kForm);
  EXPECT_EQ(PTRules::FormTable().kind, KindId::kForm);
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    int forms = 0;
    for (const KindBindings& k : LibraryBindings(lib)) forms += k.kind == KindId::kForm ? 1 : 0;
    EXPECT_EQ(forms, 1) << LibraryListName(lib);
  }
}

}  // namespace
}  // namespace qb

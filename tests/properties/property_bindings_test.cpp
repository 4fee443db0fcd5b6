// Each bound property is named once: its getter and setter reach one member of every kind that
// lists it, and the form-file keys, the inspector rows and placement of a kind use exactly the
// bindings listed for it.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "controls/factory.h"
#include "controls/property_binding.h"
#include "controls/schema.h"
#include "designer/placement.h"
#include "form/ChildFor.h"
#include "model/kinds.h"
#include "properties/ccrules.h"
#include "properties/ptrules.h"

namespace qb {
namespace {

constexpr LibraryId kLibraries[] = {LibraryId::kCControls, LibraryId::kPToolboxLib};

std::string Where(LibraryId lib, KindId kind) {
  const KindInfo* info = FindKind(kind);
  return std::string(LibraryListName(lib)) + " " + (info ? info->kind : "the form");
}

ControlClass ClassOf(KindId kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->cls : ControlClass::kCCForm;
}

// Values of the binding's types, each differing from the value set before it and from the
// control's current value, so that a setter that does not reach the getter's member is caught.
struct Values {
  int next_int = 1;
  Color next_color = 1;
  int next_text = 0;
};

void SetDistinct(const PropertyBinding& b, TControl& c, Values& v, std::string* expected) {
  switch (b.type) {
    case ValueType::kInt: {
      if (b.get_int(c) == v.next_int) ++v.next_int;
      int value = v.next_int++;
      b.set_int(c, value);
      *expected = std::to_string(value);
      break;
    }
    case ValueType::kColor: {
      if (b.get_color(c) == v.next_color) ++v.next_color;
      Color value = v.next_color++;
      b.set_color(c, value);
      *expected = std::to_string(value);
      break;
    }
    case ValueType::kText: {
      // Texts that every bound text takes as it is: picture rows of 0 and 1, colour names.
      static const char* const kTexts[] = {"0110", "Red,Lime,Blue,Navy,Teal,Olive,Gray", "Qz",
                                           "1001", "Yy"};
      if (b.get_text(c) == kTexts[v.next_text % 5]) ++v.next_text;
      std::string value = kTexts[v.next_text++ % 5];
      b.set_text(c, value);
      *expected = value;
      break;
    }
    case ValueType::kList: {
      StringList value = {"p" + std::to_string(v.next_int), "q", "r", "s"};
      ++v.next_int;
      b.set_list(c, value);
      *expected = value.front() + "," + std::to_string(value.size());
      break;
    }
  }
}

std::string Read(const PropertyBinding& b, const TControl& c) {
  switch (b.type) {
    case ValueType::kInt:
      return std::to_string(b.get_int(c));
    case ValueType::kColor:
      return std::to_string(b.get_color(c));
    case ValueType::kText:
      return b.get_text(c);
    case ValueType::kList: {
      StringList list = b.get_list(c);
      return list.empty() ? std::string() : list.front() + "," + std::to_string(list.size());
    }
  }
  return {};
}

// Each value is read back right after it is set: some setters change another property on
// purpose (a list's trigger sets its style).
TEST(PropertyBindings, EachRoundTripsOnEveryKindThatListsIt) {
  int checked = 0;
  for (LibraryId lib : kLibraries) {
    for (const KindBindings& kind : LibraryBindings(lib)) {
      SCOPED_TRACE(Where(lib, kind.kind));
      std::unique_ptr<TControl> control = CreateControl(ClassOf(kind.kind), nullptr);
      ASSERT_NE(control, nullptr);
      Values values;
      for (const PropertyBinding* b : kind.bindings) {
        std::string before = Read(*b, *control);
        std::string expected;
        SetDistinct(*b, *control, values, &expected);
        EXPECT_NE(before, expected) << b->key << ": the value set must be a change";
        EXPECT_EQ(Read(*b, *control), expected) << b->key;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 80);
}

// Two bindings of one kind reaching the same member would write one value under two keys.
TEST(PropertyBindings, NoTwoBindingsOfAKindReachOneMember) {
  for (LibraryId lib : kLibraries) {
    for (const KindBindings& kind : LibraryBindings(lib)) {
      std::set<const void*> getters;
      std::set<std::string> keys;
      std::set<std::string> rows;
      for (const PropertyBinding* b : kind.bindings) {
        const void* getter = b->get_int     ? reinterpret_cast<const void*>(b->get_int)
                             : b->get_color ? reinterpret_cast<const void*>(b->get_color)
                             : b->get_text  ? reinterpret_cast<const void*>(b->get_text)
                                            : reinterpret_cast<const void*>(b->get_list);
        EXPECT_TRUE(getters.insert(getter).second) << Where(lib, kind.kind) << " " << b->key;
        EXPECT_TRUE(keys.insert(b->key).second) << Where(lib, kind.kind) << " " << b->key;
        EXPECT_TRUE(rows.insert(b->row).second) << Where(lib, kind.kind) << " " << b->row;
      }
    }
  }
}

// How often each binding is referred to.
using Uses = std::map<const PropertyBinding*, int>;

std::set<const PropertyBinding*> Listed(LibraryId lib, KindId kind, bool shown_only) {
  std::set<const PropertyBinding*> out;
  for (const PropertyBinding* b : BindingsOf(lib, kind))
    if (!shown_only || b->shown) out.insert(b);
  return out;
}

std::set<const PropertyBinding*> Once(const Uses& uses) {
  std::set<const PropertyBinding*> out;
  for (const auto& [binding, count] : uses) {
    EXPECT_EQ(count, 1) << binding->key;
    out.insert(binding);
  }
  return out;
}

std::string Names(const std::set<const PropertyBinding*>& bindings) {
  std::string out;
  for (const PropertyBinding* b : bindings) out += std::string(b->key) + " ";
  return out;
}

Uses FileKeyUses(const std::vector<const PropertyBinding*>& keys) {
  Uses uses;
  for (const PropertyBinding* k : keys) {
    if (k->member) continue;
    ++uses[k];
  }
  return uses;
}

Uses RowUses(const KindTable& table) {
  Uses uses;
  for (const RowSpec& row : table.rows) {
    if (!row.binding) continue;
    EXPECT_STREQ(row.name, row.binding->row);
    ++uses[row.binding];
  }
  return uses;
}

const KindTable* InspectorTable(LibraryId lib, KindId kind) {
  if (kind == KindId::kForm)
    return lib == LibraryId::kCControls ? &CCRules::FormTable() : &PTRules::FormTable();
  const auto& tables = lib == LibraryId::kCControls ? CCRules::Tables() : PTRules::Tables();
  for (const KindTable& table : tables)
    if (table.kind == kind) return &table;
  return nullptr;
}

std::vector<KindId> KindsAndForm(LibraryId lib) {
  std::vector<KindId> out;
  for (const KindInfo& kind : KindsOf(lib)) out.push_back(kind.id);
  out.push_back(KindId::kForm);
  return out;
}

TEST(PropertyBindings, FileKeysOfEachKindAreExactlyItsBindings) {
  for (LibraryId lib : kLibraries) {
    const LibrarySchema& layout = LibrarySchemaOf(lib);
    for (KindId kind : KindsAndForm(lib)) {
      SCOPED_TRACE(Where(lib, kind));
      const std::vector<const PropertyBinding*>* keys = &layout.form_keys;
      if (kind != KindId::kForm) {
        const KindSchema* kind_layout = layout.Find(kind);
        ASSERT_NE(kind_layout, nullptr);
        keys = &kind_layout->keys;
      }
      std::set<const PropertyBinding*> used = Once(FileKeyUses(*keys));
      std::set<const PropertyBinding*> listed = Listed(lib, kind, false);
      EXPECT_EQ(used, listed) << "keys: " << Names(used) << "\nlisted: " << Names(listed);
    }
  }
}

TEST(PropertyBindings, InspectorRowsOfEachKindAreExactlyItsShownBindings) {
  for (LibraryId lib : kLibraries) {
    for (KindId kind : KindsAndForm(lib)) {
      SCOPED_TRACE(Where(lib, kind));
      const KindTable* table = InspectorTable(lib, kind);
      ASSERT_NE(table, nullptr);
      std::set<const PropertyBinding*> used = Once(RowUses(*table));
      std::set<const PropertyBinding*> listed = Listed(lib, kind, true);
      EXPECT_EQ(used, listed) << "rows: " << Names(used) << "\nlisted: " << Names(listed);
    }
  }
}

// A row a binding does not show must not be there under its name either.
TEST(PropertyBindings, UnshownBindingsHaveNoRowOfTheirName) {
  int unshown = 0;
  for (LibraryId lib : kLibraries) {
    for (KindId kind : KindsAndForm(lib)) {
      const KindTable* table = InspectorTable(lib, kind);
      ASSERT_NE(table, nullptr);
      for (const PropertyBinding* b : BindingsOf(lib, kind)) {
        if (b->shown) continue;
        ++unshown;
        EXPECT_EQ(table->IndexOf(b->row), -1) << Where(lib, kind) << " " << b->row;
      }
    }
  }
  EXPECT_EQ(unshown, 2);  // the check box's text colour, the table's column count
}

TEST(PropertyBindings, PlacedControlsStartWithTheDefaultsOfPlacedBindings) {
  int placed = 0;
  for (LibraryId lib : kLibraries) {
    for (const KindInfo& kind : KindsOf(lib)) {
      const PlacementRule* rule = FindPlacementRule(kind);
      if (!rule) {
        for (const PropertyBinding* b : BindingsOf(lib, kind.id))
          EXPECT_FALSE(b->placed) << kind.kind << " is not placed, yet " << b->key << " is";
        continue;
      }
      TChildFrm form;
      std::unique_ptr<TControl> control =
          MakePlacedControl(form, kind, *rule, "Placed1", kWhite, {20, 30}, form.Screen());
      for (const PropertyBinding* b : BindingsOf(lib, kind.id)) {
        if (!b->placed) continue;
        SCOPED_TRACE(Where(lib, kind.id) + " " + b->key);
        ++placed;
        if (b->type == ValueType::kText)
          EXPECT_EQ(b->get_text(*control), b->text_default);
        else
          EXPECT_EQ(Read(*b, *control), std::to_string(b->int_default));
      }
    }
  }
  EXPECT_GE(placed, 15);
}

}  // namespace
}  // namespace qb

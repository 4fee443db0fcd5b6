#include "controls/property_binding.h"

#include "controls/schema.h"

namespace qb {

void ApplyDefault(const PropertyBinding& b, TControl& control) {
  switch (b.type) {
    case ValueType::kInt:
      b.set_int(control, b.int_default);
      break;
    case ValueType::kColor:
      b.set_color(control, static_cast<Color>(b.int_default));
      break;
    case ValueType::kText:
      b.set_text(control, b.text_default);
      break;
    case ValueType::kList:
      break;
  }
}

namespace {

// The bound properties of each kind are those among its form-file keys.
std::vector<KindBindings> BoundInSchema(LibraryId lib) {
  std::vector<KindBindings> out;
  auto bound = [](const std::vector<const PropertyBinding*>& keys) {
    std::vector<const PropertyBinding*> b;
    for (const PropertyBinding* k : keys)
      if (!k->member) b.push_back(k);
    return b;
  };
  const LibrarySchema& schema = LibrarySchemaOf(lib);
  for (const KindSchema& kind : schema.kinds) out.push_back({kind.kind, bound(kind.keys)});
  out.push_back({KindId::kForm, bound(schema.form_keys)});
  return out;
}

}  // namespace

const std::vector<KindBindings>& LibraryBindings(LibraryId lib) {
  static const std::vector<KindBindings> kCControls = BoundInSchema(LibraryId::kCControls);
  static const std::vector<KindBindings> kPToolbox = BoundInSchema(LibraryId::kPToolboxLib);
  return lib == LibraryId::kCControls ? kCControls : kPToolbox;
}

const std::vector<const PropertyBinding*>& BindingsOf(LibraryId lib, KindId kind) {
  static const std::vector<const PropertyBinding*> kNone;
  for (const KindBindings& k : LibraryBindings(lib))
    if (k.kind == kind) return k.bindings;
  return kNone;
}

}  // namespace qb

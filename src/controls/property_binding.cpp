#include "controls/property_binding.h"

#include "controls/cc_bindings.h"
#include "controls/pt_bindings.h"

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

const std::vector<KindBindings>& LibraryBindings(LibraryId lib) {
  return lib == LibraryId::kCControls ? ccbind::Kinds() : ptbind::Kinds();
}

const std::vector<const PropertyBinding*>& BindingsOf(LibraryId lib, KindId kind) {
  static const std::vector<const PropertyBinding*> kNone;
  for (const KindBindings& k : LibraryBindings(lib))
    if (k.kind == kind) return k.bindings;
  return kNone;
}

}  // namespace qb

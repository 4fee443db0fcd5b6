// A control's section that names only its kind reads with every bound property at the
// binding's default, whatever the order its keys are applied in.

#include <gtest/gtest.h>

#include <string>

#include "controls/property_binding.h"
#include "form/ChildFor.h"
#include "form/app_state.h"
#include "form/form_file.h"
#include "model/kinds.h"

namespace qb {
namespace {

TEST(BoundDefaults, AMissingKeyReadsAsTheBindingsDefault) {
  int checked = 0;
  for (LibraryId lib : {LibraryId::kCControls, LibraryId::kPToolboxLib}) {
    for (const KindInfo& kind : KindsOf(lib)) {
      SCOPED_TRACE(std::string(LibraryListName(lib)) + " " + kind.kind);
      TChildFrm form;
      form.SetName("Form1");
      AppState state;
      IniFile ini;
      ini.Parse("[X]\nControl=" + std::string(kind.kind) + "\nName=X\n");
      ReadFormFromIni(lib, form, ini, state);
      const TControl* control = nullptr;
      for (const auto& child : form.Screen().Children()) control = child.get();
      for (const auto& child : form.Client().Children())
        if (child.get() != &form.Screen()) control = child.get();
      ASSERT_NE(control, nullptr);
      ASSERT_EQ(control->Class(), kind.cls);
      for (const PropertyBinding* b : BindingsOf(lib, kind.id)) {
        switch (b->type) {
          case ValueType::kInt:
            EXPECT_EQ(b->get_int(*control), b->int_default) << b->key;
            break;
          case ValueType::kColor:
            EXPECT_EQ(b->get_color(*control), static_cast<Color>(b->int_default)) << b->key;
            break;
          case ValueType::kText:
            EXPECT_EQ(b->get_text(*control), b->text_default) << b->key;
            break;
          case ValueType::kList:
            continue;  // a list without its keys keeps what the control had
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 70);
}

}  // namespace
}  // namespace qb

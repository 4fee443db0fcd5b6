#include "controls/factory.h"

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCForm.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTGsi.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"

namespace qb {

std::unique_ptr<TControl> CreateControl(ControlClass cls, ControlOwner* owner) {
  using C = ControlClass;
  switch (cls) {
    case C::kCCForm:
      return std::make_unique<TCCForm>(owner);
    case C::kCCButton:
      return std::make_unique<TCCButton>(owner);
    case C::kCCSwitch:
      return std::make_unique<TCCSwitch>(owner);
    case C::kCCCheckbox:
      return std::make_unique<TCCCheckbox>(owner);
    case C::kCCLabel:
      return std::make_unique<TCCLabel>(owner);
    case C::kCCEdit:
      return std::make_unique<TCCEdit>(owner);
    case C::kCCListBox:
      return std::make_unique<TCCListBox>(owner);
    case C::kCCRadio:
      return std::make_unique<TCCRadio>(owner);
    case C::kCCDropDown:
      return std::make_unique<TCCDropDown>(owner);
    case C::kCCPopUp:
      return std::make_unique<TCCPopUp>(owner);
    case C::kCCMenuBar:
      return std::make_unique<TCCMenuBar>(owner);
    case C::kCCMenu:
      return std::make_unique<TCCMenu>(owner);
    case C::kCCBitmap:
      return std::make_unique<TCCBitmap>(owner);
    case C::kCCTable:
      return std::make_unique<TCCTable>(owner);
    case C::kPTDialog:
      return std::make_unique<TPTDialog>(owner);
    case C::kPTButton:
      return std::make_unique<TPTButton>(owner);
    case C::kPTPopTrigger:
      return std::make_unique<TPTPopTrigger>(owner);
    case C::kPTEdit:
      return std::make_unique<TPTEdit>(owner);
    case C::kPTCheckbox:
      return std::make_unique<TPTCheckbox>(owner);
    case C::kPTLabel:
      return std::make_unique<TPTLabel>(owner);
    case C::kPTList:
      return std::make_unique<TPTList>(owner);
    case C::kPTGsi:
      return std::make_unique<TPTGsi>(owner);
    case C::kDesignerClient:
      return nullptr;
  }
  return nullptr;
}

}  // namespace qb

#pragma once

// The inspector as the main window and the designer reach it.

#include "app/main_links.h"
#include "properties/frmProperties.h"

namespace qb {

class PropertiesInspectorLink : public InspectorLink {
 public:
  explicit PropertiesInspectorLink(TfrmProperties& inspector) : inspector_(inspector) {}

  void Empty() override { inspector_.Empty(); }
  void FillInspector(TChildFrm& form, TControl& object) override;
  void ShowFormRows(TChildFrm& form) override { inspector_.Rules().FormRows(form); }
  void LoadChooser(TChildFrm& form) override;
  void SelectChooserEntry(TControl& object) override { inspector_.SelectChooserEntry(&object); }
  void HideInlineEditors() override { inspector_.HideEditors(); }
  void CloseChooserList() override { inspector_.SetChooserDropped(false); }

 private:
  TfrmProperties& inspector_;
};

}  // namespace qb

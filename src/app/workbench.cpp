#include "app/workbench.h"

#include "controls/form_picture.h"

namespace qb {

class Workbench::MainToDesigner : public DesignerLink {
 public:
  explicit MainToDesigner(Workbench& w) : w_(w) {}
  void Activate(TChildFrm& form) override { w_.GetDesigner().Activate(form); }
  void ShowFormProperties(TChildFrm& form) override { w_.GetDesigner().ShowFormProperties(form); }
  void SetSnapGridSize(TChildFrm& form, int size) override {
    form.Snap().SetGridSize(size);
    form.SnapDialog().SetGridSize(size);
  }

 private:
  Workbench& w_;
};

class Workbench::MainToInspector : public InspectorLink {
 public:
  explicit MainToInspector(Workbench& w) : w_(w) {}
  void Empty() override { w_.Inspector().ProjectClosed(); }
  void LoadChooser(TChildFrm& form) override { w_.Inspector().LoadChooser(form.ControlList()); }

 private:
  Workbench& w_;
};

class Workbench::DesignerToOthers : public DesignerLinks {
 public:
  explicit DesignerToOthers(Workbench& w) : w_(w) {}
  void FillInspector(TChildFrm&, TControl& object) override {
    w_.Inspector().Rules().FillInspector(object);
  }
  void ShowFormRows(TChildFrm& form) override { w_.Inspector().Rules().FormRows(form); }
  void LoadChooser(TChildFrm& form) override { w_.Inspector().LoadChooser(form.ControlList()); }
  void SelectChooserEntry(TControl& object) override {
    w_.Inspector().SelectChooserEntry(&object);
  }
  void HideInlineEditors() override { w_.Inspector().HideEditors(); }
  void CloseChooserList() override { w_.Inspector().SetChooserDropped(false); }
  bool InspectorVisible() const override { return w_.Main().Inspector().visible; }
  void ToggleInspector() override { w_.Main().TogglePropertiesEditor(); }
  int InspectorWidth() const override { return w_.Inspector().Bounds().width; }
  int ToolbarAreaHeight() const override { return w_.Views().ToolbarAreaHeight(); }
  void RaiseWindow(TChildFrm& form) override { w_.Main().BringToFront(form); }
  void FocusWindow(TChildFrm& form) override { w_.Views().FocusWindow(form); }
  void FocusControl(TControl& control) override { w_.Views().FocusControl(control); }
  int TextHeight(const TControl& control) const override {
    return w_.Main().Fonts().Face(control.Font().name).Height();
  }

 private:
  Workbench& w_;
};

class Workbench::InspectorToOthers : public InspectorHooks {
 public:
  explicit InspectorToOthers(Workbench& w) : w_(w) {}
  void ShowSelection(TChildFrm& form) override { w_.GetDesigner().ShowSelection(form, false); }
  void ClearSelection(TChildFrm& form) override {
    for (TControl* c : form.AllControls()) c->SetSelected(false);
  }
  void FocusWindow(TChildFrm& form) override { w_.Views().FocusWindow(form); }
  void RepaintWindow(TChildFrm& form) override {
    form.MarkPictureDirty();
    w_.Views().RepaintWindow(form);
  }

 private:
  Workbench& w_;
};

Workbench::Workbench(Ui& ui, std::string program_dir, SettingsEnvironment env)
    : main_(ui, std::move(program_dir), env),
      main_to_designer_(std::make_unique<MainToDesigner>(*this)),
      main_to_inspector_(std::make_unique<MainToInspector>(*this)),
      designer_links_(std::make_unique<DesignerToOthers>(*this)),
      inspector_hooks_(std::make_unique<InspectorToOthers>(*this)) {
  designer_ = std::make_unique<Designer>(main_.State(), ui, *designer_links_);
  inspector_ = std::make_unique<TfrmProperties>(main_.State(), ui, *inspector_hooks_);
  main_.SetDesigner(main_to_designer_.get());
  main_.SetInspector(main_to_inspector_.get());
}

Workbench::~Workbench() {
  main_.SetDesigner(nullptr);
  main_.SetInspector(nullptr);
}

}  // namespace qb

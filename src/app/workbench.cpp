#include "app/workbench.h"

#include "properties/frmBitmapEd.h"
#include "properties/frmItemsEditor.h"
#include "properties/frmPropSelect.h"
#include "properties/frmTableEditor.h"
#include "app/inspector_link.h"

namespace qb {

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
  bool EditItemLines(StringList& lines) override {
    return qb::EditItemLines(w_.Main().GetUi(), lines);
  }
  void EditTable(TCCTable& table) override { qb::EditTable(w_.Main().GetUi(), table); }
  void EditBitmap(TCCBitmap& picture) override { qb::EditBitmap(w_.Main().GetUi(), picture); }
  void EditPickerColors(TCCButton& select) override {
    qb::EditPickerColors(w_.Main().GetUi(), select, w_.Main().Fonts(), &color_editor_);
  }

  ColorEditorSlot color_editor_;

 private:
  Workbench& w_;
};

Workbench::Workbench(Ui& ui, std::string program_dir, SettingsEnvironment env)
    : main_(ui, std::move(program_dir), env),
      inspector_hooks_(std::make_unique<InspectorToOthers>(*this)) {
  inspector_ = std::make_unique<TfrmProperties>(main_.State(), ui, *inspector_hooks_);
  main_to_inspector_ = std::make_unique<PropertiesInspectorLink>(*inspector_);
  main_.SetInspector(main_to_inspector_.get());
  clipboard_ = std::make_unique<ControlClipboardLink>(main_.State(), ui, main_.GetDesigner());
  main_.SetClipboard(clipboard_.get());
  main_.SetLayout(&layout_);
  // While the dialog-colour editor is up, the zoom shows its sample dialog.
  main_.PictureSource().WatchColorEditor(&inspector_hooks_->color_editor_);
}

void Workbench::Start() {
  main_.Start();
  generate_ = std::make_unique<GenerateCommand>(
      main_.GetUi(), main_.State(),
      GenerateCommand::FoldersFor(main_.ProgramDir(), main_.SettingsFile()));
  main_.SetGenerate(generate_.get());
}

Workbench::~Workbench() {
  main_.PictureSource().WatchColorEditor(nullptr);
  main_.SetInspector(nullptr);
  main_.SetLayout(nullptr);
  main_.SetGenerate(nullptr);
  main_.SetClipboard(nullptr);
}

}  // namespace qb

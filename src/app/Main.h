#pragma once

// The main window's logic, and the one application object: it owns the application state,
// the tool windows' state, the dialogs' logic, the recent-projects list and the settings,
// runs every command of the menus, toolbars and keys, and reaches the user through Ui.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/disk_records.h"
#include "app/form_access.h"
#include "app/frmAbout.h"
#include "app/frmNuevoProy.h"
#include "app/frmOpciones.h"
#include "app/frmZoom2x.h"
#include "app/layout_check_window.h"
#include "app/main_commands.h"
#include "app/main_geometry.h"
#include "app/main_hub.h"
#include "app/main_links.h"
#include "app/palette.h"
#include "app/preview_window.h"
#include "app/project_map_window.h"
#include "app/recent_projects.h"
#include "app/recovery_store.h"
#include "app/settings.h"
#include "app/view_links.h"
#include "app/zoom_picture.h"
#include "controls/font_registry.h"
#include "designer/control_clipboard.h"
#include "designer/designer.h"
#include "form/app_state.h"
#include "form/hub.h"
#include "model/ui.h"
#include "properties/frmPropSelect.h"
#include "properties/frmProperties.h"

namespace qb {

// The property inspector's window as the main window shows, hides and places it.
struct InspectorWindow {
  static constexpr int kDefaultWidth = 264;
  static constexpr int kDefaultHeight = 346;
  bool visible = false;
  WindowRect bounds{0, 0, kDefaultWidth, kDefaultHeight};
};

// The application implements the hub (MainHub): the designer and the inspector reach upward
// through it.
class TMain {
 public:
  TMain(Ui& ui, std::string program_dir, SettingsEnvironment env = SettingsEnvironment::System());
  ~TMain();
  TMain(const TMain&) = delete;
  TMain& operator=(const TMain&) = delete;

  // --- Start and end of the run ---
  // Reads options.ini (library, grid, short names, recent projects) and loads the fonts.
  void Start();
  // The main window was first shown: cursor keys, counters, colour, palette.
  void FirstShown();
  // The user asks to close the main window; false keeps the program running.
  bool CloseRequest();
  // The main window closes: fonts unloaded, options.ini written.
  void Finish();
  // Set by Exit once the close request was granted; the view then closes without asking.
  bool QuitRequested() const { return quit_requested_; }
  void Exit();

  // --- The commands, by concern ---
  ProjectCommands& Project() { return project_commands_; }
  FormCommands& Forms() { return form_commands_; }
  ViewCommands& View() { return view_commands_; }

  // --- Wiring ---
  // The property inspector the designer fills; without one (the main window alone: the
  // command line, the benchmarks, some tests) the hub hands out NoInspector.
  void SetInspector(InspectorPort* inspector) {
    inspector_port_ = inspector ? inspector : &no_inspector_;
  }
  // What the designer and the inspector are given to reach the application.
  Hub& GetHub() { return hub_; }
  // What only the views can do (focus); the Qt layer sets it, tests may record it.
  void SetViewLinks(ViewLinks* views) { views_ = views; }
  void SetGenerate(GenerateLink* link) { generate_ = link ? link : &no_generate_; }
  void SetFormAccess(FormAccess* access) { forms_ = access ? access : &LibraryFormAccess(); }

  // --- State the view draws ---
  AppState& State() { return state_; }
  // The designer windows' behaviour; the view forwards mouse input to it.
  Designer& GetDesigner() { return designer_; }
  const AppState& State() const { return state_; }
  Ui& GetUi() { return ui_; }
  MainGeometry& Geometry() { return geometry_; }
  const std::string& Caption() const { return caption_; }
  InspectorWindow& Inspector() { return inspector_; }
  // The view moved or resized the inspector's window (its Top, Left, Width and Height, as
  // Save Project writes them). A view matter: the project is not modified.
  void InspectorMovedTo(const WindowRect& bounds) { inspector_.bounds = bounds; }
  const InspectorWindow& Inspector() const { return inspector_; }
  TfrmZoom& Zoom() { return zoom_; }
  const TfrmZoom& Zoom() const { return zoom_; }
  RecentProjects& Recent() { return recent_; }
  const RecentProjects& Recent() const { return recent_; }
  // The four Palm faces, loaded at start-up for the rest of the run.
  FontRegistry& Fonts() { return fonts_; }
  const FontRegistry& Fonts() const { return fonts_; }
  const std::string& ProgramDir() const { return program_dir_; }
  const std::string& SettingsFile() const { return settings_path_; }
  TfrmOpcionesGenerales& OptionsDialog() { return options_dialog_; }
  TfrmNProyecto& NewProjectDialog() { return new_project_dialog_; }
  TAboutBox& AboutBox() { return about_box_; }
  // Project > Check Layout: the findings the dockable list shows.
  LayoutCheckWindow& LayoutCheck() { return layout_check_; }
  const LayoutCheckWindow& LayoutCheck() const { return layout_check_; }
  // Project > Preview: the current form running on a copy of the forms.
  PreviewWindow& Preview() { return preview_; }
  const PreviewWindow& Preview() const { return preview_; }
  // Project > Project Map: every form and where each tap leads.
  ProjectMapWindow& MapWindow() { return project_map_; }
  const ProjectMapWindow& MapWindow() const { return project_map_; }
  std::vector<PaletteButtonView> Palette() const { return PaletteView(state_); }
  // The visible designer windows, front first (the most recently activated or raised).
  std::vector<TChildFrm*> WindowsFrontToBack() const;
  TChildFrm* FrontWindow() const;
  // The loaded window (visible or not) whose form file is at the path; nullptr when none.
  TChildFrm* FormWindowFor(const std::string& path) const;

  // --- Menus, toolbars, palette, keys ---
  // Only the recent-projects submenu comes and goes: it is shown while the list is not empty.
  bool Visible(Command command) const;
  bool Enabled(Command command) const;
  bool Checked(Command command) const;
  // The size a command of the designer-scale submenu chooses (kScale1 … kScale4).
  static int ScaleOf(Command command);
  // Runs a command; a user mistake it raises is shown in the standard error box.
  void Execute(Command command);
  // The text a menu item shows now when it differs from its caption ("&Undo Move Button1");
  // empty for the fixed captions.
  std::string ItemText(Command command) const;
  // Undo and Redo on the current window; false when nothing was done.
  bool UndoStep();
  bool RedoStep();
  // Whether a form was changed since it was last saved or opened.
  bool Modified(const TChildFrm& window) const { return window.Undo().Modified(); }
  bool AnyFormModified() const;
  // Whether the open project differs from its file: its list of forms changed (Open Form,
  // New Form, Close Form, Save Form As to another path) or one of its forms is modified.
  bool ProjectModified() const { return project_list_changed_ || AnyFormModified(); }
  // The captions of the recent-projects entries, shortened with the menu's text width.
  std::vector<std::string> RecentCaptions(const TextWidthFn& width) const;
  void PressPalette(PaletteButton button) { PressPaletteButton(state_, button); }
  // Esc: a drag, resize or selection rectangle in progress ends with its form as it was at
  // the press, and a pressed palette button comes up. True when it did either.
  bool Escape();
  // A key press seen before its target; the key goes on to its target afterwards.
  void KeyPress(DesignerKey key, bool shift = false) { designer_.KeyPressed(key, shift); }
  // Screen pixels per device pixel in every designer window (1 to 4).
  int DesignerScale() const { return designer_scale_; }
  void SetDesignerScale(int scale);

  // --- Designer windows ---
  void Activate(TChildFrm& window) { designer_.Activate(window); }
  void BringToFront(TChildFrm& window);
  void SendToBack(TChildFrm& window);

  // Where the file dialogs open: the project's folder, else the folder of the file chosen
  // last; empty before either exists.
  std::string DialogFolder() const;

  // --- Recovery ---
  // Where recovery sets go. Start makes the store in the user's state folder unless one was
  // given (tests); without such a folder there is none and nothing is written.
  void SetRecoveryStore(std::unique_ptr<RecoveryStore> store) { recovery_ = std::move(store); }
  RecoveryStore* Recovery() { return recovery_.get(); }
  // Seconds between recovery sets ("AutoSave"/"Seconds"); 0 writes none.
  int AutoSaveSeconds() const { return autosave_seconds_; }
  void SetAutoSaveSeconds(int seconds) { autosave_seconds_ = seconds; }
  // The view calls it every second. The first call starts the interval; once it has passed,
  // a recovery set is written when a form is modified and no transaction, drag or modal dialog
  // is open (else the next call tries again), and a set is removed when nothing is modified
  // any more. True when a set was written.
  bool AutoSaveTick();
  // At start-up: asks about the newest set left by an instance that did not end cleanly, and
  // brings it back (Yes) or keeps it as the discarded one (No). True when it was brought back.
  bool OfferRecovery();
  // When the last recovery set was written, for the status bar; empty before the first.
  const std::string& RecoveryNote() const { return recovery_note_; }

 private:
  // Asks whether to replace a file another program changed since it was read or written
  // here; false when it is to be kept.
  bool AskReplaceChanged(const std::string& path);
  // What a recovery set holds of the work now.
  RecoveryContent RecoveryContentNow();
  // Changes when anything a recovery set holds may have changed.
  std::string RecoverySignature() const;
  // Opens the set's project and forms, the forms it holds marked modified.
  void Recover(const RecoverySet& set);
  // Everything is saved: the recovery set is not needed any more.
  void DropRecoveryIfSaved();
  void SetProjectCaption(const std::string& text);
  void ShowInspector(const WindowRect& bounds);
  // Undo or Redo (the stack's member) on the current window, and AfterRestore when it did.
  bool Step(bool (UndoStack::*step)(AppState&, TChildFrm&));
  // The inspector, the chooser and the window follow a form put back by undo or redo.
  void AfterRestore(TChildFrm& window);
  // Asks for a file with the request opening in DialogFolder, and remembers the chosen
  // file's folder.
  std::optional<std::string> ChooseFile(FileRequest request, bool save);
  bool FileExists(const std::string& path) const { return file_exists_(path); }

  Ui& ui_;
  std::string program_dir_;
  SettingsEnvironment env_;
  int designer_scale_ = 1;
  std::string settings_path_;
  AppState state_;
  MainGeometry geometry_;
  std::string caption_;
  std::string last_folder_;
  InspectorWindow inspector_;
  FontRegistry fonts_;
  FormPictureSource picture_source_{fonts_};
  TfrmZoom zoom_;
  RecentProjects recent_;
  TfrmOpcionesGenerales options_dialog_;
  TfrmNProyecto new_project_dialog_;
  TAboutBox about_box_;
  bool generate_enabled_ = false;
  bool quit_requested_ = false;
  std::function<bool(const std::string&)> file_exists_;
  // Forms the open project lists but that could not be opened; saving keeps listing them.
  std::vector<std::string> unopened_forms_;
  // What the project's and the forms' files held when last read or written here.
  DiskRecords records_;
  std::unique_ptr<RecoveryStore> recovery_;
  int autosave_seconds_ = kDefaultAutoSaveSeconds;
  std::optional<std::chrono::system_clock::time_point> next_autosave_;
  std::string recovery_signature_;
  std::string recovery_note_;
  // The project's list of forms changed since it was opened or saved.
  bool project_list_changed_ = false;

  ViewLinks* views_ = nullptr;
  NoGenerateDialog no_generate_;
  NoInspector no_inspector_;
  InspectorPort* inspector_port_ = &no_inspector_;
  // While the dialog-colour editor is up, the zoom shows its sample dialog.
  ColorEditorSlot color_editor_;
  GenerateLink* generate_ = &no_generate_;
  FormAccess* forms_;

  // The hub, the commands and the command table reach the state above as the application's
  // own.
  friend class MainHub;
  friend class ProjectCommands;
  friend class FormCommands;
  friend class ViewCommands;
  friend const std::vector<CommandEntry>& CommandTable();
  MainHub hub_{*this};
  ProjectCommands project_commands_{*this};
  FormCommands form_commands_{*this};
  ViewCommands view_commands_{*this};

  Designer designer_;
  // Edit > Cut, Copy and Paste.
  ControlClipboard clipboard_;
  LayoutCheckWindow layout_check_;
  PreviewWindow preview_;
  ProjectMapWindow project_map_;
};

}  // namespace qb

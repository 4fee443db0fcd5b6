#include "app/commands.h"

#include <array>

#include "app/Main.h"
#include "app/menus.h"

namespace qb {

namespace {

void RunLayout(TMain& main, PopCommand command) {
  if (TChildFrm* window = main.State().current_window.Get())
    main.GetDesigner().RunPopCommand(*window, command);
}

}  // namespace

const std::vector<CommandEntry>& CommandTable() {
  using C = Command;
  using P = PopCommand;
  // Undo and Redo: a step to take on the current window, not in the middle of a drag.
  static constexpr auto CanStep = [](const TMain& m, bool undo) {
    const TChildFrm* window = m.State().current_window.Get();
    if (!window || m.designer_.MouseStepOpen()) return false;
    return undo ? window->Undo().CanUndo() : window->Undo().CanRedo();
  };
  // The designer-scale sizes: one entry per size, checked while it is the scale.
#define QB_SCALE(n, caption, shortcut, hint)                                                      \
  {                                                                                               \
    C::kScale##n, caption, shortcut, "", hint, "", true, [](TMain& m) { m.SetDesignerScale(n); }, \
        nullptr, [](const TMain& m) { return m.DesignerScale() == n; }                            \
  }
  // The "Align & Size" toolbar runs the context menu's layout commands on the current window.
#define QB_LAYOUT(id, button_hint)                                                             \
  {                                                                                            \
    C::id, "", "", "", "", button_hint, false, [](TMain& m) { RunLayout(m, P::id); }, nullptr, \
        nullptr                                                                                \
  }
  static const std::vector<CommandEntry> table = {
      // File
      {C::kNewProject, "&New Project...", "Ctrl+N", "", "", "New Project", false,
       [](TMain& m) { m.Project().NewProject(); }, nullptr, nullptr},
      {C::kSaveProject, "&Save Project", "Ctrl+S", "", "", "Save Project", false,
       [](TMain& m) { m.Project().SaveProject(); }, nullptr, nullptr},
      {C::kSaveProjectAs, "Save Project &As...", "Ctrl+A", "", "", "", false,
       [](TMain& m) { m.Project().SaveProjectAs(); }, nullptr, nullptr},
      {C::kOpenProject, "&Open Project...", "Ctrl+O", "", "", "Open Project", false,
       [](TMain& m) { m.Project().OpenProject(); }, nullptr, nullptr},
      // The place of the recent-projects submenu; its entries open a project each.
      {C::kRecentProjects, kRecentProjectsCaption, "", "", "", "", false, [](TMain&) {}, nullptr,
       nullptr},
      {C::kNewForm, "N&ew Form", "", "", "Create a new blank form", "New Form", false,
       [](TMain& m) { m.Forms().NewForm(); }, nullptr, nullptr},
      {C::kOpenForm, "Open &Form...", "", "", "Open an existing form", "Open Form", false,
       [](TMain& m) { m.Forms().OpenForm(); }, nullptr, nullptr},
      {C::kCloseForm, "&Close Form", "", "", "Close current form", "", false,
       [](TMain& m) { m.Forms().CloseForm(); }, nullptr, nullptr},
      {C::kSaveForm, "Sa&ve Form", "", "", "Save current form", "Save Form", false,
       [](TMain& m) { m.Forms().SaveForm(); }, nullptr, nullptr},
      {C::kSaveFormAs, "Sav&e Form As...", "", "", "Save current file as...", "", false,
       [](TMain& m) { m.Forms().SaveFormAs(); }, nullptr, nullptr},
      {C::kCloseAll, "C&lose All", "", "", "", "", false, [](TMain& m) { m.Project().CloseAll(); },
       nullptr, nullptr},
      {C::kExit, "E&xit", "", "", "Exit the application", "", false, [](TMain& m) { m.Exit(); },
       nullptr, nullptr},
      // Recent-projects submenu
      {C::kClearRecent, "&Clear List", "", "", "", "", false, [](TMain& m) { m.Recent().Clear(); },
       nullptr, nullptr},
      {C::kRemoveObsoleteRecent, "&Remove Obsolete", "", "", "", "", false,
       [](TMain& m) { m.Recent().RemoveObsolete(m.file_exists_); }, nullptr, nullptr},
      // Edit
      {C::kUndo, "&Undo", "Ctrl+Z", "", "Undo the last change of the form", "Undo", false,
       [](TMain& m) { m.UndoStep(); }, [](const TMain& m) { return CanStep(m, true); }, nullptr},
      {C::kRedo, "&Redo", "Ctrl+Y", "Ctrl+Shift+Z", "Redo the change undone last", "Redo", false,
       [](TMain& m) { m.RedoStep(); }, [](const TMain& m) { return CanStep(m, false); }, nullptr},
      {C::kCut, "Cu&t", "Ctrl+X", "", "Cut to clipboard", "Cut", false,
       [](TMain& m) { m.Forms().Cut(); }, nullptr, nullptr},
      {C::kCopy, "&Copy", "Ctrl+C", "", "Copy to clipboard", "Copy", false,
       [](TMain& m) { m.Forms().Copy(); }, nullptr, nullptr},
      {C::kPaste, "&Paste", "Ctrl+V", "", "Paste from clipboard", "Paste", false,
       [](TMain& m) { m.Forms().Paste(); }, nullptr, nullptr},
      // View
      {C::kZoom, "&Zoom", "", "", "", "", true, [](TMain& m) { m.View().ToggleZoom(); }, nullptr,
       [](const TMain& m) { return m.Zoom().Visible(); }},
      {C::kPropertiesEditor, "&Properties Editor", "", "", "", "", true,
       [](TMain& m) { m.View().TogglePropertiesEditor(); }, nullptr,
       [](const TMain& m) { return m.Inspector().visible; }},
      {C::kGrid, "&Grid", "", "", "", "", true, [](TMain& m) { m.View().ToggleGrid(); }, nullptr,
       [](const TMain& m) { return m.State().grid_option; }},
      // The place of the designer-scale submenu.
      {C::kDesignerScale, kDesignerScaleCaption, "", "", "", "", false, [](TMain&) {}, nullptr,
       nullptr},
      // Designer-scale submenu
      QB_SCALE(1, "&1×", "Ctrl+0", "Show the designer windows at their own size"),
      QB_SCALE(2, "&2×", "", "Show the designer windows twice as large"),
      QB_SCALE(3, "&3×", "", "Show the designer windows three times as large"),
      QB_SCALE(4, "&4×", "", "Show the designer windows four times as large"),
      {C::kScaleLarger, "&Larger", "Ctrl++", "Ctrl+=", "Show the designer windows one step larger",
       "", false, [](TMain& m) { m.SetDesignerScale(m.DesignerScale() + 1); }, nullptr, nullptr},
      {C::kScaleSmaller, "&Smaller", "Ctrl+-", "", "Show the designer windows one step smaller", "",
       false, [](TMain& m) { m.SetDesignerScale(m.DesignerScale() - 1); }, nullptr, nullptr},
      // Project
      {C::kGenerateCode, "&Generate Code...", "F7", "", "", "", false,
       [](TMain& m) { m.View().GenerateCode(); },
       [](const TMain& m) { return m.generate_enabled_; }, nullptr},
      {C::kCheckLayout, "Check &Layout", "F8", "",
       "Find what will look wrong or fail on the device", "", false,
       [](TMain& m) { m.LayoutCheck().Run(); }, nullptr, nullptr},
      {C::kPreview, "&Preview", "Ctrl+R", "", "Try the form as on the device", "", false,
       [](TMain& m) { m.Preview().Open(); }, nullptr, nullptr},
      {C::kProjectMap, "Project &Map", "Ctrl+M", "", "See every form and where each tap leads", "",
       false, [](TMain& m) { m.MapWindow().Open(); }, nullptr, nullptr},
      {C::kShortNames, "&Short names", "", "", "", "", true,
       [](TMain& m) { m.View().ToggleShortNames(); }, nullptr,
       [](const TMain& m) { return m.State().short_names; }},
      // Tools
      {C::kOptions, "&Options...", "", "", "", "", false, [](TMain& m) { m.View().ShowOptions(); },
       nullptr, nullptr},
      // Help
      {C::kHelpContents, "Quillboard...", "", "", "", "", false,
       [](TMain& m) { m.View().ShowHelp(); }, nullptr, nullptr},
      {C::kAbout, "A&bout Quillboard...", "", "", "", "", false,
       [](TMain& m) { m.View().ShowAbout(); }, nullptr, nullptr},
      // Toolbar-only
      {C::kGenerateButton, "", "", "", "", "Generate Code", false,
       [](TMain& m) { m.View().GenerateButton(); },
       [](const TMain& m) { return m.generate_enabled_; }, nullptr},
      QB_LAYOUT(kAlignLeft, "Align Left"),
      QB_LAYOUT(kAlignRight, "Align Right"),
      QB_LAYOUT(kAlignTop, "Align Top"),
      QB_LAYOUT(kAlignBottom, "Align Bottom"),
      QB_LAYOUT(kSameHeight, "Same Height"),
      QB_LAYOUT(kSameWidth, "Same Width"),
      QB_LAYOUT(kCenterHorizontally, "Center horizontally\nin form or dialog"),
      QB_LAYOUT(kCenterVertically, "Center vertically\nin form or dialog"),
      QB_LAYOUT(kSpaceHorizontally, "Space controls equally,\nhorizontally"),
      QB_LAYOUT(kSpaceVertically, "Space controls equally,\nvertically"),
  };
#undef QB_SCALE
#undef QB_LAYOUT
  return table;
}

const CommandEntry* FindCommand(Command id) {
  static const auto index = [] {
    std::array<const CommandEntry*, static_cast<std::size_t>(Command::kCount)> out{};
    for (const CommandEntry& entry : CommandTable())
      out[static_cast<std::size_t>(entry.id)] = &entry;
    return out;
  }();
  const auto i = static_cast<std::size_t>(id);
  return i < index.size() ? index[i] : nullptr;
}

}  // namespace qb

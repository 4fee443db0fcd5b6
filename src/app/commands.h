#pragma once

// Every command of the main window's menus and toolbars.

namespace qb {

enum class Command {
  kNone,  // a separator in menus and toolbars
  // File
  kNewProject,
  kSaveProject,
  kSaveProjectAs,
  kOpenProject,
  kRecentProjects,  // where the recent-projects submenu goes while the list is not empty
  kNewForm,
  kOpenForm,
  kCloseForm,
  kSaveForm,
  kSaveFormAs,
  kCloseAll,
  kExit,
  // Recent-projects submenu
  kClearRecent,
  kRemoveObsoleteRecent,
  // Edit
  kUndo,
  kRedo,
  kCut,
  kCopy,
  kPaste,
  // View
  kZoom,
  kPropertiesEditor,
  kGrid,
  kDesignerScale,  // where the designer-scale submenu goes
  // Designer-scale submenu
  kScale1,
  kScale2,
  kScale3,
  kScale4,
  kScaleLarger,
  kScaleSmaller,
  // Project
  kGenerateCode,
  kCheckLayout,
  kPreview,
  kProjectMap,
  kShortNames,
  // Tools
  kOptions,
  // Help
  kHelpContents,
  kAbout,
  // Toolbar-only
  kGenerateButton,
  kAlignLeft,
  kAlignRight,
  kAlignTop,
  kAlignBottom,
  kSameHeight,
  kSameWidth,
  kCenterHorizontally,
  kCenterVertically,
  kSpaceHorizontally,
  kSpaceVertically,
};

}  // namespace qb

#pragma once

// The about box: product name, version and two links.

#include <string>

#include "model/ui.h"

namespace qb {

class TAboutBox : public DialogModel {
 public:
  static constexpr const char* kDialogId = "frmAbout";
  static constexpr const char* kCaption = "About Quillboard";
  static constexpr const char* kProductName = "Quillboard";
  static constexpr const char* kVersion = "Version 1.21";

  struct Link {
    const char* text;
    const char* target;
  };
  static constexpr Link kWebLink = {"www.quillboard.org", "https://www.quillboard.org/"};
  static constexpr Link kMailLink = {"info@quillboard.org", "mailto:info@quillboard.org"};

  const char* DialogId() const override { return kDialogId; }

  // A click on a link label opens its target through the system.
  static void OpenLink(Ui& ui, const Link& link) { ui.OpenUrl(link.target); }
};

}  // namespace qb

#pragma once

// The four texts of the CControls generator. Each appends to the line list it is given; the
// generate dialog calls them in the order main, forms, events, header.

#include <string>
#include <vector>

#include "form/ChildFor.h"

namespace qb {

using LineList = std::vector<std::string>;
using FormList = std::vector<const TChildFrm*>;

// The main program; its include lines name the project's other three files. With no first
// form the first entry of forms starts the program.
void CcMainText(LineList& lines, const TChildFrm* first_form, const FormList& forms,
                const std::string& project_name);
void CcFormsText(LineList& lines, bool memo, const FormList& forms,
                 const std::string& project_name);
void CcEventsText(LineList& lines, bool memo, const FormList& forms,
                  const std::string& project_name);
void CcHeaderText(LineList& lines, bool memo, const FormList& forms,
                  const std::string& project_name);

}  // namespace qb

#include "workload/project_workload.h"

#include <filesystem>

#include "app/project_file.h"
#include "workload/form_workload.h"

namespace qb::bench {

std::string WriteProject(LibraryId lib, int forms, int controls_per_form, bool color,
                         const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  ProjectFileData data;
  data.library = lib;
  for (int f = 0; f < forms; ++f) {
    FormSpec form_spec;
    form_spec.name = "Form" + std::to_string(f + 1);
    form_spec.controls = controls_per_form;
    form_spec.color = color;
    const std::string path = (std::filesystem::path(folder) / (form_spec.name + ".qbf")).string();
    if (!MakeFormFile(lib, form_spec).Save(path)) return "";
    data.forms.emplace_back(ActiveFormKey(static_cast<std::size_t>(f)), path);
  }
  const std::string project = (std::filesystem::path(folder) / kProjectFileName).string();
  std::filesystem::remove(project, ec);  // the project file keeps foreign sections otherwise
  return WriteProjectFile(project, data) ? project : "";
}

}  // namespace qb::bench

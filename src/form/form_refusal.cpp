#include "form/form_file.h"
#include "model/safe_file.h"

namespace qb {

std::string FormFileRefusal(const std::string& path, const FormFileHeader& header) {
  if (!header.ok()) return ReadProblemText(path, header.status, kMaxDocumentFileSize);
  if (std::string foreign = ForeignFormText(path, header); !foreign.empty()) return foreign;
  if (header.controls > kMaxFormControls) return TooManyControlsText(path, header.controls);
  return {};
}

}  // namespace qb

#pragma once

// Small helpers for the PToolboxLib generator tests: run the generator over forms built in
// code and cut single functions out of the texts.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "codegen/generator.h"
#include "form/ChildFor.h"

namespace qb::test::pt {

struct Run {
  bool color = false;
  bool memo = false;
  const TChildFrm* first = nullptr;  // nullptr: the first of the list
};

inline GeneratedCode GenerateForms(const std::vector<const TChildFrm*>& forms, Run run = {}) {
  GeneratorInput input;
  input.forms = forms;
  input.first_form = run.first ? run.first : (forms.empty() ? nullptr : forms.front());
  input.project_name = "P";
  input.memo = run.memo;
  input.color = run.color;
  GeneratedCode code;
  GeneratePToolbox(input, code);
  return code;
}

inline GeneratedCode GenerateForm(const TChildFrm& form, Run run = {}) {
  return GenerateForms({&form}, run);
}

// The lines from the one equal to `first` up to and including the next "}" line; empty when
// `first` does not occur.
inline std::vector<std::string> Function(const std::vector<std::string>& lines,
                                         const std::string& first) {
  auto begin = std::find(lines.begin(), lines.end(), first);
  if (begin == lines.end()) return {};
  auto end = std::find(begin, lines.end(), std::string("}"));
  return {begin, end == lines.end() ? end : end + 1};
}

inline bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

inline int Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace qb::test::pt

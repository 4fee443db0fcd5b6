#pragma once

// A running designer for the inspector tests: application state, a scripted Ui, recording
// hooks and the inspector, with forms and controls placed with their placement values.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/app_state.h"
#include "form/hub.h"
#include "properties/frmProperties.h"
#include "support/fake_ui.h"
#include "support/recording_hub.h"

namespace qb::test {

// The inspector's tests record the hub's calls with the one recording hub.
using RecordingHooks = RecordingHub;

class InspectorTest : public ::testing::Test {
 protected:
  TChildFrm& NewForm(LibraryId lib, const std::string& name);
  // A control of the current library's kind placed at (x, y) in the parent (the screen panel
  // when none), with the initial values placement gives it, listed and current.
  TControl& Place(TChildFrm& form, const std::string& kind, int x = 10, int y = 20,
                  TControl* parent = nullptr);
  template <typename T>
  T& PlaceAs(TChildFrm& form, const std::string& kind, int x = 10, int y = 20,
             TControl* parent = nullptr) {
    return static_cast<T&>(Place(form, kind, x, y, parent));
  }
  // Shows the control in the inspector.
  void Show(TControl& control) { inspector.Rules().FillInspector(control); }
  // Selects the named row without opening its editor (as after the grid was refilled).
  void SelectRowQuietly(const std::string& row);
  std::vector<std::string> GridNames() const;
  std::string Cell(const std::string& row) const;

  AppState state;
  FakeUi ui;
  RecordingHooks hooks;
  TfrmProperties inspector{state, ui, hooks};
};

}  // namespace qb::test

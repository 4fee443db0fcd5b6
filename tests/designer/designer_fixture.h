#pragma once

// A designer with a scripted Ui and links that record what the designer asked for.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/PTList.h"
#include "designer/designer.h"
#include "designer/row_height.h"
#include "form/app_state.h"
#include "form/hub.h"
#include "form/naming.h"
#include "support/fake_ui.h"
#include "support/recording_hub.h"

namespace qb::test {

// The designer's tests record the hub's calls with the one recording hub.
using RecordingLinks = RecordingHub;

class DesignerTest : public ::testing::Test {
 protected:
  // The screen panel lies at (4, 2) of the client area.
  static Point OnScreen(int x, int y) {
    return {x + TChildFrm::kScreenLeft, y + TChildFrm::kScreenTop};
  }

  TChildFrm& NewForm(LibraryId lib, bool grid = false) {
    state.library = lib;
    state.grid_option = grid;
    TChildFrm& form = designer.AddWindow();
    form.SetName(FormName(state.form_counter++, state.short_names));
    designer.Activate(form);
    return form;
  }

  void Click(TChildFrm& form, Point client, ShiftState keys = 0,
             MouseButton button = MouseButton::kLeft) {
    ShiftState held = keys | (button == MouseButton::kLeft    ? kSsLeft
                              : button == MouseButton::kRight ? kSsRight
                                                              : kSsMiddle);
    designer.MouseMove(form, keys, client);
    designer.MouseDown(form, button, held, client);
    last_popup = designer.MouseUp(form, button, held, client);
  }

  void Drag(TChildFrm& form, Point from, Point to, ShiftState keys = 0) {
    designer.MouseMove(form, keys, from);
    designer.MouseDown(form, MouseButton::kLeft, keys | kSsLeft, from);
    designer.MouseMove(form, keys | kSsLeft, to);
    designer.MouseUp(form, MouseButton::kLeft, keys | kSsLeft, to);
  }

  // Presses a palette button and clicks the screen panel at (x, y).
  TControl* Place(TChildFrm& form, PaletteButton button, int x, int y) {
    state.pressed_button = button;
    Click(form, OnScreen(x, y));
    return state.current_control.Get();
  }

  AppState state;
  FakeUi ui;
  RecordingLinks links;
  Designer designer{state, ui, links};
  bool last_popup = false;
};

}  // namespace qb::test

#pragma once

// The clipboard content of one control: a versioned text in INI layout that names the
// control's class and holds its name and every property of its class (of both libraries, for
// the classes they share), plus PalmForm as the name of the panel it refers to. A dialog is
// written alone, without the controls inside it.
//
//   [QuillboardControl]
//   Version=1
//   Class=TCCButton
//   Name=Copiado
//   PalmForm=panScreen          (empty when the control refers to no panel)
//   Tag=0  Left=.. Top=.. Width=.. Height=.. Color=.. Font=.. Alignment=..
//   Content="OK" ...            (the class's own keys, as the form files name them; texts
//                                in quotes so that surrounding blanks survive)
//   [List] / [Items] ...        (each list of the class: Count, Item0 ...)
//   [End]
//   Keys=<number of keys above>
//
// The same text is put on the clipboard as plain text. The reader accepts only what this
// writer produces: anything else (too large, damaged or cut short, from a newer version,
// an unknown class, a value that is not valid) is refused with a UserError, and nothing is
// created.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"

namespace qb {

inline constexpr const char* kControlClipboardMime = "application/x-quillboard-control";
inline constexpr const char* kPlainTextMime = "text/plain";
inline constexpr int kClipboardFormatVersion = 1;
// Larger content is refused before it is parsed.
inline constexpr std::size_t kMaxClipboardBytes = 8u << 20;
// A list holds at most what a Palm object can count.
inline constexpr int kMaxClipboardListItems = 65535;

// The name of the screen panel where a panel name is stored.
inline constexpr const char* kClipboardScreenName = "panScreen";

// The control's clipboard text, with `name` in place of its own name. Integers are held to
// the range the reader accepts.
std::string WriteClipboardControl(const TControl& control, const std::string& name);

struct ClipboardControl {
  std::unique_ptr<TControl> control;  // of the stored class, named as stored, without parent
  std::string palm_form;              // the stored panel name; empty for none
};

// Reads a control written by WriteClipboardControl, owned by `owner` and without a parent.
// Throws UserError, creating nothing, when the text cannot be read.
ClipboardControl ReadClipboardControl(std::string_view text, ControlOwner* owner);

// Every value a control's class carries on the clipboard (the same binding, so no property
// is left out), held in memory for the undo snapshots: captured from one control and applied
// to a fresh one of the same class. The name, PalmForm, visibility and parent are not part
// of it.
class ControlValues {
 public:
  ControlValues();
  ~ControlValues();
  ControlValues(ControlValues&&) noexcept;
  ControlValues& operator=(ControlValues&&) noexcept;
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  struct Value;

 private:
  friend bool SameDesignValues(ControlClass cls, const ControlValues& a, const ControlValues& b);
  friend ControlValues CaptureControlValues(const TControl& control);
  friend void ApplyControlValues(const ControlValues& values, TControl& control);
  std::vector<Value> values_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// Whether two captures of one class hold the same design: the view state (the selection
// colour, a menu's or the menu bar's Test and the height it gives a menu, a dialog's Test,
// the grid the View > Grid option puts on the screen and its dialogs) is left out.
bool SameDesignValues(ControlClass cls, const ControlValues& a, const ControlValues& b);
ControlValues CaptureControlValues(const TControl& control);
void ApplyControlValues(const ControlValues& values, TControl& control);

}  // namespace qb

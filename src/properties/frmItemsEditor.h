#pragma once

// The items editor ("Items editor"): the item lines of a list-like control in one text box,
// with a counter above it. It works on the transfer list and writes it back only on OK.

#include <string>
#include <string_view>

#include "controls/control.h"
#include "model/ui.h"

namespace qb {

// The lines of a multi-line text: line breaks are CR LF, LF or CR, and a break after the last
// line adds no empty line.
StringList TextLines(std::string_view text);
// Every line followed by a line feed, so that TextLines gives the same lines back (an empty
// last item included).
std::string JoinTextLines(const StringList& lines);

class TfrmItemsEd : public DialogModel {
 public:
  static constexpr const char* kDialogId = "TfrmItemsEd";
  static constexpr const char* kCaption = "Items editor";
  static constexpr int kClientWidth = 198;
  static constexpr int kClientHeight = 224;
  static constexpr int kMemoWidth = 185;
  static constexpr int kMemoHeight = 161;

  // Fills the text box from the transfer list.
  explicit TfrmItemsEd(StringList& transfer);
  const char* DialogId() const override { return kDialogId; }

  // memItems: the text box.
  const std::string& Text() const { return text_; }
  // Every change of the text box.
  void SetText(const std::string& text) { text_ = text; }
  // "<n> items" for the lines of the text box.
  std::string Counter() const;
  // OK: the transfer list becomes the text box's lines.
  void Apply();

 private:
  StringList& transfer_;
  std::string text_;
};

// Runs the items editor over lines (the transfer list); true, with lines replaced, on OK.
bool EditItemLines(Ui& ui, StringList& lines);

}  // namespace qb

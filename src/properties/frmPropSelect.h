#pragma once

// The dialog-colour editor ("Select Dialog Color Editor") of a PToolboxLib Select that acts
// as a date or time picker: a grid of the seven picker colours on the left, and on the right
// a live sample of the picker dialog, built from our own controls and drawn in the Palm look.
// It works on its own cells; OK joins them into the Select's DOTColors.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "controls/CCButton.h"
#include "controls/PTDialog.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "model/ui.h"
#include "properties/picker_samples.h"

namespace qb {

// Tells the editor that a sample's control changed, so the view paints the sample again.
class SampleOwner : public ControlOwner {
 public:
  void ControlChanged(TControl&) override { ++revision_; }
  void ControlResized(TControl&) override { ++revision_; }
  unsigned Revision() const { return revision_; }

 private:
  unsigned revision_ = 0;
};

class TfrmDlgColor : public DialogModel {
 public:
  static constexpr const char* kDialogId = "TfrmDlgColor";
  static constexpr const char* kCaption = "Select Dialog Color Editor";
  static constexpr int kClientWidth = 433;
  static constexpr int kClientHeight = 205;
  static constexpr int kGridRowHeight = 19;
  static constexpr int kGridColWidth = 130;
  static constexpr int kColorListHeight = 17;
  static constexpr int kRowCount = kPickerColorCount;

  // The row names, in the order of the DOTColors fields.
  static const std::array<const char*, kRowCount>& RowNames();

  // Cells from the Select's DOTColors, the sample of its picker shown and titled with its
  // DOTTitle, and every cell applied to the samples.
  TfrmDlgColor(TCCButton& select, const FontRegistry& fonts);
  const char* DialogId() const override { return kDialogId; }
  // The zoom view shows this editor's sample while it is up, so it keeps refreshing.
  bool KeepsZoomLive() const override { return true; }

  // --- The grid.
  const std::string& Value(int row) const;
  int SelectedRow() const { return selected_row_; }
  // Selecting or clicking a row: the colour list opens over its value cell with the cell's
  // name highlighted.
  void SelectRow(int row);

  // --- The colour list: the sixteen names, all of them visible.
  const std::vector<std::string>& ColorList() const { return color_names_; }
  bool ColorListVisible() const { return color_list_visible_; }
  // The highlighted entry, -1 when the cell's name is not in the list.
  int ColorListIndex() const { return color_list_index_; }
  // A name chosen from the list: it goes into the selected row's cell and into the samples.
  void ChooseColor(int index);
  void HideColorList() { color_list_visible_ = false; }

  // --- The samples: dlgSelect (date picker) and dlgTime (time picker).
  TPTDialog& DateSample() { return *date_.dialog; }
  TPTDialog& TimeSample() { return *time_.dialog; }
  const TPTDialog& DateSample() const { return *date_.dialog; }
  const TPTDialog& TimeSample() const { return *time_.dialog; }
  // Grows whenever anything in a sample changed.
  unsigned SampleRevision() const { return date_owner_.Revision() + time_owner_.Revision(); }
  // The samples drawn in the Palm look, painted again when they changed since last asked. A
  // hidden sample is not painted.
  const PalmCanvas& DatePicture();
  const PalmCanvas& TimePicture();
  // What the zoom view copies: dlgSelect when it is visible, else dlgTime.
  bool DateSampleVisible() const { return date_.dialog->Visible(); }
  const PalmCanvas& ShownSamplePicture();

  // OK: DOTColors becomes the seven cells joined by ",".
  void Apply();

 private:
  void ApplyToSamples(int row);
  // A sample's picture, painted again when anything changed since it was last painted.
  const PalmCanvas& PictureOf(PickerSample& sample, FormPicture& picture, const SampleOwner& owner,
                              unsigned& painted);

  TCCButton& select_;
  std::array<std::string, kRowCount> values_;
  int selected_row_ = 0;
  bool color_list_visible_ = false;
  int color_list_index_ = -1;
  std::vector<std::string> color_names_;
  SampleOwner date_owner_;
  SampleOwner time_owner_;
  PickerSample date_;
  PickerSample time_;
  FormPicture date_picture_;
  FormPicture time_picture_;
  // The revision each picture was painted at; painting itself may settle sizes.
  unsigned date_painted_ = ~0u;
  unsigned time_painted_ = ~0u;
};

// The editor that is up, for the zoom view; empty otherwise.
struct ColorEditorSlot {
  TfrmDlgColor* open = nullptr;
};

// Runs the dialog-colour editor over a Select whose DOTPicker is 1 (date) or 2 (time); true
// when OK stored a new DOTColors. Any other Select is left alone. While the editor is up,
// slot (when given) points at it.
bool EditPickerColors(Ui& ui, TCCButton& select, const FontRegistry& fonts,
                      ColorEditorSlot* slot = nullptr);

}  // namespace qb

#include "properties/frmPropSelect.h"

#include <algorithm>

#include "model/datamod.h"

namespace qb {

namespace {

constexpr char kFieldSeparator = ',';

// Points the slot at the editor while it is up, whichever way it closes.
class SlotScope {
 public:
  SlotScope(ColorEditorSlot* slot, TfrmDlgColor* editor) : slot_(slot) {
    if (slot_) slot_->open = editor;
  }
  ~SlotScope() {
    if (slot_) slot_->open = nullptr;
  }
  SlotScope(const SlotScope&) = delete;
  SlotScope& operator=(const SlotScope&) = delete;

 private:
  ColorEditorSlot* slot_;
};

}  // namespace

const std::array<const char*, TfrmDlgColor::kRowCount>& TfrmDlgColor::RowNames() {
  return PickerColorNames();
}

TfrmDlgColor::TfrmDlgColor(TCCButton& select, const FontRegistry& fonts)
    : select_(select),
      color_names_(ColorListNames()),
      date_(MakeDateSample(&date_owner_)),
      time_(MakeTimeSample(&time_owner_)),
      date_picture_(fonts),
      time_picture_(fonts) {
  date_.dialog->SetVisible(select.DOTPicker() == kPickerDate);
  time_.dialog->SetVisible(select.DOTPicker() == kPickerTime);
  date_.dialog->SetTitle(select.DOTTitle());
  time_.dialog->SetTitle(select.DOTTitle());
  for (int row = 0; row < kRowCount; ++row) {
    values_[static_cast<std::size_t>(row)] = NthField(select.DOTColors(), kFieldSeparator, row + 1);
    ApplyToSamples(row);
  }
}

const std::string& TfrmDlgColor::Value(int row) const {
  static const std::string kNoValue;
  if (row < 0 || row >= kRowCount) return kNoValue;
  return values_[static_cast<std::size_t>(row)];
}

void TfrmDlgColor::SelectRow(int row) {
  if (row < 0 || row >= kRowCount) return;
  selected_row_ = row;
  color_list_visible_ = true;
  auto it = std::find(color_names_.begin(), color_names_.end(), Value(row));
  color_list_index_ = it == color_names_.end() ? -1 : static_cast<int>(it - color_names_.begin());
}

void TfrmDlgColor::ChooseColor(int index) {
  if (index < 0 || index >= static_cast<int>(color_names_.size())) return;
  color_list_index_ = index;
  values_[static_cast<std::size_t>(selected_row_)] = color_names_[static_cast<std::size_t>(index)];
  ApplyToSamples(selected_row_);
}

void TfrmDlgColor::ApplyToSamples(int row) {
  ApplyPickerColor(date_, row, Value(row));
  ApplyPickerColor(time_, row, Value(row));
}

const PalmCanvas& TfrmDlgColor::PictureOf(PickerSample& sample, FormPicture& picture,
                                          const SampleOwner& owner, unsigned& painted) {
  if (painted != owner.Revision()) {
    picture.Render(*sample.dialog);
    painted = owner.Revision();
  }
  return picture.Picture();
}

const PalmCanvas& TfrmDlgColor::DatePicture() {
  return PictureOf(date_, date_picture_, date_owner_, date_painted_);
}

const PalmCanvas& TfrmDlgColor::TimePicture() {
  return PictureOf(time_, time_picture_, time_owner_, time_painted_);
}

const PalmCanvas& TfrmDlgColor::ShownSamplePicture() {
  return DateSampleVisible() ? DatePicture() : TimePicture();
}

void TfrmDlgColor::Apply() {
  std::string joined;
  for (int row = 0; row < kRowCount; ++row) {
    if (row > 0) joined += kFieldSeparator;
    joined += Value(row);
  }
  select_.SetDOTColors(joined);
}

bool EditPickerColors(Ui& ui, TCCButton& select, const FontRegistry& fonts, ColorEditorSlot* slot) {
  if (select.DOTPicker() != kPickerDate && select.DOTPicker() != kPickerTime) return false;
  TfrmDlgColor editor(select, fonts);
  bool ok = false;
  {
    SlotScope scope(slot, &editor);
    ok = ui.RunDialog(editor);
  }
  if (ok) editor.Apply();
  return ok;
}

}  // namespace qb

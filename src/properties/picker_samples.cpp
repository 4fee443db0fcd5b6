#include "properties/picker_samples.h"

#include <span>
#include <string>

#include "controls/CCBitmap.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "model/datamod.h"
#include "model/font.h"

namespace qb {

namespace {

// What a sample is made of.
enum class Piece {
  kLabel,      // text in the object text colour, on the dialog's fill
  kBoldLabel,  // the same in the bold face
  kDayLine,    // text in the object text colour on the object fill
  kArrow,      // a picture in the object text colour
  kChoices,    // a row of choices (a radio), colours from the dialog
  kPush,       // one choice (a push button), colours from the dialog
  kBlock,      // a framed box filled with the object fill (a list without items)
  kButton,     // a button with the object fill and text colours
};

// Which object colours a piece carries itself, and whether it keeps its own background
// instead of standing on the dialog (a piece on the dialog takes the rest from it).
struct PieceRoles {
  Piece piece;
  bool takes_fill;
  bool takes_text;
  bool own_background;
};

constexpr PieceRoles kPieceRoles[] = {
    {Piece::kLabel, false, true, false},    {Piece::kBoldLabel, false, true, false},
    {Piece::kDayLine, true, true, true},    {Piece::kArrow, false, true, false},
    {Piece::kChoices, false, false, false}, {Piece::kPush, false, false, false},
    {Piece::kBlock, false, false, false},   {Piece::kButton, true, true, false},
};

const PieceRoles& RolesOf(Piece piece) {
  for (const PieceRoles& roles : kPieceRoles)
    if (roles.piece == piece) return roles;
  return kPieceRoles[0];
}

struct PieceLayout {
  Piece piece;
  // The text; a picture's StringBits; a row of choices separated by '|'.
  const char* text;
  int left, top, width, height;  // panel bounds; labels size themselves
  // The selected choice of a row (-1 none); 1 for a selected push button.
  int state;
};

constexpr int kSamplePanelWidth = 160;
constexpr int kDatePanelHeight = 160;
constexpr int kTimePanelHeight = 74;
constexpr int kBlockRows = 5;
constexpr char kChoiceSeparator = '|';
// What shows round the samples' rounded corners: the editor window's face.
constexpr Color kSampleBackground = kSilver;

constexpr PieceLayout kDatePieces[] = {
    {Piece::kArrow, kArrowLeftBits, 55, 18, 6, 11, 0},
    {Piece::kLabel, "2002", 68, 17, 0, 0, 0},
    {Piece::kArrow, kArrowRightBits, 99, 18, 6, 11, 0},
    {Piece::kChoices, "Jan|Feb|Mar|Apr|May|Jun", 4, 32, 152, 13, -1},
    {Piece::kChoices, "Jul|Aug|Sep|Oct|Nov|Dec", 4, 44, 152, 13, 3},
    {Piece::kBoldLabel, "S       M       T       W       T       F       S", 8, 61, 0, 0, 0},
    {Piece::kBlock, "", 4, 73, 152, kBlockRows * 11 + 3, 0},
    {Piece::kDayLine, "                 1       2       3       4       5", 6, 75, 0, 0, 0},
    {Piece::kDayLine, "6       7       8       9     10     11     12", 6, 86, 0, 0, 0},
    {Piece::kDayLine, "13     14     15     16     17     18     19", 6, 97, 0, 0, 0},
    {Piece::kDayLine, "20     21     22     23     24     25     26", 6, 108, 0, 0, 0},
    {Piece::kDayLine, "27     28     29     30     31", 6, 119, 0, 0, 0},
    {Piece::kButton, "Cancel", 4, 139, 40, 17, 0},
    {Piece::kButton, "Today", 46, 139, 40, 17, 0},
};

constexpr PieceLayout kTimePieces[] = {
    {Piece::kPush, "8", 8, 18, 17, 17, 1},
    {Piece::kLabel, ":", 27, 21, 0, 0, 0},
    {Piece::kPush, "2", 32, 18, 13, 17, 0},
    {Piece::kPush, "9", 46, 18, 13, 17, 0},
    {Piece::kArrow, kArrowUpBits, 64, 19, 11, 6, 0},
    {Piece::kArrow, kArrowDownBits, 64, 29, 11, 6, 0},
    {Piece::kPush, "AM", 104, 17, 24, 13, 1},
    {Piece::kPush, "PM", 104, 31, 24, 13, 0},
    {Piece::kButton, "OK", 4, 53, 36, 17, 0},
    {Piece::kButton, "Cancel", 44, 53, 40, 17, 0},
};

StringList SplitChoices(std::string_view text) {
  StringList items;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(kChoiceSeparator, start);
    items.emplace_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) return items;
    start = end + 1;
  }
}

std::unique_ptr<TControl> MakePiece(const PieceLayout& piece_layout, ControlOwner* owner) {
  switch (piece_layout.piece) {
    case Piece::kLabel:
    case Piece::kBoldLabel:
    case Piece::kDayLine: {
      auto label = std::make_unique<TPTLabel>(owner);
      label->SetContent(piece_layout.text);
      label->SetFontName(piece_layout.piece == Piece::kBoldLabel ? kPilotBold : kPilotStandard);
      return label;
    }
    case Piece::kArrow: {
      auto arrow = std::make_unique<TCCBitmap>(owner);
      arrow->SetStringBits(piece_layout.text);
      return arrow;
    }
    case Piece::kChoices: {
      auto choices = std::make_unique<TCCRadio>(owner);
      choices->SetItems(SplitChoices(piece_layout.text));
      choices->SetSelectedItem(piece_layout.state);
      choices->SetFontName(kPilotStandard);
      return choices;
    }
    case Piece::kPush: {
      auto push = std::make_unique<TCCSwitch>(owner);
      push->SetContent(piece_layout.text);
      push->SetState(piece_layout.state);
      push->SetFontName(kPilotStandard);
      return push;
    }
    case Piece::kBlock: {
      auto block = std::make_unique<TPTList>(owner);
      block->SetMaxItems(kBlockRows);
      block->SetFontName(kPilotStandard);
      return block;
    }
    case Piece::kButton: {
      auto button = std::make_unique<TPTButton>(owner);
      button->SetText(piece_layout.text);
      button->SetFontName(kPilotStandard);
      return button;
    }
  }
  return nullptr;
}

PickerSample MakeSample(std::span<const PieceLayout> pieces, int height, ControlOwner* owner) {
  PickerSample sample;
  sample.dialog = std::make_unique<TPTDialog>(owner);
  TPTDialog& dialog = *sample.dialog;
  dialog.SetBounds(0, 0, kSamplePanelWidth, height);
  dialog.SetColor(kSampleBackground);
  dialog.SetTag(1);
  for (const PieceLayout& piece_layout : pieces) {
    std::unique_ptr<TControl> control = MakePiece(piece_layout, owner);
    // Every piece stands on white until the dialog's colours reach it, as placed controls do.
    control->SetColor(kWhite);
    control->SetBounds(piece_layout.left, piece_layout.top, piece_layout.width,
                       piece_layout.height);
    const PieceRoles& roles = RolesOf(piece_layout.piece);
    if (!roles.own_background) control->SetPalmForm(&dialog);
    sample.parts.push_back(
        {dialog.AddChild(std::move(control)), roles.takes_fill, roles.takes_text});
  }
  return sample;
}

void SetPieceFill(TControl& control, Color c) {
  if (auto* button = As<TPTButton>(&control)) button->SetColorFill(c);
  if (auto* label = As<TPTLabel>(&control)) label->SetColor(c);
}

void SetPieceText(TControl& control, Color c) {
  if (auto* button = As<TPTButton>(&control)) button->SetColorText(c);
  if (auto* label = As<TPTLabel>(&control)) label->SetColorText(c);
  if (auto* arrow = As<TCCBitmap>(&control)) arrow->SetColorFore(c);
}

enum class Reach { kDialogOnly, kFillPieces, kTextPieces };

struct PickerColorRow {
  const char* name;
  void (TPTDialog::*set)(const Color&);
  Reach reach;
};

constexpr PickerColorRow kPickerColors[kPickerColorCount] = {
    {"DialogFrameColor", &TPTDialog::SetColorDialogFrame, Reach::kDialogOnly},
    {"DialogFillColor", &TPTDialog::SetColorDialogFill, Reach::kDialogOnly},
    {"ObjFrameColor", &TPTDialog::SetColorFrame, Reach::kDialogOnly},
    {"ObjFillColor", &TPTDialog::SetColorFill, Reach::kFillPieces},
    {"ObjForeTextColor", &TPTDialog::SetColorText, Reach::kTextPieces},
    {"ObjSelectedFillColor", &TPTDialog::SetColorSelectedFill, Reach::kDialogOnly},
    {"ObjSelectedForeColor", &TPTDialog::SetColorSelectedFore, Reach::kDialogOnly},
};

const std::array<const char*, kPickerColorCount> kPickerColorNames = [] {
  std::array<const char*, kPickerColorCount> names{};
  for (int i = 0; i < kPickerColorCount; ++i)
    names[static_cast<std::size_t>(i)] = kPickerColors[i].name;
  return names;
}();

}  // namespace

const std::array<const char*, kPickerColorCount>& PickerColorNames() { return kPickerColorNames; }

PickerSample MakeDateSample(ControlOwner* owner) {
  return MakeSample(kDatePieces, kDatePanelHeight, owner);
}

PickerSample MakeTimeSample(ControlOwner* owner) {
  return MakeSample(kTimePieces, kTimePanelHeight, owner);
}

void ApplyPickerColor(PickerSample& sample, int position, std::string_view name) {
  if (position < 0 || position >= kPickerColorCount || !sample.dialog) return;
  const PickerColorRow& row = kPickerColors[position];
  const Color c = ColorFromName(name);
  ((*sample.dialog).*row.set)(c);
  for (const PickerSample::Part& part : sample.parts) {
    if (row.reach == Reach::kFillPieces && part.takes_fill) SetPieceFill(*part.control, c);
    if (row.reach == Reach::kTextPieces && part.takes_text) SetPieceText(*part.control, c);
  }
}

}  // namespace qb

#include "preview/preview_session.h"

#include <algorithm>
#include <cctype>

#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCForm.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "controls/none_choice.h"
#include "controls/palm_look.h"
#include "designer/hit_test.h"
#include "form/form_snapshot.h"
#include "form/shown_dialog.h"
#include "model/code_page.h"

namespace qb {

namespace {

// The right end of a list row that scrolls it, as wide as the arrow the painters draw.
constexpr int kArrowZone = 10;
// A text that claims no limit still stops here.
constexpr int kLongestText = 32767;

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Push buttons and radios of PToolboxLib keep their group in Tag; 0 is no group.
int GroupOf(const TControl& c, LibraryId lib) {
  if (lib != LibraryId::kPToolboxLib) return 0;
  if (c.Class() == ControlClass::kCCSwitch || c.Class() == ControlClass::kCCRadio) return c.Tag();
  return 0;
}

bool InsideDialog(const TControl& c, const TControl* dialog) {
  for (const TControl* p = &c; p; p = p->Parent())
    if (p == dialog) return true;
  return false;
}

bool IsEdit(const TControl& c) {
  if (c.Class() == ControlClass::kCCEdit) return true;
  if (const auto* field = As<TPTEdit>(&c)) return field->Editable() == 0;
  return false;
}

std::string TextOfEdit(const TControl& c) {
  if (const auto* edit = As<TCCEdit>(&c)) return edit->Content();
  if (const auto* field = As<TPTEdit>(&c)) return field->Text();
  return {};
}

void SetTextOfEdit(TControl& c, const std::string& text) {
  if (auto* edit = As<TCCEdit>(&c)) edit->SetContent(text);
  if (auto* field = As<TPTEdit>(&c)) field->SetText(text);
}

std::size_t LimitOf(const TControl& c) {
  if (const auto* field = As<TPTEdit>(&c))
    if (field->MaxChars() > 0)
      return static_cast<std::size_t>(std::min(field->MaxChars(), kLongestText));
  return kLongestText;
}

// The pop-up List a PopTrigger opens: the first List of the form whose Trigger names it.
TPTList* ListOfTrigger(TChildFrm& form, const TControl& trigger) {
  for (TControl* c : form.AllControls())
    if (auto* list = As<TPTList>(c);
        list && list->Style() != 0 && SameName(list->Trigger(), trigger.Name()))
      return list;
  return nullptr;
}

int RowAt(int y, int row_height) { return row_height > 0 ? y / row_height : 0; }

// The selected colours a control is drawn pressed in: those of its form or dialog.
struct SelectedColours {
  Color fill = kBlack;
  Color fore = kWhite;
};

SelectedColours SelectedColoursOf(const TControl& control, const TChildFrm& form) {
  const TControl* panel = control.PalmForm();
  if (const auto* dialog = As<TPTDialog>(panel))
    return {dialog->ColorSelectedFill(), dialog->ColorSelectedFore()};
  if (const auto* screen = As<TCCForm>(panel ? panel : &form.Screen()))
    return {screen->ColorSelectedFill(), screen->ColorSelectedFore()};
  return {};
}

// While the pen holds a Button, Select or Push down it is painted in the selected colours of
// its form: its own painter fills the inside of its frame with them, so corners and frame stay
// as they are. The scope gives the copy its colours back.
class PressedLook {
 public:
  PressedLook(TControl* control, const TChildFrm& form) : control_(control) {
    if (!control_) return;
    const SelectedColours selected = SelectedColoursOf(*control_, form);
    if (auto* button = As<TCCButton>(control_)) {
      saved_ = {button->ColorFill(), button->ColorText(), 0};
      button->SetColorFill(selected.fill);
      button->SetColorText(selected.fore);
    } else if (auto* pt = As<TPTButton>(control_)) {
      saved_ = {pt->ColorFill(), pt->ColorText(), pt->ButtonType()};
      pt->SetColorFill(selected.fill);
      pt->SetColorText(selected.fore);
      pt->SetButtonType(0);
    } else if (auto* push = As<TCCSwitch>(control_)) {
      saved_ = {kBlack, kBlack, push->State()};
      push->SetState(1);
    }
  }
  ~PressedLook() {
    if (auto* button = As<TCCButton>(control_)) {
      button->SetColorFill(saved_.fill);
      button->SetColorText(saved_.text);
    } else if (auto* pt = As<TPTButton>(control_)) {
      pt->SetColorFill(saved_.fill);
      pt->SetColorText(saved_.text);
      pt->SetButtonType(saved_.number);
    } else if (auto* push = As<TCCSwitch>(control_)) {
      push->SetState(saved_.number);
    }
  }
  PressedLook(const PressedLook&) = delete;
  PressedLook& operator=(const PressedLook&) = delete;

 private:
  struct Saved {
    Color fill;
    Color text;
    int number;
  };
  TControl* control_;
  Saved saved_{kBlack, kBlack, 0};
};

}  // namespace

PreviewSession::PreviewSession(const AppState& design, const TChildFrm& start,
                               const FontRegistry& fonts)
    : fonts_(fonts), measuring_(fonts), picture_(fonts), list_picture_(fonts) {
  copies_.library = design.library;
  copies_.grid_option = false;
  copies_.record_steps = false;
  TChildFrm* first = nullptr;
  for (const auto& window : design.windows) {
    // The snapshot holds values only; the copy is rebuilt from it in a state of its own.
    const FormSnapshot snapshot = TakeFormSnapshot(design, *window);
    auto copy = std::make_unique<TChildFrm>();
    RestoreFormSnapshot(copies_, *copy, snapshot);
    copy->ApplyGridOption(false);
    copy->Screen().SetSelected(false);
    for (TControl* c : copy->AllControls()) {
      c->SetSelected(false);
      if (auto* menu = As<TCCMenu>(c)) menu->SetTest(0);
      if (auto* drop = As<TCCDropDown>(c)) drop->SetTestItems(0);
      if (auto* pop = As<TCCPopUp>(c)) pop->SetTest(0);
    }
    // A List that a PopTrigger opens stays hidden until then.
    for (TControl* c : copy->AllControls())
      if (c->Class() == ControlClass::kPTPopTrigger)
        if (TPTList* list = ListOfTrigger(*copy, *c)) list->SetVisible(false);
    // A device form opens without a dialog over it.
    HideShownDialog(*copy);
    for (const auto& child : copy->Screen().Children())
      if (child->Class() == ControlClass::kPTDialog) child->SetVisible(false);
    if (!first || window.get() == &start) first = copy.get();
    copies_.windows.push_back(std::move(copy));
  }
  if (!first) {
    copies_.windows.push_back(std::make_unique<TChildFrm>());
    first = copies_.windows.back().get();
  }
  way_.push_back({first, {}});
}

TChildFrm& PreviewSession::Shown() { return *way_.back().form; }

const std::string& PreviewSession::FormName() const { return way_.back().form->Name(); }

std::string PreviewSession::DialogName() const {
  const TPTDialog* dialog = way_.back().form->ShownDialog();
  return dialog ? dialog->Name() : std::string();
}

std::string PreviewSession::Title() const { return way_.back().form->Screen().Title(); }

TControl* PreviewSession::Find(const std::string& name) const {
  return way_.back().form->FindControl(name);
}

PreviewControlState& PreviewSession::StateOf(TControl& control) { return states_[&control]; }

void PreviewSession::Enter(const Step& step) {
  CloseLists();
  pen_target_ = pressed_ = focus_ = nullptr;
  TChildFrm& form = *step.form;
  HideShownDialog(form);
  if (step.dialog.empty()) return;
  // Showing brings the dialog to the front, reordering the panel's children: find it first.
  TPTDialog* shown = nullptr;
  for (const auto& child : form.Screen().Children())
    if (auto* dialog = As<TPTDialog>(child.get()); dialog && SameName(dialog->Name(), step.dialog))
      shown = dialog;
  if (shown) ShowDialog(form, *shown);
}

void PreviewSession::Back() {
  if (!CanGoBack()) return;
  way_.pop_back();
  Enter(way_.back());
}

TControl* PreviewSession::Hit(Point device) {
  TChildFrm& form = Shown();
  TControl* hit = &HitTest(form, device);
  // A closed PopUp draws nothing and is hidden, yet a tap on its place opens it.
  if (!form.ShownDialog())
    for (const auto& child : form.Screen().Children())
      if (auto* pop = As<TCCPopUp>(child.get());
          pop && pop->Test() == 0 && PictureRect(*pop).Contains(device.x, device.y))
        hit = pop;
  return Answering(form, *hit);
}

TControl* PreviewSession::Answering(TChildFrm& form, TControl& hit) {
  if (&hit == &form.Client() || &hit == &form.Screen() || hit.Class() == ControlClass::kPTDialog)
    return nullptr;
  // A dialog shown over the form takes every tap: the form below does not answer.
  if (const TPTDialog* dialog = form.ShownDialog(); dialog && !InsideDialog(hit, dialog))
    return nullptr;
  return &hit;
}

void PreviewSession::PenDown(Point device) {
  pen_target_ = nullptr;
  if (TapOpenList(device)) return;
  pen_target_ = Hit(device);
  pressed_ = pen_target_ && ShowsPressed(*pen_target_) ? pen_target_ : nullptr;
}

bool PreviewSession::ShowsPressed(const TControl& control) const {
  const ControlClass cls = control.Class();
  // Button, Select, and the PToolboxLib Push (a CControls Switch simply toggles).
  return cls == ControlClass::kCCButton || cls == ControlClass::kPTButton ||
         (cls == ControlClass::kCCSwitch && copies_.library == LibraryId::kPToolboxLib);
}

void PreviewSession::PenMove(Point device) {
  if (!pen_target_ || !ShowsPressed(*pen_target_)) return;
  pressed_ = Hit(device) == pen_target_ ? pen_target_ : nullptr;
}

void PreviewSession::PenUp(Point device) {
  TControl* target = pen_target_;
  pen_target_ = nullptr;
  pressed_ = nullptr;
  if (!target || Hit(device) != target) return;
  TChildFrm& form = Shown();
  Tap(*target, ToLocal(form, *target, device));
}

bool PreviewSession::TapOpenList(Point device) {
  if (open_menu_) {
    // Any tap closes the open menu; a tap on another topic opens that one instead.
    auto* menu = static_cast<TCCMenu*>(open_menu_);
    TControl* hit = Hit(device);
    menu->SetTest(0);
    open_menu_ = nullptr;
    return hit == menu || !As<TCCMenu>(hit);
  }
  if (!open_list_) return false;
  TChildFrm& form = Shown();
  TControl* list = open_list_;
  const Point at = OriginInClient(form, *list);
  const Point local{device.x - at.x, device.y - at.y};
  // An opened DropDown takes its open height when it is next painted; taps may come first.
  const int height = As<TCCDropDown>(list) ? As<TCCDropDown>(list)->VisibleItems() * kRowHeight + 3
                                           : list->Height();
  const bool inside = local.x >= 0 && local.y >= 0 && local.x < list->Width() && local.y < height;
  if (inside) {
    if (auto* drop = As<TCCDropDown>(list)) {
      const int row = std::min(RowAt(local.y, kRowHeight), drop->VisibleItems() - 1);
      if (row < static_cast<int>(drop->Items().size())) drop->SetSelectedItem(row);
    } else if (auto* pop = As<TCCPopUp>(list)) {
      const int row = std::min(RowAt(local.y, kRowHeight), pop->VisibleItems() - 1);
      if (row < static_cast<int>(pop->Items().size())) pop->SetSelectedItem(row);
    } else if (auto* pt = As<TPTList>(list)) {
      const int row = std::min(RowAt(local.y, pt->RowHeight()), pt->MaxItems() - 1);
      if (row >= 0 && row < static_cast<int>(pt->Items().size())) {
        pt->SetSelectedItem(row);
        if (auto* trigger = As<TPTPopTrigger>(form.FindControl(pt->Trigger())))
          trigger->SetText(pt->Items()[static_cast<std::size_t>(row)]);
      }
    }
  }
  CloseLists();
  return true;
}

void PreviewSession::CloseLists() {
  if (open_list_) {
    if (auto* drop = As<TCCDropDown>(open_list_)) drop->SetTestItems(0);
    if (auto* pop = As<TCCPopUp>(open_list_)) pop->SetTest(0);
    if (auto* pt = As<TPTList>(open_list_)) pt->SetVisible(false);
  }
  open_list_ = nullptr;
  if (auto* menu = As<TCCMenu>(open_menu_)) menu->SetTest(0);
  open_menu_ = nullptr;
}

void PreviewSession::Tap(TControl& control, Point local) {
  focus_ = nullptr;
  if (auto* button = As<TCCButton>(&control)) {
    if (!IsNone(button->ShowForm())) FollowShowForm(control);
  } else if (auto* button_pt = As<TPTButton>(&control)) {
    if (!IsNone(button_pt->ShowForm())) FollowShowForm(control);
  } else if (auto* check = As<TCCCheckbox>(&control)) {
    check->SetState(check->State() ? 0 : 1);
  } else if (auto* check_pt = As<TPTCheckbox>(&control)) {
    check_pt->SetState(check_pt->State() ? 0 : 1);
  } else if (auto* sw = As<TCCSwitch>(&control)) {
    if (GroupOf(control, copies_.library) != 0) {
      SelectInGroup(control);
      sw->SetState(1);
    } else {
      sw->SetState(sw->State() ? 0 : 1);
    }
  } else if (auto* radio = As<TCCRadio>(&control)) {
    const int cells = static_cast<int>(radio->Items().size());
    if (cells > 0) {
      const int extent = radio->Orientation() == 0 ? radio->Width() : radio->Height();
      const int along = radio->Orientation() == 0 ? local.x : local.y;
      const int cell = std::clamp(extent > 0 ? along * cells / extent : 0, 0, cells - 1);
      SelectInGroup(control);
      radio->SetSelectedItem(cell);
    }
  } else if (control.Class() == ControlClass::kCCListBox ||
             (control.Class() == ControlClass::kPTList)) {
    TapRows(control, local);
  } else if (auto* drop = As<TCCDropDown>(&control)) {
    drop->SetTestItems(1);
    open_list_ = drop;
  } else if (auto* pop = As<TCCPopUp>(&control)) {
    pop->SetTest(1);
    open_list_ = pop;
  } else if (control.Class() == ControlClass::kPTPopTrigger) {
    if (TPTList* list = ListOfTrigger(Shown(), control)) {
      list->SetVisible(true);
      open_list_ = list;
    }
  } else if (auto* menu = As<TCCMenu>(&control)) {
    menu->SetTest(1);
    open_menu_ = menu;
  } else if (control.Class() == ControlClass::kCCMenuBar) {
    // The bar itself opens its first menu.
    for (TControl* c : Shown().AllControls())
      if (auto* first = As<TCCMenu>(c); first && first->Visible()) {
        first->SetTest(1);
        open_menu_ = first;
        break;
      }
  } else if (IsEdit(control)) {
    focus_ = &control;
  }
}

void PreviewSession::SelectInGroup(TControl& control) {
  const int group = GroupOf(control, copies_.library);
  if (group == 0) return;
  for (TControl* other : Shown().AllControls()) {
    if (other == &control || GroupOf(*other, copies_.library) != group) continue;
    if (auto* sw = As<TCCSwitch>(other)) sw->SetState(0);
    if (auto* radio = As<TCCRadio>(other)) radio->SetSelectedItem(-1);
  }
}

void PreviewSession::FollowShowForm(TControl& control) {
  const std::string target = As<TCCButton>(&control) ? As<TCCButton>(&control)->ShowForm()
                                                     : As<TPTButton>(&control)->ShowForm();
  TChildFrm& form = Shown();
  // A control on the form may show a dialog of its form; one inside a dialog shows forms only.
  if (!form.ShownDialog()) {
    std::string dialog_name;
    for (const auto& child : form.Screen().Children())
      if (auto* dialog = As<TPTDialog>(child.get()); dialog && SameName(dialog->Name(), target)) {
        dialog_name = dialog->Name();
        break;
      }
    if (!dialog_name.empty()) {
      way_.push_back({&form, dialog_name});
      Enter(way_.back());
      return;
    }
  }
  for (const auto& copy : copies_.windows)
    if (SameName(copy->Name(), target)) {
      // A form that shows itself stays where it is: the way back does not grow by a step.
      if (copy.get() == &form && !form.ShownDialog()) return;
      way_.push_back({copy.get(), {}});
      Enter(way_.back());
      return;
    }
}

void PreviewSession::ShowWindowOfRows(TControl& control) {
  PreviewControlState& st = StateOf(control);
  const auto first =
      st.all_items.begin() +
      std::min<std::ptrdiff_t>(st.top_row, static_cast<std::ptrdiff_t>(st.all_items.size()));
  const StringList shown(first, st.all_items.end());
  const int selected = st.selected >= st.top_row ? st.selected - st.top_row : -1;
  if (auto* box = As<TCCListBox>(&control)) {
    box->SetItems(shown);
    box->SetSelectedItem(selected);
  } else if (auto* list = As<TPTList>(&control)) {
    list->SetItems(shown);
    list->SetSelectedItem(selected);
  }
}

void PreviewSession::TapRows(TControl& control, Point local) {
  PreviewControlState& st = StateOf(control);
  int visible = 0;
  int row_height = kRowHeight;
  if (auto* box = As<TCCListBox>(&control)) {
    if (st.all_items.empty() && st.top_row == 0) st.all_items = box->Items();
    visible = box->VisibleItems();
  } else if (auto* list = As<TPTList>(&control)) {
    if (st.all_items.empty() && st.top_row == 0) st.all_items = list->Items();
    visible = list->MaxItems();
    row_height = list->RowHeight();
  }
  const int count = static_cast<int>(st.all_items.size());
  if (visible <= 0 || count == 0) return;
  const int row = std::clamp(RowAt(local.y, row_height), 0, visible - 1);
  const bool at_arrow = local.x >= control.Width() - kArrowZone;
  if (at_arrow && row == visible - 1 && count - st.top_row > visible) {
    ++st.top_row;
  } else if (at_arrow && row == 0 && st.top_row > 0) {
    --st.top_row;
  } else if (st.top_row + row < count) {
    st.selected = st.top_row + row;
  }
  ShowWindowOfRows(control);
}

void PreviewSession::Type(std::string_view utf8) {
  if (!focus_) return;
  std::string text = TextOfEdit(*focus_);
  const std::size_t limit = LimitOf(*focus_);
  const auto* field = As<TPTEdit>(focus_);
  const bool digits_only = field && field->NumbersOnly() == 1;
  std::size_t length = CharacterCount(text);
  for (std::size_t pos = 0; pos < utf8.size() && length < limit;) {
    const std::size_t start = pos;
    const char32_t ch = NextCodePoint(utf8, &pos);
    if (digits_only && (ch < U'0' || ch > U'9')) continue;
    if (ch < 0x20) continue;
    text += utf8.substr(start, pos - start);
    ++length;
  }
  SetTextOfEdit(*focus_, text);
}

void PreviewSession::Backspace() {
  if (!focus_) return;
  const std::string text = TextOfEdit(*focus_);
  if (text.empty()) return;
  SetTextOfEdit(*focus_, text.substr(0, CharactersPrefixSize(text, CharacterCount(text) - 1)));
}

Rect PreviewSession::CaretRect() const {
  if (!focus_) return {};
  const Rect area = PictureRect(*focus_);
  PalmCanvas measure(1, 1);
  measure.SetFace(&fonts_.Face(focus_->Font().name));
  const std::string text = TextOfEdit(*focus_);
  const int line = std::max(measure.TextHeight("A"), 1);
  const int w = focus_->Width();
  // Right behind the last character, where the painter put the text.
  int x = 0;
  int y = 0;
  if (const auto* field = As<TPTEdit>(focus_)) {
    const bool right = field->Justification() != 0 && field->SingleLine() != 0;
    x = right ? w - 1 : measure.TextWidth(text);
  } else {
    x = AlignedTextX(measure, text, w, focus_->Alignment()) + measure.TextWidth(text);
    y = VCenteredTextY(measure, text.empty() ? std::string_view("A") : std::string_view(text),
                       focus_->Height());
  }
  x = std::clamp(x, 0, std::max(w - 1, 0));
  const int top = std::max(y, 0);
  const int bottom = std::min(top + line, focus_->Height());
  if (bottom <= top) return {};
  return {area.left + x, area.top + top, area.left + x + 1, area.top + bottom};
}

const PalmCanvas& PreviewSession::Frame() {
  TChildFrm& form = Shown();
  {
    PressedLook pressed(pressed_, form);
    frame_ = picture_.Render(form.Client());
  }
  const Rect whole{0, 0, frame_.Width(), frame_.Height()};
  frame_.SetOrigin({0, 0});
  frame_.SetClip(whole);
  // An open list hangs over every control, also those after it in the panel's order: it is
  // painted once more on top, within the screen (or the dialog it lies in).
  if (open_list_ && open_list_->Visible()) {
    const PalmCanvas& list = list_picture_.Render(*open_list_);
    const Rect at = PictureRect(*open_list_);
    const TControl* parent = open_list_->Parent();
    const Rect room = (parent ? PictureRect(*parent) : whole).Intersect(whole);
    for (int y = 0; y < list.Height(); ++y)
      for (int x = 0; x < list.Width(); ++x)
        if (room.Contains(at.left + x, at.top + y))
          frame_.SetPixel(at.left + x, at.top + y, list.At(x, y));
  }
  // What no property holds: the caret.
  const Rect caret = CaretRect().Intersect(whole);
  for (int y = caret.top; y < caret.bottom; ++y)
    for (int x = caret.left; x < caret.right; ++x) frame_.SetPixel(x, y, kBlack);
  return frame_;
}

}  // namespace qb

#include "support/form_dump.h"

#include <sstream>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCCheckbox.h"
#include "controls/CCDropDown.h"
#include "controls/CCEdit.h"
#include "controls/CCForm.h"
#include "controls/CCLabel.h"
#include "controls/CCListBox.h"
#include "controls/CCMenu.h"
#include "controls/CCMenuBar.h"
#include "controls/CCPopUp.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/CCTable.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "model/ini_codec.h"

namespace qb::test {

namespace {

std::string Join(const StringList& list) {
  std::string out = "[";
  for (std::size_t i = 0; i < list.size(); ++i) out += (i ? "|" : "") + list[i];
  return out + "]";
}

void DumpClassProperties(const TControl& c, std::ostream& out) {
  if (auto* x = As<TCCButton>(&c))
    out << " content=" << x->Content() << " fill=" << x->ColorFill() << " text=" << x->ColorText()
        << " line=" << x->Line() << " radius=" << x->Radius() << " showform=" << x->ShowForm()
        << " dotcolors=" << x->DOTColors() << " dotformat=" << x->DOTFormat()
        << " dotpicker=" << x->DOTPicker() << " dottitle=" << x->DOTTitle();
  if (auto* x = As<TCCSwitch>(&c))
    out << " content=" << x->Content() << " line=" << x->Line() << " radius=" << x->Radius()
        << " state=" << x->State();
  if (auto* x = As<TCCCheckbox>(&c)) out << " content=" << x->Content() << " state=" << x->State();
  if (auto* x = As<TCCLabel>(&c))
    out << " content=" << x->Content() << " line=" << x->Line() << " style=" << x->Style();
  if (auto* x = As<TCCEdit>(&c))
    out << " content=" << x->Content() << " line=" << x->Line() << " style=" << x->Style()
        << " topic=" << x->Topic();
  if (auto* x = As<TCCListBox>(&c))
    out << " items=" << Join(x->Items()) << " selected=" << x->SelectedItem();
  if (auto* x = As<TCCDropDown>(&c))
    out << " items=" << Join(x->Items()) << " selected=" << x->SelectedItem()
        << " visible_items=" << x->VisibleItems() << " testitems=" << x->TestItems();
  if (auto* x = As<TCCRadio>(&c))
    out << " items=" << Join(x->Items()) << " selected=" << x->SelectedItem()
        << " orientation=" << x->Orientation();
  if (auto* x = As<TCCPopUp>(&c))
    out << " items=" << Join(x->Items()) << " selected=" << x->SelectedItem()
        << " test=" << x->Test();
  if (auto* x = As<TCCBitmap>(&c)) out << " bits=" << x->StringBits() << " fore=" << x->ColorFore();
  if (auto* x = As<TCCTable>(&c))
    out << " items=" << Join(x->Items()) << " widths=" << Join(x->ColWidths())
        << " align=" << Join(x->ColAlign()) << " cols=" << x->Cols()
        << " selected=" << x->SelectedRow();
  if (auto* x = As<TCCMenu>(&c))
    out << " items=" << Join(x->Items()) << " topic=" << x->Topic()
        << " topicwidth=" << x->TopicWidth() << " userleft=" << x->UserLeft()
        << " userwidth=" << x->UserWidth() << " test=" << x->Test();
  if (auto* x = As<TCCMenuBar>(&c)) out << " test=" << x->Test();
  if (auto* x = As<TPTDialog>(&c))
    out << " title=" << x->Title() << " dfill=" << x->ColorDialogFill()
        << " dframe=" << x->ColorDialogFrame() << " fill=" << x->ColorFill()
        << " frame=" << x->ColorFrame() << " text=" << x->ColorText()
        << " sfill=" << x->ColorSelectedFill() << " sfore=" << x->ColorSelectedFore()
        << " grid=" << x->GridVisible() << "/" << x->GridSpace();
  if (auto* x = As<TPTButton>(&c))
    out << " text=" << x->Text() << " frame=" << x->Frame() << " type=" << x->ButtonType()
        << " fill=" << x->ColorFill() << " textcolor=" << x->ColorText()
        << " showform=" << x->ShowForm();
  if (auto* x = As<TPTPopTrigger>(&c))
    out << " text=" << x->Text() << " textcolor=" << x->ColorText();
  if (auto* x = As<TPTEdit>(&c))
    out << " text=" << x->Text() << " single=" << x->SingleLine() << " just=" << x->Justification()
        << " underline=" << x->Underline() << " editable=" << x->Editable()
        << " numbers=" << x->NumbersOnly() << " maxchars=" << x->MaxChars()
        << " fill=" << x->ColorFill() << " textcolor=" << x->ColorText()
        << " lines=" << x->ColorLines() << " caret=" << x->ColorCaret()
        << " hback=" << x->ColorHighlightBack() << " hfore=" << x->ColorHighlightFore();
  if (auto* x = As<TPTCheckbox>(&c))
    out << " content=" << x->Content() << " state=" << x->State() << " group=" << x->GroupNumber()
        << " textcolor=" << x->ColorText();
  if (auto* x = As<TPTLabel>(&c))
    out << " content=" << x->Content() << " textcolor=" << x->ColorText();
  if (auto* x = As<TPTList>(&c))
    out << " items=" << Join(x->Items()) << " maxitems=" << x->MaxItems()
        << " selected=" << x->SelectedItem() << " style=" << x->Style()
        << " trigger=" << x->Trigger();
}

void DumpOwnProperties(const TControl& c, std::ostream& out) {
  out << ClassName(c.Class()) << ' ' << c.Name() << " tag=" << c.Tag() << " bounds=" << c.Left()
      << ',' << c.Top() << ',' << c.Width() << ',' << c.Height() << " visible=" << c.Visible()
      << " color=" << c.Color() << " selectcolor=" << c.SelectColor()
      << " selected=" << c.Selected() << " align=" << static_cast<int>(c.Alignment())
      << " font=" << FontText(c.Font())
      << " palmform=" << (c.PalmForm() ? c.PalmForm()->Name() : "-");
  DumpClassProperties(c, out);
}

void DumpControl(const TControl& c, int depth, std::ostream& out) {
  out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
  DumpOwnProperties(c, out);
  out << '\n';
  for (const auto& child : c.Children()) DumpControl(*child, depth + 1, out);
}

}  // namespace

std::string DumpControlLine(const TControl& control) {
  std::ostringstream out;
  DumpOwnProperties(control, out);
  return out.str();
}

std::string DumpForm(const TChildFrm& form) {
  std::ostringstream out;
  const TCCForm& s = form.Screen();
  out << "form " << form.Name() << " caption=" << form.Caption() << " path=" << form.Path()
      << " window=" << form.WindowLeft() << ',' << form.WindowTop() << " title=" << s.Title()
      << " formfill=" << s.ColorFormFill() << " formframe=" << s.ColorFormFrame()
      << " fill=" << s.ColorFill() << " frame=" << s.ColorFrame() << " text=" << s.ColorText()
      << " sfill=" << s.ColorSelectedFill() << " sfore=" << s.ColorSelectedFore()
      << " grid=" << s.GridVisible() << '/' << s.GridSpace()
      << " shown=" << (form.ShownDialog() ? form.ShownDialog()->Name() : "-") << '\n';
  for (const auto& child : form.Client().Children()) DumpControl(*child, 0, out);
  out << "list:";
  for (const ControlListEntry& e : form.ControlList()) out << " [" << e.text << ']';
  out << '\n';
  return out.str();
}

}  // namespace qb::test

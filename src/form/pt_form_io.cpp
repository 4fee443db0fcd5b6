// The PToolboxLib form file: the screen panel's colour keys and the keys of every kind in
// written order, with their defaults.

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCForm.h"
#include "controls/CCRadio.h"
#include "controls/CCSwitch.h"
#include "controls/PTButton.h"
#include "controls/PTCheckBox.h"
#include "controls/PTDialog.h"
#include "controls/PTEdit.h"
#include "controls/PTLabel.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "form/form_keys.h"

namespace qb::form_io {

namespace {

// A selector trigger is a square box with a gray frame, whatever the file says.
void SelectLook(TControl& c) {
  auto& select = static_cast<TCCButton&>(c);
  select.SetRadius(0);
  select.SetLine(2);
}

LibraryLayout MakePToolboxLayout() {
  using F = TCCForm;
  using K = KindId;
  using Bt = TPTButton;
  using Sl = TCCButton;
  using Pb = TCCSwitch;
  using Cb = TPTCheckbox;
  using Lb = TPTLabel;
  using Ls = TPTList;
  using Pt = TPTPopTrigger;
  using Fl = TPTEdit;
  using Dl = TPTDialog;
  using Bm = TCCBitmap;
  using Rd = TCCRadio;

  LibraryLayout layout{LibraryId::kPToolboxLib, {}, {}, false};
  layout.form_keys = {
      Colour<F, &F::ColorFormFill, &F::SetColorFormFill>("FormColorFill", kWhite),
      Colour<F, &F::ColorFormFrame, &F::SetColorFormFrame>("FormColorFrame", kBlack),
      Colour<F, &F::ColorSelectedFill, &F::SetColorSelectedFill>("ColorSelectedFill", kNavy),
      Colour<F, &F::ColorSelectedFore, &F::SetColorSelectedFore>("ColorSelectedFore", kWhite),
      Colour<F, &F::ColorFrame, &F::SetColorFrame>("ColorFrame", kBlack),
      Colour<F, &F::ColorFill, &F::SetColorFill>("ColorFill", kWhite),
      Colour<F, &F::ColorText, &F::SetColorText>("ColorText", kBlack),
  };
  layout.kinds = {
      {K::kPTButton,
       {ControlKey(), NameKey("Button"), Text<Bt, &Bt::Text, &Bt::SetText>("Text", "Button"),
        HeightKey(17), WidthKey(46), LeftKey(5), TopKey(18),
        Int<Bt, &Bt::Frame, &Bt::SetFrame>("Frame", 0), FontKey(),
        Int<Bt, &Bt::ButtonType, &Bt::SetButtonType>("Type", 0),
        Text<Bt, &Bt::ShowForm, &Bt::SetShowForm>("ShowForm", "(None)"), ParentKey(),
        Colour<Bt, &Bt::ColorFill, &Bt::SetColorFill>("ColorFill", kWhite),
        Colour<Bt, &Bt::ColorText, &Bt::SetColorText>("ColorText", kBlack)},
       {},
       nullptr,
       true},
      {K::kPTPush,
       {ControlKey(), NameKey("Push"), Text<Pb, &Pb::Content, &Pb::SetContent>("Text", "Push"),
        HeightKey(14), WidthKey(34), LeftKey(10), TopKey(10), FontKey(),
        Int<Pb, &Pb::State, &Pb::SetState>("State", 0), TagKey("GroupNumber", 0), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTSelect,
       {ControlKey(), NameKey("Select"), Text<Sl, &Sl::Content, &Sl::SetContent>("Text", "Select"),
        HeightKey(14), WidthKey(34), LeftKey(10), TopKey(18), FontKey(),
        ToolkitAlignKey("Align", 0), ParentKey(),
        Colour<Sl, &Sl::ColorFill, &Sl::SetColorFill>("ColorFill", kWhite),
        Colour<Sl, &Sl::ColorText, &Sl::SetColorText>("ColorText", kBlack),
        Int<Sl, &Sl::DOTPicker, &Sl::SetDOTPicker>("DOTPicker", 0),
        Int<Sl, &Sl::DOTFormat, &Sl::SetDOTFormat>("DOTFormat", 0),
        Text<Sl, &Sl::DOTTitle, &Sl::SetDOTTitle>("DOTTitle", ""),
        Text<Sl, &Sl::DOTColors, &Sl::SetDOTColors>("DOTColors", kDefaultDotColors)},
       {},
       SelectLook,
       true},
      {K::kPTCheckBox,
       {ControlKey(), NameKey("CheckBox"),
        Text<Cb, &Cb::Content, &Cb::SetContent>("Text", "CheckBox"), HeightKey(15), WidthKey(34),
        LeftKey(10), TopKey(10), FontKey(), Int<Cb, &Cb::State, &Cb::SetState>("State", 0),
        Int<Cb, &Cb::GroupNumber, &Cb::SetGroupNumber>("GroupNumber", 0),
        Colour<Cb, &Cb::ColorText, &Cb::SetColorText>("ColorText", kBlack), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTLabel,
       {ControlKey(), NameKey("Label"), Text<Lb, &Lb::Content, &Lb::SetContent>("Text", "Label"),
        LeftKey(10), TopKey(18), FontKey(),
        Colour<Lb, &Lb::ColorText, &Lb::SetColorText>("ColorText", kBlack), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTList,
       {List<Ls, &Ls::Items, &Ls::SetItems>(), ControlKey(), NameKey("List"), WidthKey(34),
        LeftKey(10), TopKey(10), Int<Ls, &Ls::MaxItems, &Ls::SetMaxItems>("MaxItems", 2),
        Int<Ls, &Ls::SelectedItem, &Ls::SetSelectedItem>("SelectedItem", 0),
        Int<Ls, &Ls::Style, &Ls::SetStyle>("Style", 0),
        Text<Ls, &Ls::Trigger, &Ls::SetTrigger>("Trigger", kNoneChoice), FontKey(), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTPopTrigger,
       {ControlKey(), NameKey("PopTrigger"), Text<Pt, &Pt::Text, &Pt::SetText>("Text", "PopTr"),
        HeightKey(15), WidthKey(34), LeftKey(10), TopKey(18), FontKey(), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTField,
       {ControlKey(),
        NameKey("Field"),
        Text<Fl, &Fl::Text, &Fl::SetText>("Text", "Field"),
        HeightKey(15),
        WidthKey(34),
        LeftKey(10),
        TopKey(18),
        FontKey(),
        Int<Fl, &Fl::SingleLine, &Fl::SetSingleLine>("SingleLine", 0),
        Int<Fl, &Fl::Justification, &Fl::SetJustification>("Justification", 0),
        Int<Fl, &Fl::Underline, &Fl::SetUnderline>("Underline", 0),
        Int<Fl, &Fl::NumbersOnly, &Fl::SetNumbersOnly>("NumbersOnly", 0),
        Int<Fl, &Fl::Editable, &Fl::SetEditable>("Editable", 0),
        Int<Fl, &Fl::MaxChars, &Fl::SetMaxChars>("MaxChars", 20),
        ParentKey(),
        Colour<Fl, &Fl::ColorFill, &Fl::SetColorFill>("ColorFill", kWhite),
        Colour<Fl, &Fl::ColorText, &Fl::SetColorText>("ColorText", kBlack),
        Colour<Fl, &Fl::ColorCaret, &Fl::SetColorCaret>("ColorCaret", kBlack),
        Colour<Fl, &Fl::ColorLines, &Fl::SetColorLines>("ColorLines", kBlack),
        Colour<Fl, &Fl::ColorHighlightBack, &Fl::SetColorHighlightBack>("ColorHighlightBack",
                                                                        kBlack),
        Colour<Fl, &Fl::ColorHighlightFore, &Fl::SetColorHighlightFore>("ColorHighlightFore",
                                                                        kWhite)}},
      {K::kPTDialog,
       {ControlKey(), NameKey("Dialog"), Text<Dl, &Dl::Title, &Dl::SetTitle>("Title", "Dialog"),
        HeightKey(80), WidthKey(152), LeftKey(5), TopKey(60), TagKey("Test", 0),
        Colour<Dl, &Dl::ColorDialogFill, &Dl::SetColorDialogFill>("DialogColorFill", kWhite),
        Colour<Dl, &Dl::ColorDialogFrame, &Dl::SetColorDialogFrame>("DialogColorFrame", kBlack),
        Colour<Dl, &Dl::ColorFrame, &Dl::SetColorFrame>("ObjFrameColor", kBlack),
        Colour<Dl, &Dl::ColorFill, &Dl::SetColorFill>("ObjFillColor", kWhite),
        Colour<Dl, &Dl::ColorText, &Dl::SetColorText>("ObjForeTextColor", kBlack),
        Colour<Dl, &Dl::ColorSelectedFill, &Dl::SetColorSelectedFill>("ObjSelectedFillColor",
                                                                      kBlack),
        Colour<Dl, &Dl::ColorSelectedFore, &Dl::SetColorSelectedFore>("ObjSelectedForeColor",
                                                                      kWhite)}},
      {K::kPTGsi,
       {ControlKey(), NameKey("GSI"), LeftKey(150), TopKey(150), ParentKey()},
       {},
       nullptr,
       true},
      {K::kPTBitmap,
       {ControlKey(), NameKey("Bitmap"),
        Text<Bm, &Bm::StringBits, &Bm::SetStringBits>("StringBits", ""), HeightKey(20),
        WidthKey(20), LeftKey(10), TopKey(18), ParentKey(),
        Colour<Bm, &Bm::ColorFore, &Bm::SetColorFore>("ColorFore", kBlack)},
       {},
       nullptr,
       true},
      {K::kPTRadio,
       {List<Rd, &Rd::Items, &Rd::SetItems>(), ControlKey(), NameKey("Radio"), WidthKey(34),
        LeftKey(10), TopKey(10), HeightKey(15), TagKey("GroupNumber", 1),
        Int<Rd, &Rd::SelectedItem, &Rd::SetSelectedItem>("SelectedItem", 0),
        IntFirst<Rd, &Rd::Orientation, &Rd::SetOrientation>("Orientation", 0), FontKey(),
        ParentKey()},
       {},
       nullptr,
       true},
  };
  return layout;
}

}  // namespace

const LibraryLayout& PToolboxLayout() {
  static const LibraryLayout kLayout = MakePToolboxLayout();
  return kLayout;
}

}  // namespace qb::form_io

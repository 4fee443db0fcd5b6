#pragma once

// The bound properties of the PToolboxLib kinds: file key, inspector row, default.

#include <vector>

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
#include "controls/property_binding.h"

namespace qb::ptbind {

// The form itself: colours of the "FORM" section, carried by the screen panel.
using F = TCCForm;
inline constexpr PropertyBinding kFormFill =
    BindColor<F, &F::ColorFormFill, &F::SetColorFormFill>("FormColorFill", kWhite, "FormFillColor")
        .Named("ColorFormFill");
inline constexpr PropertyBinding kFormFrame =
    BindColor<F, &F::ColorFormFrame, &F::SetColorFormFrame>("FormColorFrame", kBlack,
                                                            "FormFrameColor")
        .Named("ColorFormFrame");
inline constexpr PropertyBinding kFormSelectedFill =
    BindColor<F, &F::ColorSelectedFill, &F::SetColorSelectedFill>("ColorSelectedFill", kNavy,
                                                                  "ObjSelectedFillColor");
inline constexpr PropertyBinding kFormSelectedFore =
    BindColor<F, &F::ColorSelectedFore, &F::SetColorSelectedFore>("ColorSelectedFore", kWhite,
                                                                  "ObjSelectedForeColor");
inline constexpr PropertyBinding kFormObjFrame =
    BindColor<F, &F::ColorFrame, &F::SetColorFrame>("ColorFrame", kBlack, "ObjFrameColor");
inline constexpr PropertyBinding kFormObjFill =
    BindColor<F, &F::ColorFill, &F::SetColorFill>("ColorFill", kWhite, "ObjFillColor");
inline constexpr PropertyBinding kFormObjText =
    BindColor<F, &F::ColorText, &F::SetColorText>("ColorText", kBlack, "ObjForeTextColor");
// The screen panel's title (the "FORM" section's own key) and grid, carried by the undo
// snapshots.
inline constexpr PropertyBinding kFormTitle =
    BindText<F, &F::Title, &F::SetTitle>("Title", "Form1").ClipboardOnly();
inline constexpr PropertyBinding kFormGridVisible =
    BindInt<F, &F::GridVisible, &F::SetGridVisible>("GridVisible", 0).ClipboardOnly();
inline constexpr PropertyBinding kFormGridSpace =
    BindInt<F, &F::GridSpace, &F::SetGridSpace>("GridSpace", 4).ClipboardOnly();

using Bt = TPTButton;
inline constexpr PropertyBinding kButtonText =
    BindText<Bt, &Bt::Text, &Bt::SetText>("Text", "Button");
inline constexpr PropertyBinding kButtonFrame = BindInt<Bt, &Bt::Frame, &Bt::SetFrame>("Frame", 0);
inline constexpr PropertyBinding kButtonType =
    BindInt<Bt, &Bt::ButtonType, &Bt::SetButtonType>("Type", 0);
inline constexpr PropertyBinding kButtonShowForm =
    BindText<Bt, &Bt::ShowForm, &Bt::SetShowForm>("ShowForm", kNoneChoice).Placed();
inline constexpr PropertyBinding kButtonFill =
    BindColor<Bt, &Bt::ColorFill, &Bt::SetColorFill>("ColorFill", kWhite, "FillColor");
inline constexpr PropertyBinding kButtonTextColor =
    BindColor<Bt, &Bt::ColorText, &Bt::SetColorText>("ColorText", kBlack, "TextColor");

using Pb = TCCSwitch;
inline constexpr PropertyBinding kPushText =
    BindText<Pb, &Pb::Content, &Pb::SetContent>("Text", "Push");
inline constexpr PropertyBinding kPushState = BindInt<Pb, &Pb::State, &Pb::SetState>("State", 0);

using Sl = TCCButton;
inline constexpr PropertyBinding kSelectText =
    BindText<Sl, &Sl::Content, &Sl::SetContent>("Text", "Select");
inline constexpr PropertyBinding kSelectFill =
    BindColor<Sl, &Sl::ColorFill, &Sl::SetColorFill>("ColorFill", kWhite, "FillColor");
inline constexpr PropertyBinding kSelectTextColor =
    BindColor<Sl, &Sl::ColorText, &Sl::SetColorText>("ColorText", kBlack, "TextColor");
inline constexpr PropertyBinding kSelectPicker =
    BindInt<Sl, &Sl::DOTPicker, &Sl::SetDOTPicker>("DOTPicker", 0, "DateTimePicker");
inline constexpr PropertyBinding kSelectFormat =
    BindInt<Sl, &Sl::DOTFormat, &Sl::SetDOTFormat>("DOTFormat", 0, "DateTimeFormat");
inline constexpr PropertyBinding kSelectTitle =
    BindText<Sl, &Sl::DOTTitle, &Sl::SetDOTTitle>("DOTTitle", "", "DateTimeTitle");
inline constexpr PropertyBinding kSelectColors = BindText<Sl, &Sl::DOTColors, &Sl::SetDOTColors>(
    "DOTColors", kDefaultDotColors, "DateTimeColors");

using Cb = TPTCheckbox;
inline constexpr PropertyBinding kCheckBoxText =
    BindText<Cb, &Cb::Content, &Cb::SetContent>("Text", "CheckBox");
inline constexpr PropertyBinding kCheckBoxState =
    BindInt<Cb, &Cb::State, &Cb::SetState>("State", 0);
inline constexpr PropertyBinding kCheckBoxGroup =
    BindInt<Cb, &Cb::GroupNumber, &Cb::SetGroupNumber>("GroupNumber", 0).Placed();
inline constexpr PropertyBinding kCheckBoxTextColor =
    BindColor<Cb, &Cb::ColorText, &Cb::SetColorText>("ColorText", kBlack).FileOnly();

using Lb = TPTLabel;
inline constexpr PropertyBinding kLabelText =
    BindText<Lb, &Lb::Content, &Lb::SetContent>("Text", "Label");
inline constexpr PropertyBinding kLabelTextColor =
    BindColor<Lb, &Lb::ColorText, &Lb::SetColorText>("ColorText", kBlack, "TextColor");

using Ls = TPTList;
inline constexpr PropertyBinding kListItems = BindList<Ls, &Ls::Items, &Ls::SetItems>();
inline constexpr PropertyBinding kListMaxItems =
    BindInt<Ls, &Ls::MaxItems, &Ls::SetMaxItems>("MaxItems", 2).Placed();
inline constexpr PropertyBinding kListSelected =
    BindInt<Ls, &Ls::SelectedItem, &Ls::SetSelectedItem>("SelectedItem", 0);
inline constexpr PropertyBinding kListStyle = BindInt<Ls, &Ls::Style, &Ls::SetStyle>("Style", 0);
inline constexpr PropertyBinding kListTrigger =
    BindText<Ls, &Ls::Trigger, &Ls::SetTrigger>("Trigger", kNoneChoice).Placed();

using Pt = TPTPopTrigger;
inline constexpr PropertyBinding kPopTriggerText =
    BindText<Pt, &Pt::Text, &Pt::SetText>("Text", "PopTr");
// The drawing overwrites it; the file does not store it.
inline constexpr PropertyBinding kPopTriggerTextColor =
    BindColor<Pt, &Pt::ColorText, &Pt::SetColorText>("ColorText", kBlack).ClipboardOnly();

using Fl = TPTEdit;
inline constexpr PropertyBinding kFieldText =
    BindText<Fl, &Fl::Text, &Fl::SetText>("Text", "Field").Placed();
inline constexpr PropertyBinding kFieldSingleLine =
    BindInt<Fl, &Fl::SingleLine, &Fl::SetSingleLine>("SingleLine", 0);
inline constexpr PropertyBinding kFieldJustification =
    BindInt<Fl, &Fl::Justification, &Fl::SetJustification>("Justification", 0);
inline constexpr PropertyBinding kFieldUnderline =
    BindInt<Fl, &Fl::Underline, &Fl::SetUnderline>("Underline", 0);
inline constexpr PropertyBinding kFieldNumbersOnly =
    BindInt<Fl, &Fl::NumbersOnly, &Fl::SetNumbersOnly>("NumbersOnly", 0);
inline constexpr PropertyBinding kFieldEditable =
    BindInt<Fl, &Fl::Editable, &Fl::SetEditable>("Editable", 0);
inline constexpr PropertyBinding kFieldMaxChars =
    BindInt<Fl, &Fl::MaxChars, &Fl::SetMaxChars>("MaxChars", 20).Placed();
inline constexpr PropertyBinding kFieldFill =
    BindColor<Fl, &Fl::ColorFill, &Fl::SetColorFill>("ColorFill", kWhite, "BackgroundColor");
inline constexpr PropertyBinding kFieldTextColor =
    BindColor<Fl, &Fl::ColorText, &Fl::SetColorText>("ColorText", kBlack, "TextColor");
inline constexpr PropertyBinding kFieldCaret =
    BindColor<Fl, &Fl::ColorCaret, &Fl::SetColorCaret>("ColorCaret", kBlack, "CaretColor");
inline constexpr PropertyBinding kFieldLines =
    BindColor<Fl, &Fl::ColorLines, &Fl::SetColorLines>("ColorLines", kBlack, "LineColor");
inline constexpr PropertyBinding kFieldHighlightBack =
    BindColor<Fl, &Fl::ColorHighlightBack, &Fl::SetColorHighlightBack>("ColorHighlightBack", kBlack,
                                                                       "HighlightBackColor");
inline constexpr PropertyBinding kFieldHighlightFore =
    BindColor<Fl, &Fl::ColorHighlightFore, &Fl::SetColorHighlightFore>("ColorHighlightFore", kWhite,
                                                                       "HighlightForeColor");

using Dl = TPTDialog;
inline constexpr PropertyBinding kDialogTitle =
    BindText<Dl, &Dl::Title, &Dl::SetTitle>("Title", "Dialog");
inline constexpr PropertyBinding kDialogFill =
    BindColor<Dl, &Dl::ColorDialogFill, &Dl::SetColorDialogFill>("DialogColorFill", kWhite,
                                                                 "DialogFillColor");
inline constexpr PropertyBinding kDialogFrame =
    BindColor<Dl, &Dl::ColorDialogFrame, &Dl::SetColorDialogFrame>("DialogColorFrame", kBlack,
                                                                   "DialogFrameColor");
inline constexpr PropertyBinding kDialogObjFrame =
    BindColor<Dl, &Dl::ColorFrame, &Dl::SetColorFrame>("ObjFrameColor", kBlack);
inline constexpr PropertyBinding kDialogObjFill =
    BindColor<Dl, &Dl::ColorFill, &Dl::SetColorFill>("ObjFillColor", kWhite);
inline constexpr PropertyBinding kDialogObjText =
    BindColor<Dl, &Dl::ColorText, &Dl::SetColorText>("ObjForeTextColor", kBlack);
inline constexpr PropertyBinding kDialogSelectedFill =
    BindColor<Dl, &Dl::ColorSelectedFill, &Dl::SetColorSelectedFill>("ObjSelectedFillColor",
                                                                     kBlack);
inline constexpr PropertyBinding kDialogSelectedFore =
    BindColor<Dl, &Dl::ColorSelectedFore, &Dl::SetColorSelectedFore>("ObjSelectedForeColor",
                                                                     kWhite);
// The grid the View > Grid option gives the screen and its dialogs: view state, not stored.
inline constexpr PropertyBinding kDialogGridVisible =
    BindInt<Dl, &Dl::GridVisible, &Dl::SetGridVisible>("GridVisible", 0).ClipboardOnly();
inline constexpr PropertyBinding kDialogGridSpace =
    BindInt<Dl, &Dl::GridSpace, &Dl::SetGridSpace>("GridSpace", 4).ClipboardOnly();

using Bm = TCCBitmap;
// The picture is changed in the bitmap editor, through the "Bitmap" row.
inline constexpr PropertyBinding kBitmapBits =
    BindText<Bm, &Bm::StringBits, &Bm::SetStringBits>("StringBits", "", "Bitmap").Placed();
inline constexpr PropertyBinding kBitmapFore =
    BindColor<Bm, &Bm::ColorFore, &Bm::SetColorFore>("ColorFore", kBlack, "ForeColor");

using Rd = TCCRadio;
inline constexpr PropertyBinding kRadioItems = BindList<Rd, &Rd::Items, &Rd::SetItems>();
inline constexpr PropertyBinding kRadioSelected =
    BindInt<Rd, &Rd::SelectedItem, &Rd::SetSelectedItem>("SelectedItem", 0);
inline constexpr PropertyBinding kRadioOrientation =
    BindInt<Rd, &Rd::Orientation, &Rd::SetOrientation>("Orientation", 0).First();

}  // namespace qb::ptbind

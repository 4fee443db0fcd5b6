#pragma once

// The inspector's row names that the rules, the cell types and the pick lists name in code.
// The rows of bound properties take their names from the bindings (controls/*_bindings.h).

namespace qb::rows {

inline constexpr const char* kAlign = "Align";
inline constexpr const char* kAlignment = "Alignment";
inline constexpr const char* kBackgroundColor = "BackgroundColor";
inline constexpr const char* kBitmap = "Bitmap";
inline constexpr const char* kCaretColor = "CaretColor";
inline constexpr const char* kClickable = "Clickable";
inline constexpr const char* kContent = "Content";
inline constexpr const char* kDateTimeColors = "DateTimeColors";
inline constexpr const char* kDateTimeFormat = "DateTimeFormat";
inline constexpr const char* kDateTimePicker = "DateTimePicker";
inline constexpr const char* kDialogFillColor = "DialogFillColor";
inline constexpr const char* kDialogFrameColor = "DialogFrameColor";
inline constexpr const char* kEditable = "Editable";
inline constexpr const char* kFillColor = "FillColor";
inline constexpr const char* kFont = "Font";
inline constexpr const char* kForeColor = "ForeColor";
inline constexpr const char* kFormFillColor = "FormFillColor";
inline constexpr const char* kFormFrameColor = "FormFrameColor";
inline constexpr const char* kFrame = "Frame";
inline constexpr const char* kGroupNumber = "GroupNumber";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kHighlightBackColor = "HighlightBackColor";
inline constexpr const char* kHighlightForeColor = "HighlightForeColor";
inline constexpr const char* kItems = "Items";
inline constexpr const char* kJustification = "Justification";
inline constexpr const char* kLeft = "Left";
inline constexpr const char* kLine = "Line";
inline constexpr const char* kLineColor = "LineColor";
inline constexpr const char* kName = "Name";
inline constexpr const char* kNumbersOnly = "NumbersOnly";
inline constexpr const char* kObjFillColor = "ObjFillColor";
inline constexpr const char* kObjForeTextColor = "ObjForeTextColor";
inline constexpr const char* kObjFrameColor = "ObjFrameColor";
inline constexpr const char* kObjSelectedFillColor = "ObjSelectedFillColor";
inline constexpr const char* kObjSelectedForeColor = "ObjSelectedForeColor";
inline constexpr const char* kOrientation = "Orientation";
inline constexpr const char* kShowForm = "ShowForm";
inline constexpr const char* kSingleLine = "SingleLine";
inline constexpr const char* kState = "State";
inline constexpr const char* kStyle = "Style";
inline constexpr const char* kTest = "Test";
inline constexpr const char* kTestItems = "TestItems";
inline constexpr const char* kText = "Text";
inline constexpr const char* kTextColor = "TextColor";
inline constexpr const char* kTitle = "Title";
inline constexpr const char* kTop = "Top";
inline constexpr const char* kTrigger = "Trigger";
inline constexpr const char* kType = "Type";
inline constexpr const char* kUnderline = "Underline";
inline constexpr const char* kWidth = "Width";

}  // namespace qb::rows

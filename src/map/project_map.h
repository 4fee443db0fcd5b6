#pragma once

// The project map: every form of a project as a thumbnail, and where each tap leads as an
// arrow, in one picture.
//
// - Order: breadth-first from the first form (the project's first form by name, else the first
//   listed form), following each form's links in the back-to-front order of its controls (a
//   dialog's controls right after the dialog); a form already placed is not placed again;
//   forms nothing reaches (the files that could not be opened among them) follow in the
//   project's order.
// - Thumbnails: each form exactly as `quillboard-cli render` draws its saved file (its copy
//   written and read back, so no selection mark, grid or designer-only state shows), labelled
//   with its name; each dialog that a link names or that holds a link's start, cut from its
//   form's picture drawn with that dialog shown, beside its form; a grey placeholder named
//   after its file for a listed form that could not be opened.
// - Links: a Button or Select whose ShowForm names a dialog of its own form, a form, or a
//   dialog of another form (in that order of lookup, names compared exactly) is an arrow from
//   the control's place to that thumbnail; a List whose Trigger names a PopTrigger beside it is
//   a short arrow beside its thumbnail from the trigger's row to the list's; a link that names
//   nothing that exists is a red stub labelled with the name it asks for.
// - Lines meet an edge at the control's height (or, coming in, at the point of the edge nearest
//   to them); a point another line took already moves on by kMapSpread along the edge. A line
//   to a thumbnail of its own row that would pass under another goes up to a lane above the
//   row, along it and down beside the target instead; other lines are straight.
// - Nothing is drawn over a thumbnail: arrows leave and reach thumbnails at their edges and
//   pass under them, so each thumbnail stays the form's picture pixel for pixel.
//
// The map only reads the forms: it works on copies and changes no value, change count,
// picture flag or undo step of the design.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/font_registry.h"
#include "controls/palm_canvas.h"
#include "form/ChildFor.h"
#include "form/app_state.h"

namespace qb {

// One form the project lists: open, or a file that could not be opened.
struct MapForm {
  const TChildFrm* form = nullptr;  // nullptr: the file could not be opened
  std::string file;                 // the form file (names a placeholder)
};

enum class MapThumbnailKind { kForm, kDialog, kPlaceholder };

struct MapThumbnail {
  MapThumbnailKind kind = MapThumbnailKind::kForm;
  std::size_t form = 0;  // index into the map's forms
  std::string name;      // the form's or dialog's name, or the placeholder's file name
  Rect rect;             // the picture's place in the map
  Point label;           // the label's top-left corner
  int row = 0;           // the row of slots it stands in
  PalmCanvas picture;    // exactly what the rectangle shows
};

enum class MapLinkKind { kShowForm, kTrigger };

struct MapLink {
  MapLinkKind kind = MapLinkKind::kShowForm;
  std::size_t form = 0;  // the form of the control at the start
  std::string control;   // the control at the start (the PopTrigger of a Trigger)
  std::string target;    // the name the link asks for
  bool missing = false;  // names nothing that exists: a red stub
  int from = -1;         // the thumbnail the start lies on
  int to = -1;           // the thumbnail it leads to (the start's own for a Trigger); -1 stub
  Rect start_area;       // the control's place on its thumbnail
  Point start;           // the middle of that place
  // The drawn line: from the thumbnail's edge beside the start to the arrow's point (or the
  // stub's end), every corner in between.
  std::vector<Point> path;
  Point end;  // the arrow's point, outside the target's edge; the stub's end
};

// The layout's measures, in map pixels.
inline constexpr int kMapMargin = 28;
inline constexpr int kMapSlotGap = 64;  // between one form's slot and the next
inline constexpr int kMapRowGap = 32;
inline constexpr int kMapDialogGap = 24;  // between a form and the column of its dialogs
inline constexpr int kMapLabelGap = 2;    // between a label and its thumbnail
inline constexpr int kMapSlotsPerRow = 4;
inline constexpr int kMapLeave = 8;         // a ShowForm line's first run away from the edge
inline constexpr int kMapTriggerReach = 6;  // how far a Trigger's arrow stands off the edge
inline constexpr int kMapStubLength = 16;
inline constexpr int kMapHeadLength = 5;
// A line to a thumbnail of its row that would pass under another takes a lane in the band this
// high above the row, and comes in from the side this far off the target's edge.
inline constexpr int kMapLaneBand = 24;
inline constexpr int kMapApproach = 16;
// Lines meeting one edge keep this far apart.
inline constexpr int kMapSpread = 4;
inline constexpr int kMapPlaceholderWidth = TDesignerClient::kClientWidth;
inline constexpr int kMapPlaceholderHeight = TDesignerClient::kClientHeight;

// About 128 MB of picture; more forms and dialogs than that are not drawn as one.
inline constexpr std::int64_t kMaxMapPixels = 32 * 1024 * 1024;

inline constexpr Color kMapBackground = MakeColor(236, 236, 236);
inline constexpr Color kMapFrame = MakeColor(128, 128, 128);
inline constexpr Color kMapPlaceholder = MakeColor(192, 192, 192);
inline constexpr Color kMapLabel = kBlack;
inline constexpr Color kMapShowFormLine = MakeColor(0, 64, 192);
inline constexpr Color kMapTriggerLine = MakeColor(0, 128, 64);
inline constexpr Color kMapStub = MakeColor(224, 0, 0);

struct ProjectMap {
  std::vector<MapForm> forms;
  std::vector<std::size_t> order;  // indexes into forms, in the order they are placed
  std::vector<MapThumbnail> thumbnails;
  std::vector<MapLink> links;
  PalmCanvas picture;
  // A map over kMaxMapPixels is not drawn: the picture stays empty, wanted says its size.
  bool too_large = false;
  Point wanted;

  // The thumbnail under a map point, or -1.
  int ThumbnailAt(Point p) const;
  // The link whose start area holds the point (the frontmost control's), or -1.
  int LinkStartAt(Point p) const;
  // The thumbnail of a form, or of one of its dialogs; -1 when none.
  int FormThumbnail(std::size_t form) const;
  int DialogThumbnail(std::size_t form, const std::string& dialog) const;
};

// The order alone: indexes into forms. first_form names the first form; empty or a name no
// open form has starts from the first listed form.
std::vector<std::size_t> MapOrder(const std::vector<MapForm>& forms, const std::string& first_form);

// The pictures of the forms, each drawn once per change of its form: a copy written and read
// back as its file would be, drawn alone and with each dialog a link asks for shown.
class MapPictures {
 public:
  explicit MapPictures(const FontRegistry& fonts) : fonts_(fonts) {}
  // The form's picture (the client area, as render writes it).
  const PalmCanvas& Form(const AppState& design, const TChildFrm& form);
  // The dialog's rectangle of the form's picture drawn with that dialog shown; an empty
  // canvas when the form has no such dialog.
  const PalmCanvas& Dialog(const AppState& design, const TChildFrm& form, const std::string& name);
  // The copy the form's picture was drawn from; nullptr before it was drawn.
  const TChildFrm* Copy(const TChildFrm& form) const;
  // Drops the pictures of forms that are no longer given.
  void Keep(const std::vector<MapForm>& forms);

 private:
  struct Entry {
    std::uint64_t change_count = 0;
    std::uint64_t picture_serial = 0;
    std::string name;
    std::unique_ptr<TChildFrm> copy;
    PalmCanvas picture;
    std::map<std::string, PalmCanvas> dialogs;
  };
  Entry& EntryFor(const AppState& design, const TChildFrm& form);

  const FontRegistry& fonts_;
  AppState copies_;
  std::map<const TChildFrm*, Entry> entries_;
};

// The whole map of the forms; first_form as for MapOrder. The faces label the thumbnails.
ProjectMap BuildProjectMap(const AppState& design, const std::vector<MapForm>& forms,
                           const std::string& first_form, MapPictures& pictures,
                           const FontRegistry& fonts);

}  // namespace qb

#include "map/project_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/CCButton.h"
#include "controls/PTButton.h"
#include "controls/PTDialog.h"
#include "controls/PTList.h"
#include "controls/PTPopTrigger.h"
#include "controls/factory.h"
#include "controls/form_picture.h"
#include "form/form_file.h"
#include "form/shown_dialog.h"
#include "map/map_svg.h"
#include "model/font.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

template <class T>
T& Add(TChildFrm& form, TControl& parent, const std::string& name, Rect r) {
  auto c = CreateControl(T::kClass, &form.Document());
  c->SetName(name);
  c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  c->SetPalmForm(&parent);
  return static_cast<T&>(*parent.AddChild(std::move(c)));
}

// A PToolboxLib project built in code: forms with buttons leading to names, and dialogs.
class Project {
 public:
  Project() { state_.library = LibraryId::kPToolboxLib; }

  TChildFrm& Form(const std::string& name) {
    state_.windows.push_back(std::make_unique<TChildFrm>());
    TChildFrm& form = *state_.windows.back();
    form.SetName(name);
    form.Screen().SetTitle(name);
    forms_.push_back({&form, name + ".qbf"});
    return form;
  }
  void Missing(const std::string& file) { forms_.push_back({nullptr, file}); }
  // A button at the next free row of the form's screen, leading to target.
  TPTButton& Button(TChildFrm& form, const std::string& name, const std::string& target) {
    const int top = 20 + 16 * static_cast<int>(form.Screen().Children().size());
    auto& b = Add<TPTButton>(form, form.Screen(), name, {10, top, 50, top + 13});
    b.SetShowForm(target);
    return b;
  }
  TPTDialog& Dialog(TChildFrm& form, const std::string& name, Rect r) {
    auto& d = Add<TPTDialog>(form, form.Screen(), name, r);
    d.SetTitle(name);
    d.SetVisible(false);
    return d;
  }

  ProjectMap Map(const std::string& first = "") {
    return BuildProjectMap(state_, forms_, first, pictures_, fonts_);
  }
  std::vector<std::string> Order(const std::string& first = "") {
    std::vector<std::string> names;
    for (std::size_t i : MapOrder(forms_, first))
      names.push_back(forms_[i].form ? forms_[i].form->Name() : forms_[i].file);
    return names;
  }
  AppState& State() { return state_; }
  FontRegistry& Fonts() { return fonts_; }

 private:
  AppState state_;
  std::vector<MapForm> forms_;
  FontRegistry fonts_;
  MapPictures pictures_{fonts_};
};

struct Link {
  const char* from;
  const char* target;
};

struct OrderCase {
  const char* what;
  std::vector<const char*> forms;    // "-" marks a file that could not be opened
  std::vector<const char*> dialogs;  // "Form/Dialog"
  std::vector<Link> links;           // in control order per form
  const char* first;
  std::vector<std::string> order;
};

TEST(MapOrder, BreadthFirstFromTheFirstForm) {
  const OrderCase cases[] = {
      {"first listed form without a first form", {"A", "B", "C"}, {}, {}, "", {"A", "B", "C"}},
      {"the first form by name", {"A", "B", "C"}, {}, {}, "B", {"B", "A", "C"}},
      {"an unknown first form is the first listed", {"A", "B"}, {}, {}, "Z", {"A", "B"}},
      {"a first form differing in case is unknown", {"A", "B"}, {}, {}, "b", {"A", "B"}},
      {"links in control order, breadth first",
       {"A", "B", "C", "D"},
       {},
       {{"A", "C"}, {"A", "B"}, {"C", "D"}},
       "",
       {"A", "C", "B", "D"}},
      {"breadth before depth",
       {"A", "B", "C", "D"},
       {},
       {{"A", "B"}, {"B", "D"}, {"A", "C"}},
       "",
       {"A", "B", "C", "D"}},
      {"cycles place each form once",
       {"A", "B", "C"},
       {},
       {{"A", "B"}, {"B", "A"}, {"B", "B"}, {"C", "A"}},
       "",
       {"A", "B", "C"}},
      {"unreached forms after, in the project's order",
       {"A", "B", "C", "D"},
       {},
       {{"A", "D"}},
       "",
       {"A", "D", "B", "C"}},
      {"a file that could not be opened is unreached",
       {"A", "-", "B"},
       {},
       {{"A", "B"}},
       "",
       {"A", "B", "-"}},
      {"a link to another form's dialog reaches that form",
       {"A", "B", "C"},
       {"C/Info"},
       {{"A", "Info"}},
       "",
       {"A", "C", "B"}},
      {"a dialog of the own form before a form of the same name",
       {"A", "B", "C"},
       {"A/C"},
       {{"A", "C"}},
       "",
       {"A", "B", "C"}},
      {"a link to nothing reaches nothing",
       {"A", "B"},
       {},
       {{"A", "Nowhere"}, {"A", "(None)"}},
       "",
       {"A", "B"}},
      {"a start in the middle", {"A", "B", "C"}, {}, {{"B", "A"}}, "C", {"C", "A", "B"}},
  };
  for (const OrderCase& c : cases) {
    Project p;
    std::map<std::string, TChildFrm*> forms;
    for (const char* name : c.forms) {
      if (std::string(name) == "-")
        p.Missing("-");
      else
        forms[name] = &p.Form(name);
    }
    for (const std::string dialog : c.dialogs) {
      const auto slash = dialog.find('/');
      p.Dialog(*forms[dialog.substr(0, slash)], dialog.substr(slash + 1), {10, 60, 90, 120});
    }
    int n = 0;
    for (const Link& l : c.links) p.Button(*forms[l.from], "Go" + std::to_string(++n), l.target);
    EXPECT_EQ(p.Order(c.first), c.order) << c.what;
    EXPECT_EQ(p.Map(c.first).order.size(), c.forms.size()) << c.what;
  }
}

// The form's picture as quillboard-cli render draws its saved file.
PalmCanvas RenderedFile(Project& p, TChildFrm& form, const test::TempDir& dir) {
  const std::string path = dir.Path(form.Name() + ".qbf");
  IniFile ini = WriteFormToIni(LibraryId::kPToolboxLib, form);
  EXPECT_TRUE(ini.Save(path));
  AppState state;
  state.library = LibraryId::kPToolboxLib;
  TChildFrm read;
  read.SetName(form.Name());
  ReadForm(LibraryId::kPToolboxLib, read, path, state);
  FormPicture picture(p.Fonts());
  return picture.Render(read.Client());
}

bool SameIn(const PalmCanvas& map, const PalmCanvas& part, int x, int y) {
  for (int j = 0; j < part.Height(); ++j)
    for (int i = 0; i < part.Width(); ++i)
      if (map.At(x + i, y + j) != part.At(i, j)) return false;
  return true;
}

// Main: Go -> Second, Dlg -> Info (its own dialog), Far -> Note (Second's dialog), Lost ->
// Nowhere; a PopTrigger T opening the List L. Second: Back -> Main, Self -> Second.
class MapOfTwoForms : public ::testing::Test {
 public:
  MapOfTwoForms() : main_(p_.Form("Main")), second_(p_.Form("Second")) {
    p_.Button(main_, "Go", "Second");
    p_.Button(main_, "Dlg", "Info");
    p_.Button(main_, "Far", "Note");
    p_.Button(main_, "Lost", "Nowhere");
    Add<TPTPopTrigger>(main_, main_.Screen(), "T", {90, 20, 130, 35});
    auto& list = Add<TPTList>(main_, main_.Screen(), "L", {90, 100, 140, 130});
    list.SetTrigger("T");
    TPTDialog& info = p_.Dialog(main_, "Info", {20, 90, 140, 150});
    Add<TPTButton>(main_, info, "Ok", {10, 30, 50, 43}).SetShowForm("Second");
    p_.Button(second_, "Back", "Main");
    p_.Button(second_, "Self", "Second");
    p_.Dialog(second_, "Note", {10, 80, 110, 140});
    map_ = p_.Map();
  }

  const MapThumbnail& Thumb(int i) { return map_.thumbnails.at(static_cast<std::size_t>(i)); }
  const MapLink& LinkOf(const std::string& control) {
    for (const MapLink& l : map_.links)
      if (l.control == control) return l;
    ADD_FAILURE() << "no link from " << control;
    return map_.links.front();
  }

 protected:
  Project p_;
  TChildFrm& main_;
  TChildFrm& second_;
  ProjectMap map_;
};

TEST_F(MapOfTwoForms, ThumbnailsAndTheirPlaces) {
  // Main, its dialog Info beside it, then Second with its dialog Note.
  ASSERT_EQ(map_.thumbnails.size(), 4u);
  const struct {
    MapThumbnailKind kind;
    std::size_t form;
    const char* name;
    int width, height;
  } expected[] = {
      {MapThumbnailKind::kForm, 0, "Main", 167, 226},
      {MapThumbnailKind::kDialog, 0, "Info", 120, 60},
      {MapThumbnailKind::kForm, 1, "Second", 167, 226},
      {MapThumbnailKind::kDialog, 1, "Note", 100, 60},
  };
  const int label = p_.Fonts().Face(kPilotStandard).Height() + kMapLabelGap;
  for (int i = 0; i < 4; ++i) {
    const auto& e = expected[i];
    EXPECT_EQ(Thumb(i).kind, e.kind) << i;
    EXPECT_EQ(Thumb(i).form, e.form) << i;
    EXPECT_EQ(Thumb(i).name, e.name) << i;
    EXPECT_EQ(Thumb(i).rect.right - Thumb(i).rect.left, e.width) << i;
    EXPECT_EQ(Thumb(i).rect.bottom - Thumb(i).rect.top, e.height) << i;
    EXPECT_EQ(Thumb(i).rect.top, Thumb(i).label.y + label) << i;
  }
  EXPECT_EQ(Thumb(0).rect.left, kMapMargin);
  EXPECT_EQ(Thumb(0).rect.top, kMapMargin + label);
  EXPECT_EQ(Thumb(1).rect.left, Thumb(0).rect.right + kMapDialogGap);
  EXPECT_EQ(Thumb(1).label.y, kMapMargin);
  EXPECT_EQ(Thumb(2).rect.left, Thumb(1).rect.right + kMapSlotGap);
  EXPECT_EQ(Thumb(3).rect.left, Thumb(2).rect.right + kMapDialogGap);
}

TEST_F(MapOfTwoForms, ThumbnailsAreTheRenderedPicturesPixelForPixel) {
  test::TempDir dir;
  const PalmCanvas main_file = RenderedFile(p_, main_, dir);
  const PalmCanvas second_file = RenderedFile(p_, second_, dir);
  EXPECT_TRUE(SameIn(map_.picture, main_file, Thumb(0).rect.left, Thumb(0).rect.top));
  EXPECT_TRUE(SameIn(map_.picture, second_file, Thumb(2).rect.left, Thumb(2).rect.top));
  // The dialog's rectangle of the form drawn with that dialog shown.
  ShowDialog(main_, *As<TPTDialog>(main_.FindControl("Info")));
  const PalmCanvas shown = RenderedFile(p_, main_, dir);
  const Rect r = PictureRect(*main_.FindControl("Info"));
  EXPECT_EQ(r, (Rect{24, 92, 144, 152}));
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      ASSERT_EQ(map_.picture.At(Thumb(1).rect.left + x, Thumb(1).rect.top + y),
                shown.At(r.left + x, r.top + y))
          << x << "," << y;
  // Every thumbnail lies in the picture as it is, arrows passing under it.
  for (const MapThumbnail& t : map_.thumbnails)
    EXPECT_TRUE(SameIn(map_.picture, t.picture, t.rect.left, t.rect.top)) << t.name;
}

TEST_F(MapOfTwoForms, ArrowEndsInMapCoordinates) {
  const Rect main = Thumb(0).rect, info = Thumb(1).rect, second = Thumb(2).rect,
             note = Thumb(3).rect;
  // The screen panel lies at (4, 2) of the client area; Go is at (10, 20) of it, 40 x 13.
  const auto row = [&](const Rect& on, int top) { return on.top + 2 + top + 6; };
  // Lines to a thumbnail of the row that would pass under Info take the lanes above the row,
  // in order, and come in beside their target.
  const int lane = Thumb(0).label.y - kMapLaneBand;
  // A PToolboxLib list is drawn MaxItems (2) rows of the face high, plus 3.
  const int list_middle = 100 + (2 * p_.Fonts().Face(kPilotStandard).Height() + 3) / 2;
  const struct {
    const char* control;
    const char* target;
    bool missing;
    int from, to;
    Rect area;
    std::vector<Point> path;
  } cases[] = {
      {"Go",
       "Second",
       false,
       0,
       2,
       main.Offset(14, 22),
       {{main.right + 1, row(main, 20)},
        {main.right + 1 + kMapLeave, row(main, 20)},
        {main.right + 1 + kMapLeave, lane},
        {second.left - 2 - kMapApproach, lane},
        {second.left - 2 - kMapApproach, second.top + kMapLeave},
        {second.left - 2, second.top + kMapLeave}}},
      {"Dlg",
       "Info",
       false,
       0,
       1,
       main.Offset(14, 22 + 16),
       {{main.right + 1, row(main, 36)},
        {main.right + 1 + kMapLeave, row(main, 36)},
        {info.left - 2, row(main, 36)}}},
      {"Far",
       "Note",
       false,
       0,
       3,
       main.Offset(14, 22 + 32),
       {{main.right + 1, row(main, 52)},
        {main.right + 1 + kMapLeave, row(main, 52)},
        {main.right + 1 + kMapLeave, lane + kMapSpread},
        {note.left - 2 - kMapApproach, lane + kMapSpread},
        {note.left - 2 - kMapApproach, note.top + kMapLeave},
        {note.left - 2, note.top + kMapLeave}}},
      {"Lost",
       "Nowhere",
       true,
       0,
       -1,
       main.Offset(14, 22 + 48),
       {{main.right + 1, row(main, 68)}, {main.right + 1 + kMapStubLength, row(main, 68)}}},
      // The trigger's arrow stands beside the thumbnail, from its row to the list's.
      {"T",
       "T",
       false,
       0,
       0,
       main.Offset(94, 22),
       {{main.left - 2, main.top + 2 + 27},
        {main.left - 2 - kMapTriggerReach, main.top + 2 + 27},
        {main.left - 2 - kMapTriggerReach, main.top + 2 + list_middle},
        {main.left - 2, main.top + 2 + list_middle}}},
      // Inside the dialog: from the dialog's thumbnail, to the left.
      {"Ok",
       "Second",
       false,
       1,
       2,
       info.Offset(10, 30),
       {{info.right + 1, info.top + 36},
        {info.right + 1 + kMapLeave, info.top + 36},
        {second.left - 2, info.top + 36}}},
      // To the left, under Info: the third lane, in at Main's right edge.
      {"Back",
       "Main",
       false,
       2,
       0,
       second.Offset(14, 22),
       {{second.left - 2, row(second, 20)},
        {second.left - 2 - kMapLeave, row(second, 20)},
        {second.left - 2 - kMapLeave, lane + 2 * kMapSpread},
        {main.right + 1 + kMapApproach, lane + 2 * kMapSpread},
        {main.right + 1 + kMapApproach, main.top + kMapLeave},
        {main.right + 1, main.top + kMapLeave}}},
      // A form showing itself: out and back in above.
      {"Self",
       "Second",
       false,
       2,
       2,
       second.Offset(14, 22 + 16),
       {{second.right + 1, row(second, 36)},
        {second.right + 1 + kMapLeave, row(second, 36)},
        {second.right + 1 + kMapLeave, second.top + kMapLeave},
        {second.right + 1, second.top + kMapLeave}}},
  };
  ASSERT_EQ(map_.links.size(), std::size(cases));
  for (const auto& c : cases) {
    const MapLink& l = LinkOf(c.control);
    EXPECT_EQ(l.target, c.target) << c.control;
    EXPECT_EQ(l.missing, c.missing) << c.control;
    EXPECT_EQ(l.from, c.from) << c.control;
    EXPECT_EQ(l.to, c.to) << c.control;
    const Rect area{c.area.left, c.area.top, c.area.left + 40, c.area.top + 13};
    if (std::string(c.control) == "T")
      EXPECT_EQ(l.start_area, (Rect{c.area.left, c.area.top, c.area.left + 40, c.area.top + 15}));
    else
      EXPECT_EQ(l.start_area, area) << c.control;
    EXPECT_EQ(l.path, c.path) << c.control;
    EXPECT_EQ(l.end, c.path.back()) << c.control;
  }
  EXPECT_EQ(LinkOf("T").kind, MapLinkKind::kTrigger);
  // The lines are drawn in their colours outside the thumbnails.
  const Point stub = LinkOf("Lost").end;
  EXPECT_EQ(map_.picture.At(stub.x - 1, stub.y), kMapStub);
  const Point go = LinkOf("Go").path[3];
  EXPECT_EQ(map_.picture.At(go.x, go.y), kMapShowFormLine);
  const Point trigger = LinkOf("T").path[2];
  EXPECT_EQ(map_.picture.At(trigger.x, trigger.y), kMapTriggerLine);
}

TEST_F(MapOfTwoForms, HitTestsFindThumbnailsAndStarts) {
  const struct {
    Point p;
    int thumbnail;
    const char* start;
  } cases[] = {
      {{Thumb(0).rect.left, Thumb(0).rect.top}, 0, ""},
      {{Thumb(0).rect.left - 1, Thumb(0).rect.top}, -1, ""},
      {{Thumb(1).rect.right - 1, Thumb(1).rect.bottom - 1}, 1, ""},
      {{Thumb(1).rect.right, Thumb(1).rect.top}, -1, ""},
      {{0, 0}, -1, ""},
      {LinkOf("Go").start, 0, "Go"},
      {LinkOf("Ok").start, 1, "Ok"},
      {{LinkOf("Back").start_area.left, LinkOf("Back").start_area.top}, 2, "Back"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(map_.ThumbnailAt(c.p), c.thumbnail) << c.p.x << "," << c.p.y;
    const int link = map_.LinkStartAt(c.p);
    EXPECT_EQ(link < 0 ? std::string() : map_.links[static_cast<std::size_t>(link)].control,
              c.start)
        << c.p.x << "," << c.p.y;
  }
}

TEST_F(MapOfTwoForms, OnlyReadsTheDesign) {
  main_.FindControl("Go")->SetSelected(true);
  ShowDialog(main_, *As<TPTDialog>(main_.FindControl("Info")));
  main_.Undo().Clear();
  main_.ClearPictureDirty();
  const std::string before = WriteFormToIni(LibraryId::kPToolboxLib, main_).Text();
  const auto changes = main_.ChangeCount();
  const auto serial = main_.PictureSerial();
  const auto steps = main_.Undo().Size();
  const ProjectMap map = p_.Map();
  EXPECT_EQ(main_.ChangeCount(), changes);
  EXPECT_EQ(main_.PictureSerial(), serial);
  EXPECT_FALSE(main_.PictureDirty());
  EXPECT_EQ(main_.Undo().Size(), steps);
  EXPECT_FALSE(main_.Undo().Modified());
  EXPECT_TRUE(main_.FindControl("Go")->Selected());
  EXPECT_EQ(main_.ShownDialog(), main_.FindControl("Info"));
  EXPECT_EQ(WriteFormToIni(LibraryId::kPToolboxLib, main_).Text(), before);
  // The thumbnail shows neither the mark nor anything the file does not hold, and a change
  // of the form is drawn at once.
  test::TempDir dir;
  EXPECT_EQ(map.thumbnails[0].picture.Pixels(), RenderedFile(p_, main_, dir).Pixels());
  As<TPTButton>(main_.FindControl("Go"))->SetText("Onward");
  EXPECT_NE(p_.Map().thumbnails[0].picture.Pixels(), map.thumbnails[0].picture.Pixels());
}

TEST(ProjectMap, PlaceholderForAFileThatCouldNotBeOpened) {
  Project p;
  p.Button(p.Form("A"), "Go", "Gone");
  p.Missing("/somewhere/Gone.qbf");
  const ProjectMap map = p.Map();
  ASSERT_EQ(map.thumbnails.size(), 2u);
  const MapThumbnail& gone = map.thumbnails[1];
  EXPECT_EQ(gone.kind, MapThumbnailKind::kPlaceholder);
  EXPECT_EQ(gone.name, "Gone.qbf");
  EXPECT_EQ(gone.picture.Width(), 167);
  EXPECT_EQ(gone.picture.Height(), 226);
  for (int y = 0; y < 226; y += 25)
    for (int x = 0; x < 167; x += 20)
      EXPECT_EQ(map.picture.At(gone.rect.left + x, gone.rect.top + y), kMapPlaceholder);
  // Its form's name is unknown: a link asking for it is a stub.
  ASSERT_EQ(map.links.size(), 1u);
  EXPECT_TRUE(map.links[0].missing);
  EXPECT_EQ(map.ThumbnailAt({gone.rect.left + 5, gone.rect.top + 5}), 1);
}

TEST(ProjectMap, RowsOfFourSlots) {
  Project p;
  for (int i = 0; i < 5; ++i) p.Form("F" + std::to_string(i));
  const ProjectMap map = p.Map();
  ASSERT_EQ(map.thumbnails.size(), 5u);
  EXPECT_EQ(map.thumbnails[4].rect.left, kMapMargin);
  EXPECT_EQ(map.thumbnails[4].label.y, map.thumbnails[0].rect.bottom + kMapRowGap);
  EXPECT_EQ(map.thumbnails[3].rect.left, kMapMargin + 3 * (167 + kMapSlotGap));
  EXPECT_EQ(map.picture.Width(), map.thumbnails[3].rect.right + kMapMargin);
  EXPECT_EQ(map.picture.Height(), map.thumbnails[4].rect.bottom + kMapMargin);
}

TEST(MapSvg, Base64AndEscapes) {
  const struct {
    std::string in, out;
  } cases[] = {{"", ""},
               {"f", "Zg=="},
               {"fo", "Zm8="},
               {"foo", "Zm9v"},
               {"foob", "Zm9vYg=="},
               {"fooba", "Zm9vYmE="},
               {"foobar", "Zm9vYmFy"},
               {"\xff\xfe", "//4="}};
  for (const auto& c : cases)
    EXPECT_EQ(Base64(std::vector<std::uint8_t>(c.in.begin(), c.in.end())), c.out) << c.in;
  EXPECT_EQ(XmlEscaped("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&apos;");
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(MapOfTwoForms, SvgHasOneImagePerThumbnailAndOnePathPerLink) {
  for (int scale : {1, 3}) {
    const std::string svg = MapSvg(map_, scale);
    EXPECT_EQ(Count(svg, "<image "), map_.thumbnails.size());
    EXPECT_EQ(Count(svg, "<path "), map_.links.size());
    EXPECT_EQ(Count(svg, "data:image/png;base64,"), map_.thumbnails.size());
    EXPECT_NE(svg.find("width=\"" + std::to_string(map_.picture.Width() * scale) + "\""),
              std::string::npos);
    const Rect& r = map_.thumbnails[2].rect;
    EXPECT_NE(svg.find("<image x=\"" + std::to_string(r.left * scale) + "\" y=\"" +
                       std::to_string(r.top * scale) + "\" width=\"" + std::to_string(167 * scale) +
                       "\""),
              std::string::npos);
    EXPECT_NE(svg.find(">Nowhere</text>"), std::string::npos);
  }
}

}  // namespace
}  // namespace qb

namespace qb {
namespace {

TEST(ProjectMap, TooLargeToDrawIsSaidBeforeDrawing) {
  Project p;
  TChildFrm& form = p.Form("A");
  p.Dialog(form, "Huge", {0, 0, 6000, 6000});
  p.Button(form, "Go", "Huge");
  const ProjectMap map = p.Map();
  const int label = p.Fonts().Face(kPilotStandard).Height() + kMapLabelGap;
  EXPECT_TRUE(map.too_large);
  EXPECT_EQ(map.wanted, (Point{kMapMargin + 167 + kMapDialogGap + 6000 + kMapMargin,
                               kMapMargin + label + 6000 + kMapMargin}));
  EXPECT_EQ(map.picture.Width(), 0);
  // Nothing was drawn: no thumbnail has its picture.
  for (const MapThumbnail& t : map.thumbnails) EXPECT_EQ(t.picture.Width(), 0) << t.name;
  // A smaller one is drawn.
  As<TPTDialog>(form.FindControl("Huge"))->SetBounds(0, 0, 100, 60);
  EXPECT_FALSE(p.Map().too_large);
}

}  // namespace
}  // namespace qb

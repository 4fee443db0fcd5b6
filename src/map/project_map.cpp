#include "map/project_map.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <set>

#include "controls/CCButton.h"
#include "controls/PTButton.h"
#include "controls/PTDialog.h"
#include "controls/PTList.h"
#include "controls/form_picture.h"
#include "controls/none_choice.h"
#include "form/form_file.h"
#include "form/form_snapshot.h"
#include "form/shown_dialog.h"
#include "model/font.h"
#include "model/text_util.h"

namespace qb {

namespace {

// A link as the form holds it, before the map gives it a place.
struct FormLink {
  MapLinkKind kind = MapLinkKind::kShowForm;
  const TControl* holder = nullptr;  // the control whose property names the target
  std::string target;
};

const std::string* ShowFormOf(const TControl& c) {
  if (const auto* b = As<TCCButton>(&c)) return &b->ShowForm();
  if (const auto* b = As<TPTButton>(&c)) return &b->ShowForm();
  return nullptr;
}

// Every control of the tree under parent, back to front, a dialog's controls right after it.
void CollectLinks(const TControl& parent, std::vector<FormLink>& out) {
  for (const auto& child : parent.Children()) {
    const TControl& c = *child;
    if (const std::string* target = ShowFormOf(c); target && !IsNone(*target))
      out.push_back({MapLinkKind::kShowForm, &c, *target});
    if (const auto* list = As<TPTList>(&c); list && !IsNone(list->Trigger()))
      out.push_back({MapLinkKind::kTrigger, &c, list->Trigger()});
    CollectLinks(c, out);
  }
}

std::vector<FormLink> LinksOf(const TChildFrm& form) {
  std::vector<FormLink> links;
  CollectLinks(form.Client(), links);
  return links;
}

const TPTDialog* DialogNamed(const TChildFrm& form, const std::string& name) {
  for (const auto& child : form.Screen().Children())
    if (const auto* dialog = As<TPTDialog>(child.get()); dialog && dialog->Name() == name)
      return dialog;
  return nullptr;
}

// The dialog a control lies in; nullptr on the screen panel (a dialog itself lies on it).
const TPTDialog* DialogHolding(const TControl& c) {
  for (const TControl* p = c.Parent(); p; p = p->Parent())
    if (const auto* dialog = As<TPTDialog>(p)) return dialog;
  return nullptr;
}

struct Target {
  int form = -1;
  const TPTDialog* dialog = nullptr;
};

// Where a ShowForm of forms[from] leads: a dialog of its own form, a form, a dialog of another
// form; names compared exactly, as the generated code calls them.
Target Resolve(const std::vector<const TChildFrm*>& forms, std::size_t from,
               const std::string& name) {
  if (const TPTDialog* own = DialogNamed(*forms[from], name)) return {static_cast<int>(from), own};
  for (std::size_t i = 0; i < forms.size(); ++i)
    if (forms[i] && forms[i]->Name() == name) return {static_cast<int>(i), nullptr};
  for (std::size_t i = 0; i < forms.size(); ++i)
    if (forms[i])
      if (const TPTDialog* dialog = DialogNamed(*forms[i], name))
        return {static_cast<int>(i), dialog};
  return {};
}

// The PopTrigger a List's Trigger names among the list's siblings.
const TControl* TriggerOf(const TControl& list, const std::string& name) {
  if (!list.Parent()) return nullptr;
  for (const auto& sibling : list.Parent()->Children())
    if (sibling->Class() == ControlClass::kPTPopTrigger && sibling->Name() == name)
      return sibling.get();
  return nullptr;
}

std::vector<std::size_t> OrderOf(const std::vector<const TChildFrm*>& forms,
                                 const std::string& first_form) {
  std::vector<std::size_t> order;
  if (forms.empty()) return order;
  std::vector<bool> placed(forms.size(), false);
  std::size_t first = 0;
  for (std::size_t i = 0; i < forms.size(); ++i)
    if (forms[i] && !first_form.empty() && forms[i]->Name() == first_form) {
      first = i;
      break;
    }
  std::deque<std::size_t> queue;
  auto place = [&](std::size_t i) {
    if (placed[i]) return;
    placed[i] = true;
    order.push_back(i);
    if (forms[i]) queue.push_back(i);
  };
  place(first);
  while (!queue.empty()) {
    const std::size_t i = queue.front();
    queue.pop_front();
    for (const FormLink& link : LinksOf(*forms[i])) {
      if (link.kind != MapLinkKind::kShowForm) continue;
      const Target target = Resolve(forms, i, link.target);
      if (target.form >= 0) place(static_cast<std::size_t>(target.form));
    }
  }
  // Forms nothing reaches (the files that could not be opened among them), in the project's
  // order.
  for (std::size_t i = 0; i < forms.size(); ++i) place(i);
  return order;
}

Point Middle(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The point of the rectangle's outline, standing off by `off`, nearest to p (p outside it).
Point NearestOnOutline(const Rect& r, int off, Point p) {
  return {std::clamp(p.x, r.left - off, r.right - 1 + off),
          std::clamp(p.y, r.top - off, r.bottom - 1 + off)};
}

// Thumbnails stand off their frame by this much: a line's end lies just outside the frame.
constexpr int kOutside = 2;

void DrawFrame(PalmCanvas& canvas, const Rect& r) {
  canvas.SetPen(kMapFrame);
  canvas.Polygon(
      {{r.left - 1, r.top - 1}, {r.right, r.top - 1}, {r.right, r.bottom}, {r.left - 1, r.bottom}});
}

void DrawHead(PalmCanvas& canvas, Point from, Point tip, Color color) {
  double dx = tip.x - from.x, dy = tip.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return;
  dx /= length;
  dy /= length;
  const double bx = tip.x - dx * kMapHeadLength, by = tip.y - dy * kMapHeadLength;
  const double half = kMapHeadLength / 2.0;
  const Point a{static_cast<int>(std::lround(bx - dy * half)),
                static_cast<int>(std::lround(by + dx * half))};
  const Point b{static_cast<int>(std::lround(bx + dy * half)),
                static_cast<int>(std::lround(by - dx * half))};
  canvas.SetPen(color);
  canvas.SetBrush(color);
  canvas.Polygon({tip, a, b});
}

enum Side { kLeftSide, kRightSide, kTopSide, kBottomSide };

// The points where lines meet the thumbnails' edges: a point already taken moves on along the
// edge by kMapSpread (back to the edge's start past its end), so that no two lines share one.
class EdgePoints {
 public:
  int Take(int thumbnail, Side side, int along, int first, int last) {
    std::set<int>& used = taken_[{thumbnail, side}];
    for (int tries = (last - first) / kMapSpread + 1; used.count(along) && tries > 0; --tries) {
      along += kMapSpread;
      if (along > last) along = first;
    }
    used.insert(along);
    return along;
  }
  // The same for a point on the outline of r standing off by kOutside.
  Point Take(int thumbnail, const Rect& r, Point p) {
    if (p.x == r.left - kOutside || p.x == r.right - 1 + kOutside)
      return {p.x, Take(thumbnail, p.x < r.left ? kLeftSide : kRightSide, p.y, r.top - kOutside,
                        r.bottom - 1 + kOutside)};
    return {Take(thumbnail, p.y < r.top ? kTopSide : kBottomSide, p.x, r.left - kOutside,
                 r.right - 1 + kOutside),
            p.y};
  }

 private:
  std::map<std::pair<int, Side>, std::set<int>> taken_;
};

// Whether the segment passes over a thumbnail other than the two given (frames included).
bool PassesUnder(const std::vector<MapThumbnail>& thumbnails, Point a, Point b, int from, int to) {
  const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
  for (std::size_t i = 0; i < thumbnails.size(); ++i) {
    if (static_cast<int>(i) == from || static_cast<int>(i) == to) continue;
    const Rect framed = thumbnails[i].rect;
    const Rect r{framed.left - 1, framed.top - 1, framed.right + 1, framed.bottom + 1};
    for (int k = 0; k <= steps; ++k) {
      const int x = steps ? a.x + (b.x - a.x) * k / steps : a.x;
      const int y = steps ? a.y + (b.y - a.y) * k / steps : a.y;
      if (r.Contains(x, y)) return true;
    }
  }
  return false;
}

Color LineColor(const MapLink& link) {
  if (link.missing) return kMapStub;
  return link.kind == MapLinkKind::kTrigger ? kMapTriggerLine : kMapShowFormLine;
}

void DrawLink(PalmCanvas& canvas, const MapLink& link, const PalmFace& face) {
  const Color color = LineColor(link);
  canvas.SetPen(color);
  canvas.Polyline(std::span(link.path));
  canvas.SetPixel(link.end.x, link.end.y, color);
  if (link.missing) {
    canvas.SetFace(&face);
    canvas.SetTextColor(color);
    canvas.TextOut(link.end.x + 3, link.end.y - face.Height() / 2, link.target);
    return;
  }
  // The head points along the last run of the line.
  Point from = link.path.front();
  for (const Point& p : link.path)
    if (p != link.end) from = p;
  DrawHead(canvas, from, link.end, color);
}

}  // namespace

int ProjectMap::ThumbnailAt(Point p) const {
  for (std::size_t i = 0; i < thumbnails.size(); ++i)
    if (thumbnails[i].rect.Contains(p.x, p.y)) return static_cast<int>(i);
  return -1;
}

int ProjectMap::LinkStartAt(Point p) const {
  // Later links start on controls further to the front.
  for (std::size_t i = links.size(); i-- > 0;)
    if (links[i].start_area.Contains(p.x, p.y)) return static_cast<int>(i);
  return -1;
}

int ProjectMap::FormThumbnail(std::size_t form) const {
  for (std::size_t i = 0; i < thumbnails.size(); ++i)
    if (thumbnails[i].form == form && thumbnails[i].kind != MapThumbnailKind::kDialog)
      return static_cast<int>(i);
  return -1;
}

int ProjectMap::DialogThumbnail(std::size_t form, const std::string& dialog) const {
  for (std::size_t i = 0; i < thumbnails.size(); ++i)
    if (thumbnails[i].form == form && thumbnails[i].kind == MapThumbnailKind::kDialog &&
        thumbnails[i].name == dialog)
      return static_cast<int>(i);
  return -1;
}

std::vector<std::size_t> MapOrder(const std::vector<MapForm>& forms,
                                  const std::string& first_form) {
  std::vector<const TChildFrm*> open;
  for (const MapForm& f : forms) open.push_back(f.form);
  return OrderOf(open, first_form);
}

MapPictures::Entry& MapPictures::EntryFor(const AppState& design, const TChildFrm& form) {
  Entry& entry = entries_[&form];
  // The shown dialog and an open menu are no change of the design, but the file holds them and
  // the picture shows them: every mark of the picture counts.
  if (entry.copy && entry.change_count == form.ChangeCount() &&
      entry.picture_serial == form.PictureSerial() && entry.name == form.Name())
    return entry;
  // The snapshot holds values only; the copy is written and read back as its file would be.
  copies_.library = design.library;
  copies_.record_steps = false;
  TChildFrm copy;
  RestoreFormSnapshot(copies_, copy, TakeFormSnapshot(design, form));
  const IniFile ini = WriteFormToIni(design.library, copy);
  AppState reading;
  reading.library = design.library;
  auto read = std::make_unique<TChildFrm>();
  read->SetName(form.Name());
  ReadFormFromIni(design.library, *read, ini, reading);
  entry.copy = std::move(read);
  entry.change_count = form.ChangeCount();
  entry.picture_serial = form.PictureSerial();
  entry.name = form.Name();
  entry.dialogs.clear();
  FormPicture painter(fonts_);
  entry.picture = painter.Render(entry.copy->Client());
  return entry;
}

const TChildFrm* MapPictures::Copy(const TChildFrm& form) const {
  const auto it = entries_.find(&form);
  return it == entries_.end() ? nullptr : it->second.copy.get();
}

const PalmCanvas& MapPictures::Form(const AppState& design, const TChildFrm& form) {
  return EntryFor(design, form).picture;
}

const PalmCanvas& MapPictures::Dialog(const AppState& design, const TChildFrm& form,
                                      const std::string& name) {
  Entry& entry = EntryFor(design, form);
  auto it = entry.dialogs.find(name);
  if (it != entry.dialogs.end()) return it->second;
  PalmCanvas& cut = entry.dialogs[name];
  auto* dialog = const_cast<TPTDialog*>(DialogNamed(*entry.copy, name));
  if (!dialog) return cut;
  ShowDialog(*entry.copy, *dialog);
  FormPicture painter(fonts_);
  const PalmCanvas& shown = painter.Render(entry.copy->Client());
  const Rect r = PictureRect(*dialog);
  // A dialog without an area still gets a pixel, so that its thumbnail can be pointed at.
  cut.Reset(std::max(1, r.right - r.left), std::max(1, r.bottom - r.top));
  cut.Blit(shown, -r.left, -r.top);
  return cut;
}

void MapPictures::Keep(const std::vector<MapForm>& forms) {
  std::set<const TChildFrm*> given;
  for (const MapForm& f : forms) given.insert(f.form);
  std::erase_if(entries_, [&](const auto& e) { return !given.count(e.first); });
}

ProjectMap BuildProjectMap(const AppState& design, const std::vector<MapForm>& forms,
                           const std::string& first_form, MapPictures& pictures,
                           const FontRegistry& fonts) {
  ProjectMap map;
  map.forms = forms;
  pictures.Keep(forms);
  std::vector<const TChildFrm*> open;
  for (const MapForm& f : forms) open.push_back(f.form);
  map.order = OrderOf(open, first_form);

  // The dialogs that get a thumbnail: those a link names, and those holding a link's start.
  std::vector<std::set<const TPTDialog*>> shown_dialogs(forms.size());
  for (std::size_t i = 0; i < forms.size(); ++i) {
    if (!open[i]) continue;
    for (const FormLink& link : LinksOf(*open[i])) {
      if (const TPTDialog* holding = DialogHolding(*link.holder)) shown_dialogs[i].insert(holding);
      if (link.kind != MapLinkKind::kShowForm) continue;
      const Target target = Resolve(open, i, link.target);
      if (target.dialog) shown_dialogs[static_cast<std::size_t>(target.form)].insert(target.dialog);
    }
  }

  const PalmFace& face = fonts.Face(kPilotStandard);
  const int label_height = face.Height() + kMapLabelGap;
  // Thumbnails, slot by slot: the form, then its dialogs in a column beside it.
  int x = kMapMargin, y = kMapMargin, row_height = 0, slots = 0, width = 0;
  std::vector<int> row_tops{y};
  for (std::size_t index : map.order) {
    if (slots == kMapSlotsPerRow) {
      x = kMapMargin;
      y += row_height + kMapRowGap;
      row_tops.push_back(y);
      row_height = 0;
      slots = 0;
    }
    const int row = static_cast<int>(row_tops.size()) - 1;
    const TChildFrm* form = open[index];
    MapThumbnail thumb;
    thumb.form = index;
    thumb.row = row;
    if (form) {
      thumb.name = form->Name();
    } else {
      thumb.kind = MapThumbnailKind::kPlaceholder;
      thumb.name = ExtractFileName(forms[index].file);
    }
    // Every form's picture is its client area; the pictures come once the size is known.
    const int form_width = TDesignerClient::kClientWidth;
    const int label_width = face.TextWidth(thumb.name);
    thumb.label = {x, y};
    thumb.rect = {x, y + label_height, x + form_width,
                  y + label_height + TDesignerClient::kClientHeight};
    int slot_height = thumb.rect.bottom - y;
    map.thumbnails.push_back(std::move(thumb));
    int column_width = 0, dy = y;
    if (form)
      for (const auto& child : form->Screen().Children()) {
        const auto* dialog = As<TPTDialog>(child.get());
        if (!dialog || !shown_dialogs[index].count(dialog)) continue;
        MapThumbnail d;
        d.kind = MapThumbnailKind::kDialog;
        d.form = index;
        d.row = row;
        d.name = dialog->Name();
        // Its rectangle of the form's picture, at least a pixel.
        const int w = std::max(1, dialog->Width()), h = std::max(1, dialog->Height());
        const int dx = x + form_width + kMapDialogGap;
        d.label = {dx, dy};
        d.rect = {dx, dy + label_height, dx + w, dy + label_height + h};
        column_width = std::max({column_width, w, face.TextWidth(d.name)});
        dy = d.rect.bottom + kMapRowGap;
        slot_height = std::max(slot_height, d.rect.bottom - y);
        map.thumbnails.push_back(std::move(d));
      }
    const int slot_width =
        std::max(form_width, label_width) + (column_width > 0 ? kMapDialogGap + column_width : 0);
    width = std::max(width, x + slot_width);
    x += slot_width + kMapSlotGap;
    row_height = std::max(row_height, slot_height);
    ++slots;
  }

  // Too many forms or dialogs for one picture: said before any is drawn.
  auto too_large = [&](int w, int h) {
    if (static_cast<std::int64_t>(w + kMapMargin) * (h + kMapMargin) <= kMaxMapPixels) return false;
    map.too_large = true;
    map.wanted = {w + kMapMargin, h + kMapMargin};
    return true;
  };
  int height = kMapMargin;
  for (const MapThumbnail& t : map.thumbnails) height = std::max(height, t.rect.bottom);
  if (too_large(width, height)) return map;
  for (MapThumbnail& t : map.thumbnails) {
    const TChildFrm* form = open[t.form];
    if (t.kind == MapThumbnailKind::kForm)
      t.picture = pictures.Form(design, *form);
    else if (t.kind == MapThumbnailKind::kDialog)
      t.picture = pictures.Dialog(design, *form, t.name);
    else
      t.picture.Reset(kMapPlaceholderWidth, kMapPlaceholderHeight, kMapPlaceholder);
  }

  // Links, form by form in the map's order, each form's back to front.
  EdgePoints edges;
  for (std::size_t index : map.order) {
    const TChildFrm* form = open[index];
    if (!form) continue;
    for (const FormLink& link : LinksOf(*form)) {
      MapLink out;
      out.kind = link.kind;
      out.form = index;
      out.target = link.target;
      const TControl* start = link.holder;
      const TControl* list_end = nullptr;
      Target target;
      if (link.kind == MapLinkKind::kTrigger) {
        if (const TControl* trigger = TriggerOf(*link.holder, link.target)) {
          start = trigger;
          list_end = link.holder;
        }
        out.missing = !list_end;
      } else {
        target = Resolve(open, index, link.target);
        out.missing = target.form < 0;
      }
      out.control = start->Name();
      // The start's place: on its dialog's thumbnail, or on the form's.
      const TPTDialog* holding = DialogHolding(*start);
      out.from = holding ? map.DialogThumbnail(index, holding->Name()) : map.FormThumbnail(index);
      if (out.from < 0) continue;
      const Rect& from = map.thumbnails[static_cast<std::size_t>(out.from)].rect;
      // Where the copy drew it: painting may have corrected its size.
      const TChildFrm* drawn = pictures.Copy(*form);
      auto drawn_rect = [&](const TControl& c) {
        const TControl* same = drawn ? drawn->FindControl(c.Name()) : nullptr;
        return PictureRect(same && same->Class() == c.Class() ? *same : c);
      };
      const Rect origin = holding ? drawn_rect(*holding) : Rect{};
      auto place = [&](const TControl& c) {
        return drawn_rect(c).Offset(from.left - origin.left, from.top - origin.top);
      };
      out.start_area = place(*start);
      out.start = Middle(out.start_area);
      const int y = std::clamp(out.start.y, from.top, from.bottom - 1);
      auto exit = [&](Side side) {
        return edges.Take(out.from, side, y, from.top - kOutside, from.bottom - 1 + kOutside);
      };
      if (out.missing) {
        const Point e{from.right + kOutside - 1, exit(kRightSide)};
        out.end = {e.x + kMapStubLength, e.y};
        out.path = {e, out.end};
      } else if (list_end) {
        out.to = out.from;
        const int y0 = exit(kLeftSide);
        const int y1 = edges.Take(out.from, kLeftSide,
                                  std::clamp(Middle(place(*list_end)).y, from.top, from.bottom - 1),
                                  from.top - kOutside, from.bottom - 1 + kOutside);
        const int side = from.left - kOutside;
        out.end = {side, y1};
        out.path = {
            {side, y0}, {side - kMapTriggerReach, y0}, {side - kMapTriggerReach, y1}, out.end};
      } else {
        out.to = target.dialog ? map.DialogThumbnail(static_cast<std::size_t>(target.form),
                                                     target.dialog->Name())
                               : map.FormThumbnail(static_cast<std::size_t>(target.form));
        if (out.to < 0) continue;
        const Rect& to = map.thumbnails[static_cast<std::size_t>(out.to)].rect;
        if (out.to == out.from) {
          // A form showing itself: out at the right edge and back in above.
          const Point e{from.right + kOutside - 1, exit(kRightSide)};
          out.end = {e.x, edges.Take(out.from, kRightSide, from.top + kMapLeave,
                                     from.top - kOutside, from.bottom - 1 + kOutside)};
          out.path = {e, {e.x + kMapLeave, e.y}, {e.x + kMapLeave, out.end.y}, out.end};
        } else {
          const bool right = Middle(to).x >= Middle(from).x;
          const Point e{right ? from.right + kOutside - 1 : from.left - kOutside,
                        exit(right ? kRightSide : kLeftSide)};
          const Point leave{e.x + (right ? kMapLeave : -kMapLeave), e.y};
          const Point straight = NearestOnOutline(to, kOutside, leave);
          const MapThumbnail& target_thumb = map.thumbnails[static_cast<std::size_t>(out.to)];
          const int row = map.thumbnails[static_cast<std::size_t>(out.from)].row;
          if (target_thumb.row == row &&
              PassesUnder(map.thumbnails, leave, straight, out.from, out.to)) {
            // Up to a lane above the row, along it, and in beside the target.
            const int top = row_tops[static_cast<std::size_t>(row)];
            const int lane = edges.Take(-1 - row, kTopSide, top - kMapLaneBand, top - kMapLaneBand,
                                        top - kMapSpread);
            const Side side = right ? kLeftSide : kRightSide;
            const int edge = right ? to.left - kOutside : to.right - 1 + kOutside;
            const int beside = edge + (right ? -kMapApproach : kMapApproach);
            out.end = {edge, edges.Take(out.to, side, to.top + kMapLeave, to.top - kOutside,
                                        to.bottom - 1 + kOutside)};
            out.path = {e, leave, {leave.x, lane}, {beside, lane}, {beside, out.end.y}, out.end};
          } else {
            out.end = edges.Take(out.to, to, straight);
            out.path = {e, leave, out.end};
          }
        }
      }
      map.links.push_back(std::move(out));
    }
  }

  // The picture: frames and labels, the links, and the thumbnails over all of it.
  for (const MapLink& l : map.links)
    for (const Point& p : l.path) {
      width = std::max(width, p.x + 1);
      height = std::max(height, p.y + 1);
    }
  for (const MapLink& l : map.links)
    if (l.missing) width = std::max(width, l.end.x + 3 + face.TextWidth(l.target));
  if (too_large(width, height)) return map;
  map.picture.Reset(width + kMapMargin, height + kMapMargin, kMapBackground);
  PalmCanvas& canvas = map.picture;
  canvas.SetFace(&face);
  for (const MapThumbnail& t : map.thumbnails) {
    DrawFrame(canvas, t.rect);
    canvas.SetTextColor(kMapLabel);
    canvas.TextOut(t.label.x, t.label.y, t.name);
  }
  for (const MapLink& l : map.links) DrawLink(canvas, l, face);
  for (const MapThumbnail& t : map.thumbnails) canvas.Blit(t.picture, t.rect.left, t.rect.top);
  return map;
}

}  // namespace qb

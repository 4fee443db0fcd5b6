#include "map/map_svg.h"

#include <cstdio>

#include "controls/png_writer.h"

namespace qb {

namespace {

std::string Hex(Color c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

std::string N(int value) { return std::to_string(value); }

// The marker of each kind of line: an arrowhead in its colour.
constexpr struct {
  const char* id;
  Color color;
} kHeads[] = {{"showform", kMapShowFormLine}, {"trigger", kMapTriggerLine}};

}  // namespace

std::string Base64(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    const std::uint32_t v = (std::uint32_t{bytes[i]} << 16) |
                            (left > 1 ? std::uint32_t{bytes[i + 1]} << 8 : 0) |
                            (left > 2 ? std::uint32_t{bytes[i + 2]} : 0);
    out += kDigits[(v >> 18) & 63];
    out += kDigits[(v >> 12) & 63];
    out += left > 1 ? kDigits[(v >> 6) & 63] : '=';
    out += left > 2 ? kDigits[v & 63] : '=';
  }
  return out;
}

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  return out;
}

std::string MapSvg(const ProjectMap& map, int scale) {
  const int w = map.picture.Width() * scale, h = map.picture.Height() * scale;
  const int font_size = 10 * scale;
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(w) + "\" height=\"" + N(h) +
         "\" viewBox=\"0 0 " + N(w) + " " + N(h) + "\">\n";
  svg += "<defs>\n";
  for (const auto& head : kHeads)
    svg += "<marker id=\"" + std::string(head.id) +
           "\" viewBox=\"0 0 10 10\" refX=\"10\" refY=\"5\" markerWidth=\"" + N(kMapHeadLength) +
           "\" markerHeight=\"" + N(kMapHeadLength) +
           "\" markerUnits=\"userSpaceOnUse\" orient=\"auto\"><polygon points=\"0,0 10,5 0,10\" "
           "fill=\"" +
           Hex(head.color) + "\"/></marker>\n";
  svg += "</defs>\n";
  svg += "<rect width=\"" + N(w) + "\" height=\"" + N(h) + "\" fill=\"" + Hex(kMapBackground) +
         "\"/>\n";
  for (const MapThumbnail& t : map.thumbnails) {
    const Rect& r = t.rect;
    svg += "<rect x=\"" + N((r.left - 1) * scale) + "\" y=\"" + N((r.top - 1) * scale) +
           "\" width=\"" + N((r.right - r.left + 2) * scale) + "\" height=\"" +
           N((r.bottom - r.top + 2) * scale) + "\" fill=\"none\" stroke=\"" + Hex(kMapFrame) +
           "\" stroke-width=\"" + N(scale) + "\"/>\n";
    svg += "<text x=\"" + N(t.label.x * scale) + "\" y=\"" + N((r.top - kMapLabelGap) * scale) +
           "\" font-family=\"sans-serif\" font-size=\"" + N(font_size) + "\" fill=\"" +
           Hex(kMapLabel) + "\">" + XmlEscaped(t.name) + "</text>\n";
  }
  for (const MapLink& l : map.links) {
    std::string d;
    for (const Point& p : l.path) {
      d += d.empty() ? "M" : " L";
      // Through the middle of the pixels the picture's line covers.
      d += N(p.x * scale + scale / 2) + " " + N(p.y * scale + scale / 2);
    }
    const Color color = l.missing                         ? kMapStub
                        : l.kind == MapLinkKind::kTrigger ? kMapTriggerLine
                                                          : kMapShowFormLine;
    svg += "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + Hex(color) + "\" stroke-width=\"" +
           N(scale) + "\"";
    if (!l.missing)
      svg += std::string(" marker-end=\"url(#") +
             (l.kind == MapLinkKind::kTrigger ? "trigger" : "showform") + ")\"";
    svg += "><title>" + XmlEscaped(l.control + " \xE2\x86\x92 " + l.target) + "</title></path>\n";
    if (l.missing)
      svg += "<text x=\"" + N((l.end.x + 3) * scale) + "\" y=\"" + N(l.end.y * scale) +
             "\" dominant-baseline=\"middle\" font-family=\"sans-serif\" font-size=\"" +
             N(font_size) + "\" fill=\"" + Hex(kMapStub) + "\">" + XmlEscaped(l.target) +
             "</text>\n";
  }
  for (const MapThumbnail& t : map.thumbnails) {
    const std::vector<std::uint8_t> png = EncodePng(t.picture, scale);
    if (png.empty()) return {};
    svg +=
        "<image x=\"" + N(t.rect.left * scale) + "\" y=\"" + N(t.rect.top * scale) + "\" width=\"" +
        N(t.picture.Width() * scale) + "\" height=\"" + N(t.picture.Height() * scale) +
        "\" image-rendering=\"pixelated\" href=\"data:image/png;base64," + Base64(png) + "\"/>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace qb

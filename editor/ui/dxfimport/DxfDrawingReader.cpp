#include "editor/ui/dxfimport/DxfDrawingReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "dxfconv/DxfPair.h"

namespace quor {

namespace {

using dxfconv::DxfPair;
using dxfconv::DxfPairReader;

constexpr int kEntityStart = 0;
constexpr int kName = 2;
constexpr int kLayer = 8;
constexpr int kX = 10;
constexpr int kY = 20;
constexpr int kRadius = 40;
constexpr int kColour = 62;
constexpr int kFlags = 70;
constexpr int kSubclass = 100;
constexpr int kClosedFlag = 1;
constexpr int kMinPolygonNodes = 3;
constexpr int kNoTableColour = 7;

using Pairs = std::vector<DxfPair>;

Pairs ReadPairs(std::istream& in) {
  Pairs pairs;
  DxfPairReader reader(in, dxfconv::kDrawingValueLength);
  DxfPair pair;
  for (;;) {
    const DxfPairReader::Result result = reader.Read(pair);
    if (result == DxfPairReader::Result::kEnd) break;
    // A group code that is not a number is passed over with its value line.
    if (result == DxfPairReader::Result::kPair) pairs.push_back(pair);
  }
  return pairs;
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
  const auto start = text.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

// A number read from the start of the value; nothing when there is none or it is not finite.
std::optional<double> ReadReal(const std::string& value) {
  std::string_view text = WithoutLeadingBlanks(value);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double number = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
  if (result.ec != std::errc{} || !std::isfinite(number)) return std::nullopt;
  return number;
}

std::optional<int> ReadInteger(const std::string& value) {
  std::string_view text = WithoutLeadingBlanks(value);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int number = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
  if (result.ec != std::errc{}) return std::nullopt;
  return number;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

struct TableLayer {
  std::string name;
  int colourNumber = 0;
};

// The records of the first LAYER table: each one that has a name and a colour.
std::vector<TableLayer> ReadLayerTable(const Pairs& pairs) {
  std::vector<TableLayer> table;
  std::size_t at = 0;
  for (; at + 1 < pairs.size(); ++at) {
    if (pairs[at].Is(kEntityStart, "TABLE") && pairs[at + 1].Is(kName, "LAYER")) break;
  }
  std::optional<std::string> name;
  std::optional<int> colour;
  bool inRecord = false;
  const auto keep = [&] {
    if (inRecord && name && colour) table.push_back({*name, *colour});
    name.reset();
    colour.reset();
  };
  for (at += 2; at < pairs.size() && !pairs[at].Is(kEntityStart, "ENDTAB"); ++at) {
    const DxfPair& pair = pairs[at];
    if (pair.Is(kSubclass, "AcDbLayerTableRecord")) {
      keep();
      inRecord = true;
    } else if (pair.code == kEntityStart) {
      keep();
      inRecord = false;
    } else if (inRecord && pair.code == kName && !name) {
      name = pair.value;
    } else if (inRecord && pair.code == kColour && !colour) {
      colour = ReadInteger(pair.value);
    }
  }
  keep();
  return table;
}

// The pairs of one entity: from its type pair up to the next group 0.
struct Entity {
  std::string_view type;
  std::span<const DxfPair> pairs;

  const DxfPair* Find(int code) const {
    const auto found =
        std::find_if(pairs.begin(), pairs.end(), [code](const DxfPair& p) { return p.code == code; });
    return found == pairs.end() ? nullptr : &*found;
  }
};

struct Polyline {
  std::string layer;
  std::vector<DxfPoint> vertices;
  bool closed = false;
};

std::optional<Polyline> ReadPolyline(const Entity& entity) {
  const DxfPair* layer = entity.Find(kLayer);
  if (!layer) return std::nullopt;
  Polyline polyline{layer->value, {}, false};
  bool awaitingY = false;
  for (const DxfPair& pair : entity.pairs) {
    if (pair.code == kX) {
      if (awaitingY) return std::nullopt;
      const auto x = ReadReal(pair.value);
      if (!x) return std::nullopt;
      polyline.vertices.push_back({*x, 0.0});
      awaitingY = true;
    } else if (pair.code == kY) {
      const auto y = ReadReal(pair.value);
      if (!awaitingY || !y) return std::nullopt;
      polyline.vertices.back().y = *y;
      awaitingY = false;
    } else if (pair.code == kFlags) {
      const auto flags = ReadInteger(pair.value);
      if (!flags) return std::nullopt;
      // Only bit 1 closes the outline; other bits, such as the line-type
      // pattern flag 128, say nothing about it.
      polyline.closed = (*flags & kClosedFlag) != 0;
    }
  }
  if (awaitingY) return std::nullopt;
  return polyline;
}

std::optional<DxfVia> ReadViaCircle(const Entity& entity) {
  const DxfPair* layer = entity.Find(kLayer);
  if (!layer || !EqualsIgnoringCase(layer->value, "via")) return std::nullopt;
  const DxfPair* x = entity.Find(kX);
  const DxfPair* y = entity.Find(kY);
  const DxfPair* radius = entity.Find(kRadius);
  if (!x || !y || !radius) return std::nullopt;
  const auto cx = ReadReal(x->value);
  const auto cy = ReadReal(y->value);
  const auto r = ReadReal(radius->value);
  if (!cx || !cy || !r || *r <= 0.0) return std::nullopt;
  return DxfVia{*cx, *cy, *r};
}

DxfDrawingLayer& FindOrAddLayer(DxfDrawing& drawing, const std::vector<TableLayer>& table,
                                const std::string& name) {
  const auto found = std::find_if(drawing.layers.begin(), drawing.layers.end(),
                                  [&](const DxfDrawingLayer& layer) { return layer.name == name; });
  if (found != drawing.layers.end()) return *found;
  int colour = kNoTableColour;
  // The last record of that name counts.
  for (const TableLayer& record : table) {
    if (record.name == name) colour = record.colourNumber;
  }
  drawing.layers.push_back({name, colour, {}});
  return drawing.layers.back();
}

void AddPolyline(DxfDrawing& drawing, const std::vector<TableLayer>& table, Polyline polyline) {
  const bool frame = EqualsIgnoringCase(polyline.layer, "frame");
  DxfDrawingLayer* layer = nullptr;
  if (frame) {
    drawing.frameSeen = true;
  } else {
    layer = &FindOrAddLayer(drawing, table, polyline.layer);
  }
  for (const DxfPoint& vertex : polyline.vertices) {
    drawing.drawing.Widen(vertex.x, vertex.y);
    if (frame) drawing.frame.Widen(vertex.x, vertex.y);
  }
  if (!layer || polyline.vertices.size() < kMinPolygonNodes) return;
  layer->polygons.push_back({std::move(polyline.vertices), polyline.closed});
}

void AddVia(DxfDrawing& drawing, const DxfVia& via) {
  drawing.vias.push_back(via);
  drawing.drawing.Widen(via.x - via.radius, via.y - via.radius);
  drawing.drawing.Widen(via.x + via.radius, via.y + via.radius);
}

}  // namespace

DxfDrawing ReadDxfDrawing(std::istream& in) {
  const Pairs pairs = ReadPairs(in);
  const std::vector<TableLayer> table = ReadLayerTable(pairs);
  DxfDrawing drawing;

  auto at =
      std::find_if(pairs.begin(), pairs.end(), [](const DxfPair& p) { return p.Is(kName, "ENTITIES"); });
  while (at != pairs.end()) {
    const auto next =
        std::find_if(at + 1, pairs.end(), [](const DxfPair& p) { return p.code == kEntityStart; });
    const Entity entity{at->code == kEntityStart ? std::string_view(at->value) : std::string_view{},
                        std::span<const DxfPair>(at + 1, next)};
    if (entity.type == "LWPOLYLINE") {
      if (auto polyline = ReadPolyline(entity)) AddPolyline(drawing, table, std::move(*polyline));
    } else if (entity.type == "CIRCLE") {
      if (const auto via = ReadViaCircle(entity)) AddVia(drawing, *via);
    }
    at = next;
  }
  return drawing;
}

}  // namespace quor

// Holes: hole masters read from files, holes made at a centre (MC holes) or
// over a closed outline (shaped holes), their data handed out and amended.
//
// A hole-master file is UTF-8 text, one "key value" pair a line; blank lines
// and lines starting with "#" are ignored. The first pair must be "zedhole 1".
// Keys: kind (mc or shaped), layer, depth, and for an MC hole diameter, all
// required; flag, from-below and side, optional (0). Any other key, a repeated
// key or a value that is not wholly a number makes the file malformed.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "emuhost/emu_chain.h"
#include "emuhost/emu_state.h"

namespace emu {

namespace {

// The hole kind, kept by the host at byte 0 of the hole-shape record.
enum HoleKind : int32_t { kMcHole = 1, kShapedHole = 2 };

// The file at the path; on other systems than Windows every "\" of the path
// is taken as a separator, as the plug-in writes its paths the Windows way.
// The older host's narrow path is code page 949 wherever it runs, whatever the
// process's locale or ANSI code page: it is read through UTF-8, which the file
// system library takes as such (a narrow std::string would go through the C
// runtime's locale on Windows).
std::filesystem::path MasterPath(const ZedChar* path) {
#if defined(_WIN32) && !ZED_LEGACY
    return std::filesystem::path(ZedString(path));
#else
    std::string text = ToUtf8(path);
#if !defined(_WIN32)
    std::replace(text.begin(), text.end(), '\\', '/');
#endif
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#endif
}

// The file's last write time and size, asked of the file system in one call:
// a plug-in reads its master for every hole it makes or moves, and a second
// call cost as much as the rest of the read. No stamp for a missing file.
std::optional<Drawing::MasterStamp> StampOf(const std::filesystem::path& file) {
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA status{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &status)) {
        return std::nullopt;
    }
    const auto join = [](DWORD high, DWORD low) { return (static_cast<int64_t>(high) << 32) | low; };
    return Drawing::MasterStamp{join(status.ftLastWriteTime.dwHighDateTime, status.ftLastWriteTime.dwLowDateTime),
                              join(status.nFileSizeHigh, status.nFileSizeLow)};
#else
    struct stat status{};
    if (::stat(file.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return Drawing::MasterStamp{static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
                              static_cast<int64_t>(status.st_size)};
#endif
}

bool ParseNumber(const std::string& text, double* value) {
    std::istringstream in(text);
    in >> *value;
    return !in.fail() && in.eof() && std::isfinite(*value);
}

bool ParseInteger(const std::string& text, int32_t* value) {
    std::istringstream in(text);
    long long parsed = 0;
    in >> parsed;
    if (in.fail() || !in.eof() || parsed < INT32_MIN || parsed > INT32_MAX) {
        return false;
    }
    *value = static_cast<int32_t>(parsed);
    return true;
}

// The master's "key value" pairs in file order, or false when a line is no pair
// or a key repeats.
bool ReadPairs(std::istream& in, std::vector<std::pair<std::string, std::string>>* pairs) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::string key;
        std::string value;
        std::string extra;
        if (!(words >> key) || key[0] == '#') {
            continue;
        }
        if (!(words >> value) || (words >> extra)) {
            return false;
        }
        for (const auto& pair : *pairs) {
            if (pair.first == key) {
                return false;
            }
        }
        pairs->emplace_back(key, value);
    }
    return true;
}

bool ParseMaster(std::istream& in, ZedHoleShape* shape) {
    std::vector<std::pair<std::string, std::string>> pairs;
    if (!ReadPairs(in, &pairs) || pairs.empty() || pairs[0] != std::make_pair(std::string("zedhole"), std::string("1"))) {
        return false;
    }
    *shape = ZedHoleShape{};
    bool hasLayer = false;
    bool hasDepth = false;
    bool hasDiameter = false;
    for (size_t i = 1; i < pairs.size(); ++i) {
        const auto& [key, value] = pairs[i];
        int32_t integer = 0;
        bool ok = false;
        if (key == "kind") {
            ok = value == "mc" || value == "shaped";
            shape->host0 = value == "mc" ? kMcHole : kShapedHole;
        } else if (key == "layer") {
            ok = hasLayer = ParseInteger(value, &shape->layer);
        } else if (key == "diameter") {
            ok = hasDiameter = ParseNumber(value, &shape->diameter);
        } else if (key == "depth") {
            ok = hasDepth = ParseNumber(value, &shape->depth);
        } else if (key == "flag") {
            ok = ParseInteger(value, &integer) && integer >= 0 && integer <= 255;
            shape->flag = static_cast<uint8_t>(integer);
        } else if (key == "from-below") {
            ok = ParseInteger(value, &shape->fromBelow);
        } else if (key == "side") {
            ok = ParseInteger(value, &shape->sideCode);
        }
        if (!ok) {
            return false;
        }
    }
    return shape->host0 != 0 && hasLayer && hasDepth && (shape->host0 != kMcHole || hasDiameter);
}

// The hole-data record as the host fills it: its own mark, the kind, the shape.
void FillHoleData(ZedHoleData* data, const ZedHoleShape& shape) {
    std::memset(data->host0, 0, sizeof data->host0);
    std::memcpy(data->host0, "ZEDHOLE", 8);
    std::memcpy(data->host0 + 8, &shape.host0, sizeof shape.host0);
    auto* copy = new ZedHoleShape(shape);
    State().liveHoleShapes.insert(copy);
    data->shape = copy;
}

// The shape of a hole-data record, when the host handed it out and it is still live.
const ZedHoleShape* LiveShape(const ZedHoleData* data) {
    if (data == nullptr || data->shape == nullptr || State().liveHoleShapes.count(data->shape) == 0) {
        return nullptr;
    }
    return data->shape;
}

// Whether a hole of the kind can be made with the shape: its layer exists, the
// depth is not negative, an MC hole has a diameter.
bool ShapeUsable(const ZedHoleShape& shape, int32_t kind) {
    return shape.host0 == kind && FindLayer(shape.layer) != nullptr && std::isfinite(shape.depth) &&
           shape.depth >= 0.0 && (kind != kMcHole || (std::isfinite(shape.diameter) && shape.diameter > 0.0));
}

std::string DescribeShape(const ZedHoleShape& shape) {
    std::string text = "layer " + std::to_string(shape.layer);
    if (shape.host0 == kMcHole) {
        text += ", diameter " + Fmt(shape.diameter);
    }
    return text + ", depth " + Fmt(shape.depth) + ", from below " + std::to_string(shape.fromBelow) + ", side " +
           std::to_string(shape.sideCode);
}

Hole& MakeHole(const ZedHoleShape& shape, Segment& segment) {
    const ZedId id = NewId();
    Hole& hole = State().holes[id];
    hole.id = id;
    hole.shape = shape;
    hole.segments.push_back(segment.id);
    segment.hole = id;
    return hole;
}

// The circle of an MC hole: the first circle among its figures.
Element* HoleCircle(const Hole& hole) {
    for (ZedId segment : hole.segments) {
        if (const Segment* found = FindSegment(segment)) {
            for (ZedId element : found->chain) {
                Element* e = FindElement(element);
                if (e != nullptr && e->cls == ElementClass::Figure && e->figure.kind == ZED_FIG_CIRCLE) {
                    return e;
                }
            }
        }
    }
    return nullptr;
}

// Gives a hole-shape record back to the host and clears the record's pointer.
int FreeHoleData(ZedHoleData* data) {
    if (data == nullptr || data->shape == nullptr) {
        return -1;
    }
    Drawing& d = State();
    if (d.liveHoleShapes.erase(data->shape) == 0) {
        // Not handed out by the host, or freed before: a real host would corrupt its heap here.
        d.session.protocolErrors.push_back("hole data freed that the host did not hand out");
        return -1;
    }
    delete data->shape;
    data->shape = nullptr;
    return 0;
}

}  // namespace

std::vector<ZedId> HoleIds() {
    std::vector<ZedId> ids;
    for (const auto& entry : State().holes) {
        ids.push_back(entry.first);
    }
    return ids;
}

bool HoleShapeOf(ZedId hole, ZedHoleShape* shape) {
    const Hole* found = FindHole(hole);
    if (found == nullptr || shape == nullptr) {
        return false;
    }
    *shape = found->shape;
    return true;
}

std::vector<ZedId> HoleSegments(ZedId hole) {
    const Hole* found = FindHole(hole);
    return found == nullptr ? std::vector<ZedId>() : found->segments;
}

int LiveHoleData() { return static_cast<int>(State().liveHoleShapes.size()); }

}  // namespace emu

using emu::State;

int ZedHolGetHoleMaster(const ZedChar* path, ZedHoleData* data) {
    EMU_ENTER(-1);
    if (path == nullptr || path[0] == 0 || data == nullptr) {
        return -1;
    }
    const std::filesystem::path file = emu::MasterPath(path);
    const std::optional<emu::Drawing::MasterStamp> stamp = emu::StampOf(file);
    auto& parsed = State().parsedMasters;
    const auto known = parsed.find(file);
    if (stamp && known != parsed.end() && known->second.stamp == *stamp) {
        emu::FillHoleData(data, known->second.shape);
        return 0;
    }
    std::ifstream in(file);
    ZedHoleShape shape{};
    if (!in || !emu::ParseMaster(in, &shape)) {
        return -1;
    }
    if (stamp) {
        parsed[file] = {*stamp, shape};
    }
    emu::FillHoleData(data, shape);
    return 0;
}

ZedId ZedHolCreateHole(int option, const ZedPoint* centre, const ZedHoleData* data) {
    EMU_ENTER(-1);
    const ZedHoleShape* shape = emu::LiveShape(data);
    if (option != 0 || centre == nullptr || !std::isfinite(centre->x) || !std::isfinite(centre->y) ||
        shape == nullptr || !emu::ShapeUsable(*shape, emu::kMcHole)) {
        return -1;
    }
    emu::Segment& segment = emu::MakeSegment(ZED_SGM_FIGURE, shape->layer);
    ZedFigure circle{};
    circle.kind = ZED_FIG_CIRCLE;
    circle.v[0] = centre->x;
    circle.v[1] = centre->y;
    circle.v[6] = shape->diameter / 2.0;
    emu::PlaceElement(segment, 0, circle, ZedLineType2{});
    const emu::Hole& hole = emu::MakeHole(*shape, segment);
    emu::RecordChange([id = hole.id, at = *centre, segmentId = segment.id, shape = hole.shape] {
        return "hole " + std::to_string(id) + " created (MC) at " + emu::FmtPoint(at.x, at.y) + " in segment " +
               std::to_string(segmentId) + ": " + emu::DescribeShape(shape);
    });
    return hole.id;
}

#if !ZED_LEGACY  // not in the older host
ZedId ZedHolCreateFigHole(const ZedSgmRef* outline, const ZedHoleData* data) {
    EMU_ENTER(-1);
    const ZedHoleShape* shape = emu::LiveShape(data);
    emu::Segment* source = outline != nullptr && outline->kind == 1 ? emu::FigureSegment(outline->segment) : nullptr;
    if (source == nullptr || !source->closed || source->chain.empty() || source->hole != -1 || shape == nullptr ||
        !emu::ShapeUsable(*shape, emu::kShapedHole)) {
        return -1;
    }
    // The hole draws its own copy of the outline on its layer; the outline stays as it is.
    const std::vector<ZedId> chain = source->chain.Ids();
    emu::Segment& segment = emu::MakeSegment(ZED_SGM_FIGURE, shape->layer);
    for (ZedId id : chain) {
        const emu::Element* element = emu::FindElement(id);
        emu::PlaceElement(segment, segment.chain.size(), element->figure, element->attrs, element->reversed);
    }
    segment.closed = true;
    const emu::Hole& hole = emu::MakeHole(*shape, segment);
    emu::RecordChange([id = hole.id, over = outline->segment, segmentId = segment.id, shape = hole.shape] {
        return "hole " + std::to_string(id) + " created (shaped) over segment " + std::to_string(over) +
               " in segment " + std::to_string(segmentId) + ": " + emu::DescribeShape(shape);
    });
    return hole.id;
}
#endif

int ZedHolGetHoleData(ZedId hole, ZedHoleData* data) {
    EMU_ENTER(-1);
    const emu::Hole* found = emu::FindHole(hole);
    if (found == nullptr || data == nullptr) {
        return -1;
    }
    emu::FillHoleData(data, found->shape);
    return 0;
}

int ZedHolAmendHoleData(ZedId hole, const ZedHoleData* data) {
    EMU_ENTER(-1);
    emu::Hole* found = emu::FindHole(hole);
    const ZedHoleShape* shape = emu::LiveShape(data);
    if (found == nullptr || shape == nullptr || !emu::ShapeUsable(*shape, found->shape.host0)) {
        return -1;
    }
    emu::Element* circle = found->shape.host0 == emu::kMcHole ? emu::HoleCircle(*found) : nullptr;
    if (found->shape.host0 == emu::kMcHole && circle == nullptr) {
        return -1;  // an MC hole without its circle cannot take a diameter
    }
    found->shape = *shape;
    if (circle != nullptr) {
        circle->figure.v[6] = shape->diameter / 2.0;
    }
    for (ZedId segment : found->segments) {
        if (emu::Segment* own = emu::FindSegment(segment)) {
            own->layer = shape->layer;
        }
    }
    emu::RecordChange([hole, shape = found->shape] {
        return "hole " + std::to_string(hole) + " amended: " + emu::DescribeShape(shape);
    });
    return 0;
}

int ZedHolFreeHoleData(ZedHoleData* data) {
    EMU_ENTER(-1);
    return emu::FreeHoleData(data);
}

int ZedHoleFreeHoleData(ZedHoleData* data) {
    EMU_ENTER(-1);
    return emu::FreeHoleData(data);
}

ZedId ZedHolGetHoleId(const ZedSgmRef* segment) {
    EMU_ENTER(-1);
    if (segment == nullptr || segment->kind != 1) {
        return -1;
    }
    const emu::Segment* found = emu::FindSegment(segment->segment);
    return found == nullptr ? -1 : found->hole;
}

int ZedHolGetHoleSegmentId(ZedId hole, ZedSgmRef* segments, int capacity) {
    EMU_ENTER(-1);
    const emu::Hole* found = emu::FindHole(hole);
    if (found == nullptr || segments == nullptr || capacity < 1) {
        return -1;
    }
    const int count = std::min(capacity, static_cast<int>(found->segments.size()));
    for (int i = 0; i < count; ++i) {
        segments[i] = ZedSgmRef{1, found->segments[static_cast<size_t>(i)]};
    }
    return count;
}

// Dimensions (line length, radius) and leader notes: elements of dimension and
// note segments that keep the record they were made with.
#include <cmath>
#include <cstring>

#include "emuhost/emu_geom.h"
#include "emuhost/emu_state.h"

namespace emu {

namespace {

bool Finite(ZedPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A dimension may name the element it measures; -1 or 0 names none (a shoulder
// that took a whole line names element 0 for the line piece it no longer has).
// A named element must be a figure of the drawing (instance 0).
bool LinkOk(ZedId element, ZedId instance) {
    if (element == -1 || element == 0) {
        return true;
    }
    const Element* found = FindElement(element);
    return instance == 0 && found != nullptr && found->cls == ElementClass::Figure;
}

// The fields a length dimension record fixes: the flag at byte 80 is 1, the
// fields at 32, 64, 88, 96 and 104 are 0. The kind at byte 0 and the padding
// are not looked at.
bool LengthFixedFieldsOk(const ZedLengthDim& dim) {
    return dim.zero32 == 0 && dim.zero64 == 0 && dim.flag80 == 1 && dim.zero88 == 0.0 && dim.flag96 == 0 &&
           dim.zero104 == 0.0;
}

// A radius dimension record: the flag at byte 4 is 1, the fields at 8, 20, 40
// and 48 are 0.
bool RadiusFixedFieldsOk(const ZedRadiusDim& dim) {
    return dim.flag4 == 1 && dim.zero8 == 0 && dim.zero20 == 0 && dim.zero40 == 0.0 && dim.zero48 == 0;
}

// A leader record: kind 35, the third point repeats the second (the text
// point), 1 at 112, 4 at 144, 3.0 at 152, 2.0 at 160, and 0 in the fields at
// 24, 32, 56, 64, 88, 96 and 168.
bool LeaderFixedFieldsOk(const ZedLeader& leader) {
    return leader.kind == ZED_LEADER_KIND && Near(leader.third, leader.second) && leader.one112 == 1 &&
           leader.four144 == 4 && leader.three152 == 3.0 && leader.two160 == 2.0 && leader.zero24 == 0 &&
           leader.zero32 == 0 && leader.zero56 == 0 && leader.zero64 == 0 && leader.zero88 == 0 &&
           leader.zero96 == 0 && leader.zero168 == 0.0;
}

bool ValidLength(const ZedLengthDim& dim) {
    return LengthFixedFieldsOk(dim) && Finite(dim.first) && Finite(dim.second) && std::isfinite(dim.offset) &&
           std::hypot(dim.second.x - dim.first.x, dim.second.y - dim.first.y) > kTolerance &&
           LinkOk(dim.firstElement, dim.firstInstance) && LinkOk(dim.secondElement, dim.secondInstance);
}

bool ValidRadius(const ZedRadiusDim& dim) {
    const Element* arc = FindElement(dim.arcElement);
    return RadiusFixedFieldsOk(dim) && arc != nullptr && arc->cls == ElementClass::Figure && dim.arcInstance == 0 &&
           (arc->figure.kind == ZED_FIG_ARC || arc->figure.kind == ZED_FIG_FILLET) && Finite(dim.textPoint);
}

bool ValidLeader(const ZedLeader& leader) {
    return LeaderFixedFieldsOk(leader) && leader.text != nullptr && Finite(leader.first) &&
           Finite(leader.second) && Finite(leader.third);
}

// Bytes of the record that a dimension of the kind reads and writes.
size_t RecordSize(int32_t kind) {
    return kind == ZED_DIM_LINE_LENGTH ? sizeof(ZedLengthDim) : kind == ZED_DIM_RADIUS ? sizeof(ZedRadiusDim) : 0;
}

std::string DescribeDimension(const ZedDimRecord& dim) {
    if (dim.kind == ZED_DIM_LINE_LENGTH) {
        return "line length " + FmtPoint(dim.length.first.x, dim.length.first.y) + " - " +
               FmtPoint(dim.length.second.x, dim.length.second.y) + " offset " + Fmt(dim.length.offset);
    }
    return "radius of element " + std::to_string(dim.radius.arcElement) + " text " +
           FmtPoint(dim.radius.textPoint.x, dim.radius.textPoint.y);
}

std::string DescribeNote(const Element& note) {
    return "\"" + ToUtf8(note.text.c_str()) + "\" from " + FmtPoint(note.leader.first.x, note.leader.first.y) +
           " to " + FmtPoint(note.leader.second.x, note.leader.second.y);
}

// A new element at the end of the segment's chain.
Element& AddElement(Segment& segment, ElementClass cls) {
    const ZedId id = NewId();
    Element& element = State().elements.Make(id);
    element.segment = segment.id;
    element.cls = cls;
    segment.chain.Append(element);
    return element;
}

Segment* SegmentOfType(ZedId id, int type) {
    Segment* segment = FindSegment(id);
    return segment != nullptr && segment->type == type ? segment : nullptr;
}

Element* ElementOfClass(ZedId id, ElementClass cls) {
    Element* element = FindElement(id);
    return element != nullptr && element->cls == cls ? element : nullptr;
}

ZedId CreateDimension(ZedId segmentId, const void* record, int32_t kind) {
    Segment* segment = SegmentOfType(segmentId, ZED_SGM_DIMENSION);
    if (segment == nullptr) {
        return -1;
    }
    Element& element = AddElement(*segment, ElementClass::Dimension);
    std::memcpy(&element.dim, record, RecordSize(kind));
    element.dim.kind = kind;
    RecordChange([id = element.id, segmentId, dim = element.dim] {
        return "dimension " + std::to_string(id) + " in segment " + std::to_string(segmentId) + ": " +
               DescribeDimension(dim);
    });
    return element.id;
}

void StoreLeader(Element& note, const ZedLeader& leader) {
    note.leader = leader;
    note.leader.text = nullptr;  // the host keeps its own copy
    note.text = leader.text;
}

}  // namespace

bool DimensionOf(ZedId element, ZedDimRecord* record) {
    const Element* found = ElementOfClass(element, ElementClass::Dimension);
    if (found == nullptr || record == nullptr) {
        return false;
    }
    *record = found->dim;
    return true;
}

std::string NoteText(ZedId element) {
    const Element* found = ElementOfClass(element, ElementClass::Note);
    return found == nullptr ? std::string() : ToUtf8(found->text.c_str());
}

bool NoteOf(ZedId element, ZedLeader* record) {
    const Element* found = ElementOfClass(element, ElementClass::Note);
    if (found == nullptr || record == nullptr) {
        return false;
    }
    *record = found->leader;
    return true;
}

}  // namespace emu

using emu::ElementClass;

ZedId ZedDimCreateLineLength(ZedId segment, const ZedLengthDim* dimension) {
    EMU_ENTER(-1);
    if (dimension == nullptr || !emu::ValidLength(*dimension)) {
        return -1;
    }
    return emu::CreateDimension(segment, dimension, ZED_DIM_LINE_LENGTH);
}

ZedId ZedDimCreateRadius(ZedId segment, const ZedRadiusDim* dimension) {
    EMU_ENTER(-1);
    if (dimension == nullptr || !emu::ValidRadius(*dimension)) {
        return -1;
    }
    return emu::CreateDimension(segment, dimension, ZED_DIM_RADIUS);
}

int ZedDimGetDimension(ZedId element, ZedDimRecord* dimension) {
    EMU_ENTER(-1);
    const emu::Element* found = emu::ElementOfClass(element, ElementClass::Dimension);
    if (found == nullptr || dimension == nullptr) {
        return -1;
    }
    // Only the bytes of the kind's own record are written.
    std::memcpy(dimension, &found->dim, emu::RecordSize(found->dim.kind));
    return 0;
}

int ZedDimAmendDimension(ZedId element, const ZedDimRecord* dimension) {
    EMU_ENTER(-1);
    emu::Element* found = emu::ElementOfClass(element, ElementClass::Dimension);
    if (found == nullptr || dimension == nullptr) {
        return -1;
    }
    const int32_t kind = found->dim.kind;
    if (dimension->kind != kind) {
        return -1;  // a dimension keeps its kind
    }
    ZedDimRecord amended = found->dim;
    std::memcpy(&amended, dimension, emu::RecordSize(kind));
    if (kind == ZED_DIM_LINE_LENGTH ? !emu::ValidLength(amended.length) : !emu::ValidRadius(amended.radius)) {
        return -1;
    }
    found->dim = amended;
    emu::RecordChange([element, amended] {
        return "dimension " + std::to_string(element) + " amended: " + emu::DescribeDimension(amended);
    });
    return 0;
}

ZedId ZedCmtCreateLeader(ZedId segment, const ZedLeader* leader) {
    EMU_ENTER(-1);
    emu::Segment* found = emu::SegmentOfType(segment, ZED_SGM_NOTE);
    if (found == nullptr || leader == nullptr || !emu::ValidLeader(*leader)) {
        return -1;
    }
    emu::Element& note = emu::AddElement(*found, ElementClass::Note);
    emu::StoreLeader(note, *leader);
    emu::RecordChange([segment, copy = note] {
        return "note " + std::to_string(copy.id) + " in segment " + std::to_string(segment) + ": " +
               emu::DescribeNote(copy);
    });
    return note.id;
}

int ZedCmtGetComment(ZedId element, ZedLeader* leader) {
    EMU_ENTER(-1);
    const emu::Element* found = emu::ElementOfClass(element, ElementClass::Note);
    if (found == nullptr || leader == nullptr) {
        return -1;
    }
    *leader = found->leader;
    leader->text = emu::HandOutText(found->text);
    return 0;
}

int ZedCmtAmendComment(ZedId element, const ZedLeader* leader) {
    EMU_ENTER(-1);
    emu::Element* found = emu::ElementOfClass(element, ElementClass::Note);
    if (found == nullptr || leader == nullptr || !emu::ValidLeader(*leader)) {
        return -1;
    }
    emu::StoreLeader(*found, *leader);
    emu::RecordChange(
        [copy = *found] { return "note " + std::to_string(copy.id) + " amended: " + emu::DescribeNote(copy); });
    return 0;
}

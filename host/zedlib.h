// ZedLib: the host CAD's programming interface, as the plug-in uses it.
//
// Every call the plug-in makes, the callback types and codes, and every record
// exchanged with the host. Byte offsets that the plug-in relies on are checked
// at compile time at the end of this file.
//
// Conventions of the host library:
//  - ids (segment, element, instance, layer, hole) are 32-bit integers;
//  - a call that makes or reads something returns -1 on failure;
//    ZedFigIsClosed and ZedLyrHasLayer answer 1 (true) or 0 (false);
//  - instance 0 names the drawing itself (the only instance the plug-in sees);
//  - texts handed to the host are copied by it before the call returns; texts the
//    host hands back stay valid only until the next ZedLib call.
//
// The older release of the host (ZED_LEGACY) lacks the attribute calls,
// ZedSgmGetType, ZedElmGetType, ZedEvtSetCompareFunction, ZedFigRemoveCorner,
// ZedHolCreateFigHole and the intersection calls: they are not declared there.
//
// Where the host's argument list is ours to choose it is said at the call.
#ifndef LEDGEWRIGHT_HOST_ZEDLIB_H
#define LEDGEWRIGHT_HOST_ZEDLIB_H

#include <stddef.h>
#include <stdint.h>

#include "host/zedtext.h"

#if defined(_WIN32)
#if defined(ZEDLIB_BUILDING)
#define ZEDLIB_API __declspec(dllexport)
#else
#define ZEDLIB_API __declspec(dllimport)
#endif
#else
#define ZEDLIB_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ZedId;

// ---------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------

typedef struct ZedPoint {
    double x;
    double y;
} ZedPoint;

// Figure kinds of the figure record.
enum {
    ZED_FIG_LINE = 1,
    ZED_FIG_CIRCLE = 2,
    ZED_FIG_ARC = 3,
    ZED_FIG_CURVE = 5,
    ZED_FIG_FILLET = 7,   // filleted corner, laid out as an arc
    ZED_FIG_CHAMFER = 8,  // chamfer, laid out as a line
};

// One element's geometry, 88 bytes. The meaning of v[] depends on the kind:
//  line:   v[0..1] start, v[2..3] end
//  arc:    v[0..1] centre, v[2..3] start, v[4..5] end, v[6] radius,
//          then the direction flag at byte 64
//  circle: v[0..1] centre, v[6] radius
// Bytes not named here are the host's.
typedef struct ZedFigure {
    int32_t kind;
    int32_t reserved;
    double v[10];
} ZedFigure;

// The arc's direction flag is the 32-bit integer at byte 64 (the low half of
// v[7]). An arc runs from its first point to its second point: clockwise when
// the flag is 1, counter-clockwise when it is 2.
enum { ZED_ARC_CW = 1, ZED_ARC_CCW = 2 };

// An instance id and an element id; with a segment id in the second half it
// names a whole segment.
typedef struct ZedFigRef {
    int32_t instance;
    int32_t id;
} ZedFigRef;

// A segment reference: a kind, then a segment id (used by the hole calls).
typedef struct ZedSgmRef {
    int32_t kind;
    int32_t segment;
} ZedSgmRef;

// Line attributes, short form: colour index, line-type index, and a third field
// that the plug-in sets to 0.
typedef struct ZedLineType {
    int32_t colour;
    int32_t lineType;
    int32_t reserved;
} ZedLineType;

// Line attributes, full form (32 bytes): colour index at byte 0, line-type
// index at byte 16, a field at byte 20 that the plug-in sets to 0 when it fills
// the record itself. The other fields are the host's (line width, pen, ...).
typedef struct ZedLineType2 {
    int32_t colour;
    int32_t host4;
    int32_t host8;
    int32_t host12;
    int32_t lineType;
    int32_t extra;
    int32_t host24;
    int32_t host28;
} ZedLineType2;

// Dimension kinds as the host reports them at byte 0 of a dimension record.
enum { ZED_DIM_LINE_LENGTH = 12, ZED_DIM_RADIUS = 16 };

// Length dimension record (ZedDimCreateLineLength, ZedDimGetDimension,
// ZedDimAmendDimension). 112 bytes.
typedef struct ZedLengthDim {
    int32_t kind;  // not set on creation; reads back as 12
    int32_t pad4;
    ZedPoint first;
    int32_t firstElement;
    int32_t firstInstance;
    int32_t zero32;
    int32_t pad36;
    ZedPoint second;
    int32_t secondElement;
    int32_t secondInstance;
    int32_t zero64;
    int32_t pad68;
    double offset;  // signed distance of the dimension line from the points
    uint8_t flag80; // 1
    uint8_t pad81[7];
    double zero88;
    uint8_t flag96; // 0
    uint8_t pad97[7];
    double zero104;
} ZedLengthDim;

// Radius dimension record (ZedDimCreateRadius). 56 bytes.
typedef struct ZedRadiusDim {
    int32_t kind;  // not set on creation; reads back as 16
    uint8_t flag4; // 1
    uint8_t pad5[3];
    int32_t zero8;
    int32_t arcElement;
    int32_t arcInstance;
    int32_t zero20;
    ZedPoint textPoint;
    double zero40;
    int32_t zero48;
    int32_t pad52;
} ZedRadiusDim;

// What ZedDimGetDimension fills: the kind at byte 0 says which view applies.
typedef union ZedDimRecord {
    int32_t kind;
    ZedLengthDim length;
    ZedRadiusDim radius;
    unsigned char bytes[128];
} ZedDimRecord;

// Leader note record (ZedCmtCreateLeader, ZedCmtGetComment,
// ZedCmtAmendComment). 176 bytes.
enum { ZED_LEADER_KIND = 35 };
typedef struct ZedLeader {
    int32_t kind;  // 35
    int32_t pad4;
    ZedPoint first;  // arrow end
    int64_t zero24;
    int32_t zero32;
    int32_t pad36;
    ZedPoint second;  // text point
    int64_t zero56;
    int32_t zero64;
    int32_t pad68;
    ZedPoint third;  // text point again
    int64_t zero88;
    int32_t zero96;
    int32_t pad100;
    const ZedChar* text;  // zero-terminated note text
    int32_t one112;       // 1
    uint8_t pad116[28];
    int32_t four144;  // 4
    int32_t pad148;
    double three152;  // 3.0
    double two160;    // 2.0
    double zero168;   // 0.0
} ZedLeader;

// Hole-shape record, owned by the host and reached from the hole-data record.
// The side code lies at byte 204 in the current host and at byte 172 in the
// older release.
typedef struct ZedHoleShape {
    int32_t host0;
    int32_t layer;    // 4
    double diameter;  // 8 (MC hole)
    uint8_t flag;     // 16
    uint8_t pad17[7];
    double depth;  // 24
    uint8_t host32[16];
    int32_t fromBelow;  // 48
#if ZED_LEGACY
    uint8_t host52[120];
    int32_t sideCode;  // 172
    uint8_t host176[32];
#else
    uint8_t host52[152];
    int32_t sideCode;  // 204
#endif
    int32_t host208;
} ZedHoleShape;

// Hole-data record, 96 bytes, filled by ZedHolGetHoleMaster and
// ZedHolGetHoleData; the host frees what it owns in ZedHolFreeHoleData.
typedef struct ZedHoleData {
    uint8_t host0[88];
    ZedHoleShape* shape;  // 88
} ZedHoleData;

// Segment attribute value.
enum { ZED_ATTR_TEXT = 2, ZED_ATTR_INTEGER = 3 };
typedef struct ZedAttrValue {
    int32_t kind;
    int32_t pad4;
    union {
        const ZedChar* text;  // kind 2: zero-terminated text
        int32_t integer;      // kind 3: in the low half
        int64_t raw;
    } value;
} ZedAttrValue;

// Result of the intersection calls: up to two points, each followed by a
// 32-bit marker. For two circles the marker after a point is 1 when the point
// lies on the first arc's own span (between its start and its end), else 0.
// For the other calls the marker is 1 when the point lies within both
// elements' spans, else 0.
typedef struct ZedItsPoint {
    ZedPoint p;
    int32_t marker;
    int32_t pad;
} ZedItsPoint;
typedef struct ZedIntersection {
    ZedItsPoint points[2];
} ZedIntersection;

// Segment types.
enum { ZED_SGM_FIGURE = 0, ZED_SGM_DIMENSION = 1, ZED_SGM_NOTE = 2 };

// ---------------------------------------------------------------------------
// Command machinery
// ---------------------------------------------------------------------------

// Answers of an execute function.
enum {
    ZED_EXEC_END = 0,    // end the command
    ZED_EXEC_READY = 2,  // call the newly installed ready function
    ZED_EXEC_WAIT = 3,   // wait for the next event
};

// Event types given to an execute function. Only 5 and 7 have fixed numbers;
// picks arrive as ZED_EVT_PICK.
enum {
    ZED_EVT_PICK = 1,
    ZED_EVT_KEYIN = 5,
    ZED_EVT_END = 7,
};

// Event mask bits (ZedEvtSetEventMask takes the mask of bit values).
enum {
    ZED_MASK_COMPARE_PICK = 1u << 11,  // element pick screened by the compare function
    ZED_MASK_ELEMENT_PICK = 1u << 12,
    ZED_MASK_POINT = 1u << 17,         // any click, with or without an element
    ZED_MASK_KEYIN = 1u << 24,
};

typedef struct ZedEvent ZedEvent;  // opaque, owned by the host

typedef int (*ZedReadyFunc)(void);
typedef int (*ZedExecuteFunc)(int type, ZedEvent* event);
// Answers 1 to admit the command, 0 to refuse it.
typedef int (*ZedAdmitFunc)(void);
typedef void (*ZedEndFunc)(void);
// Compare function: 1 when the element may be picked.
typedef int (*ZedCompareFunc)(ZedId element);

// Pick filter given with each pick state (ZedEvtSetObject), five integers:
//  [0] segment types admitted, bit (1 << (type + 1)): 2 figures, 4 dimensions, 8 notes; 0 any;
//  [1] figure kinds admitted, bit (1 << (kind - 1)): 1 lines, 4 arcs, ...; 0 any;
//  [2] dimension kinds admitted: bit 1 line-length, bit 16 radius; 0 any;
//  [3] note kinds admitted: 8 leader notes; 0 any;
//  [4] reserved, 0.
enum { ZED_FILTER_SIZE = 5 };

ZEDLIB_API int ZedCtlRegisterZedLib2(ZedReadyFunc start, ZedAdmitFunc admission, ZedEndFunc end);
// The name is the host's label for the callback; the plug-in passes "".
ZEDLIB_API int ZedCtlSetReadyFunc(ZedReadyFunc function, const ZedChar* name);
ZEDLIB_API int ZedCtlSetExecuteFunc(ZedExecuteFunc function, const ZedChar* name);

ZEDLIB_API int ZedEvtSetEventMask(uint32_t mask);
ZEDLIB_API int ZedEvtSetObject(const int32_t filter[ZED_FILTER_SIZE]);
#if !ZED_LEGACY
ZEDLIB_API int ZedEvtSetCompareFunction(ZedCompareFunc compare);
#endif
// The typed string of a type-5 event, or NULL. Valid until the next ZedLib call.
ZEDLIB_API const ZedChar* ZedEvtGetKeyinString(int type, ZedEvent* event);
// 0 and the point for a pick; -1 for an event that carries no point.
ZEDLIB_API int ZedEvtGetPoint(int type, ZedEvent* event, double* x, double* y);
ZEDLIB_API ZedId ZedEvtGetElementId(int type, ZedEvent* event);
ZEDLIB_API ZedId ZedEvtGetSegmentId(int type, ZedEvent* event);
ZEDLIB_API ZedId ZedEvtGetInstanceId(int type, ZedEvent* event);
ZEDLIB_API ZedId ZedEvtGetDetailId(int type, ZedEvent* event);

// ---------------------------------------------------------------------------
// Messages, blink, redraw, memory
// ---------------------------------------------------------------------------

ZEDLIB_API int ZedMsgPutMessage(const ZedChar* text);
ZEDLIB_API int ZedMsgPutErrorMessage(const ZedChar* text);
// Modal notice with an OK button; returns when the user closes it.
ZEDLIB_API int ZedDlgMessageBox(const ZedChar* text);
ZEDLIB_API int ZedIdSetBlinkElementId(const ZedFigRef* element);
ZEDLIB_API int ZedIdClearBlink(void);
ZEDLIB_API int ZedFilRedraw(void);
ZEDLIB_API void ZedMemFree(void* memory);

// ---------------------------------------------------------------------------
// Layers
// ---------------------------------------------------------------------------

// The number of layers, and in *layers an array of their numbers that the
// caller frees with ZedMemFree. -1 on failure.
ZEDLIB_API int ZedLyrGetAllLayer(int32_t** layers);
ZEDLIB_API int ZedLyrHasLayer(ZedId layer);
// The getters answer 0 or 1 (colour: the index), -1 for an unknown layer.
ZEDLIB_API int ZedLyrGetVisibility(ZedId layer);
ZEDLIB_API int ZedLyrSetVisibility(ZedId layer, int visible);
ZEDLIB_API int ZedLyrGetDetection(ZedId layer);
ZEDLIB_API int ZedLyrSetDetection(ZedId layer, int detect);
ZEDLIB_API int ZedLyrGetColor(ZedId layer);
ZEDLIB_API int ZedLyrSetColor(ZedId layer, int colour);
// Copies the name (at most capacity - 1 characters and a zero) and returns its
// full length, -1 for an unknown layer.
ZEDLIB_API int ZedLyrGetName(ZedId layer, ZedChar* name, int capacity);
ZEDLIB_API int ZedLyrSetName(ZedId layer, const ZedChar* name);

// ---------------------------------------------------------------------------
// Segments
// ---------------------------------------------------------------------------

// A new empty segment of the type (0 figure, 1 dimension, 2 note). The second
// argument is the layer option: 0 puts the segment on the drawing's current
// layer, which is the only value the plug-in uses.
ZEDLIB_API ZedId ZedSgmCreateSegment(int type, int layerOption);
ZEDLIB_API int ZedSgmDeleteSegment(ZedId segment);
ZEDLIB_API int ZedSgmChangeLayer(ZedId segment, ZedId layer);
ZEDLIB_API ZedId ZedSgmGetLayer(ZedId segment);
#if !ZED_LEGACY
ZEDLIB_API int ZedSgmGetType(ZedId segment);
#endif
ZEDLIB_API int ZedSgmGetElementCount(ZedId segment);
ZEDLIB_API ZedId ZedSgmGetHeadElementId(ZedId segment);
ZEDLIB_API ZedId ZedSgmGetTailElementId(ZedId segment);
#if !ZED_LEGACY
// Attribute values are numbered; a text value is copied by the host on Set and
// handed back on Get as host memory valid until the next ZedLib call.
// Get answers -1 when the segment has no such attribute.
ZEDLIB_API int ZedSgmSetAttribute(ZedId segment, int32_t number, const ZedAttrValue* value);
ZEDLIB_API int ZedSgmGetAttribute(ZedId segment, int32_t number, ZedAttrValue* value);
ZEDLIB_API int ZedSgmDeleteAttribute(ZedId segment, int32_t number);
ZEDLIB_API int ZedSgmDeleteAllAttribute(ZedId segment);
#endif

// ---------------------------------------------------------------------------
// Elements
// ---------------------------------------------------------------------------

ZEDLIB_API ZedId ZedElmGetSegment(ZedId element);
#if !ZED_LEGACY
// The element's figure kind, corners reported as 7 and 8.
ZEDLIB_API int ZedElmGetType(ZedId element);
#endif
// Position of the element in its segment's chain, from 1.
ZEDLIB_API int ZedElmGetElementOrder(ZedId element);
// -1 when the element is the last (first) of its chain.
ZEDLIB_API ZedId ZedElmGetNextElementId(ZedId element);
ZEDLIB_API ZedId ZedElmGetPrevElementId(ZedId element);
// Deleting inside a closed chain opens it there; deleting inside an open chain
// splits it in two segments (the part after the element gets a new segment).
// Deleting the last element of a segment deletes the segment. Deleting a
// dimension or note element deletes its segment.
ZEDLIB_API int ZedElmDeleteElement(ZedId element);

// ---------------------------------------------------------------------------
// Figures
// ---------------------------------------------------------------------------

// The element's figure; corners are reported with kinds 7 and 8.
ZEDLIB_API int ZedFigGetFigure(const ZedFigRef* element, ZedFigure* figure);
// The outline list of a segment (reference: instance, segment): the figures of
// all its elements in chain order, corners reported as arcs (3) and lines (1).
// Returns the number of records written, at most capacity, or -1.
ZEDLIB_API int ZedFigGetFigure2(const ZedFigRef* segment, ZedFigure* figures, int capacity);
// Appends a figure to a segment; returns the new element id.
ZEDLIB_API ZedId ZedFigCreateFigure(ZedId segment, const ZedFigure* figure);
// Places a new figure in front of the element; returns the new element id.
ZEDLIB_API ZedId ZedFigInsertFigure(ZedId element, const ZedFigure* figure);
ZEDLIB_API int ZedFigAmendFigure(const ZedFigRef* element, const ZedFigure* figure);
// Divides a closed chain at a point on it: the chain then starts and ends at
// the point (the element there is split unless the point is a vertex). The
// segment keeps its id, which is also written to *divided. 0 or -1.
ZEDLIB_API int ZedFigDivide(const ZedFigRef* segment, const ZedPoint* at, ZedId* divided);
// Joins two chains whose ends meet; returns the joined segment (the first),
// the second segment ceases to exist.
ZEDLIB_API ZedId ZedFigConcat(ZedId first, ZedId second);
// Turns a corner element (7, 8) into a plain arc or line; returns the id of
// the plain element.
ZEDLIB_API ZedId ZedFigChangeCorner(ZedId element);
#if !ZED_LEGACY
// Removes a corner element so that its two neighbours meet.
ZEDLIB_API int ZedFigRemoveCorner(ZedId element);
#endif
ZEDLIB_API int ZedFigIsClosed(ZedId segment);
ZEDLIB_API int ZedFigSetClosed(ZedId segment, int closed);
ZEDLIB_API int ZedFigGetLineType(const ZedFigRef* element, ZedLineType* attributes);
ZEDLIB_API int ZedFigSetLineType(const ZedFigRef* element, const ZedLineType* attributes);
ZEDLIB_API int ZedFigGetLineType2(const ZedFigRef* element, ZedLineType2* attributes);
ZEDLIB_API int ZedFigSetLineType2(const ZedFigRef* element, const ZedLineType2* attributes);

// ---------------------------------------------------------------------------
// Dimensions and notes
// ---------------------------------------------------------------------------

// Each returns the new dimension's element id, in the given dimension segment.
ZEDLIB_API ZedId ZedDimCreateLineLength(ZedId segment, const ZedLengthDim* dimension);
ZEDLIB_API ZedId ZedDimCreateRadius(ZedId segment, const ZedRadiusDim* dimension);
ZEDLIB_API int ZedDimGetDimension(ZedId element, ZedDimRecord* dimension);
ZEDLIB_API int ZedDimAmendDimension(ZedId element, const ZedDimRecord* dimension);

// Returns the note's element id, in the given note segment. The host keeps its
// own copy of the text.
ZEDLIB_API ZedId ZedCmtCreateLeader(ZedId segment, const ZedLeader* leader);
// The text pointer written into *leader is host memory, valid until the next
// ZedLib call.
ZEDLIB_API int ZedCmtGetComment(ZedId element, ZedLeader* leader);
ZEDLIB_API int ZedCmtAmendComment(ZedId element, const ZedLeader* leader);

// ---------------------------------------------------------------------------
// Holes
// ---------------------------------------------------------------------------

// Reads a hole-master file into *data (host-owned shape record). 0 or -1.
ZEDLIB_API int ZedHolGetHoleMaster(const ZedChar* path, ZedHoleData* data);
// Makes a hole at a centre. The option is 0 (the plug-in's only value).
ZEDLIB_API ZedId ZedHolCreateHole(int option, const ZedPoint* centre, const ZedHoleData* data);
#if !ZED_LEGACY
// Makes a hole over a closed outline named by a segment reference (kind 1).
ZEDLIB_API ZedId ZedHolCreateFigHole(const ZedSgmRef* outline, const ZedHoleData* data);
#endif
ZEDLIB_API int ZedHolGetHoleData(ZedId hole, ZedHoleData* data);
ZEDLIB_API int ZedHolAmendHoleData(ZedId hole, const ZedHoleData* data);
ZEDLIB_API int ZedHolFreeHoleData(ZedHoleData* data);
// A second free call of the host, equivalent to ZedHolFreeHoleData.
ZEDLIB_API int ZedHoleFreeHoleData(ZedHoleData* data);
// The hole that owns the referenced segment.
ZEDLIB_API ZedId ZedHolGetHoleId(const ZedSgmRef* segment);
// Writes up to capacity references of the hole's segments; returns how many.
ZEDLIB_API int ZedHolGetHoleSegmentId(ZedId hole, ZedSgmRef* segments, int capacity);

// ---------------------------------------------------------------------------
// Geometry queries
// ---------------------------------------------------------------------------

ZEDLIB_API double ZedAriLen2Pnts(const ZedPoint* p, const ZedPoint* q);
// In/out test of a point against a closed outline list of lines and arcs:
// 1 outside, 0 inside, 2 on the outline, -1 on failure.
ZEDLIB_API int ZedAriIochkPnt(const ZedFigure* outline, int count, const ZedPoint* point);
// Intersections. The option is 0: lines are taken as unbounded and arcs as
// whole circles. Return the number of points written (0, 1 or 2) or -1.
#if !ZED_LEGACY
ZEDLIB_API int ZedAriItsLinLin(int option, const ZedFigure* a, const ZedFigure* b, ZedIntersection* out);
ZEDLIB_API int ZedAriItsLinArc(int option, const ZedFigure* line, const ZedFigure* arc, ZedIntersection* out);
ZEDLIB_API int ZedAriItsArcArc(int option, const ZedFigure* a, const ZedFigure* b, ZedIntersection* out);
#endif

#ifdef __cplusplus
}  // extern "C"
#endif

// ---------------------------------------------------------------------------
// Layout checks
// ---------------------------------------------------------------------------
#ifdef __cplusplus
#define ZED_CHECK_LAYOUT(cond, what) static_assert(cond, what)
#else
#define ZED_CHECK_LAYOUT(cond, what) _Static_assert(cond, what)
#endif

ZED_CHECK_LAYOUT(sizeof(ZedFigure) == 88, "figure record is 88 bytes");
ZED_CHECK_LAYOUT(offsetof(ZedFigure, v) == 8, "figure points start at byte 8");
ZED_CHECK_LAYOUT(offsetof(ZedFigure, v) + 2 * sizeof(double) == 24, "line end / arc start at 24");
ZED_CHECK_LAYOUT(offsetof(ZedFigure, v) + 4 * sizeof(double) == 40, "arc end at 40");
ZED_CHECK_LAYOUT(offsetof(ZedFigure, v) + 6 * sizeof(double) == 56, "arc radius at 56");
ZED_CHECK_LAYOUT(offsetof(ZedFigure, v) + 7 * sizeof(double) == 64, "arc direction flag at 64");
ZED_CHECK_LAYOUT(sizeof(ZedFigRef) == 8, "figure reference is two ids");
ZED_CHECK_LAYOUT(sizeof(ZedSgmRef) == 8, "segment reference is two ints");
ZED_CHECK_LAYOUT(sizeof(ZedLineType) == 12, "short line attributes are three ints");
ZED_CHECK_LAYOUT(offsetof(ZedLineType2, lineType) == 16, "full line type at 16");
ZED_CHECK_LAYOUT(offsetof(ZedLineType2, extra) == 20, "full line field at 20");

ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, first) == 8, "length dim first point");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, firstElement) == 24, "length dim first element");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, firstInstance) == 28, "length dim first instance");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, zero32) == 32, "length dim 32");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, second) == 40, "length dim second point");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, secondElement) == 56, "length dim second element");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, secondInstance) == 60, "length dim second instance");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, zero64) == 64, "length dim 64");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, offset) == 72, "length dim offset");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, flag80) == 80, "length dim flag 80");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, zero88) == 88, "length dim 88");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, flag96) == 96, "length dim flag 96");
ZED_CHECK_LAYOUT(offsetof(ZedLengthDim, zero104) == 104, "length dim 104");

ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, flag4) == 4, "radius dim flag 4");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, zero8) == 8, "radius dim 8");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, arcElement) == 12, "radius dim arc element");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, arcInstance) == 16, "radius dim arc instance");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, zero20) == 20, "radius dim 20");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, textPoint) == 24, "radius dim text point");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, zero40) == 40, "radius dim 40");
ZED_CHECK_LAYOUT(offsetof(ZedRadiusDim, zero48) == 48, "radius dim 48");
ZED_CHECK_LAYOUT(sizeof(ZedDimRecord) >= sizeof(ZedLengthDim), "dimension record holds a length dim");

ZED_CHECK_LAYOUT(offsetof(ZedLeader, first) == 8, "leader first point");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero24) == 24, "leader 24");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero32) == 32, "leader 32");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, second) == 40, "leader second point");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero56) == 56, "leader 56");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero64) == 64, "leader 64");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, third) == 72, "leader third point");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero88) == 88, "leader 88");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero96) == 96, "leader 96");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, text) == 104 && sizeof(void*) == 8, "leader text pointer at 104");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, one112) == 112, "leader 112");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, four144) == 144, "leader 144");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, three152) == 152, "leader 152");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, two160) == 160, "leader 160");
ZED_CHECK_LAYOUT(offsetof(ZedLeader, zero168) == 168, "leader 168");

ZED_CHECK_LAYOUT(sizeof(ZedHoleData) == 96, "hole-data record is 96 bytes");
ZED_CHECK_LAYOUT(offsetof(ZedHoleData, shape) == 88, "hole-shape pointer at 88");
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, layer) == 4, "hole layer at 4");
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, diameter) == 8, "hole diameter at 8");
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, flag) == 16, "hole flag at 16");
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, depth) == 24, "hole depth at 24");
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, fromBelow) == 48, "hole from-below flag at 48");
#if ZED_LEGACY
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, sideCode) == 172, "older host: side code at 172");
#else
ZED_CHECK_LAYOUT(offsetof(ZedHoleShape, sideCode) == 204, "side code at 204");
#endif

ZED_CHECK_LAYOUT(offsetof(ZedAttrValue, value) == 8, "attribute value at 8");
ZED_CHECK_LAYOUT(sizeof(ZedAttrValue) == 16, "attribute value record is 16 bytes");
ZED_CHECK_LAYOUT(offsetof(ZedItsPoint, marker) == 16, "intersection marker follows the point");

#endif  // LEDGEWRIGHT_HOST_ZEDLIB_H

// The emulated host's own interface, for tests and the host runner.
//
// The emulated host implements every ZedLib call (host/zedlib.h) over an
// in-memory drawing. This header adds what a real host would do on the user's
// behalf (start a command, type, pick, end), ways to lay out a drawing, to
// inspect it, to fail any ZedLib call on demand and to read back what each call
// changed. None of these functions counts as a ZedLib call, and none of them
// can be made to fail.
//
// The host's choices where the interface leaves its working open are written
// down in emuhost/README.md.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_API_H
#define LEDGEWRIGHT_EMUHOST_EMU_API_H

#include <cstdint>
#include <string>
#include <vector>

#include "emuhost/emu_dialog_driver.h"
#include "host/zedlib.h"

#if defined(_WIN32)
// windows.h defines MessageBox (Channel below) as a macro for MessageBoxW. Taken
// in here first, it renames the enumerator and every use of it alike, whatever
// order a file includes the two headers in.
#include <windows.h>
#endif

#define EMU_API ZEDLIB_API

namespace emu {

// ---------------------------------------------------------------------------
// Lifecycle
// ---------------------------------------------------------------------------

// Empties the drawing, forgets the registration, the command, messages, faults,
// the call log and the journal. Ids start again from 1.
EMU_API void Reset();

// ---------------------------------------------------------------------------
// Laying out a drawing
// ---------------------------------------------------------------------------

EMU_API ZedFigure Line(double x1, double y1, double x2, double y2);
// An arc from (sx, sy) to (ex, ey) about (cx, cy); flag ZED_ARC_CW or ZED_ARC_CCW.
// The radius is the distance from the centre to the start.
EMU_API ZedFigure Arc(double cx, double cy, double sx, double sy, double ex, double ey, int flag);
EMU_API ZedFigure Circle(double cx, double cy, double radius);
// The arc direction flag stored at byte 64 of a figure record.
EMU_API int32_t ArcFlag(const ZedFigure& figure);
EMU_API void SetArcFlag(ZedFigure& figure, int32_t flag);

EMU_API void AddLayer(int number, const std::string& nameUtf8 = "", int colour = 0, bool visible = true,
                      bool detect = true);
// Takes a layer out of the drawing, as the user may do in the host while a
// command waits. False when there is no such layer or a segment lies on it.
EMU_API bool RemoveLayer(int number);
// With merging on, the outline list (ZedFigGetFigure2) gives one record for a
// run of plain lines that continue each other straight, so that its count
// differs from the segment's element count. Off after Reset.
EMU_API void SetOutlineListMergesCollinear(bool merge);

// The layer that ZedSgmCreateSegment(type, 0) puts new segments on.
EMU_API void SetCurrentLayer(int number);
EMU_API ZedId AddSegment(int type, int layer);
// Appends a figure to a figure segment. Without attributes the element gets
// colour 0 and line type 0. The figure is given the way the chain runs; with
// storedReversed the host stores it turned round (its stored start where the
// chain leaves it), as drawings joined end to end hold some of their lines
// and arcs. ZedFigGetFigure then answers the turned record.
EMU_API ZedId AddFigure(ZedId segment, const ZedFigure& figure, const ZedLineType2* attributes = nullptr,
                        bool storedReversed = false);
// A chain of figures in one new segment on the layer; closed or open. Returns
// the segment id, or -1 when the figures do not form a chain. The figures are
// given the way the chain runs; storedReversed, when not empty, has one flag a
// figure and stores the flagged ones turned round (as AddFigure).
EMU_API ZedId AddOutline(int layer, const std::vector<ZedFigure>& figures, bool closed,
                         const ZedLineType2* attributes = nullptr, const std::vector<bool>& storedReversed = {});
// Rounds the corner between a line element and the next line of its chain with
// a filleted corner (kind 7) of the radius, or cuts it with a chamfer (kind 8)
// that takes the distance off each line. Returns the corner's element id, or -1
// when the corner cannot be made.
EMU_API ZedId AddFillet(ZedId element, double radius);
EMU_API ZedId AddChamfer(ZedId element, double distance);

// ---------------------------------------------------------------------------
// Inspecting the drawing
// ---------------------------------------------------------------------------

EMU_API std::vector<ZedId> SegmentIds();
EMU_API bool SegmentExists(ZedId segment);
EMU_API bool ElementExists(ZedId element);
EMU_API int SegmentType(ZedId segment);  // -1 for none
EMU_API int SegmentLayer(ZedId segment);  // -1 for none
EMU_API bool SegmentClosed(ZedId segment);
// The layer that ZedSgmCreateSegment(type, 0) puts new segments on.
EMU_API int CurrentLayer();
// Element ids of the segment in chain order.
EMU_API std::vector<ZedId> Chain(ZedId segment);
// The element's figure as laid out (corners keep kinds 7 and 8).
EMU_API ZedFigure FigureOf(ZedId element);
EMU_API ZedLineType2 AttributesOf(ZedId element);
// Whether the figure element is stored the other way round from its chain.
EMU_API bool StoredReversed(ZedId element);
// "" when the segment is sound: consecutive elements touch (within 1e-6), a
// closed chain closes and is a simple outline (no piece meets another but at
// its joints with its neighbours), no element has zero length, an arc's ends
// lie on its circle. Otherwise a description of the first fault.
EMU_API std::string CheckIntegrity(ZedId segment);
// CheckIntegrity over every figure segment; "" when all are sound.
EMU_API std::string CheckAllIntegrity();
// Dimensions and notes.
EMU_API bool DimensionOf(ZedId element, ZedDimRecord* record);
EMU_API std::string NoteText(ZedId element);  // UTF-8, "" for none
// A leader note's record as stored, its text pointer null (the text is
// NoteText's); false for an element that is no note.
EMU_API bool NoteOf(ZedId element, ZedLeader* record);
// Attributes of a segment, as text ("" when absent): text values as they are,
// integers in decimal.
EMU_API bool HasAttribute(ZedId segment, int32_t number);
EMU_API std::string AttributeText(ZedId segment, int32_t number);
// Holes.
EMU_API std::vector<ZedId> HoleIds();
EMU_API bool HoleShapeOf(ZedId hole, ZedHoleShape* shape);
EMU_API std::vector<ZedId> HoleSegments(ZedId hole);
// Hole-shape records handed out by ZedHolGetHoleMaster / ZedHolGetHoleData and
// not yet freed.
EMU_API int LiveHoleData();
// Memory handed out by ZedLyrGetAllLayer and not yet freed with ZedMemFree.
EMU_API int LiveHostMemory();
// Whether a text the host handed back (a key-in string, a note's or an
// attribute's text) is still valid: until the next ZedLib call returns.
EMU_API bool HandedTextLive(const ZedChar* text);
// A deterministic text dump of the whole drawing: layers, segments, elements
// with figures in fixed decimals, attributes, dimensions, notes and holes.
EMU_API std::string Dump();

// ---------------------------------------------------------------------------
// What the user sees
// ---------------------------------------------------------------------------

enum class Channel { Prompt, Error, MessageBox };
struct Message {
    Channel channel;
    std::string text;  // UTF-8
};
// Every message put on any of the three channels, in order.
EMU_API std::vector<Message> Messages();
EMU_API void ClearMessages();
// The last prompt put with ZedMsgPutMessage ("" for none).
EMU_API std::string CurrentPrompt();
// The element that blinks, or instance -1 / id -1 when none does.
EMU_API ZedFigRef Blinking();
EMU_API int RedrawCount();

// ---------------------------------------------------------------------------
// Driving a command, as the host does for the user
// ---------------------------------------------------------------------------

EMU_API bool Registered();
// Runs the command: asks the admission function, then calls the start function
// as the first ready function. False when nothing is registered, a command is
// already running or the admission function refuses.
EMU_API bool StartCommand();
EMU_API bool CommandActive();
// Typed text (UTF-8), delivered as event type 5 when the event mask has bit 24;
// otherwise ignored. False when nothing was delivered.
EMU_API bool Type(const std::string& utf8);
// A click at a point. With the element-pick bit (12) the nearest element within
// the pick aperture that the layer detection, the pick filter (and with bit 11
// the compare function) admit is picked; with nothing there the pick carries
// element, segment, instance and detail -1. Without bits 11, 12 and 17 the
// click is ignored. False when nothing was delivered.
EMU_API bool PickAt(double x, double y);
// A click on the element itself (at a point on it), screened like PickAt.
EMU_API bool PickElement(ZedId element);
// Where PickElement clicks for the element (the middle of a line or arc, the
// text point of a radius dimension or note); false when there is no such element.
EMU_API bool ClickPointOf(ZedId element, ZedPoint* point);
// An event of any other type (not 1, 5 or 7, which PickAt, Type and EndCommand
// deliver), carrying no text, point or ids, as the host sends under the mask bit
// given. Screened like the others: false, and nothing delivered, when the mask
// lacks the bit or no command waits.
EMU_API bool DeliverEvent(int type, int maskBit);
// Ends the command (event type 7, always delivered), then calls the end function.
EMU_API void EndCommand();
// Half the side of the pick box, in drawing units (default 1.0).
EMU_API void SetPickAperture(double aperture);
EMU_API uint32_t EventMask();
EMU_API std::vector<int32_t> PickFilter();
// Violations of the callback protocol seen so far (an execute function that
// answered something other than 0, 2 or 3, or not 0 to event type 7, ...).
EMU_API std::vector<std::string> ProtocolErrors();

// ---------------------------------------------------------------------------
// The keyboard and the host's main window
// ---------------------------------------------------------------------------
// Key events reach the host's command line through ZedEmuKeyInput (below), the
// way a system's input stream would bring them: the host forms the typed text
// with its own keyboard state and delivers it, on Enter, as Type does.

struct KeyEvent {
    int virtualKey;
    int scanCode;
    unsigned extraInfo;
    bool keyUp;
};
// Caps Lock (off after Reset); the Caps Lock key toggles it too.
EMU_API void SetCapsLock(bool on);
EMU_API bool CapsLock();
// The text typed since the last Enter or Clear (UTF-8).
EMU_API std::string CommandLine();
// Every key event received, in order.
EMU_API std::vector<KeyEvent> KeyEvents();
// The lines that Enter took from the command line, delivered or not.
EMU_API std::vector<std::string> EnteredLines();
// How often the host's main window was made the active window.
EMU_API int HostWindowActivations();

// The dialog driver table that the plug-in offered (ZedEmuOfferDialogDriver),
// or null. Reset keeps it: the plug-in offers it once, at its Startup.
EMU_API const ZedEmuDialogDriver* DialogDriver();

// ---------------------------------------------------------------------------
// Fault injection, call log and journal
// ---------------------------------------------------------------------------

// Fails the named ZedLib call on its nth use from now (counting from 1), or on
// every use from the nth on. A failing call changes nothing and returns its
// failure value (-1, 0 for the boolean calls, a null text).
EMU_API void FailCall(const std::string& name, int nth, bool onwards = false);
// Fails the nth ZedLib call of any name from now on (counting from 1).
EMU_API void FailNthCall(int nth, bool onwards = false);
EMU_API void ClearFaults();
// ZedLib calls made since the last Reset or ResetCallLog, by name in order.
EMU_API std::vector<std::string> CallLog();
EMU_API int CallCount();
// Number of calls failed by injection since the last ResetCallLog.
EMU_API int InjectedFailures();
EMU_API void ResetCallLog();

// One change that a ZedLib call made to the drawing.
struct Change {
    int call;                 // the call's position in CallLog (from 1)
    std::string name;         // the call's name
    std::string description;  // what changed
};
// Changes made since the last Reset or ResetCallLog, in order.
EMU_API std::vector<Change> Journal();

// ---------------------------------------------------------------------------
// Text helpers
// ---------------------------------------------------------------------------

EMU_API std::string ToUtf8(const ZedChar* text);
EMU_API ZedString FromUtf8(const std::string& utf8);

}  // namespace emu

// The input stream's entry points, in C so that a headless user interface can
// find them in the process by name. A key event: virtual-key code, scan code,
// extra information, and whether the key goes up (1) or down (0).
extern "C" EMU_API void ZedEmuKeyInput(unsigned virtualKey, unsigned scanCode, unsigned extraInfo, int keyUp);
// Makes the host's main window the active window.
extern "C" EMU_API void ZedEmuActivateHostWindow();
// Takes the plug-in's dialog driver table (emuhost/emu_dialog_driver.h); the
// table lives as long as the plug-in, null withdraws it.
extern "C" EMU_API void ZedEmuOfferDialogDriver(const ZedEmuDialogDriver* driver);

#endif  // LEDGEWRIGHT_EMUHOST_EMU_API_H

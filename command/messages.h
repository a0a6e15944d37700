// Every prompt and message text of the plug-in, each once, named after what it
// reports. Numbered variants of one text are distinct texts: the number tells
// the user (and us, from a report) which step failed.
#ifndef LEDGEWRIGHT_COMMAND_MESSAGES_H
#define LEDGEWRIGHT_COMMAND_MESSAGES_H

#include "host/zedtext.h"

#define LEDGEWRIGHT_TEXT(name, literal) inline constexpr const ZedChar name[] = ZED_TEXT(literal)

// Prompts of the command.
LEDGEWRIGHT_TEXT(kPromptPattern, "턱걸이타입선택 :");

// Temporary dimensions.
LEDGEWRIGHT_TEXT(kMsgDimensionNotCreated, "치수작성에러.");

// Cut lines.
LEDGEWRIGHT_TEXT(kMsgCutLineNotCreated, "절단선을 작성할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgCutLineLayerNotChanged, "절단선의 레이어를 변경할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgCutLineNotRead, "절단선의 정보를 참조할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgCutLineNotAmended, "절단선길이를 수정할 수 없습니다.");

// Holes and hole notes.
LEDGEWRIGHT_TEXT(kMsgHoleOutlineLayerNotRead, "소속 레이어를 확인할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleLayerNotResolved, "소속 레이어를 확인할 수 없어서 구멍을 작성할 수 없습니다.");
// Followed directly by the full path of the master file that was tried.
LEDGEWRIGHT_TEXT(kMsgHoleMasterMissing, "Hole 마스터파일이 없어서 작성할 수 없습니다.\n");
LEDGEWRIGHT_TEXT(kMsgMcHoleNotCreated01, "MC구멍을 작성할 수 없습니다.(01)");
LEDGEWRIGHT_TEXT(kMsgShapedHoleNotCreated01, "이형구멍을 작성할 수 없습니다.(01)");
LEDGEWRIGHT_TEXT(kMsgHoleDataNotRead, "holedata를 참조할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleDataNotAmended, "holedata를 수정할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgMcHoleNotRemade, "MC구멍을 수정할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleSegmentsNotRead, "holedata의 sgm정보를 확인할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleNotDeleted, "구멍을 삭제할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleNotCreated, "구멍을 작성할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleNoteNotRead, "구멍주기정보를 확인할수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgNoteNotAmended, "주기정보를 수정할수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgHoleDepthNotSetA1, "구멍의 깊이를 수정할 수 없습니다.(A-1)");
LEDGEWRIGHT_TEXT(kMsgHoleDepthNotSetA2, "구멍의 깊이를 수정할 수 없습니다.(A-2)");
LEDGEWRIGHT_TEXT(kMsgHoleDepthNotSetB1, "구멍의 깊이를 수정할 수 없습니다.(B-1)");
LEDGEWRIGHT_TEXT(kMsgHoleDepthNotSetB2, "구멍의 깊이를 수정할 수 없습니다.(B-2)");
LEDGEWRIGHT_TEXT(kMsgHoleDepthNotSetC1, "구멍의 깊이를 수정할 수 없습니다.(C-1)");
LEDGEWRIGHT_TEXT(kMsgHoleDepthNotSetC2, "구멍의 깊이를 수정할 수 없습니다.(C-2)");
// Texts of the hole notes: the drilling side, and the depth's prefix.
LEDGEWRIGHT_TEXT(kNoteTopFace, "상면");
LEDGEWRIGHT_TEXT(kNoteBottomFace, "하면");
LEDGEWRIGHT_TEXT(kNoteDepthPrefix, "깊이:");

// Shoulder tagging and Delete mode.
LEDGEWRIGHT_TEXT(kPromptDeleteShoulder, "삭제형상(모따기형상) 지시 :");
LEDGEWRIGHT_TEXT(kMsgShoulderNotDeleted, "요소삭제를 진행할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgPickShoulderElement, "턱걸이 형상의 요소를 지시하십시오.");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended1, "직선요소를 수정할 수 없습니다.(1)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended9, "직선요소를 수정할 수 없습니다.(9)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended10, "직선요소를 수정할 수 없습니다.(10)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended101, "직선요소를 수정할 수 없습니다.(101)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended201, "직선요소를 수정할 수 없습니다.(201)");
LEDGEWRIGHT_TEXT(kMsgArcNotAmended102, "원호요소를 수정할 수 없습니다.(102)");
LEDGEWRIGHT_TEXT(kMsgArcNotAmended202, "원호요소를 수정할 수 없습니다.(202)");
LEDGEWRIGHT_TEXT(kMsgArcNotAmended302, "원호요소를 수정할 수 없습니다.(302)");
LEDGEWRIGHT_TEXT(kMsgElementNotAmended301, "요소를 수정할 수 없습니다.(301)");
LEDGEWRIGHT_TEXT(kMsgTooManyCrossings1, "교차점이 많습니다(1).");
LEDGEWRIGHT_TEXT(kMsgNotJoined1, "결합할 수 없습니다(1).");
LEDGEWRIGHT_TEXT(kMsgNotJoined2, "결합할 수 없습니다(2).");
LEDGEWRIGHT_TEXT(kMsgNotJoined11, "결합할 수 없습니다(11).");
LEDGEWRIGHT_TEXT(kMsgNotJoined12, "결합할 수 없습니다(12).");
// Bridging a gap with a line: the layer, the line attributes, the new segment,
// the line, its attributes, its layer, joining it after b, closing, joining c.
LEDGEWRIGHT_TEXT(kMsgNotJoined21, "결합할 수 없습니다(21).");
LEDGEWRIGHT_TEXT(kMsgNotJoined22, "결합할 수 없습니다(22).");
LEDGEWRIGHT_TEXT(kMsgNotJoined23, "결합할 수 없습니다(23).");
LEDGEWRIGHT_TEXT(kMsgNotJoined24, "결합할 수 없습니다(24).");
LEDGEWRIGHT_TEXT(kMsgNotJoined25, "결합할 수 없습니다(25).");
LEDGEWRIGHT_TEXT(kMsgNotJoined26, "결합할 수 없습니다(26).");
LEDGEWRIGHT_TEXT(kMsgNotJoined27, "결합할 수 없습니다(27).");
LEDGEWRIGHT_TEXT(kMsgNotJoined28, "결합할 수 없습니다(28).");
LEDGEWRIGHT_TEXT(kMsgNotJoined29, "결합할 수 없습니다(29).");
LEDGEWRIGHT_TEXT(kMsgNotJoined103, "결합할 수 없습니다(103).");
LEDGEWRIGHT_TEXT(kMsgNotJoined104, "결합할 수 없습니다(104).");
LEDGEWRIGHT_TEXT(kMsgNotJoined203, "결합할 수 없습니다(203).");
LEDGEWRIGHT_TEXT(kMsgNotJoined204, "결합할 수 없습니다(204).");
LEDGEWRIGHT_TEXT(kMsgNotJoined303, "결합할 수 없습니다(303).");
LEDGEWRIGHT_TEXT(kMsgNotJoined304, "결합할 수 없습니다(304).");

// Plan pattern A.
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead2, "형상의 요소정보를 확인할 수 없습니다.(2)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead21, "형상의 요소정보를 확인할 수 없습니다.(21)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead22, "형상의 요소정보를 확인할 수 없습니다.(22)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead11, "형상의 요소정보를 확인할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead51, "형상의 요소정보를 확인할 수 없습니다.(51)");
// Refusals before anything changes: a size setting that is not a positive
// number, and a shoulder (at a build) or a typed value (at a rebuild) that
// would leave the outline with a piece of no length or pieces that overlap,
// touch or cross.
LEDGEWRIGHT_TEXT(kMsgShoulderSizeInvalid, "턱걸이 치수가 올바르지 않습니다.");
LEDGEWRIGHT_TEXT(kMsgShoulderOverlaps, "형상이 겹쳐서 작성할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgShoulderOverlapsEdit, "형상이 겹쳐서 수정할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgLineAttributesNotRead21, "선속성을 참조할 수 없습니다.(21)");
LEDGEWRIGHT_TEXT(kMsgLineAttributesNotRead22, "선속성을 참조할 수 없습니다.(22)");
LEDGEWRIGHT_TEXT(kMsgLineAttributesNotRead51, "선속성을 참조할 수 없습니다.(51)");
LEDGEWRIGHT_TEXT(kMsgLayerNotRead21, "레이어를 참조할 수 없습니다.(21)");
LEDGEWRIGHT_TEXT(kMsgLayerNotRead51, "레이어를 참조할 수 없습니다.(51)");
LEDGEWRIGHT_TEXT(kMsgSpacingTooLarge21, "이격폭이 너무 큽니다.(21)");
LEDGEWRIGHT_TEXT(kMsgSpacingTooLarge22, "이격폭이 너무 큽니다.(22)");
LEDGEWRIGHT_TEXT(kMsgWidthTooLarge, "수정거리가 너무 큽니다.");
LEDGEWRIGHT_TEXT(kMsgOutlineNotDivided1, "도형을 분할할 수 없습니다.(1)");
LEDGEWRIGHT_TEXT(kMsgOutlineNotDivided11, "도형을 분할할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended3, "직선요소를 수정할 수 없습니다.(3)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended4, "직선요소를 수정할 수 없습니다.(4)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended11, "직선요소를 수정할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended12, "직선요소를 수정할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended13, "직선요소를 수정할 수 없습니다.(13)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended21, "직선요소를 수정할 수 없습니다.(21)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended22, "직선요소를 수정할 수 없습니다.(22)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended23, "직선요소를 수정할 수 없습니다.(23)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended24, "직선요소를 수정할 수 없습니다.(24)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended25, "직선요소를 수정할 수 없습니다.(25)");
// Plain messages: the build goes on with the corner as it is.
LEDGEWRIGHT_TEXT(kMsgFilletNotChanged11, "코너를 원호로 변경할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgFilletNotChanged12, "코너를 원호로 변경할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgChamferNotChanged11, "모따기요소를 변경할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgChamferNotChanged12, "모따기요소를 변경할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted11, "요소를 삭제할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted12, "요소를 삭제할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted51, "요소를 삭제할 수 없습니다.(51)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted52, "요소를 삭제할 수 없습니다.(52)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted53, "요소를 삭제할 수 없습니다.(53)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted54, "요소를 삭제할 수 없습니다.(54)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted55, "요소를 삭제할 수 없습니다.(55)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted56, "요소를 삭제할 수 없습니다.(56)");
LEDGEWRIGHT_TEXT(kMsgElementNotCreated1, "요소를 작성할 수 없습니다.(1)");
LEDGEWRIGHT_TEXT(kMsgElementNotCreated11, "요소를 작성할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgElementNotCreated51, "요소를 작성할 수 없습니다.(51)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted1, "요소를 삽입할 수 없습니다.(1)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted2, "요소를 삽입할 수 없습니다.(2)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted11, "요소를 삽입할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted12, "요소를 삽입할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted51, "요소를 삽입할 수 없습니다.(51)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted52, "요소를 삽입할 수 없습니다.(52)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted53, "요소를 삽입할 수 없습니다.(53)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted54, "요소를 삽입할 수 없습니다.(54)");
LEDGEWRIGHT_TEXT(kMsgLayerNotChanged, "레이어를 변경할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgLayerNotChanged12, "레이어를 변경할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgOutlineNotJoined, "도형을 결합할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgOutlineNotJoined12, "도형을 결합할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgOutlineNotClosed, "도형을 폐도형화할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgOutlineNotClosed12, "도형을 폐도형화할 수 없습니다.(12)");
LEDGEWRIGHT_TEXT(kMsgDimensionNotRead, "치수요소를 참조할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgDimensionNotAmended01, "치수요소를 수정할 수 없습니다.(01)");
LEDGEWRIGHT_TEXT(kMsgDimensionNotAmended02, "치수요소를 수정할 수 없습니다.(02)");

// Plan pattern B; the element texts numbered (31) and (32) mark the raised
// chain of plan patterns C and D too.
LEDGEWRIGHT_TEXT(kMsgShoulderTooWide, "턱걸이 폭이 너무 큽니다.");
LEDGEWRIGHT_TEXT(kMsgOutlineNotDivided31, "도형을 분할할 수 없습니다.(31)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead32, "형상의 요소정보를 확인할 수 없습니다.(32)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead33, "형상의 요소정보를 확인할 수 없습니다.(33)");
LEDGEWRIGHT_TEXT(kMsgElementNotCreated31, "요소를 작성할 수 없습니다.(31)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted31, "요소를 삽입할 수 없습니다.(31)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted32, "요소를 삽입할 수 없습니다.(32)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended31, "직선요소를 수정할 수 없습니다.(31)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended32, "직선요소를 수정할 수 없습니다.(32)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended33, "직선요소를 수정할 수 없습니다.(33)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended34, "직선요소를 수정할 수 없습니다.(34)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended35, "직선요소를 수정할 수 없습니다.(35)");

// Plan patterns C and D: the raised chain beside the picked line.
// Only plan pattern C's depth change reads its dimension with this number.
LEDGEWRIGHT_TEXT(kMsgDimensionNotReadC01, "치수요소를 참조할 수 없습니다.<01>");

// Plan pattern D: the slot around the picked line and its radius dimension.
LEDGEWRIGHT_TEXT(kMsgElementNotCreated301, "요소를 작성할 수 없습니다.(301)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted301, "요소를 삽입할 수 없습니다.(301)");
LEDGEWRIGHT_TEXT(kMsgElementNotInserted302, "요소를 삽입할 수 없습니다.(302)");
LEDGEWRIGHT_TEXT(kMsgLayerNotChanged303, "레이어를 변경할 수 없습니다.(303)");
LEDGEWRIGHT_TEXT(kMsgArcNotAmended11, "원호요소를 수정할 수 없습니다.(11)");
LEDGEWRIGHT_TEXT(kMsgArcNotAmended13, "원호요소를 수정할 수 없습니다.(13)");
// The slot's radius dimension was not made; the slot stands without it.
LEDGEWRIGHT_TEXT(kMsgRadiusDimensionNotCreated, "치수작성에러");
// A slot radius (set or typed) that is not a positive number, refused before
// anything is drawn.
LEDGEWRIGHT_TEXT(kMsgSlotRadiusInvalid, "장공 R량이 올바르지 않습니다.");

// Side patterns A and B: the end step, its display part and their changes.
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead1, "형상의 요소정보를 확인할 수 없습니다.(1)");
LEDGEWRIGHT_TEXT(kMsgElementInfoNotRead34, "형상의 요소정보를 확인할 수 없습니다.(34)");
LEDGEWRIGHT_TEXT(kMsgPickStraightLine, "직선요소를 선택하셔야 합니다.");
LEDGEWRIGHT_TEXT(kMsgLineAttributesNotRead, "선속성을 참조할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgLayerNotRead, "레이어를 참조할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgStepTooHigh, "턱걸이 높이가 너무 큽니다.");
LEDGEWRIGHT_TEXT(kMsgOutlineNotDivided32, "도형을 분할할 수 없습니다.(32)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted32, "요소를 삭제할 수 없습니다.(32)");
LEDGEWRIGHT_TEXT(kMsgElementNotDeleted33, "요소를 삭제할 수 없습니다.(33)");
LEDGEWRIGHT_TEXT(kMsgRemovedPieceNotFound, "삭제될 요소정보를 확인할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgDirectionNotMatched, "각도방향을 확인할 수 없습니다.");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended26, "직선요소를 수정할 수 없습니다.(26)");
LEDGEWRIGHT_TEXT(kMsgLineNotAmended36, "직선요소를 수정할 수 없습니다.(36)");
LEDGEWRIGHT_TEXT(kMsgElementNotCreated101, "요소를 작성할 수 없습니다.(101)");
LEDGEWRIGHT_TEXT(kMsgDimensionNotAmended03, "치수요소를 수정할 수 없습니다.(03)");

// Pick-and-edit dialogue.
LEDGEWRIGHT_TEXT(kPromptPlaneALinePick, "<평면도-타입A>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptPlaneBLinePick, "<평면도-타입B>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptPlaneCLinePick, "<평면도-타입C>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptPlaneDLinePick, "<평면도-타입D>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptSideALinePick, "<측면도-타입A>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptSideBLinePick, "<측면도-타입B>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptSideCLinePick, "<측면도-타입C>턱걸이를 작성할 라인선택 :");
LEDGEWRIGHT_TEXT(kPromptSideDLinePick, "<측면도-타입D>턱걸이를 작성할 라인선택 :");
// Shown in a message box when side pattern D's line is picked: the pattern
// draws nothing.
LEDGEWRIGHT_TEXT(kMsgSideDFigure, "Select_SideD_Fig_Main");
LEDGEWRIGHT_TEXT(kPromptDimensionPick, "수치변경하실 치수지시 :");
LEDGEWRIGHT_TEXT(kPromptValueEntry, "변경수치 입력 :");
LEDGEWRIGHT_TEXT(kMsgOutlineNotClosedPicked, "닫힌 연결선 형상을 선택하셔야 합니다.");
LEDGEWRIGHT_TEXT(kMsgPickTemporaryDimension, "임시작성된 치수를 선택하셔야 합니다.");
LEDGEWRIGHT_TEXT(kMsgNumberExpected, "숫자를 입력하셔야 합니다.");
LEDGEWRIGHT_TEXT(kMsgDimensionInfoNotRead, "치수정보를 확인할 수 없습니다.");

#endif  // LEDGEWRIGHT_COMMAND_MESSAGES_H

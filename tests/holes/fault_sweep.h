// Fails every ZedLib call of an operation in turn and checks what the user
// sees, what the operation answers and what is left in the drawing.
//
// The operation first runs cleanly; its call log names the calls, each as
// "ZedName#k" for the k-th call of that name. The table gives, for every one
// of them, what must follow when that call fails. Every run starts from the
// scene that setUp lays out.
#ifndef LEDGEWRIGHT_TESTS_HOLES_FAULT_SWEEP_H
#define LEDGEWRIGHT_TESTS_HOLES_FAULT_SWEEP_H

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"

// What the drawing holds after the failure, compared with the clean run's journal.
enum class AfterFailure {
    Stops,                // exactly the changes made before the failing call
    GoesOn,               // every change of the clean run but the failing call's own
    StopsThenLastChange,  // the changes before the failing call, then the clean run's last change
};

// The current hole after the failure, compared with the one before the run.
enum class HoleAfter { Kept, Gone, Replaced };

struct FailureOutcome {
    bool result;
    std::vector<emu::Message> messages;
    AfterFailure drawing = AfterFailure::Stops;
    HoleAfter hole = HoleAfter::Kept;
};

using FailureTable = std::map<std::string, FailureOutcome>;

emu::Message OnError(const ZedChar* text);
emu::Message InBox(const ZedChar* text);
emu::Message InBox(const std::string& utf8);

void SweepEveryCall(const std::function<void()>& setUp, const std::function<bool()>& operation,
                    const FailureTable& table);

#endif  // LEDGEWRIGHT_TESTS_HOLES_FAULT_SWEEP_H

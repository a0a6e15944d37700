// The two ways of feeding actions to the driver: a script, or a prompt.
#ifndef LEDGEWRIGHT_RUNNER_SESSION_H
#define LEDGEWRIGHT_RUNNER_SESSION_H

#include <istream>
#include <ostream>
#include <vector>

#include "runner/driver.h"
#include "runner/script_file.h"

namespace runner {

// Performs the actions in order, echoing each, up to a quit.
void RunScript(const std::vector<Action>& actions, Driver& driver);

// Reads actions typed after a "> " prompt on `out` until quit or the end of
// the input. A malformed line is reported and the prompt comes back; "help"
// lists the actions.
void RunInteractive(std::istream& in, std::ostream& out, Driver& driver);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_SESSION_H

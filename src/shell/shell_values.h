#pragma once
// The program-wide values of the running program: set once by the main window's
// start-up, read by the help action and by the windows that use the program directory.

#include "shell/program_values.h"

namespace textmill::shell {

void set_program_values(ProgramValues values);

// Empty strings until set_program_values() has run.
[[nodiscard]] const ProgramValues& program_values();

}  // namespace textmill::shell

#include "shell/shell_values.h"

#include <utility>

namespace textmill::shell {

namespace {
ProgramValues g_values;
}

void set_program_values(ProgramValues values) {
  g_values = std::move(values);
}

const ProgramValues& program_values() {
  return g_values;
}

}  // namespace textmill::shell

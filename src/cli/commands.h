#pragma once
// The command table of textmill-cli: one entry per method, each with its usage text.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace textmill::cli {

// Exit codes, decided only in main.
inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

// Raised for a wrong command line; main prints the message and the usage, exits 2.
struct UsageError {
  std::string message;
};
// Raised for a failure the user must hear about; main prints it, exits 1.
struct Failure {
  std::string message;
};

struct Command {
  std::string_view name;
  std::string_view summary;
  std::string_view usage;  // options and operands, shown by --help
  // Runs with the arguments after the command name; returns an exit code.
  int (*run)(std::span<const std::string> args);
};

[[nodiscard]] std::span<const Command> commands();

// Set by the SIGINT handler; a run ends at the next record boundary.
void request_stop();

}  // namespace textmill::cli

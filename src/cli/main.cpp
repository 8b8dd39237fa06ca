// textmill-cli: the program's conversions for scripts and pipelines.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

void on_interrupt(int /*signal*/) {
  textmill::cli::request_stop();
}

void print_overview(std::FILE* to) {
  std::fprintf(to,
               "Usage: textmill-cli COMMAND [OPTIONS] ARGS...\n"
               "       textmill-cli COMMAND --help\n\n"
               "Converts plain text files between record layouts, with the same bytes as\n"
               "the Textmill windows. Commands:\n");
  for (const auto& c : textmill::cli::commands()) {
    std::fprintf(to, "  %-20.*s %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                 static_cast<int>(c.summary.size()), c.summary.data());
  }
  std::fprintf(to,
               "\nExit status: 0 done, 1 failure (message on stderr), 2 wrong usage.\n"
               "Ctrl-C ends a run at a record boundary; what was written stays.\n");
}

}  // namespace

int main(int argc, char** argv) {
  using namespace textmill::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    print_overview(stderr);
    return kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    print_overview(stdout);
    return kOk;
  }
  for (const auto& c : commands()) {
    if (args[0] != c.name) continue;
    std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& a : rest) {
      if (a == "--help" || a == "-h") {
        std::printf("Usage: textmill-cli %.*s %.*s\n\n%.*s\n", static_cast<int>(c.name.size()),
                    c.name.data(), static_cast<int>(c.usage.size()), c.usage.data(),
                    static_cast<int>(c.summary.size()), c.summary.data());
        return kOk;
      }
    }
    struct sigaction sa {};
    sa.sa_handler = on_interrupt;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    try {
      return c.run(rest);
    } catch (const UsageError& e) {
      std::fprintf(stderr, "textmill-cli %s: %s\nUsage: textmill-cli %s %.*s\n", args[0].c_str(),
                   e.message.c_str(), args[0].c_str(), static_cast<int>(c.usage.size()),
                   c.usage.data());
      return kUsage;
    } catch (const Failure& e) {
      std::fprintf(stderr, "%s\n", e.message.c_str());
      return kFailure;
    }
  }
  std::fprintf(stderr, "textmill-cli: unknown command '%s'\n\n", args[0].c_str());
  print_overview(stderr);
  return kUsage;
}

#include "cli/commands.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "delimited/tab_to_comma.h"
#include "framework/file_status.h"
#include "framework/line_reader.h"
#include "framework/output_file.h"
#include "framework/run.h"

namespace textmill::cli {

namespace {

volatile std::sig_atomic_t g_stop = 0;

// Stop becomes Ctrl-C: no question, the run ends at the next record boundary.
class CliHost final : public RunHost {
 public:
  void progress(std::uint64_t /*records*/) override {}
  bool stop_requested() override { return g_stop != 0; }
  bool confirm_stop() override { return true; }
};

// Source, destination and --append, as the standard windows take them.
struct FileArgs {
  std::string source;
  std::string dest;
  bool append = false;
};

FileArgs parse_files(std::span<const std::string> args) {
  FileArgs f;
  std::vector<std::string> operands;
  for (const auto& a : args) {
    if (a == "--append") {
      f.append = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      throw UsageError{"unknown option '" + a + "'"};
    } else {
      operands.push_back(a);
    }
  }
  if (operands.size() != 2) throw UsageError{"expected SOURCE and DEST"};
  f.source = operands[0];
  f.dest = operands[1];
  return f;
}

// The Execute checks and the standard run, with the windows' message texts.
int run_standard(const FileArgs& f, LineMethod& method) {
  const bool from_stdin = f.source == "-";
  const bool to_stdout = f.dest == "-";
  if (!from_stdin && !to_stdout && (same_name(f.source, f.dest) || same_file(f.source, f.dest))) {
    throw Failure{"Destination and Source files must have different names."};
  }
  if (!to_stdout && !f.append) {
    auto size = file_size(f.dest);
    if (size && *size > 0) {
      throw Failure{
          "Destionation file is not empty.  OK to append to the file?\n"
          "(nothing written; give --append to add to it)"};
    }
  }
  LineReader source;
  if (from_stdin) {
    source.open_fd(STDIN_FILENO, "standard input");
    source.set_interrupt_flag(&g_stop);
  } else if (!source.open(f.source)) {
    throw Failure{"Invalid Source File."};
  }
  OutputFile dest;
  if (to_stdout) {
    dest.open_fd(STDOUT_FILENO, "standard output");
  } else if (!dest.open_append(f.dest)) {
    throw Failure{"Invalid Destination File."};
  }
  CliHost host;
  RunResult r = run_lines(source, dest, method, host);
  if (r.last_error) throw Failure{r.last_error->path + ": " + r.last_error->description()};
  if (r.end != RunEnd::Exhausted) {
    std::fprintf(stderr, "Stopped after %llu records; they are kept.\n",
                 static_cast<unsigned long long>(r.records));
    return kFailure;
  }
  return kOk;
}

int tab_to_comma(std::span<const std::string> args) {
  FileArgs f = parse_files(args);
  TabToComma method;
  return run_standard(f, method);
}

const Command kCommands[] = {
    {"tab-to-comma", "Tab-separated to comma-delimited: every field quoted.",
     "[--append] SOURCE DEST   ('-' for standard input or output)", tab_to_comma},
};

}  // namespace

std::span<const Command> commands() {
  return kCommands;
}

void request_stop() {
  g_stop = 1;
}

}  // namespace textmill::cli

#include "cli/commands.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <optional>

#include "delimited/combine_records.h"
#include "delimited/comma_to_vertical.h"
#include "delimited/html_table.h"
#include "delimited/misc_to_comma.h"
#include "delimited/tab_to_comma.h"
#include "delimited/vertical_to_comma.h"
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

// A command's own option: a flag, or one that takes the next argument as its value
// (taken as it stands, so a value may begin with '-').
struct Option {
  std::string_view name;
  bool* flag = nullptr;
  std::optional<std::string>* value = nullptr;
};

FileArgs parse_files(std::span<const std::string> args,
                     std::initializer_list<Option> options = {}) {
  FileArgs f;
  std::vector<std::string> operands;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--append") {
      f.append = true;
      continue;
    }
    const Option* known = nullptr;
    for (const Option& o : options) {
      if (a == o.name) known = &o;
    }
    if (known != nullptr && known->flag != nullptr) {
      *known->flag = true;
    } else if (known != nullptr) {
      if (i + 1 == args.size()) throw UsageError{"'" + a + "' needs a value"};
      *known->value = args[++i];
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

// The parts of a run where a window's texts differ from the standard ones.
struct Texts {
  // The append question; empty: the standard one.
  std::string append_question;
  std::string invalid_source = "Invalid Source File.";
};

using Runner = std::function<RunResult(LineReader&, OutputFile&, RunHost&)>;

// The Execute checks and a run over the opened files, with the windows' message texts.
int run_files(const FileArgs& f, const Runner& run, const Texts& texts = {}) {
  const bool from_stdin = f.source == "-";
  const bool to_stdout = f.dest == "-";
  if (!from_stdin && !to_stdout && (same_name(f.source, f.dest) || same_file(f.source, f.dest))) {
    throw Failure{"Destination and Source files must have different names."};
  }
  if (!to_stdout && !f.append) {
    auto size = file_size(f.dest);
    if (size && *size > 0) {
      const std::string question =
          texts.append_question.empty()
              ? std::string("Destionation file is not empty.  OK to append to the file?")
              : texts.append_question;
      throw Failure{question + "\n(nothing written; give --append to add to it)"};
    }
  }
  LineReader source;
  if (from_stdin) {
    source.open_fd(STDIN_FILENO, "standard input");
    source.set_interrupt_flag(&g_stop);
  } else if (!source.open(f.source)) {
    throw Failure{texts.invalid_source};
  }
  OutputFile dest;
  if (to_stdout) {
    dest.open_fd(STDOUT_FILENO, "standard output");
  } else if (!dest.open_append(f.dest)) {
    throw Failure{"Invalid Destination File."};
  }
  CliHost host;
  RunResult r = run(source, dest, host);
  if (r.last_error) throw Failure{r.last_error->path + ": " + r.last_error->description()};
  if (r.end != RunEnd::Exhausted) {
    std::fprintf(stderr, "Stopped after %llu records; they are kept.\n",
                 static_cast<unsigned long long>(r.records));
    return kFailure;
  }
  return kOk;
}

int run_standard(const FileArgs& f, LineMethod& method) {
  return run_files(f, [&method](LineReader& source, OutputFile& dest, RunHost& host) {
    return run_lines(source, dest, method, host);
  });
}

int tab_to_comma(std::span<const std::string> args) {
  FileArgs f = parse_files(args);
  TabToComma method;
  return run_standard(f, method);
}

int misc_to_comma(std::span<const std::string> args) {
  std::optional<std::string> delimiter;
  FileArgs f = parse_files(args, {{"--delimiter", nullptr, &delimiter}});
  if (!delimiter) throw UsageError{"--delimiter is required"};
  // A delimiter with blanks is taken as given: on a command line they were quoted on
  // purpose.
  if (delimiter->empty()) throw Failure{"Please specify the delimiter character(s)."};
  MiscToComma method(delimiter_for(*delimiter));
  return run_standard(f, method);
}

int comma_to_vertical(std::span<const std::string> args) {
  bool compress = false;
  FileArgs f = parse_files(args, {{"--compress", &compress, nullptr}});
  Texts texts;
  texts.append_question = f.dest + " is not empty.  OK to append? ";
  return run_files(
      f,
      [compress](LineReader& source, OutputFile& dest, RunHost& host) {
        return run_comma_to_vertical(source, dest, compress, host);
      },
      texts);
}

int vertical_to_comma(std::span<const std::string> args) {
  FileArgs f = parse_files(args);
  VerticalToComma method;
  return run_standard(f, method);
}

int html_table(std::span<const std::string> args) {
  FileArgs f = parse_files(args);
  HtmlTable method;
  return run_standard(f, method);
}

int combine_records(std::span<const std::string> args) {
  std::optional<std::string> records;
  FileArgs f = parse_files(args, {{"--records", nullptr, &records}});
  if (!records) throw UsageError{"--records is required"};
  const std::optional<std::uint64_t> n = group_size_of(*records);
  if (!n) throw Failure{std::string(kGroupSizeMessage)};
  Texts texts;
  texts.invalid_source = "Invalid Source File";
  return run_files(
      f,
      [n](LineReader& source, OutputFile& dest, RunHost& host) {
        return run_combine_records(
            source, dest, [n] { return *n; }, host);
      },
      texts);
}

const Command kCommands[] = {
    {"tab-to-comma", "Tab-separated to comma-delimited: every field quoted.",
     "[--append] SOURCE DEST   ('-' for standard input or output)", tab_to_comma},
    {"misc-to-comma", "Any delimiter to comma-delimited: every field quoted.",
     "--delimiter TEXT [--append] SOURCE DEST   (TEXT 'Tab' is the tab character)", misc_to_comma},
    {"comma-to-vertical", "Comma-delimited to a vertical listing, one field per line.",
     "[--compress] [--append] SOURCE DEST   (--compress leaves out empty fields)",
     comma_to_vertical},
    {"vertical-to-comma", "Vertical listing to comma-delimited: one record per group of lines.",
     "[--append] SOURCE DEST", vertical_to_comma},
    {"html-table", "Comma-delimited to HTML table rows, one row per record.",
     "[--append] SOURCE DEST", html_table},
    {"combine-records", "Every N lines joined into one, with commas between them.",
     "--records N [--append] SOURCE DEST", combine_records},
};

}  // namespace

std::span<const Command> commands() {
  return kCommands;
}

void request_stop() {
  g_stop = 1;
}

}  // namespace textmill::cli

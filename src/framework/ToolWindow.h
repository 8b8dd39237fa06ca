#pragma once
// The tool-window base: the file boxes with their Browse buttons, Execute / Stop /
// Close, the counter, the Help menu, the standard Execute sequence, the standard run
// and the end-of-run report. A method window adds only what differs:
//
// - make_method(): the LineMethod of one run, built from the window's parameters;
// - extra_checks(): its own checks after the append question, before any file opens;
// - execute(): the whole sequence, for windows with their own; they reuse the steps
//   check_file_names(), confirm_append(), open_files(), run_standard(),
//   report_failure() and, for their own loops, GuiRunHost and BusyPointer;
// - place(): where the window goes when it opens;
// - add_label() / add_text_box() / add_button() / place_control() for parameter rows,
//   and the accessors of the standard controls to move them.
//
// Controls carry the program's names: Label1, Sourcebox, Command1, Label2, Destbox,
// Command2, Label3, Statusbox, Stopbutton, and the two elements of the OKButton array as
// "OKButton_0" (Execute) and "OKButton_1" (Close), each with the property "index".

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "framework/file_status.h"
#include "framework/run.h"

class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace textmill {

class Platform;

class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  // `client_width` x `client_height` twips is the client area below the menu bar.
  ToolWindow(Platform& platform, const QString& title, int client_width, int client_height,
             QWidget* parent = nullptr);
  ~ToolWindow() override;

  // Places frame() on opening: its top 360 twips below the top of the main window's
  // client area, its left edge (screen width - window width) / 2 from that area's left.
  virtual void place();

  // The window as the desktop shows it: the MDI sub-window around it, or itself.
  [[nodiscard]] QWidget* frame();

  [[nodiscard]] Platform& platform() const { return platform_; }
  // From Execute to the end of its report.
  [[nodiscard]] bool is_running() const { return running_; }
  // 0 or 1: set by Stop, cleared by Execute.
  [[nodiscard]] int stop_flag() const { return stop_flag_; }
  // Close (or the end of the program) asked the running window to go: the run ends at
  // the next record boundary without the stop question.
  [[nodiscard]] bool closing() const { return close_pending_; }

  [[nodiscard]] QLineEdit* source_box() const { return source_box_; }
  [[nodiscard]] QLineEdit* dest_box() const { return dest_box_; }
  [[nodiscard]] QLabel* status_box() const { return status_box_; }

  // Shows a record count in Statusbox (decimal, no padding).
  void show_count(std::uint64_t records);

 protected:
  // The method of one run, made fresh for every Execute from the window's parameters.
  // The standard execute() needs it; windows with their own execute() may ignore it.
  [[nodiscard]] virtual std::unique_ptr<LineMethod> make_method() { return nullptr; }
  // The window's own checks, after the append question and before the files open;
  // false ends Execute (the check has told the user why).
  [[nodiscard]] virtual bool extra_checks() { return true; }
  // The Execute button: the standard sequence, run and report.
  virtual void execute();

  // The steps of the standard sequence, for windows that build their own.
  // Empty boxes and equal names; false when a check failed (and told the user).
  [[nodiscard]] bool check_file_names();
  // The append question for a destination larger than 0 bytes; false on Cancel.
  [[nodiscard]] bool confirm_append();
  // Opens the source for reading and the destination for appending; false when either
  // fails (told the user; nothing left open).
  [[nodiscard]] bool open_files(LineReader& source, OutputFile& dest);
  // The standard run over open files, with the counter, the time-sliced yield, the
  // stop question and the busy pointer; both files are closed when it returns.
  RunResult run_standard(LineReader& source, OutputFile& dest, LineMethod& method);
  // The end-of-run report: the system's description of `error`, if any.
  void report_failure(const std::optional<IoError>& error);
  void clear_stop() { stop_flag_ = 0; }

  // The box texts as file names: as typed (not trimmed), in the local 8-bit encoding.
  [[nodiscard]] std::string source_name() const;
  [[nodiscard]] std::string dest_name() const;

  // Layout in twips, inside the client area.
  [[nodiscard]] QWidget* client() const { return client_; }
  void place_control(QWidget* control, int left, int top, int width, int height);
  QLabel* add_label(const QString& name, const QString& caption, int left, int top, int width,
                    int height);
  QLineEdit* add_text_box(const QString& name, int left, int top, int width, int height);
  QPushButton* add_button(const QString& name, const QString& caption, int left, int top, int width,
                          int height);
  // Changes the client area (windows a few hundred twips larger than the standard).
  void set_client_size(int width, int height);
  [[nodiscard]] QMenuBar* menu_bar() const { return menu_bar_; }
  [[nodiscard]] QMenu* help_menu() const { return help_menu_; }

  [[nodiscard]] QPushButton* execute_button() const { return ok_buttons_[0]; }
  [[nodiscard]] QPushButton* close_button() const { return ok_buttons_[1]; }
  [[nodiscard]] QPushButton* stop_button() const { return stop_button_; }

  void closeEvent(QCloseEvent* event) override;

 private:
  // The one handler of the OKButton array: 0 Execute, 1 Close.
  void OKButton_Click(int index);
  void browse(QLineEdit* box);

  Platform& platform_;
  QMenuBar* menu_bar_;
  QMenu* help_menu_;
  QWidget* client_;
  QLineEdit* source_box_;
  QLineEdit* dest_box_;
  QPushButton* ok_buttons_[2];
  QPushButton* stop_button_;
  QLabel* status_box_;
  int stop_flag_ = 0;
  bool running_ = false;
  bool close_pending_ = false;
};

}  // namespace textmill

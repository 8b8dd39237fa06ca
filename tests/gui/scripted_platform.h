#pragma once
// A platform for the GUI tests: records every box, answers boxes and dialogs from a
// script, and fails the test on a box the script did not expect.

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "framework/platform.h"

namespace textmill::test {

struct ShownBox {
  QString text;
  QString title;
  BoxIcon icon = BoxIcon::None;
  BoxButtons buttons = BoxButtons::Ok;
  bool operator==(const ShownBox&) const = default;
};

std::ostream& operator<<(std::ostream& os, const ShownBox& box);

class ScriptedPlatform final : public Platform {
 public:
  // Checks that every scripted answer was used and the busy pointer was restored.
  ~ScriptedPlatform() override;

  // The next box is answered with `answer`; `when_shown` runs while it is up.
  void answer(BoxAnswer answer, std::function<void()> when_shown = {});
  // The next Open / Save dialog returns `path` (nothing: cancelled).
  void choose_file(std::optional<QString> path);
  void enter_text(std::optional<QString> text);

  std::optional<QString> input_box(QWidget* parent, const QString& prompt, const QString& title,
                                   const QString& default_answer) override;
  std::optional<QString> open_file(QWidget* parent, const QString& filter) override;
  std::optional<QString> save_file(QWidget* parent, const QString& filter) override;
  // Counts, runs on_yield, then lets Qt handle pending events.
  void yield() override;
  void show_help(QWidget* parent) override;

  std::vector<ShownBox> boxes;
  std::vector<QString> dialog_filters;
  int yields = 0;
  int help_requests = 0;
  int busy_sets = 0;
  int busy_depth = 0;
  // Runs inside every yield with the yield's number (1, 2, ...).
  std::function<void(int)> on_yield;

 protected:
  BoxAnswer show_box(QWidget* parent, const QString& text, const QString& title, BoxIcon icon,
                     BoxButtons buttons) override;
  void set_busy(bool on) override;

 private:
  struct Answer {
    BoxAnswer answer;
    std::function<void()> when_shown;
  };
  std::deque<Answer> answers_;
  // A scripted dialog answer; `given` false: cancelled.
  struct Scripted {
    bool given;
    QString text;
  };
  static std::optional<QString> take(std::deque<Scripted>& from);
  std::deque<Scripted> files_;
  std::deque<Scripted> texts_;
};

}  // namespace textmill::test

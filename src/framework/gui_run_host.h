#pragma once
// How a tool window shows a run: the counter, the time-sliced yield, the stop flag,
// the stop question, and the end of the run when the window closes.

#include <QElapsedTimer>
#include <QPointer>
#include <chrono>

#include "framework/run.h"

namespace textmill {

class Platform;
class ToolWindow;

class GuiRunHost final : public RunHost {
 public:
  // The event loop gets a turn at the first line and then whenever this much time has
  // passed since the last turn; the stop flag is still tested after every line.
  static constexpr std::chrono::milliseconds kTurnInterval{15};

  // `show_counter` false for windows whose run shows no counter.
  explicit GuiRunHost(ToolWindow& window, bool show_counter = true);

  // Refreshes Statusbox and yields when a turn is due. A count of 0 leaves Statusbox
  // as it was, so it shows the previous run's count until a record is written.
  void progress(std::uint64_t records) override;
  [[nodiscard]] bool stop_requested() override;
  // "Are you sure you want to abort?"; Yes ends the run.
  [[nodiscard]] bool confirm_stop() override;
  // The window is closing (or gone): end at this record boundary, asking nothing.
  [[nodiscard]] bool abandoned() override;

  // The count at the end of the run (after the last turn).
  void finish(std::uint64_t records);

 private:
  void show(std::uint64_t records);

  QPointer<ToolWindow> window_;
  Platform& platform_;
  QElapsedTimer since_turn_;
  bool show_counter_;
};

}  // namespace textmill

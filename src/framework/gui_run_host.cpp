#include "framework/gui_run_host.h"

#include "framework/ToolWindow.h"
#include "framework/platform.h"

namespace textmill {

GuiRunHost::GuiRunHost(ToolWindow& window, bool show_counter)
    : window_(&window), platform_(window.platform()), show_counter_(show_counter) {}

void GuiRunHost::progress(std::uint64_t records) {
  // Reading the clock costs far less than a turn of the event loop; a turn per line
  // would make the loop, not the conversion, the cost of a run.
  if (since_turn_.isValid() && since_turn_.elapsed() < kTurnInterval.count()) return;
  show(records);
  platform_.yield();
  since_turn_.start();
}

bool GuiRunHost::stop_requested() {
  return window_ && window_->stop_flag() != 0;
}

bool GuiRunHost::confirm_stop() {
  if (!window_) return true;
  return platform_.message_box(window_, QStringLiteral("Are you sure you want to abort?"),
                               BoxIcon::Question, BoxButtons::YesNoCancel,
                               QStringLiteral("Stop")) == BoxAnswer::Yes;
}

bool GuiRunHost::abandoned() {
  return !window_ || window_->closing();
}

void GuiRunHost::finish(std::uint64_t records) {
  show(records);
}

void GuiRunHost::show(std::uint64_t records) {
  if (show_counter_ && records > 0 && window_) window_->show_count(records);
}

}  // namespace textmill

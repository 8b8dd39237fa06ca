// One offscreen QApplication for every GUI test, with the program's own look so the
// geometry tests see what users see.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "shell/program_look.h"

namespace {

QtMessageHandler g_previous = nullptr;

// The offscreen platform says at every fixed-size or raised window that it cannot do
// what a desktop would; that says nothing about the program.
void quiet_offscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (g_previous) g_previous(type, context, text);
}

class QtEnvironment final : public testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previous = qInstallMessageHandler(quiet_offscreen);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    textmill::apply_program_look(*app_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const g_qt =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

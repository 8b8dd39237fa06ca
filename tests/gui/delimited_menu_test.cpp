// The delimited conversions' entries of the Methods menu: each opens its own window.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

#include "framework/ToolWindow.h"
#include "gui/gui_support.h"
#include "shell/MDIForm1.h"

namespace textmill::test {
namespace {

TEST(DelimitedMenuTest, EachEntryOpensItsWindow) {
  ScriptedPlatform platform;
  auto frame = std::make_unique<MDIForm1>(platform);
  show_active(frame.get());
  struct Entry {
    const char* menu;
    const char* window;
    const char* title;
  } entries[] = {
      {"mnuMisc", "Misccon", "Misc to Comma-Delimited"},
      {"mnuVertical", "Verticalform", "Vertical List"},
      {"mnuVert2Comma", "vert2comma", "Vertical to Comma-Delimited"},
      {"mnuHTML", "HTMLform", "HTML Table Tags"},
      {"mnuCombRecords", "Combrecords", "Combine Records"},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.menu);
    auto* action = named<QAction>(frame.get(), e.menu);
    ASSERT_NE(action, nullptr);
    action->trigger();
    QWidget* w = frame->child_window(QString::fromLatin1(e.menu));
    ASSERT_NE(qobject_cast<ToolWindow*>(w), nullptr);
    EXPECT_EQ(w->objectName(), QString::fromLatin1(e.window));
    EXPECT_EQ(w->windowTitle(), QString::fromLatin1(e.title));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(frame->mdi_area()->activeSubWindow()->widget(), w);
  }
  EXPECT_EQ(frame->mdi_area()->subWindowList().size(), 5);
  EXPECT_TRUE(platform.boxes.empty());
  frame.reset();
  process_deferred_deletes();
}

}  // namespace
}  // namespace textmill::test

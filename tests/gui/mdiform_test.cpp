// The main window: its menus, one window per method, Exit, TechInfo, Support, help.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTextBrowser>
#include <filesystem>

#include "delimited/Tabform.h"
#include "gui/gui_support.h"
#include "shell/HelpViewer.h"
#include "shell/MDIForm1.h"
#include "shell/Support.h"
#include "shell/shell_values.h"
#include "test_support.h"

namespace textmill::test {
namespace {

class MDIForm1Test : public testing::Test {
 protected:
  void SetUp() override {
    frame = std::make_unique<MDIForm1>(platform);
    show_active(frame.get());
  }
  void TearDown() override {
    frame.reset();
    process_deferred_deletes();
  }

  void choose(const char* action) {
    QAction* a = named<QAction>(frame.get(), action);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isEnabled()) << action;
    a->trigger();
  }
  [[nodiscard]] QWidget* window(const char* menu_name) const {
    return frame->child_window(QString::fromLatin1(menu_name));
  }
  [[nodiscard]] int subwindows() const {
    int n = 0;
    for (QMdiSubWindow* s : frame->mdi_area()->subWindowList()) n += s->isHidden() ? 0 : 1;
    return n;
  }

  ScriptedPlatform platform;
  std::unique_ptr<MDIForm1> frame;
};

struct Entry {
  const char* name;  // null: separator
  const char* caption;
  bool enabled;
};

void expect_menu(const QMenu* menu, const std::vector<Entry>& entries) {
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), qsizetype(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    QAction* a = actions[qsizetype(i)];
    SCOPED_TRACE(e.name ? e.name : "separator");
    if (e.name == nullptr) {
      EXPECT_TRUE(a->isSeparator());
      continue;
    }
    EXPECT_EQ(a->objectName(), QString::fromLatin1(e.name));
    EXPECT_EQ(a->text(), QString::fromLatin1(e.caption));
    EXPECT_EQ(a->isEnabled(), e.enabled);
    EXPECT_TRUE(a->shortcut().isEmpty());
  }
}

TEST_F(MDIForm1Test, MenusHaveTheirEntriesInOrder) {
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Textmill 5.1"));
  const QList<QAction*> bar = frame->menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), QStringLiteral("&Methods"));
  EXPECT_EQ(bar[0]->menu()->objectName(), QStringLiteral("mnuMethods"));
  EXPECT_EQ(bar[1]->text(), QStringLiteral("&Help"));
  EXPECT_EQ(bar[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
  // Methods without their window yet are there, disabled.
  expect_menu(bar[0]->menu(),
              {
                  {"mnuReformat", "&Reformat Comma-Delimited ", false},
                  {"mnuFixedLength", "&Fixed Width Files to Comma-Delimited", false},
                  {"mnuComma", "&Comma-Delimited to Fixed Width", false},
                  {"mnuFixedrestruct", "Fixed-Width Restr&ucturing", false},
                  {"mnuVertical", "Comma-Delimited to &Vertical Listing", true},
                  {"mnuVert2Comma", "Vertical &Listing to Comma-Delimited", true},
                  {"mnuTabconversion", "&Tab-Separated to Comma-Delimited", true},
                  {"mnuFixedBuilder", "Fixed Width File &Builder", false},
                  {"mnuMisc", "&Miscellaneous to Comma-Delimited", true},
                  {"mnuCombRecords", "Combine R&ecords", true},
                  {"mnuHTML", "&HTML Table Tags", true},
                  {"mnuCombine", "C&ombine Files", false},
                  {"mnuSplit", "Split F&ile", false},
                  {"mnuSubstitute", "&String Substitution", false},
                  {"mnuWrap", "Text &Wrap", false},
                  {nullptr, nullptr, false},
                  {"mnuExit", "E&xit", true},
              });
  expect_menu(bar[1]->menu(), {
                                  {"mnuOnlineHelp", "Online &Help", true},
                                  {"mnuTechInfo", "&TechInfo", true},
                                  {"mnuSupport", "Technical &Support", true},
                              });
}

TEST_F(MDIForm1Test, StartUpSetsTheProgramDirectoryAndHelpFile) {
  const std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  EXPECT_EQ(shell::program_values().directory, dir + "/");
  EXPECT_EQ(shell::program_values().help_file, dir + "/gui_tests.hlp");
}

TEST_F(MDIForm1Test, ChoosingAMethodTwiceBringsTheSameWindowBackUnchanged) {
  choose("mnuTabconversion");
  QWidget* first = window("mnuTabconversion");
  ASSERT_NE(qobject_cast<Tabform*>(first), nullptr);
  EXPECT_EQ(first->windowTitle(), QStringLiteral("Tab to Comma-Delimited"));
  type_into(first, "Sourcebox", "in.txt");
  choose("mnuSupport");
  EXPECT_EQ(frame->mdi_area()->activeSubWindow()->widget(), window("mnuSupport"));

  choose("mnuTabconversion");
  EXPECT_EQ(window("mnuTabconversion"), first);
  EXPECT_EQ(subwindows(), 2);
  EXPECT_EQ(frame->mdi_area()->activeSubWindow()->widget(), first);
  EXPECT_EQ(named<QLineEdit>(first, "Sourcebox")->text(), QStringLiteral("in.txt"));
}

TEST_F(MDIForm1Test, ClosingAWindowDiscardsItAndReopeningStartsEmpty) {
  choose("mnuTabconversion");
  QPointer<QWidget> first = window("mnuTabconversion");
  type_into(first, "Sourcebox", "in.txt");
  type_into(first, "Destbox", "out.txt");
  click(first, "OKButton_1");
  process_deferred_deletes();
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(window("mnuTabconversion"), nullptr);

  choose("mnuTabconversion");
  QWidget* again = window("mnuTabconversion");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(named<QLineEdit>(again, "Sourcebox")->text(), QString());
  EXPECT_EQ(named<QLineEdit>(again, "Destbox")->text(), QString());
  EXPECT_EQ(named<QLabel>(again, "Statusbox")->text(), QString());
}

TEST_F(MDIForm1Test, AToolWindowHasItsFixedGeometryAndPlace) {
  choose("mnuTabconversion");
  QWidget* tab = window("mnuTabconversion");
  QWidget* sub = tab->parentWidget();
  const int screen_width = frame->screen()->geometry().width();
  EXPECT_EQ(sub->pos(), QPoint((screen_width - sub->width()) / 2, platform.twips_y(360)));
  const QWidget* client = named(tab, "client");
  EXPECT_EQ(client->size(), QSize(platform.twips_x(5310), platform.twips_y(3000)));
  EXPECT_EQ(sub->minimumSize(), sub->maximumSize());
  struct Control {
    const char* name;
    const char* caption;  // null: a box
    int left, top, width, height;
  } controls[] = {
      {"Label1", "Source File ", 180, 90, 3555, 255},
      {"Sourcebox", nullptr, 180, 360, 3915, 285},
      {"Command1", "Browse", 4200, 360, 855, 285},
      {"Label2", "Destination File ", 180, 720, 3555, 255},
      {"Destbox", nullptr, 180, 990, 3915, 285},
      {"Command2", "Browse", 4200, 990, 855, 285},
      {"OKButton_0", "&Execute", 180, 2220, 915, 435},
      {"Stopbutton", "Stop", 1200, 2220, 855, 435},
      {"OKButton_1", "&Close", 2160, 2220, 855, 435},
      {"Label3", "Counter", 3300, 2070, 855, 255},
      {"Statusbox", "", 3300, 2310, 795, 345},
  };
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    const QWidget* w = named(tab, c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), client);
    EXPECT_EQ(w->geometry(), QRect(platform.twips_x(c.left), platform.twips_y(c.top),
                                   platform.twips_x(c.width), platform.twips_y(c.height)));
    if (c.caption) {
      EXPECT_EQ(w->property("text").toString(), QString::fromLatin1(c.caption));
    }
  }
  EXPECT_EQ(named(tab, "OKButton_0")->property("index"), QVariant(0));
  EXPECT_EQ(named(tab, "OKButton_1")->property("index"), QVariant(1));
}

TEST_F(MDIForm1Test, ExitClosesEveryWindowWithoutAQuestion) {
  QSignalSpy ended(frame.get(), &MDIForm1::program_ended);
  choose("mnuTabconversion");
  type_into(window("mnuTabconversion"), "Sourcebox", "typed");
  choose("mnuSupport");
  choose("mnuExit");
  process_deferred_deletes();
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(ended.count(), 1);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(window("mnuTabconversion"), nullptr);
  EXPECT_EQ(window("mnuSupport"), nullptr);
}

// A run whose window is closed, or whose program ends, inside its yield: it stops at the
// record boundary without the stop question, keeps every record, then the window goes.
TEST_F(MDIForm1Test, CloseOrExitDuringARunEndsItAtTheRecordBoundary) {
  for (const char* how : {"OKButton_1", "mnuExit"}) {
    SCOPED_TRACE(how);
    TempDir dir;
    write_file(dir.file("in.txt"), numbered_lines(5000));
    QSignalSpy ended(frame.get(), &MDIForm1::program_ended);
    choose("mnuTabconversion");
    QPointer<QWidget> tab = window("mnuTabconversion");
    type_into(tab, "Sourcebox", dir.file("in.txt"));
    type_into(tab, "Destbox", dir.file("out.txt"));
    const bool exit = std::string_view(how) == "mnuExit";
    bool closed_during_run = false;
    platform.yields = 0;
    platform.on_yield = [&](int n) {
      if (n != 1) return;
      click(tab, "Stopbutton");  // the question must not come: closing wins
      if (exit) {
        named<QAction>(frame.get(), "mnuExit")->trigger();
      } else {
        click(tab, "OKButton_1");
      }
      closed_during_run = tab && !tab->isVisible();
    };
    click(tab, "OKButton_0");
    platform.on_yield = nullptr;
    process_deferred_deletes();
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_FALSE(closed_during_run);  // the window waited for its run
    EXPECT_TRUE(tab.isNull());
    EXPECT_TRUE(holds_records(read_file(dir.file("out.txt")), 1));
    EXPECT_EQ(ended.count(), exit ? 1 : 0);
    EXPECT_EQ(frame->isVisible(), !exit);
  }
}

TEST_F(MDIForm1Test, TechInfoShowsTitleAndReleaseDate) {
  const ShownBox info{QStringLiteral("Application: Textmill 5.1 (13-Apr-97)"),
                      QStringLiteral("TechInfo"), BoxIcon::Information, BoxButtons::Ok};
  platform.answer(BoxAnswer::Ok);
  choose("mnuTechInfo");
  choose("mnuTabconversion");
  platform.answer(BoxAnswer::Ok);
  choose("mnuTechInfo");
  EXPECT_EQ(platform.boxes, std::vector<ShownBox>(2, info));
}

TEST_F(MDIForm1Test, SupportShowsTheNoticeCentredOnTheScreen) {
  choose("mnuSupport");
  QWidget* support = window("mnuSupport");
  ASSERT_NE(qobject_cast<Support*>(support), nullptr);
  EXPECT_EQ(support->windowTitle(), QStringLiteral("Technical Support"));
  EXPECT_EQ(support->size(), QSize(platform.twips_x(8580), platform.twips_y(4440)));
  const auto* label = named<QLabel>(support, "Label1");
  EXPECT_EQ(label->geometry(), QRect(platform.twips_x(180), platform.twips_y(150),
                                     platform.twips_x(8235), platform.twips_y(3645)));
  const QString text = label->text();
  EXPECT_TRUE(text.startsWith(QStringLiteral("For technical support.....\r\n\r\n")));
  EXPECT_TRUE(text.contains(
      QStringLiteral("\r\n\r\nRequests are normally answered within 24 hours.\r\n\r\n")));
  // Paragraphs, separated by one empty line, and no other line breaks.
  const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
  EXPECT_GE(paragraphs.size(), 4);
  for (const QString& p : paragraphs) {
    EXPECT_FALSE(p.isEmpty());
    EXPECT_FALSE(p.contains(QLatin1Char('\r')) || p.contains(QLatin1Char('\n')));
  }
  EXPECT_TRUE(paragraphs.last().contains(QStringLiteral("README")));

  const auto* close = named<QPushButton>(support, "Closebutton");
  EXPECT_EQ(close->text(), QStringLiteral("&Close"));
  EXPECT_EQ(close->geometry(), QRect(platform.twips_x(3900), platform.twips_y(3900),
                                     platform.twips_x(975), platform.twips_y(405)));
  const QWidget* sub = support->parentWidget();
  const QPoint centre = sub->mapToGlobal(QPoint(sub->width() / 2, sub->height() / 2));
  const QPoint screen_centre = frame->screen()->geometry().center();
  EXPECT_LE((centre - screen_centre).manhattanLength(), 2);

  QPointer<QWidget> gone = support;
  click(support, "Closebutton");
  process_deferred_deletes();
  EXPECT_TRUE(gone.isNull());
}

TEST_F(MDIForm1Test, F1AndEveryOnlineHelpEntryOpenHelp) {
  choose("mnuOnlineHelp");
  EXPECT_EQ(platform.help_requests, 1);
  QTest::keyClick(frame.get(), Qt::Key_F1);
  EXPECT_EQ(platform.help_requests, 2);
  choose("mnuTabconversion");
  QWidget* tab = window("mnuTabconversion");
  named<QAction>(tab, "mnuOnlineHelp")->trigger();
  EXPECT_EQ(platform.help_requests, 3);
  QTest::keyClick(named(tab, "Sourcebox"), Qt::Key_F1);
  EXPECT_EQ(platform.help_requests, 4);
  choose("mnuSupport");
  QTest::keyClick(named(window("mnuSupport"), "Closebutton"), Qt::Key_F1);
  EXPECT_EQ(platform.help_requests, 5);
  EXPECT_TRUE(platform.boxes.empty());
}

TEST(HelpViewerTest, TheRealHelpActionShowsTheHelpFile) {
  TempDir dir;
  write_file(dir.file("textmill.hlp"),
             "<html><body><h1>Textmill Help</h1><p>Source File</p></body></html>");
  const ProgramValues saved = shell::program_values();
  shell::set_program_values({dir.path().string() + "/", dir.file("textmill.hlp")});
  QtPlatform platform;
  platform.show_help(nullptr);
  platform.show_help(nullptr);  // the same viewer again
  shell::set_program_values(saved);
  HelpViewer* viewer = platform.help_viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->file(), QString::fromStdString(dir.file("textmill.hlp")));
  EXPECT_TRUE(named<QTextBrowser>(viewer, "Helpbrowser")
                  ->toPlainText()
                  .contains(QStringLiteral("Source File")));
  int viewers = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    viewers += qobject_cast<HelpViewer*>(w) ? 1 : 0;
  EXPECT_EQ(viewers, 1);
}

}  // namespace
}  // namespace textmill::test

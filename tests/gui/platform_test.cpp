// The platform layer: filter strings, twips, and the real message box.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "framework/platform.h"
#include "gui/gui_support.h"
#include "shell/shell_values.h"
#include "test_support.h"

namespace textmill::test {
namespace {

TEST(PlatformTest, FilterStringsBecomeQtNameFilters) {
  struct Case {
    const char* program;
    QStringList qt;
  } cases[] = {
      {"Text(*.txt)|*.txt", {"Text(*.txt) (*.txt)"}},
      {"Text Files(*.txt)|*.txt", {"Text Files(*.txt) (*.txt)"}},
      {"Spec(*.asc)|*.asc|All(*.*)|*.*", {"Spec(*.asc) (*.asc)", "All(*.*) (*.*)"}},
      {"Data|*.txt;*.dat", {"Data (*.txt *.dat)"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(qt_name_filters(QString::fromLatin1(c.program)), c.qt) << c.program;
  }
}

TEST(PlatformTest, TwipsBecomePixelsAtTheLogicalResolution) {
  struct Case {
    int twips;
    double dpi;
    int pixels;
  } cases[] = {{1440, 96, 96}, {15, 96, 1}, {5310, 96, 354},  {855, 96, 57},
               {7, 96, 0},     {8, 96, 1},  {1440, 120, 120}, {5310, 144, 531}};
  for (const Case& c : cases) {
    EXPECT_EQ(twips_to_pixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

// Answers the next real message box once it is up: checks it, then presses `press`.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::function<void(QMessageBox*)> check) : check_(std::move(check)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }
  [[nodiscard]] bool answered() const { return answered_; }

 private:
  void poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (++polls_ > 500) timer_.stop();  // 5 s: give up; the test then fails
      return;
    }
    timer_.stop();
    answered_ = true;
    check_(box);
  }

  std::function<void(QMessageBox*)> check_;
  QTimer timer_;
  int polls_ = 0;
  bool answered_ = false;
};

TEST(PlatformTest, TheRealMessageBoxShowsTextTitleIconAndButtons) {
  struct Case {
    BoxIcon icon;
    BoxButtons buttons;
    QString title;
    QMessageBox::Icon qt_icon;
    QMessageBox::StandardButtons qt_buttons;
    QMessageBox::StandardButton press;
    BoxAnswer answer;
  } cases[] = {
      {BoxIcon::Exclamation,
       BoxButtons::Ok,
       {},
       QMessageBox::Warning,
       QMessageBox::Ok,
       QMessageBox::Ok,
       BoxAnswer::Ok},
      {BoxIcon::Question,
       BoxButtons::OkCancel,
       {},
       QMessageBox::Question,
       QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Cancel,
       BoxAnswer::Cancel},
      {BoxIcon::Question, BoxButtons::YesNoCancel, QStringLiteral("Stop"), QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, BoxAnswer::No},
      {BoxIcon::Information, BoxButtons::Ok, QStringLiteral("TechInfo"), QMessageBox::Information,
       QMessageBox::Ok, QMessageBox::Ok, BoxAnswer::Ok},
      {BoxIcon::None,
       BoxButtons::YesNo,
       {},
       QMessageBox::NoIcon,
       QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Yes,
       BoxAnswer::Yes},
  };
  QtPlatform platform;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.toStdString() + " " + std::to_string(int(c.buttons)));
    BoxAnswerer answerer([&](QMessageBox* box) {
      EXPECT_EQ(box->text(), QStringLiteral("Some  text."));
      EXPECT_EQ(box->windowTitle(), c.title.isEmpty() ? QStringLiteral("Textmill") : c.title);
      EXPECT_EQ(box->icon(), c.qt_icon);
      EXPECT_EQ(box->standardButtons(), c.qt_buttons);
      box->button(c.press)->click();
    });
    EXPECT_EQ(
        platform.message_box(nullptr, QStringLiteral("Some  text."), c.icon, c.buttons, c.title),
        c.answer);
    EXPECT_TRUE(answerer.answered());
  }
}

TEST(PlatformTest, AMissingHelpFileIsReportedInABox) {
  TempDir dir;
  const ProgramValues saved = shell::program_values();
  shell::set_program_values({dir.path().string() + "/", dir.file("textmill.hlp")});
  QtPlatform platform;
  QString text;
  BoxAnswerer answerer([&](QMessageBox* box) {
    text = box->text();
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    box->button(QMessageBox::Ok)->click();
  });
  platform.show_help(nullptr);
  shell::set_program_values(saved);
  EXPECT_TRUE(answerer.answered());
  EXPECT_EQ(text, QStringLiteral("The help file %1 cannot be opened.")
                      .arg(QString::fromStdString(dir.file("textmill.hlp"))));
  EXPECT_EQ(platform.help_viewer(), nullptr);
}

}  // namespace
}  // namespace textmill::test

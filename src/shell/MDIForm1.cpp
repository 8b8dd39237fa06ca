#include "shell/MDIForm1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "delimited/Combrecords.h"
#include "delimited/HTMLform.h"
#include "delimited/Misccon.h"
#include "delimited/Tabform.h"
#include "delimited/Verticalform.h"
#include "delimited/vert2comma.h"
#include "framework/ToolWindow.h"
#include "framework/platform.h"
#include "shell/Support.h"
#include "shell/program_values.h"
#include "shell/shell_values.h"

namespace textmill {

namespace {

struct MethodEntry {
  const char* name;
  const char* caption;
  // Null while the method's window does not exist yet: the entry is disabled.
  QWidget* (*make)(Platform&);
};

// The Methods menu, in menu order.
const MethodEntry kMethods[] = {
    {"mnuReformat", "&Reformat Comma-Delimited ", nullptr},  // the caption ends with a blank
    {"mnuFixedLength", "&Fixed Width Files to Comma-Delimited", nullptr},
    {"mnuComma", "&Comma-Delimited to Fixed Width", nullptr},
    {"mnuFixedrestruct", "Fixed-Width Restr&ucturing", nullptr},
    {"mnuVertical", "Comma-Delimited to &Vertical Listing",
     [](Platform& p) -> QWidget* { return new Verticalform(p); }},
    {"mnuVert2Comma", "Vertical &Listing to Comma-Delimited",
     [](Platform& p) -> QWidget* { return new vert2comma(p); }},
    {"mnuTabconversion", "&Tab-Separated to Comma-Delimited",
     [](Platform& p) -> QWidget* { return new Tabform(p); }},
    {"mnuFixedBuilder", "Fixed Width File &Builder", nullptr},
    {"mnuMisc", "&Miscellaneous to Comma-Delimited",
     [](Platform& p) -> QWidget* { return new Misccon(p); }},
    {"mnuCombRecords", "Combine R&ecords",
     [](Platform& p) -> QWidget* { return new Combrecords(p); }},
    {"mnuHTML", "&HTML Table Tags", [](Platform& p) -> QWidget* { return new HTMLform(p); }},
    {"mnuCombine", "C&ombine Files", nullptr},
    {"mnuSplit", "Split F&ile", nullptr},
    {"mnuSubstitute", "&String Substitution", nullptr},
    {"mnuWrap", "Text &Wrap", nullptr},
};

QString qstring(std::string_view s) {
  return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

}  // namespace

MDIForm1::MDIForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), area_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("MDIForm1"));
  // Start-up: the program directory and the help file come from the executable's path.
  shell::set_program_values(
      program_values_for(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()));
  setWindowTitle(qstring(kApplicationTitle));

  area_->setObjectName(QStringLiteral("MDIClient"));
  setCentralWidget(area_);
  build_menus();
  install_help_key(this, platform_);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect avail = screen->availableGeometry();
    resize(avail.width() * 4 / 5, avail.height() * 4 / 5);
    move(avail.center() - QPoint(width() / 2, height() / 2));
  }
}

MDIForm1::~MDIForm1() {
  // Children die after this object; their last signals must not reach it.
  for (const Child& child : std::as_const(children_)) {
    if (child.sub) disconnect(child.sub, nullptr, this, nullptr);
  }
}

void MDIForm1::build_menus() {
  menuBar()->setNativeMenuBar(false);
  QMenu* methods = menuBar()->addMenu(QStringLiteral("&Methods"));
  methods->setObjectName(QStringLiteral("mnuMethods"));
  for (const MethodEntry& entry : kMethods) {
    QAction* action = methods->addAction(QString::fromLatin1(entry.caption));
    const QString name = QString::fromLatin1(entry.name);
    action->setObjectName(name);
    action->setEnabled(entry.make != nullptr);
    if (entry.make != nullptr) {
      connect(action, &QAction::triggered, this,
              [this, name, make = entry.make] { open_child(name, make); });
    }
  }
  methods->addSeparator();
  QAction* exit = methods->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* online = help->addAction(QStringLiteral("Online &Help"));
  online->setObjectName(QStringLiteral("mnuOnlineHelp"));
  connect(online, &QAction::triggered, this, [this] { platform_.show_help(this); });
  QAction* tech = help->addAction(QStringLiteral("&TechInfo"));
  tech->setObjectName(QStringLiteral("mnuTechInfo"));
  connect(tech, &QAction::triggered, this, &MDIForm1::tech_info);
  QAction* support = help->addAction(QStringLiteral("Technical &Support"));
  support->setObjectName(QStringLiteral("mnuSupport"));
  connect(support, &QAction::triggered, this, [this] {
    open_child(QStringLiteral("mnuSupport"),
               [](Platform& p) -> QWidget* { return new Support(p); });
  });
}

QWidget* MDIForm1::child_window(const QString& menu_name) const {
  const QPointer<QMdiSubWindow> sub = children_.value(menu_name).sub;
  return sub ? sub->widget() : nullptr;
}

void MDIForm1::open_child(const QString& menu_name, Factory make) {
  if (exiting_) return;
  // A window that has been closed is hidden until it is deleted; it counts as gone.
  if (const QPointer<QMdiSubWindow> open = children_.value(menu_name).sub;
      open && !open->isHidden()) {
    open->showNormal();
    area_->setActiveSubWindow(open);
    open->raise();
    return;
  }
  QWidget* window = make(platform_);
  QMdiSubWindow* sub =
      area_->addSubWindow(window, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->adjustSize();
  sub->setFixedSize(sub->size());
  children_.insert(menu_name, Child{sub, sub});
  connect(sub, &QObject::destroyed, this,
          [this, menu_name, identity = static_cast<const QObject*>(sub)] {
            // A window opened again after this one closed keeps its entry.
            if (children_.value(menu_name).identity == identity) children_.remove(menu_name);
            child_gone();
          });
  if (auto* tool = qobject_cast<ToolWindow*>(window)) {
    tool->place();
  } else if (auto* support = qobject_cast<Support*>(window)) {
    support->place();
  }
  sub->show();
  area_->setActiveSubWindow(sub);
}

bool MDIForm1::any_run_in_progress() const {
  for (const Child& child : children_) {
    const QMdiSubWindow* sub = child.sub;
    if (!sub || sub->isHidden()) continue;
    if (auto* tool = qobject_cast<ToolWindow*>(sub->widget()); tool && tool->is_running()) {
      return true;
    }
  }
  return false;
}

void MDIForm1::child_gone() {
  // The last running window has finished its run and closed: the pending Exit goes on.
  if (exiting_ && !any_run_in_progress()) close();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
  // Exit asks nothing. A window whose run is in progress refuses to close until its run
  // has ended at the next record boundary; the frame closes when it is gone.
  if (ended_) {
    event->accept();
    return;
  }
  exiting_ = true;
  area_->closeAllSubWindows();
  if (any_run_in_progress()) {
    event->ignore();
    return;
  }
  ended_ = true;
  event->accept();
  emit program_ended();
}

void MDIForm1::tech_info() {
  platform_.message_box(this, QString::fromStdString(techinfo_text()), BoxIcon::Information,
                        BoxButtons::Ok, QStringLiteral("TechInfo"));
}

}  // namespace textmill

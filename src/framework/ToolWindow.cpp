#include "framework/ToolWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "framework/gui_run_host.h"
#include "framework/platform.h"

namespace textmill {

namespace {

const QString kTextFilter = QStringLiteral("Text(*.txt)|*.txt");

std::string file_name(const QLineEdit* box) {
  return QFile::encodeName(box->text()).toStdString();
}

}  // namespace

ToolWindow::ToolWindow(Platform& platform, const QString& title, int client_width,
                       int client_height, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      menu_bar_(new QMenuBar(this)),
      help_menu_(nullptr),
      client_(new QWidget(this)) {
  setWindowTitle(title);
  client_->setObjectName(QStringLiteral("client"));

  menu_bar_->setNativeMenuBar(false);
  help_menu_ = menu_bar_->addMenu(QStringLiteral("&Help"));
  help_menu_->setObjectName(QStringLiteral("mnuHelp"));
  QAction* online_help = help_menu_->addAction(QStringLiteral("Online &Help"));
  online_help->setObjectName(QStringLiteral("mnuOnlineHelp"));
  connect(online_help, &QAction::triggered, this, [this] { platform_.show_help(this); });

  add_label(QStringLiteral("Label1"), QStringLiteral("Source File "), 180, 90, 3555, 255);
  source_box_ = add_text_box(QStringLiteral("Sourcebox"), 180, 360, 3915, 285);
  QPushButton* browse_source =
      add_button(QStringLiteral("Command1"), QStringLiteral("Browse"), 4200, 360, 855, 285);
  add_label(QStringLiteral("Label2"), QStringLiteral("Destination File "), 180, 720, 3555, 255);
  dest_box_ = add_text_box(QStringLiteral("Destbox"), 180, 990, 3915, 285);
  QPushButton* browse_dest =
      add_button(QStringLiteral("Command2"), QStringLiteral("Browse"), 4200, 990, 855, 285);
  ok_buttons_[0] =
      add_button(QStringLiteral("OKButton_0"), QStringLiteral("&Execute"), 180, 2220, 915, 435);
  stop_button_ =
      add_button(QStringLiteral("Stopbutton"), QStringLiteral("Stop"), 1200, 2220, 855, 435);
  ok_buttons_[1] =
      add_button(QStringLiteral("OKButton_1"), QStringLiteral("&Close"), 2160, 2220, 855, 435);
  add_label(QStringLiteral("Label3"), QStringLiteral("Counter"), 3300, 2070, 855, 255);
  status_box_ = add_label(QStringLiteral("Statusbox"), QString(), 3300, 2310, 795, 345);
  status_box_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  for (int index = 0; index < 2; ++index) {
    ok_buttons_[index]->setProperty("index", index);
    connect(ok_buttons_[index], &QPushButton::clicked, this,
            [this, index] { OKButton_Click(index); });
  }
  connect(stop_button_, &QPushButton::clicked, this, [this] { stop_flag_ = 1; });
  connect(browse_source, &QPushButton::clicked, this, [this] { browse(source_box_); });
  connect(browse_dest, &QPushButton::clicked, this, [this] { browse(dest_box_); });

  set_client_size(client_width, client_height);
}

ToolWindow::~ToolWindow() = default;

void ToolWindow::set_client_size(int width, int height) {
  const int bar = menu_bar_->sizeHint().height();
  const int w = platform_.twips_x(width);
  const int h = platform_.twips_y(height);
  menu_bar_->setGeometry(0, 0, w, bar);
  client_->setGeometry(0, bar, w, h);
  setFixedSize(w, bar + h);
}

void ToolWindow::place_control(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(platform_.twips_x(left), platform_.twips_y(top), platform_.twips_x(width),
                       platform_.twips_y(height));
}

QLabel* ToolWindow::add_label(const QString& name, const QString& caption, int left, int top,
                              int width, int height) {
  auto* label = new QLabel(caption, client_);
  label->setObjectName(name);
  place_control(label, left, top, width, height);
  return label;
}

QLineEdit* ToolWindow::add_text_box(const QString& name, int left, int top, int width, int height) {
  auto* box = new QLineEdit(client_);
  box->setObjectName(name);
  place_control(box, left, top, width, height);
  return box;
}

QPushButton* ToolWindow::add_button(const QString& name, const QString& caption, int left, int top,
                                    int width, int height) {
  auto* button = new QPushButton(caption, client_);
  button->setObjectName(name);
  button->setAutoDefault(false);
  place_control(button, left, top, width, height);
  return button;
}

QWidget* ToolWindow::frame() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
  return this;
}

void ToolWindow::place() {
  QWidget* f = frame();
  if (f == this || f->parentWidget() == nullptr) return;
  const QScreen* screen = f->screen() ? f->screen() : QGuiApplication::primaryScreen();
  const int screen_width = screen ? screen->geometry().width() : f->parentWidget()->width();
  f->move((screen_width - f->width()) / 2, platform_.twips_y(360));
}

void ToolWindow::show_count(std::uint64_t records) {
  status_box_->setText(QString::number(records));
}

std::string ToolWindow::source_name() const {
  return file_name(source_box_);
}

std::string ToolWindow::dest_name() const {
  return file_name(dest_box_);
}

void ToolWindow::browse(QLineEdit* box) {
  if (std::optional<QString> path = platform_.open_file(this, kTextFilter)) box->setText(*path);
}

void ToolWindow::OKButton_Click(int index) {
  if (index == 1) {
    frame()->close();
    return;
  }
  // A second Execute while this window's own run is in its yield is ignored.
  if (running_) return;
  running_ = true;
  execute();
  running_ = false;
  if (close_pending_) {
    close_pending_ = false;
    frame()->close();
  }
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    // The run is further down the stack: let it end at the next record boundary and
    // close its files; the window closes when it has returned.
    close_pending_ = true;
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

bool ToolWindow::check_file_names() {
  const std::string source = source_name();
  const std::string dest = dest_name();
  if (trim_blanks(source).empty()) {
    platform_.message_box(this, QStringLiteral("Please specify the source file."),
                          BoxIcon::Exclamation, BoxButtons::Ok);
    source_box_->setFocus();
    return false;
  }
  if (trim_blanks(dest).empty()) {
    platform_.message_box(this, QStringLiteral("Please specify the destination file."),
                          BoxIcon::Exclamation, BoxButtons::Ok);
    dest_box_->setFocus();
    return false;
  }
  // Two names that reach one file are refused as well: appending a file to itself
  // would read back its own output without end.
  if (same_name(source, dest) || same_file(source, dest)) {
    platform_.message_box(this,
                          QStringLiteral("Destination and Source files must have different names."),
                          BoxIcon::None, BoxButtons::Ok);
    return false;
  }
  return true;
}

bool ToolWindow::confirm_append() {
  const std::optional<std::uint64_t> size = file_size(dest_name());
  if (!size || *size == 0) return true;
  return platform_.message_box(
             this, QStringLiteral("Destionation file is not empty.  OK to append to the file?"),
             BoxIcon::Question, BoxButtons::OkCancel) == BoxAnswer::Ok;
}

bool ToolWindow::open_files(LineReader& source, OutputFile& dest) {
  if (!source.open(source_name())) {
    platform_.message_box(this, QStringLiteral("Invalid Source File."), BoxIcon::Exclamation,
                          BoxButtons::Ok);
    return false;
  }
  if (!dest.open_append(dest_name())) {
    source.close();
    platform_.message_box(this, QStringLiteral("Invalid Destination File."), BoxIcon::Exclamation,
                          BoxButtons::Ok);
    return false;
  }
  return true;
}

RunResult ToolWindow::run_standard(LineReader& source, OutputFile& dest, LineMethod& method) {
  GuiRunHost host(*this);
  RunResult result;
  {
    // The busy pointer only once there is a line to read, and restored before the report.
    std::optional<BusyPointer> busy;
    if (!source.at_end()) busy.emplace(platform_);
    result = run_lines(source, dest, method, host);
  }
  host.finish(result.records);
  return result;
}

void ToolWindow::report_failure(const std::optional<IoError>& error) {
  if (!error) return;
  platform_.message_box(this, QString::fromLocal8Bit(error->description()), BoxIcon::Exclamation,
                        BoxButtons::Ok);
}

void ToolWindow::execute() {
  clear_stop();
  if (!check_file_names() || !confirm_append() || !extra_checks()) return;
  std::unique_ptr<LineMethod> method = make_method();
  Q_ASSERT(method);
  if (!method) return;
  LineReader source;
  OutputFile dest;
  if (!open_files(source, dest)) return;
  const RunResult result = run_standard(source, dest, *method);
  report_failure(result.last_error);
}

}  // namespace textmill

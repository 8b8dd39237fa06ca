#include "framework/platform.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QScreen>
#include <cmath>

#include "shell/HelpViewer.h"
#include "shell/program_values.h"
#include "shell/shell_values.h"

namespace textmill {

QStringList qt_name_filters(const QString& filter) {
  QStringList out;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << parts[i] + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
  }
  return out;
}

int twips_to_pixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

namespace {

double logical_dpi_x() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchX() : 96.0;
}

double logical_dpi_y() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchY() : 96.0;
}

QString program_title() {
  return QString::fromLatin1(kProgramTitle.data(), qsizetype(kProgramTitle.size()));
}

}  // namespace

BoxAnswer Platform::message_box(QWidget* parent, const QString& text, BoxIcon icon,
                                BoxButtons buttons, const QString& title) {
  return show_box(parent, text, title.isEmpty() ? program_title() : title, icon, buttons);
}

int Platform::twips_x(int twips) const {
  return twips_to_pixels(twips, logical_dpi_x());
}

int Platform::twips_y(int twips) const {
  return twips_to_pixels(twips, logical_dpi_y());
}

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
  delete viewer_.data();
}

BoxAnswer QtPlatform::show_box(QWidget* parent, const QString& text, const QString& title,
                               BoxIcon icon, BoxButtons buttons) {
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case BoxIcon::None:
      qicon = QMessageBox::NoIcon;
      break;
    case BoxIcon::Exclamation:
      qicon = QMessageBox::Warning;
      break;
    case BoxIcon::Question:
      qicon = QMessageBox::Question;
      break;
    case BoxIcon::Information:
      qicon = QMessageBox::Information;
      break;
  }
  QMessageBox::StandardButtons set;
  QMessageBox::StandardButton first = QMessageBox::Ok;
  switch (buttons) {
    case BoxButtons::Ok:
      set = QMessageBox::Ok;
      break;
    case BoxButtons::OkCancel:
      set = QMessageBox::Ok | QMessageBox::Cancel;
      break;
    case BoxButtons::YesNoCancel:
      set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      first = QMessageBox::Yes;
      break;
    case BoxButtons::YesNo:
      set = QMessageBox::Yes | QMessageBox::No;
      first = QMessageBox::Yes;
      break;
  }
  QMessageBox box(qicon, title, text, set, parent);
  box.setDefaultButton(first);
  // A question asked during a run is answered with the normal pointer, not the busy one.
  const bool busy = QGuiApplication::overrideCursor() != nullptr;
  if (busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  const int pressed = box.exec();
  if (busy) QGuiApplication::restoreOverrideCursor();
  switch (pressed) {
    case QMessageBox::Ok:
      return BoxAnswer::Ok;
    case QMessageBox::Yes:
      return BoxAnswer::Yes;
    case QMessageBox::No:
      return BoxAnswer::No;
    default:
      return BoxAnswer::Cancel;
  }
}

std::optional<QString> QtPlatform::input_box(QWidget* parent, const QString& prompt,
                                             const QString& title, const QString& default_answer) {
  bool ok = false;
  QString answer = QInputDialog::getText(parent, title.isEmpty() ? program_title() : title, prompt,
                                         QLineEdit::Normal, default_answer, &ok);
  if (!ok) return std::nullopt;
  return answer;
}

namespace {

std::optional<QString> run_file_dialog(QWidget* parent, const QString& filter,
                                       QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(qt_name_filters(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFileInfo(dialog.selectedFiles().front()).absoluteFilePath();
}

}  // namespace

std::optional<QString> QtPlatform::open_file(QWidget* parent, const QString& filter) {
  return run_file_dialog(parent, filter, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::save_file(QWidget* parent, const QString& filter) {
  return run_file_dialog(parent, filter, QFileDialog::AcceptSave);
}

void QtPlatform::yield() {
  QCoreApplication::processEvents();
}

void QtPlatform::set_busy(bool on) {
  if (on) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
}

HelpViewer* QtPlatform::help_viewer() const {
  return static_cast<HelpViewer*>(viewer_.data());
}

void QtPlatform::show_help(QWidget* parent) {
  const QString path =
      QFile::decodeName(QByteArray::fromStdString(shell::program_values().help_file));
  if (!viewer_) viewer_ = new HelpViewer();
  if (!help_viewer()->load(path)) {
    delete viewer_.data();
    message_box(parent, QStringLiteral("The help file %1 cannot be opened.").arg(path),
                BoxIcon::Exclamation, BoxButtons::Ok);
    return;
  }
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
}

void install_help_key(QWidget* window, Platform& platform) {
  auto* help = new QAction(window);
  help->setShortcut(QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(help, &QAction::triggered, window,
                   [window, &platform] { platform.show_help(window); });
  window->addAction(help);
}

}  // namespace textmill

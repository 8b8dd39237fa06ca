#include "shell/Support.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>

#include "framework/platform.h"

namespace textmill {

QString Support::notice() {
  const QString paragraph = QStringLiteral("\r\n\r\n");
  return QStringLiteral("For technical support.....") + paragraph +
         QStringLiteral(
             "Report problems and ask questions on the issue tracker of the Textmill "
             "project. Say what you did, what you expected and what happened, and attach a "
             "small sample of the file if you can.") +
         paragraph +
         QStringLiteral(
             "The project's README tells where the issue tracker is found and how to build, "
             "test and run the program.") +
         paragraph + QStringLiteral("Requests are normally answered within 24 hours.") + paragraph +
         QStringLiteral(
             "News and upgrade announcements are published in the project's README and in "
             "its release notes.");
}

Support::Support(Platform& platform, QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
  setObjectName(QStringLiteral("Support"));
  setWindowTitle(QStringLiteral("Technical Support"));
  auto twips = [&platform](QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(platform.twips_x(left), platform.twips_y(top), platform.twips_x(width),
                   platform.twips_y(height));
  };
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setText(notice());
  twips(label_, 180, 150, 8235, 3645);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("Closebutton"));
  close->setAutoDefault(false);
  twips(close, 3900, 3900, 975, 405);
  connect(close, &QPushButton::clicked, this, [this] { frame()->close(); });
  setFixedSize(platform.twips_x(8580), platform.twips_y(4440));
}

QWidget* Support::frame() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
  return this;
}

void Support::place() {
  QWidget* f = frame();
  const QScreen* screen = f->screen() ? f->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QPoint top_left = screen->geometry().center() - QPoint(f->width() / 2, f->height() / 2);
  f->move(f->parentWidget() ? f->parentWidget()->mapFromGlobal(top_left) : top_left);
}

}  // namespace textmill

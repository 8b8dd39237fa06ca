#include "shell/HelpViewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace textmill {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Textmill Help"));
  browser_->setObjectName(QStringLiteral("Helpbrowser"));
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 520);
}

bool HelpViewer::load(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || !info.isReadable()) return false;
  // The .hlp name says nothing of the content, so the type is given: HTML.
  browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
  file_ = info.absoluteFilePath();
  return true;
}

}  // namespace textmill

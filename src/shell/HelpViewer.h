#pragma once
// The built-in help viewer: a window of its own that shows the help file (HTML).

#include <QWidget>

class QTextBrowser;

namespace textmill {

class HelpViewer final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows the help file `path`; false (and nothing shown) when it cannot be read.
  [[nodiscard]] bool load(const QString& path);
  // The file shown, empty before a successful load().
  [[nodiscard]] QString file() const { return file_; }

 private:
  QTextBrowser* browser_;
  QString file_;
};

}  // namespace textmill

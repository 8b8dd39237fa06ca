#pragma once
// The Technical Support window: how to reach support, and where news is published.

#include <QWidget>

class QLabel;

namespace textmill {

class Platform;

class Support final : public QWidget {
  Q_OBJECT

 public:
  explicit Support(Platform& platform, QWidget* parent = nullptr);

  // Centres the window (its frame, when it sits in the main window) on the screen.
  void place();

  // The notice shown in Label1; paragraphs separated by CR LF CR LF.
  [[nodiscard]] static QString notice();

 private:
  QWidget* frame();
  QLabel* label_;
};

}  // namespace textmill

#pragma once
// Vertical List: comma-delimited records to a vertical listing. Its own layout (no
// counter), its own Execute with an append question that names the destination, a
// turn for the user interface after every field, and it closes itself after a run that
// completed without a failure.

#include "framework/ToolWindow.h"

class QCheckBox;

namespace textmill {

class Verticalform final : public ToolWindow {
  Q_OBJECT

 public:
  explicit Verticalform(Platform& platform, QWidget* parent = nullptr);

  // Centred on the main window, 1440 twips from its top.
  void place() override;

 protected:
  void execute() override;

 private:
  QCheckBox* compress_box_;
};

}  // namespace textmill

#pragma once
// Combine Records: every n source lines joined into one output line. Its own Execute
// and run: the group size in Specbox is read afresh at every group, only complete
// groups are counted, and the first failing read or write ends the run.

#include "framework/ToolWindow.h"

class QComboBox;

namespace textmill {

class Combrecords final : public ToolWindow {
  Q_OBJECT

 public:
  explicit Combrecords(Platform& platform, QWidget* parent = nullptr);

 protected:
  void execute() override;

 private:
  QComboBox* spec_box_;
};

}  // namespace textmill

#pragma once
// Vertical to Comma-Delimited: the standard tool window running VerticalToComma; the
// counter counts records written, not lines read.

#include "framework/ToolWindow.h"

namespace textmill {

class vert2comma final : public ToolWindow {
  Q_OBJECT

 public:
  explicit vert2comma(Platform& platform, QWidget* parent = nullptr);

 protected:
  std::unique_ptr<LineMethod> make_method() override;
};

}  // namespace textmill

#pragma once
// Tab to Comma-Delimited: the standard tool window running TabToComma.

#include "framework/ToolWindow.h"

namespace textmill {

class Tabform final : public ToolWindow {
  Q_OBJECT

 public:
  explicit Tabform(Platform& platform, QWidget* parent = nullptr);

 protected:
  std::unique_ptr<LineMethod> make_method() override;
};

}  // namespace textmill

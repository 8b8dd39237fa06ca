#pragma once
// HTML Table Tags: the standard tool window running HtmlTable, one row per record.

#include "framework/ToolWindow.h"

namespace textmill {

class HTMLform final : public ToolWindow {
  Q_OBJECT

 public:
  explicit HTMLform(Platform& platform, QWidget* parent = nullptr);

 protected:
  std::unique_ptr<LineMethod> make_method() override;
};

}  // namespace textmill

#include "delimited/HTMLform.h"

#include <QPushButton>

#include "delimited/html_table.h"

namespace textmill {

HTMLform::HTMLform(Platform& platform, QWidget* parent)
    : ToolWindow(platform, QStringLiteral("HTML Table Tags"), 5130, 3000, parent) {
  setObjectName(QStringLiteral("HTMLform"));
  // The narrower window has its Browse buttons a little to the left.
  place_control(findChild<QPushButton*>(QStringLiteral("Command1")), 4140, 360, 855, 285);
  place_control(findChild<QPushButton*>(QStringLiteral("Command2")), 4140, 990, 855, 285);
}

std::unique_ptr<LineMethod> HTMLform::make_method() {
  return std::make_unique<HtmlTable>();
}

}  // namespace textmill

#include "delimited/vert2comma.h"

#include "delimited/vertical_to_comma.h"

namespace textmill {

vert2comma::vert2comma(Platform& platform, QWidget* parent)
    : ToolWindow(platform, QStringLiteral("Vertical to Comma-Delimited"), 5310, 3000, parent) {
  setObjectName(QStringLiteral("vert2comma"));
}

std::unique_ptr<LineMethod> vert2comma::make_method() {
  return std::make_unique<VerticalToComma>();
}

}  // namespace textmill

#include "delimited/Tabform.h"

#include "delimited/tab_to_comma.h"

namespace textmill {

Tabform::Tabform(Platform& platform, QWidget* parent)
    : ToolWindow(platform, QStringLiteral("Tab to Comma-Delimited"), 5310, 3000, parent) {
  setObjectName(QStringLiteral("Tabform"));
}

std::unique_ptr<LineMethod> Tabform::make_method() {
  return std::make_unique<TabToComma>();
}

}  // namespace textmill

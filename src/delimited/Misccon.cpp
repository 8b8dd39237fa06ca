#include "delimited/Misccon.h"

#include <QComboBox>
#include <QLineEdit>

#include "delimited/misc_to_comma.h"
#include "framework/platform.h"

namespace textmill {

namespace {

const QString kSpecify = QStringLiteral("Please specify the delimiter character(s).");

}  // namespace

Misccon::Misccon(Platform& platform, QWidget* parent)
    : ToolWindow(platform, QStringLiteral("Misc to Comma-Delimited"), 5160, 3000, parent),
      delimiter_list_(new QComboBox(client())) {
  setObjectName(QStringLiteral("Misccon"));
  add_label(QStringLiteral("Label4"), QStringLiteral("Delimiter"), 180, 1380, 3615, 285);
  delimiter_list_->setObjectName(QStringLiteral("Delimiterlist"));
  delimiter_list_->setEditable(true);
  // Typed text is used as it stands; it never becomes a new list item.
  delimiter_list_->setInsertPolicy(QComboBox::NoInsert);
  delimiter_list_->addItems({QStringLiteral("Tab"), QStringLiteral("\\"), QStringLiteral("|")});
  delimiter_list_->setCurrentIndex(0);
  place_control(delimiter_list_, 180, 1650, 1215, 315);
}

bool Misccon::extra_checks() {
  const QString text = delimiter_list_->currentText();
  if (text.isEmpty()) {
    platform().message_box(this, kSpecify, BoxIcon::Exclamation, BoxButtons::Ok);
    return false;
  }
  if (text.count(QLatin1Char(' ')) == text.size() &&
      platform().message_box(this, kSpecify, BoxIcon::Exclamation, BoxButtons::YesNoCancel) !=
          BoxAnswer::Yes) {
    return false;
  }
  if ((text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '))) &&
      platform().message_box(this, QStringLiteral("The delimiter includes spaces.  OK to proceed."),
                             BoxIcon::Exclamation, BoxButtons::YesNoCancel) != BoxAnswer::Yes) {
    return false;
  }
  return true;
}

std::unique_ptr<LineMethod> Misccon::make_method() {
  // One character, one byte: the data are 8-bit text. A character with no 8-bit value
  // can match no byte, so such a delimiter matches nothing (an empty one); converted,
  // it would become '?' and split the lines at every question mark.
  const QString text = delimiter_list_->currentText();
  for (const QChar c : text) {
    if (c.unicode() > 0xFF) return std::make_unique<MiscToComma>(std::string());
  }
  return std::make_unique<MiscToComma>(delimiter_for(text.toLatin1().toStdString()));
}

}  // namespace textmill

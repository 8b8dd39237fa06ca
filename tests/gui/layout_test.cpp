// Every caption fits its control at the program's font and the screen's resolution.

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "delimited/Tabform.h"
#include "gui/gui_support.h"
#include "shell/Support.h"

namespace textmill::test {
namespace {

QString shown_text(QString caption) {
  return caption.remove(QLatin1Char('&'));
}

void expect_captions_fit(const QWidget* window) {
  for (const QPushButton* b : window->findChildren<QPushButton*>()) {
    SCOPED_TRACE(b->objectName().toStdString());
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    const QSize need = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
    EXPECT_LE(need.width(), room.width());
    EXPECT_LE(need.height(), room.height());
  }
  for (const QLabel* l : window->findChildren<QLabel*>()) {
    SCOPED_TRACE(l->objectName().toStdString());
    const QRect room = l->contentsRect();
    if (l->wordWrap()) {
      EXPECT_LE(l->heightForWidth(l->width()), l->height());
    } else {
      EXPECT_LE(l->fontMetrics().horizontalAdvance(shown_text(l->text())), room.width());
      EXPECT_LE(l->fontMetrics().height(), room.height());
    }
  }
}

TEST(LayoutTest, CaptionsFitTheirControls) {
  ScriptedPlatform platform;
  Tabform tab(platform);
  tab.show_count(999999);  // the widest count a user is likely to see
  expect_captions_fit(&tab);
  Support support(platform);
  expect_captions_fit(&support);
}

}  // namespace
}  // namespace textmill::test

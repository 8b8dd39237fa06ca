#include "shell/program_look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace textmill {

void apply_program_look(QApplication& app) {
  // Fusion draws the same everywhere; a desktop theme could give wider button margins
  // than the 855-twip buttons leave room for.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(style);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(8);
  app.setFont(font);
}

}  // namespace textmill

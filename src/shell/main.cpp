// Textmill: the desktop program.

#include <QApplication>

#include "framework/platform.h"
#include "shell/MDIForm1.h"
#include "shell/program_look.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  textmill::apply_program_look(app);
  textmill::QtPlatform platform;
  textmill::MDIForm1 frame(platform);
  // Exit ends the program even while the help viewer is still open.
  QObject::connect(&frame, &textmill::MDIForm1::program_ended, &app, &QCoreApplication::quit);
  frame.show();
  return app.exec();
}

// textmill_screenshots OUTDIR: renders the main window (with Tab to Comma-Delimited open
// inside it), every method window, Technical Support and the help viewer into PNG files, for
// checking by eye that no caption is clipped at the program's geometry.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdio>

#include "framework/platform.h"
#include "shell/HelpViewer.h"
#include "shell/MDIForm1.h"
#include "shell/program_look.h"
#include "shell/shell_values.h"

namespace {

bool save(QWidget* widget, const QDir& dir, const char* name) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  if (!widget || !widget->grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

void trigger(QWidget* frame, const char* action) {
  if (auto* a = frame->findChild<QAction*>(QString::fromLatin1(action))) a->trigger();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Usage: textmill_screenshots OUTDIR\n");
    return 2;
  }
  textmill::apply_program_look(app);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  textmill::QtPlatform platform;
  textmill::MDIForm1 frame(platform);
  frame.show();
  trigger(&frame, "mnuTabconversion");
  QTest::qWait(50);

  bool ok = save(&frame, dir, "MDIForm1.png");
  // Every method window, each in its frame inside the main window.
  const struct {
    const char* menu;
    const char* file;
  } kWindows[] = {
      {"mnuTabconversion", "Tabform.png"}, {"mnuMisc", "Misccon.png"},
      {"mnuVertical", "Verticalform.png"}, {"mnuVert2Comma", "vert2comma.png"},
      {"mnuHTML", "HTMLform.png"},         {"mnuCombRecords", "Combrecords.png"},
  };
  for (const auto& w : kWindows) {
    trigger(&frame, w.menu);
    QTest::qWait(50);
    QWidget* window = frame.child_window(QString::fromLatin1(w.menu));
    ok = save(window ? window->parentWidget() : nullptr, dir, w.file) && ok;
  }

  trigger(&frame, "mnuSupport");
  QTest::qWait(50);
  QWidget* support = frame.child_window(QStringLiteral("mnuSupport"));
  ok = save(support ? support->parentWidget() : nullptr, dir, "Support.png") && ok;

  // The viewer directly, so a missing help file gives a picture rather than a box; the
  // file is the program's own (textmill.hlp), which sits beside this executable too.
  textmill::HelpViewer viewer;
  const QString help = QFile::decodeName(
      QByteArray::fromStdString(textmill::shell::program_values().directory + "textmill.hlp"));
  if (!viewer.load(help)) {
    std::fprintf(stderr, "note: no help file at %s\n", qPrintable(help));
  }
  viewer.show();
  QTest::qWait(50);
  ok = save(&viewer, dir, "HelpViewer.png") && ok;
  return ok ? 0 : 1;
}

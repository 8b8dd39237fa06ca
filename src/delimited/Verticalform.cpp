#include "delimited/Verticalform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "delimited/comma_to_vertical.h"
#include "framework/gui_run_host.h"
#include "framework/platform.h"

namespace textmill {

Verticalform::Verticalform(Platform& platform, QWidget* parent)
    : ToolWindow(platform, QStringLiteral("Vertical List"), 5745, 3150, parent),
      compress_box_(new QCheckBox(QStringLiteral("&Compress"), client())) {
  setObjectName(QStringLiteral("Verticalform"));
  QLabel* instructions = add_label(
      QStringLiteral("Instructions"),
      QStringLiteral("Click on the Source File box and the Destination File box and specify the "
                     "field names."),
      60, 90, 4635, 615);
  instructions->setWordWrap(true);
  auto* label1 = findChild<QLabel*>(QStringLiteral("Label1"));
  auto* label2 = findChild<QLabel*>(QStringLiteral("Label2"));
  label1->setText(QStringLiteral("Source File"));
  label2->setText(QStringLiteral("Destination File"));
  place_control(label1, 240, 720, 2295, 255);
  place_control(source_box(), 240, 960, 4155, 285);
  place_control(findChild<QPushButton*>(QStringLiteral("Command1")), 4500, 960, 855, 285);
  place_control(label2, 240, 1560, 2055, 225);
  place_control(dest_box(), 240, 1800, 4155, 285);
  place_control(findChild<QPushButton*>(QStringLiteral("Command2")), 4500, 1800, 855, 285);
  compress_box_->setObjectName(QStringLiteral("Compressbox"));
  place_control(compress_box_, 240, 2520, 1335, 315);
  place_control(execute_button(), 1620, 2490, 975, 435);
  place_control(stop_button(), 2640, 2490, 855, 435);
  place_control(close_button(), 3540, 2490, 855, 435);
  // This window has no record counter.
  findChild<QLabel*>(QStringLiteral("Label3"))->hide();
  status_box()->hide();
}

void Verticalform::place() {
  QWidget* f = frame();
  if (f == this || f->parentWidget() == nullptr) return;
  f->move((f->parentWidget()->width() - f->width()) / 2, platform().twips_y(1440));
}

void Verticalform::execute() {
  clear_stop();
  if (source_box()->text().isEmpty() || dest_box()->text().isEmpty()) {
    platform().message_box(this, QStringLiteral("Please specify Source and Destination files."),
                           BoxIcon::Exclamation, BoxButtons::Ok);
    return;
  }
  const std::string source_path = source_name();
  const std::string dest_path = dest_name();
  // Appending a file to itself would read back its own output without end.
  if (same_name(source_path, dest_path) || same_file(source_path, dest_path)) {
    platform().message_box(
        this, QStringLiteral("Destination and Source files must have different names."),
        BoxIcon::None, BoxButtons::Ok);
    return;
  }
  RunResult result;
  {
    BusyPointer busy(platform());
    // The size is asked before anything is opened, so a refused Execute creates no file.
    if (const std::optional<std::uint64_t> size = file_size(dest_path); size && *size > 0) {
      if (platform().message_box(
              this, dest_box()->text() + QStringLiteral(" is not empty.  OK to append? "),
              BoxIcon::Exclamation, BoxButtons::YesNoCancel) != BoxAnswer::Yes) {
        return;
      }
    }
    LineReader source;
    if (!source.open(source_path)) {
      platform().message_box(this, QStringLiteral("Invalid Source File."), BoxIcon::Exclamation,
                             BoxButtons::Ok);
      return;
    }
    OutputFile dest;
    if (!dest.open_append(dest_path)) {
      source.close();
      platform().message_box(this, QStringLiteral("Invalid Destination File."),
                             BoxIcon::Exclamation, BoxButtons::Ok);
      return;
    }
    GuiRunHost host(*this, false);
    result = run_comma_to_vertical(source, dest, compress_box_->isChecked(), host);
  }
  if (result.end == RunEnd::Abandoned) return;
  report_failure(result.last_error);
  // A run that went through without a failure has done its job: the window goes.
  if (result.end == RunEnd::Exhausted && !result.last_error) frame()->close();
}

}  // namespace textmill

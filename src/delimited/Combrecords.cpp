#include "delimited/Combrecords.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "delimited/combine_records.h"
#include "framework/gui_run_host.h"
#include "framework/platform.h"

namespace textmill {

Combrecords::Combrecords(Platform& platform, QWidget* parent)
    : ToolWindow(platform, QStringLiteral("Combine Records"), 5415, 3000, parent),
      spec_box_(new QComboBox(client())) {
  setObjectName(QStringLiteral("Combrecords"));
  findChild<QPushButton*>(QStringLiteral("Command1"))->setText(QStringLiteral("&Browse"));
  findChild<QPushButton*>(QStringLiteral("Command2"))->setText(QStringLiteral("&Browse"));
  auto* counter_label = findChild<QLabel*>(QStringLiteral("Label3"));
  counter_label->setObjectName(QStringLiteral("Combrecords"));
  place_control(counter_label, 3300, 2100, 855, 255);
  add_label(QStringLiteral("Label4"), QStringLiteral("Number of Records"), 180, 1380, 3615, 285);
  spec_box_->setObjectName(QStringLiteral("Specbox"));
  spec_box_->setEditable(true);
  spec_box_->setInsertPolicy(QComboBox::NoInsert);
  for (int n = 1; n <= 25; ++n) spec_box_->addItem(QString::number(n));
  spec_box_->setCurrentIndex(0);
  place_control(spec_box_, 180, 1620, 1575, 315);
}

void Combrecords::execute() {
  status_box()->clear();
  clear_stop();
  std::optional<std::uint64_t> n = group_size_of(spec_box_->currentText().toStdString());
  if (!n) {
    platform().message_box(
        this, QString::fromLatin1(kGroupSizeMessage.data(), qsizetype(kGroupSizeMessage.size())),
        BoxIcon::Exclamation, BoxButtons::Ok);
    spec_box_->setFocus();
    return;
  }
  const std::string source_path = source_name();
  const std::string dest_path = dest_name();
  // Appending a file to itself would read back its own output without end. Empty boxes
  // are left to the opens below.
  if (!trim_blanks(source_path).empty() && !trim_blanks(dest_path).empty() &&
      (same_name(source_path, dest_path) || same_file(source_path, dest_path))) {
    platform().message_box(
        this, QStringLiteral("Destination and Source files must have different names."),
        BoxIcon::None, BoxButtons::Ok);
    return;
  }
  if (!confirm_append()) return;
  // The source first, so that a source that cannot be read creates no destination.
  LineReader source;
  if (!source.open(source_path)) {
    platform().message_box(this, QStringLiteral("Invalid Source File"), BoxIcon::Exclamation,
                           BoxButtons::Ok);
    return;
  }
  OutputFile dest;
  if (!dest.open_append(dest_path)) {
    // The run would end at its first write: report that failure, nothing written.
    source.close();
    report_failure(dest.error());
    return;
  }
  RunResult result;
  {
    BusyPointer busy(platform());
    GuiRunHost host(*this);
    // A text that is no group size while the user is still typing keeps the last one.
    result = run_combine_records(
        source, dest,
        [this, &n] {
          if (auto now = group_size_of(spec_box_->currentText().toStdString())) n = now;
          return *n;
        },
        host);
    host.finish(result.records);
  }
  if (result.end == RunEnd::Abandoned) return;
  report_failure(result.last_error);
}

}  // namespace textmill

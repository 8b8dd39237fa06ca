#pragma once
// Misc to Comma-Delimited: the standard tool window with a delimiter row; the delimiter
// is the text shown in Delimiterlist at Execute, chosen from the list or typed.

#include "framework/ToolWindow.h"

class QComboBox;

namespace textmill {

class Misccon final : public ToolWindow {
  Q_OBJECT

 public:
  explicit Misccon(Platform& platform, QWidget* parent = nullptr);

 protected:
  std::unique_ptr<LineMethod> make_method() override;
  // The delimiter checks: an empty box, a delimiter of blanks, blanks at its ends.
  bool extra_checks() override;

 private:
  QComboBox* delimiter_list_;
};

}  // namespace textmill

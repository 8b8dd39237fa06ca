#pragma once
// The look every window is laid out for: one style and one font, so the captions fit
// the fixed twips geometry of the windows on any desktop.

class QApplication;

namespace textmill {

void apply_program_look(QApplication& app);

}  // namespace textmill

#pragma once
// The few desktop services a window needs, behind one interface so tests can script
// them: message boxes, the input prompt, the file dialogs, the busy pointer, the yield,
// twips -> pixels and the help viewer. Windows never call QMessageBox, QFileDialog or
// processEvents themselves.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace textmill {

class HelpViewer;

enum class BoxIcon { None, Exclamation, Question, Information };
enum class BoxButtons { Ok, OkCancel, YesNoCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Turns the program's filter strings ("Text(*.txt)|*.txt", pairs of caption and
// patterns separated by '|', patterns by ';') into Qt's form ("Text(*.txt) (*.txt)").
[[nodiscard]] QStringList qt_name_filters(const QString& filter);

// Twips (1/1440 inch) at `dpi` dots per inch, rounded to whole pixels.
[[nodiscard]] int twips_to_pixels(int twips, double dpi);

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal box; returns the button pressed. An empty title shows the program's
  // title, "Textmill".
  BoxAnswer message_box(QWidget* parent, const QString& text, BoxIcon icon, BoxButtons buttons,
                        const QString& title = {});

  // The input prompt: nothing when cancelled, otherwise the text as entered.
  [[nodiscard]] virtual std::optional<QString> input_box(QWidget* parent, const QString& prompt,
                                                         const QString& title,
                                                         const QString& default_answer) = 0;

  // The Open and Save As dialogs with the program's filter string, the dialog's
  // default title and no option flags: the chosen file need not exist, and choosing
  // an existing file in Save As asks nothing (the windows ask themselves). Nothing
  // when cancelled, otherwise the full path.
  [[nodiscard]] virtual std::optional<QString> open_file(QWidget* parent,
                                                         const QString& filter) = 0;
  [[nodiscard]] virtual std::optional<QString> save_file(QWidget* parent,
                                                         const QString& filter) = 0;

  // Lets the user interface handle every pending event (the yield of a run).
  virtual void yield() = 0;

  // Opens the program's help file in the help viewer, as F1 does; a help file that
  // cannot be read is reported in a box.
  virtual void show_help(QWidget* parent) = 0;

  // Twips to pixels at the screen's logical resolution.
  [[nodiscard]] virtual int twips_x(int twips) const;
  [[nodiscard]] virtual int twips_y(int twips) const;

 protected:
  friend class BusyPointer;
  // The box itself; `title` is never empty here.
  virtual BoxAnswer show_box(QWidget* parent, const QString& text, const QString& title,
                             BoxIcon icon, BoxButtons buttons) = 0;
  // Pushes (true) or pops (false) the busy pointer over the whole screen.
  virtual void set_busy(bool on) = 0;
};

// The busy pointer for as long as the object lives: set once, restored once.
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.set_busy(true); }
  ~BusyPointer() { platform_.set_busy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

// Makes F1 anywhere in the top-level window `window` (its child windows included) do
// the help action. Installed once per top-level window, so no two compete for the key.
void install_help_key(QWidget* window, Platform& platform);

// The real desktop: QMessageBox, QInputDialog, QFileDialog, the override cursor and
// the built-in help viewer.
class QtPlatform final : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  std::optional<QString> input_box(QWidget* parent, const QString& prompt, const QString& title,
                                   const QString& default_answer) override;
  std::optional<QString> open_file(QWidget* parent, const QString& filter) override;
  std::optional<QString> save_file(QWidget* parent, const QString& filter) override;
  void yield() override;
  void show_help(QWidget* parent) override;

  // The help viewer, once help has been shown and until the user closes it.
  [[nodiscard]] HelpViewer* help_viewer() const;

 protected:
  BoxAnswer show_box(QWidget* parent, const QString& text, const QString& title, BoxIcon icon,
                     BoxButtons buttons) override;
  void set_busy(bool on) override;

 private:
  QPointer<QWidget> viewer_;  // a HelpViewer
};

}  // namespace textmill

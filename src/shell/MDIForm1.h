#pragma once
// The main window: the frame of every tool window, the Methods and Help menus, the
// program-wide values set at start-up, and the end of the program.

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;

namespace textmill {

class Platform;

class MDIForm1 final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDIForm1(Platform& platform, QWidget* parent = nullptr);
  ~MDIForm1() override;

  [[nodiscard]] QMdiArea* mdi_area() const { return area_; }
  // The open child window that the menu entry `menu_name` shows ("mnuTabconversion",
  // "mnuSupport"), or null.
  [[nodiscard]] QWidget* child_window(const QString& menu_name) const;

 signals:
  // The frame has closed: every window is gone and the program ends.
  void program_ended();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  using Factory = QWidget* (*)(Platform&);
  void build_menus();
  // Shows the child window of `menu_name`: brought to the front when it is open,
  // otherwise made, placed and shown.
  void open_child(const QString& menu_name, Factory make);
  void child_gone();
  [[nodiscard]] bool any_run_in_progress() const;
  void tech_info();

  Platform& platform_;
  QMdiArea* area_;
  struct Child {
    QPointer<QMdiSubWindow> sub;
    // The same window, only ever compared: a window being destroyed is no longer a
    // QMdiSubWindow, and its QPointer is not cleared yet when it says so.
    const QObject* identity = nullptr;
  };
  QHash<QString, Child> children_;
  bool exiting_ = false;
  bool ended_ = false;
};

}  // namespace textmill

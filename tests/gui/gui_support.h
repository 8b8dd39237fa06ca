#pragma once
// Small helpers for driving real widgets in the GUI tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/scripted_platform.h"

namespace textmill::test {

// The child of `root` named `name`; fails the test when there is none.
template <class T = QWidget>
T* named(const QWidget* root, const char* name) {
  T* w = root->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << "no " << name;
  return w;
}

// Shows a top-level window and waits until it is the active one, as after a user's click.
inline void show_active(QWidget* window) {
  window->show();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

inline void click(const QWidget* root, const char* name) {
  if (auto* b = named<QPushButton>(root, name)) QTest::mouseClick(b, Qt::LeftButton);
}

// Replaces the text of the box by typing `text` into it.
inline void type_into(const QWidget* root, const char* name, const std::string& text) {
  if (auto* box = named<QLineEdit>(root, name)) {
    box->clear();
    QTest::keyClicks(box, QString::fromStdString(text));
  }
}

// Replaces the text of an editable combo box by typing `text` (UTF-8) into it.
inline void type_into_combo(const QWidget* root, const char* name, const std::string& text) {
  if (auto* combo = named<QComboBox>(root, name)) {
    // Set rather than typed: key clicks carry ASCII only.
    combo->setEditText(QString::fromStdString(text));
  }
}

// Fills both file boxes and presses Execute.
inline void execute_with(const QWidget* window, const std::string& source,
                         const std::string& dest) {
  type_into(window, "Sourcebox", source);
  type_into(window, "Destbox", dest);
  click(window, "OKButton_0");
}

// Windows closed with WA_DeleteOnClose are deleted here, as the event loop would.
inline void process_deferred_deletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline ShownBox exclamation(const char* text) {
  return {QString::fromLatin1(text), QStringLiteral("Textmill"), BoxIcon::Exclamation,
          BoxButtons::Ok};
}

inline ShownBox box(const char* text, BoxIcon icon, BoxButtons buttons) {
  return {QString::fromLatin1(text), QStringLiteral("Textmill"), icon, buttons};
}

inline ShownBox same_names_refused() {
  return box("Destination and Source files must have different names.", BoxIcon::None,
             BoxButtons::Ok);
}

inline ShownBox stop_question() {
  return {QStringLiteral("Are you sure you want to abort?"), QStringLiteral("Stop"),
          BoxIcon::Question, BoxButtons::YesNoCancel};
}

// `n` tab-separated lines "<i>\tx" with CR LF, and what the conversion makes of the
// first `k` of them.
inline std::string numbered_lines(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += std::to_string(i) + "\tx\r\n";
  return s;
}
inline std::string numbered_records(int k) {
  std::string s;
  for (int i = 1; i <= k; ++i) s += "\"" + std::to_string(i) + "\",\"x\"\r\n";
  return s;
}

// Compares a destination with numbered_records(k), saying only how many lines it holds.
inline testing::AssertionResult holds_records(const std::string& text, int k) {
  if (text == numbered_records(k)) return testing::AssertionSuccess();
  std::size_t lines = 0;
  for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) {
    ++lines;
  }
  return testing::AssertionFailure()
         << "expected the first " << k << " records, found " << lines << " lines";
}

// The command-line program with `args`, each passed as one word.
inline testing::AssertionResult run_cli(const std::vector<std::string>& args) {
  const auto quoted = [](const std::string& word) {
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  std::string command = quoted(TEXTMILL_CLI);
  for (const std::string& a : args) command += " " + quoted(a);
  const int status = std::system(command.c_str());
  if (status == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << command << " gave status " << status;
}

// Every byte value once except CR, which always ends a line.
inline std::string all_bytes_but_cr() {
  std::string s;
  for (int b = 0; b < 256; ++b) {
    if (b != '\r') s.push_back(static_cast<char>(b));
  }
  return s;
}

}  // namespace textmill::test

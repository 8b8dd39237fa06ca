#include "gui/scripted_platform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace textmill::test {

namespace {

const char* icon_name(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return "no icon";
    case BoxIcon::Exclamation:
      return "exclamation";
    case BoxIcon::Question:
      return "question";
    case BoxIcon::Information:
      return "information";
  }
  return "?";
}

const char* buttons_name(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok:
      return "OK";
    case BoxButtons::OkCancel:
      return "OK/Cancel";
    case BoxButtons::YesNoCancel:
      return "Yes/No/Cancel";
    case BoxButtons::YesNo:
      return "Yes/No";
  }
  return "?";
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const ShownBox& box) {
  return os << "[\"" << box.text.toStdString() << "\", title \"" << box.title.toStdString()
            << "\", " << icon_name(box.icon) << ", " << buttons_name(box.buttons) << "]";
}

ScriptedPlatform::~ScriptedPlatform() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted box answer(s) not used";
  EXPECT_TRUE(files_.empty()) << files_.size() << " scripted file choice(s) not used";
  EXPECT_EQ(busy_depth, 0) << "busy pointer not restored";
}

void ScriptedPlatform::answer(BoxAnswer answer, std::function<void()> when_shown) {
  answers_.push_back({answer, std::move(when_shown)});
}

void ScriptedPlatform::choose_file(std::optional<QString> path) {
  files_.push_back({path.has_value(), path.value_or(QString())});
}

void ScriptedPlatform::enter_text(std::optional<QString> text) {
  texts_.push_back({text.has_value(), text.value_or(QString())});
}

std::optional<QString> ScriptedPlatform::take(std::deque<Scripted>& from) {
  const Scripted next = from.front();
  from.pop_front();
  if (!next.given) return std::nullopt;
  return next.text;
}

BoxAnswer ScriptedPlatform::show_box(QWidget* /*parent*/, const QString& text, const QString& title,
                                     BoxIcon icon, BoxButtons buttons) {
  boxes.push_back({text, title, icon, buttons});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected box " << boxes.back();
    return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
  }
  Answer a = std::move(answers_.front());
  answers_.pop_front();
  if (a.when_shown) a.when_shown();
  return a.answer;
}

std::optional<QString> ScriptedPlatform::input_box(QWidget* /*parent*/, const QString& prompt,
                                                   const QString& /*title*/,
                                                   const QString& /*default_answer*/) {
  if (texts_.empty()) {
    ADD_FAILURE() << "unexpected input prompt \"" << prompt.toStdString() << "\"";
    return std::nullopt;
  }
  return take(texts_);
}

std::optional<QString> ScriptedPlatform::open_file(QWidget* /*parent*/, const QString& filter) {
  dialog_filters.push_back(filter);
  if (files_.empty()) {
    ADD_FAILURE() << "unexpected file dialog";
    return std::nullopt;
  }
  return take(files_);
}

std::optional<QString> ScriptedPlatform::save_file(QWidget* parent, const QString& filter) {
  return open_file(parent, filter);
}

void ScriptedPlatform::yield() {
  ++yields;
  if (on_yield) on_yield(yields);
  QCoreApplication::processEvents();
}

void ScriptedPlatform::show_help(QWidget* /*parent*/) {
  ++help_requests;
}

void ScriptedPlatform::set_busy(bool on) {
  if (on) {
    ++busy_sets;
    ++busy_depth;
  } else {
    --busy_depth;
  }
}

}  // namespace textmill::test

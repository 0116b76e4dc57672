#pragma once
// Answers the window's dialogs from a script and records what it was shown.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "dialogs.h"

namespace quelbrook::testing {

class ScriptedDialogs : public Dialogs {
 public:
  // File dialogs: each answer is a path; an empty one is Cancel, as is running out.
  QStringList fileAnswers;
  std::deque<bool> questionAnswers;
  std::deque<UnsavedAnswer> unsavedAnswers;  // running out is Cancel
  bool aboutAsksForHelp = false;

  QStringList messages;  // texts of message boxes, in order
  QStringList captions;  // their captions
  std::vector<FileDialogRequest> fileDialogs;
  QStringList questions;

  std::optional<QString> openFile(const FileDialogRequest& request) override { return nextFile(request); }
  std::optional<QString> saveFile(const FileDialogRequest& request) override { return nextFile(request); }
  void message(const QString& caption, const QString& text) override {
    captions << caption;
    messages << text;
  }
  void report(const QString& caption, const QString& text) override { message(caption, text); }
  bool question(const QString& caption, const QString& text) override {
    questions << caption + "|" + text;
    if (questionAnswers.empty()) return false;
    bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
  }
  UnsavedAnswer askUnsaved(const QString& caption, const QString& text) override {
    questions << caption + "|" + text;
    if (unsavedAnswers.empty()) return UnsavedAnswer::Cancel;
    const UnsavedAnswer answer = unsavedAnswers.front();
    unsavedAnswers.pop_front();
    return answer;
  }
  bool about(const QString& caption, const QString& text) override {
    message(caption, text);
    return aboutAsksForHelp;
  }

 private:
  std::optional<QString> nextFile(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers.isEmpty()) return std::nullopt;
    const QString answer = fileAnswers.takeFirst();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
  }
};

}  // namespace quelbrook::testing

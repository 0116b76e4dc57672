#pragma once
// Every modal question the editor asks goes through here, so that tests can answer
// with scripted replies and never block.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace quelbrook {

struct FileDialogRequest {
  QString title;
  QString filter;  // "description|pattern"
  QString defaultSuffix;
};

// The answers to "save the changes before closing?".
enum class UnsavedAnswer { Save, Discard, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
  // A plain box with one OK button.
  virtual void message(const QString& caption, const QString& text) = 0;
  // A longer text the user may read on or copy from: scrolled within a box of modest size.
  virtual void report(const QString& caption, const QString& text) = 0;
  // Yes / No with a question icon; true for Yes.
  virtual bool question(const QString& caption, const QString& text) = 0;
  // Save, Discard or Cancel, with a warning icon.
  virtual UnsavedAnswer askUnsaved(const QString& caption, const QString& text) = 0;
  // The About box: OK, and a way on to the help window; true when help was asked for.
  virtual bool about(const QString& caption, const QString& text) = 0;
};

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* owner) : owner_(owner) {}
  std::optional<QString> openFile(const FileDialogRequest& request) override;
  std::optional<QString> saveFile(const FileDialogRequest& request) override;
  void message(const QString& caption, const QString& text) override;
  void report(const QString& caption, const QString& text) override;
  bool question(const QString& caption, const QString& text) override;
  UnsavedAnswer askUnsaved(const QString& caption, const QString& text) override;
  bool about(const QString& caption, const QString& text) override;

 private:
  QWidget* owner_;
};

// Runs one operation of a window: a failure becomes the error box, captioned with the
// program's name, its text ended by a full stop.
void RunShowingErrors(Dialogs& dialogs, const std::function<void()>& operation);

// "Map files|*.map" becomes "Map files (*.map)".
QString QtFilterOf(const QString& filter);

}  // namespace quelbrook

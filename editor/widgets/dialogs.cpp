#include "dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

#include "number_text.h"

namespace quelbrook {

namespace {
constexpr QSize kReportSize(600, 320);
}  // namespace

void RunShowingErrors(Dialogs& dialogs, const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    dialogs.message(QApplication::applicationName(), ErrorMessageText(QString::fromStdString(error.what())));
  }
}

QString QtFilterOf(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    // "*.*" means every file where these filters come from; here it would miss names without a dot.
    const QString pattern = parts[i + 1] == "*.*" ? "*" : parts[i + 1];
    entries << parts[i] + " (" + pattern + ")";
  }
  return entries.join(";;");
}

namespace {
std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, request.title);
  dialog.setAcceptMode(mode);
  // Open dialogs do not insist that a typed name exists; the open itself reports it.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(QtFilterOf(request.filter));
  if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}
}  // namespace

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request) {
  return RunFileDialog(owner_, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest& request) {
  return RunFileDialog(owner_, request, QFileDialog::AcceptSave);
}

void QtDialogs::message(const QString& caption, const QString& text) {
  // Started from a terminal, the user (or a check of an installed copy) reads it there too.
  std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner_);
  box.exec();
}

void QtDialogs::report(const QString& caption, const QString& text) {
  std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
  QDialog box(owner_);
  box.setWindowTitle(caption);
  auto* layout = new QVBoxLayout(&box);
  auto* view = new QPlainTextEdit(text, &box);
  view->setObjectName("ReportText");
  view->setReadOnly(true);
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons);
  // Small enough for any laptop's screen; a longer text scrolls.
  box.resize(kReportSize);
  box.exec();
}

bool QtDialogs::question(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner_);
  return box.exec() == QMessageBox::Yes;
}

UnsavedAnswer QtDialogs::askUnsaved(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Warning, caption, text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner_);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return UnsavedAnswer::Save;
    case QMessageBox::Discard:
      return UnsavedAnswer::Discard;
    default:
      return UnsavedAnswer::Cancel;
  }
}

bool QtDialogs::about(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner_);
  QPushButton* help = box.addButton("Help...", QMessageBox::HelpRole);
  box.exec();
  return box.clickedButton() == help;
}

}  // namespace quelbrook

// One open job in the desktop program: the core's job document with its undo stack. Every
// change is one undo step that swaps the whole job (a dialog's OK, a File Open); views hold
// only their own state and repaint on `changed`.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>

#include "model/job_document.h"

namespace traxen {

// What an undo step swaps: the job and what the report reads besides it.
struct JobContent {
  Job job;
  ReportInputs working;
  int last_confirmed_dialog = 0;
};

class Document : public QObject {
  Q_OBJECT
 public:
  explicit Document(QObject* parent = nullptr);

  const JobDocument& data() const { return data_; }
  const Job& job() const { return data_.job; }
  JobContent content() const;
  QString path() const { return QString::fromStdString(data_.path); }
  // The name its windows show ("" until a file command names it).
  QString title() const { return title_; }
  void setTitle(const QString& title) { title_ = title; }
  bool isModified() const { return !undo_stack_.isClean(); }
  QUndoStack* undoStack() { return &undo_stack_; }

  // One undo step named `text` that replaces the content (the path stays); the views lay
  // out again. False when `after` is the document's content already and nothing was pushed.
  bool change(const JobContent& after, const QString& text);

  // Confirms a job read by File Open: the joint dialog of its family (`dialog` 1 or 2; 0
  // needs none) on `read`, as ConfirmOpenedJob does. False when the user cancelled, with
  // `error` set when the confirmation failed. The window that opens the file runs it: a
  // document asks the user nothing.
  using OpenConfirmation = std::function<bool(JobDocument& read, int dialog, QString* error)>;

  // File Open: reads `path` and lets `confirm` confirm it, all as one undo step; the document
  // then names the file and is unmodified. When the file cannot be read or confirmed, `error`
  // names the file and the reason and nothing changes. Cancel in the confirmation, or no
  // `confirm`, takes the file's values as they are, confirmed as `traxen-cli` confirms them,
  // so the report of the file is shown as for a JSON job. A JSON job's given values that were
  // replaced by derived ones are listed in `warnings`, a line each.
  bool open(const QString& path, const OpenConfirmation& confirm, QString* error, QStringList* warnings = nullptr);

  // Writes the job to `path` (see CheckSaveTarget); on success the document names the file
  // and is unmodified. On failure `error` names the file and the reason and nothing changes.
  bool save(const QString& path, QString* error);

  // Swaps in `content` and, when `path` is set, the file name: used by the undo steps.
  void restore(const JobContent& content, const std::string* path);

 signals:
  void changed();           // the job changed: views lay out and repaint
  void pathChanged();       // the file name changed: window titles follow
  void modifiedChanged(bool modified);

 private:
  JobDocument data_;
  QUndoStack undo_stack_;
  QString title_;
};

// Every field of the Job record equal (the working values are derived, never compared).
bool SameJob(const Job& a, const Job& b);

// Refuses to save over a file the user may not write (the rename of an atomic save would
// otherwise replace a read-only file silently). Follows symbolic links. "" when saving may go on.
QString CheckSaveTarget(const QString& path);

}  // namespace traxen

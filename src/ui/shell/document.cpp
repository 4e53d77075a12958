// The document's changes as undo steps, and its file commands on the core's job document.
#include "ui/shell/document.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUndoCommand>
#include <optional>

#include "model/job_fields.h"
#include "ui/i18n/interface_language.h"
#include "ui/shell/section_places.h"

namespace traxen {

namespace {

// Swaps the document's content (and, for File Open, its file name) between two states.
class ContentCommand : public QUndoCommand {
 public:
  ContentCommand(Document* doc, JobContent before, JobContent after, std::optional<std::string> path_before,
                 std::optional<std::string> path_after, const QString& text)
      : QUndoCommand(text),
        doc_(doc),
        before_(std::move(before)),
        after_(std::move(after)),
        path_before_(std::move(path_before)),
        path_after_(std::move(path_after)) {}

  void undo() override { doc_->restore(before_, path_before_ ? &*path_before_ : nullptr); }
  void redo() override { doc_->restore(after_, path_after_ ? &*path_after_ : nullptr); }

 private:
  Document* doc_;
  JobContent before_, after_;
  std::optional<std::string> path_before_, path_after_;
};

// The core's messages, in the interface's language.
QString Said(const LoadError& e) { return QString::fromStdString(ErrorText(e, MessageLanguage())); }

std::vector<JobFieldRef> FieldsOf(Job& job) {
  std::vector<JobFieldRef> fields;
  ForEachJobField(job, [&fields](const JobField& field) { fields.push_back(field.ref); });
  return fields;
}

}  // namespace

bool SameJob(const Job& a, const Job& b) {
  Job left = a, right = b;
  const std::vector<JobFieldRef> l = FieldsOf(left), r = FieldsOf(right);
  if (l.size() != r.size()) return false;
  for (std::size_t i = 0; i < l.size(); ++i) {
    const bool same = std::visit(
        [&](auto* x) {
          using T = std::remove_pointer_t<decltype(x)>;
          return *x == *std::get<T*>(r[i]);
        },
        l[i]);
    if (!same) return false;
  }
  return true;
}

Document::Document(QObject* parent) : QObject(parent) {
  data_.job.info = NewJobInfo();
  connect(&undo_stack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
    data_.modified = !clean;
    emit modifiedChanged(!clean);
  });
}

JobContent Document::content() const { return {data_.job, data_.working, data_.last_confirmed_dialog}; }

bool Document::change(const JobContent& after, const QString& text) {
  // OK without a change is no step and leaves the document unmodified.
  if (after.last_confirmed_dialog == data_.last_confirmed_dialog && SameJob(after.job, data_.job)) return false;
  undo_stack_.push(new ContentCommand(this, content(), after, std::nullopt, std::nullopt, text));
  return true;
}

void Document::restore(const JobContent& content, const std::string* path) {
  data_.job = content.job;
  data_.working = content.working;
  data_.last_confirmed_dialog = content.last_confirmed_dialog;
  const bool renamed = path && *path != data_.path;
  if (path) data_.path = *path;
  emit changed();
  if (renamed) emit pathChanged();
}

bool Document::open(const QString& path, const OpenConfirmation& confirm, QString* error, QStringList* warnings) {
  JobDocument read = data_;
  int dialog = 0;
  std::vector<Message> replaced;
  if (const LoadError e = OpenJobDocument(read, path.toStdString(), dialog, nullptr, &replaced)) {
    if (error) *error = Said(e);
    return false;
  }
  // A JSON job names its sections by size: their list places are found now, so that its joint
  // dialog shows, and its OK keeps, the job's own sections.
  QStringList unplaced;
  if (dialog == 0)
    if (const std::string why = PlaceSectionsBySize(read.job, path.toStdString()); !why.empty())
      unplaced << tr("%1: sõlme profiile ei leitud profiilide loendist, sõlme dialoog näitab loendi "
                     "esimesi profiile ja OK kirjutaks need sõlmele: %2")
                      .arg(path, QString::fromStdString(why));
  QString confirm_error;
  if (!confirm || !confirm(read, dialog, &confirm_error)) {
    if (!confirm_error.isEmpty()) {
      if (error) *error = confirm_error;
      return false;
    }
    // Cancel in the confirming dialog, or none: the file's values are the job. It is confirmed as
    // traxen-cli confirms it (the sections restored from their stored list positions), so the
    // report shows the file as read, as it shows an opened JSON job, not an empty page.
    if (const LoadError e = ConfirmJobDocument(read, dialog, "", QCoreApplication::applicationDirPath().toStdString())) {
      if (error) *error = Said(e);
      return false;
    }
  }
  const JobContent after{read.job, read.working, read.last_confirmed_dialog};
  undo_stack_.push(new ContentCommand(this, content(), after, data_.path, read.path,
                                      tr("Ava %1").arg(QFileInfo(path).fileName())));
  undo_stack_.setClean();
  if (warnings) {
    for (const Message& w : replaced) warnings->append(QString::fromStdString(w.Text(MessageLanguage())));
    warnings->append(unplaced);
  }
  return true;
}

bool Document::save(const QString& path, QString* error) {
  if (const QString refused = CheckSaveTarget(path); !refused.isEmpty()) {
    if (error) *error = refused;
    return false;
  }
  JobDocument saved = data_;
  if (const LoadError e = SaveJobDocument(saved, path.toStdString())) {
    if (error) *error = Said(e);
    return false;
  }
  const bool renamed = saved.path != data_.path;
  data_.path = saved.path;
  undo_stack_.setClean();
  if (renamed) emit pathChanged();
  return true;
}

QString CheckSaveTarget(const QString& path) {
  const QFileInfo info(path);
  // A link is saved through: the file it points to must be writable.
  const QFileInfo target(info.isSymLink() ? info.symLinkTarget() : path);
  if (target.exists() && target.isDir())
    return Document::tr("%1: faili ei saa salvestada: see on kaust").arg(path);
  // The mode bits count too: root may write anything, yet a file its owner made read-only is
  // one nobody meant to replace.
  if (target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
    return Document::tr("%1: faili ei saa salvestada: fail on kirjutuskaitstud").arg(path);
  return {};
}

}  // namespace traxen

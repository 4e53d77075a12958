// Reading and writing the numbers of the dialog edits.
#include "ui/dialogs/dialog_numbers.h"

#include <fmt/format.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QVariant>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "ui/i18n/interface_language.h"

namespace traxen {

std::optional<double> ParseDialogNumber(const QString& text) {
  std::string s = text.trimmed().toStdString();
  if (!s.empty() && s.front() == '+') {
    s.erase(0, 1);
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) return std::nullopt;
  }
  // One decimal comma is a decimal point; a number with both is ambiguous and rejected.
  const auto comma = s.find(',');
  if (comma != std::string::npos) {
    if (s.find('.') != std::string::npos || s.find(',', comma + 1) != std::string::npos) return std::nullopt;
    s[comma] = '.';
  }
  if (s.empty()) return std::nullopt;
  double value = 0;
  const char* end = s.data() + s.size();
  const auto [ptr, ec] = std::from_chars(s.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString FormatDialogNumber(double value) {
  // Fifteen digits show the values people type as typed; a value computed or read with more
  // gets the digits it needs, so that an edit confirmed unchanged keeps the very same value.
  std::string text;
  for (int digits = 15; digits <= 17; ++digits) {
    text = fmt::format("{:.{}g}", value, digits);
    if (!std::isfinite(value) || ParseDialogNumber(QString::fromStdString(text)) == value) break;
  }
  return QString::fromStdString(text);
}

FieldSpec FieldOfKey(std::string_view key, const QString& symbol, const QString& unit) {
  return {symbol, unit, RangeOfKey(key)};
}

namespace {

QString FieldName(const FieldSpec& spec) {
  return spec.unit.isEmpty() ? spec.symbol : QStringLiteral("%1 (%2)").arg(spec.symbol, spec.unit);
}

// The range in the words of the field tooltips: "> 0 m", "vahemikus (0°, 180°)", in the
// language of the job files' messages, which name the same ranges.
QString RangeWords(const FieldSpec& spec) {
  const std::string unit = spec.unit.toStdString();
  const std::string words =
      MessageLanguage() == Language::kEstonian ? RangeTextEt(spec.range, unit) : RangeText(spec.range, unit);
  return QString::fromStdString(words).toHtmlEscaped();
}

QString Said(const char* text) { return QCoreApplication::translate(kDialogNumbersContext, text); }

}  // namespace

QString FieldProblem(const FieldSpec& spec, const QString& text, bool check_range) {
  const std::optional<double> v = ParseDialogNumber(text);
  if (!v) return Said(kEnterANumber).arg(FieldName(spec));
  if (!check_range) return {};
  if (!InRange(spec.range, *v)) return Said(kOutOfRange).arg(spec.symbol, RangeWords(spec));
  // A project file keeps six decimals: a size of 1e-7 would be saved as 0 and refused when
  // read back, so it is refused here already.
  const std::string written = fmt::format("{:.6f}", *v);
  const std::optional<double> again = ParseDialogNumber(QString::fromStdString(written));
  if (!again || !InRange(spec.range, *again))
    return Said(kOutOfRangeWritten).arg(spec.symbol, RangeWords(spec), QString::fromStdString(written));
  return {};
}

void MarkField(QWidget* field, const QString& problem) {
  // The field's own tooltip is kept aside while the problem stands in for it.
  static const char* const kOwnTip = "traxenOwnToolTip";
  const QVariant own = field->property(kOwnTip);
  if (problem.isEmpty()) {
    if (!own.isValid()) return;
    field->setToolTip(own.toString());
    field->setProperty(kOwnTip, QVariant());
    field->setStyleSheet(QString());
    return;
  }
  if (!own.isValid()) field->setProperty(kOwnTip, field->toolTip());
  field->setToolTip(problem);
  const QString pink = QStringLiteral("background: rgb(255, 220, 220);");
  field->setStyleSheet(field->inherits("QComboBox")
                           ? QStringLiteral("QComboBox, QComboBox QLineEdit { %1 }").arg(pink)
                           : QStringLiteral("QLineEdit { %1 }").arg(pink));
}

void NumericEdits::add(QLineEdit* edit, double* value, FieldSpec spec) {
  bindings_.push_back({edit, value, std::move(spec)});
}

std::vector<QLineEdit*> NumericEdits::edits() const {
  std::vector<QLineEdit*> bound;
  bound.reserve(bindings_.size());
  for (const Binding& b : bindings_) bound.push_back(b.edit);
  return bound;
}

const NumericEdits::Binding* NumericEdits::find(const QLineEdit* edit) const {
  for (const Binding& b : bindings_)
    if (b.edit == edit) return &b;
  return nullptr;
}

void NumericEdits::show() const {
  for (const Binding& b : bindings_) b.edit->setText(FormatDialogNumber(*b.value));
  markAll();
}

QString NumericEdits::problemOf(const QLineEdit* edit) const {
  const Binding* b = find(edit);
  // Enabled within its own dialog: a dialog above a disabled window still checks its fields.
  return b ? FieldProblem(b->spec, edit->text(), edit->isEnabledTo(edit->window())) : QString();
}

void NumericEdits::mark(QLineEdit* edit) const { MarkField(edit, problemOf(edit)); }

void NumericEdits::markAll() const {
  for (const Binding& b : bindings_) mark(b.edit);
}

void NumericEdits::markOnLeaving(QObject* context) const {
  for (const Binding& b : bindings_) {
    QLineEdit* edit = b.edit;
    QObject::connect(edit, &QLineEdit::editingFinished, context, [this, edit] { mark(edit); });
    QObject::connect(edit, &QLineEdit::textChanged, context, [this, edit] {
      if (problemOf(edit).isEmpty()) MarkField(edit, QString());
    });
  }
}

void NumericEdits::revertNonNumbers(std::initializer_list<QLineEdit*> edits) const {
  for (const Binding& b : bindings_) {
    if (std::find(edits.begin(), edits.end(), b.edit) == edits.end()) continue;
    if (!ParseDialogNumber(b.edit->text())) b.edit->setText(FormatDialogNumber(*b.value));
  }
}

QLineEdit* NumericEdits::read() {
  std::vector<double> values;
  values.reserve(bindings_.size());
  for (const Binding& b : bindings_) {
    if (!problemOf(b.edit).isEmpty()) return b.edit;
    values.push_back(*ParseDialogNumber(b.edit->text()));
  }
  for (std::size_t i = 0; i < bindings_.size(); ++i) *bindings_[i].value = values[i];
  return nullptr;
}

bool NumericEdits::readOrComplain(QWidget* parent) {
  QLineEdit* bad = read();
  if (!bad) return true;
  const QString problem = problemOf(bad);
  MarkField(bad, problem);
  ShowDialogMessage(parent, problem, Qt::RichText);
  bad->setFocus(Qt::OtherFocusReason);
  bad->selectAll();
  return false;
}

void ShowDialogMessage(QWidget* parent, const QString& text, Qt::TextFormat format) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("TRAXEN"), text, QMessageBox::Ok, parent);
  box.setTextFormat(format);
  box.exec();
}

}  // namespace traxen

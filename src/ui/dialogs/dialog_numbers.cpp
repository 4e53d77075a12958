// Reading and writing the numbers of the dialog edits.
#include "ui/dialogs/dialog_numbers.h"

#include <fmt/format.h>

#include <QLineEdit>
#include <QMessageBox>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

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

void NumericEdits::add(QLineEdit* edit, double* value) { bindings_.push_back({edit, value}); }

std::vector<QLineEdit*> NumericEdits::edits() const {
  std::vector<QLineEdit*> bound;
  bound.reserve(bindings_.size());
  for (const Binding& b : bindings_) bound.push_back(b.edit);
  return bound;
}

void NumericEdits::show() const {
  for (const Binding& b : bindings_) {
    b.edit->setText(FormatDialogNumber(*b.value));
    markValidity(b.edit);
  }
}

void NumericEdits::revertNonNumbers(std::initializer_list<QLineEdit*> edits) const {
  for (const Binding& b : bindings_) {
    if (std::find(edits.begin(), edits.end(), b.edit) == edits.end()) continue;
    if (!ParseDialogNumber(b.edit->text())) b.edit->setText(FormatDialogNumber(*b.value));
  }
}

void NumericEdits::markValidity(QLineEdit* edit) {
  const bool ok = ParseDialogNumber(edit->text()).has_value();
  edit->setStyleSheet(ok ? QString() : QStringLiteral("QLineEdit { background: rgb(255, 220, 220); }"));
}

QLineEdit* NumericEdits::read() {
  std::vector<double> values;
  values.reserve(bindings_.size());
  for (const Binding& b : bindings_) {
    const std::optional<double> v = ParseDialogNumber(b.edit->text());
    if (!v) return b.edit;
    values.push_back(*v);
  }
  for (std::size_t i = 0; i < bindings_.size(); ++i) *bindings_[i].value = values[i];
  return nullptr;
}

bool NumericEdits::readOrComplain(QWidget* parent) {
  QLineEdit* bad = read();
  if (!bad) return true;
  ShowDialogMessage(parent, QString::fromUtf8(kEnterANumber));
  bad->setFocus(Qt::OtherFocusReason);
  bad->selectAll();
  return false;
}

void ShowDialogMessage(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QStringLiteral("TRAXEN"), text);
}

}  // namespace traxen

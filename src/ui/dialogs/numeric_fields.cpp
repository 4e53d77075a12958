// Number formatting and parsing for the dialogs, independent of the user's locale.
#include "ui/dialogs/numeric_fields.h"

#include <QDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <fmt/format.h>

#include <charconv>
#include <string>

namespace traxen {

QString FormatNumber(double value) {
  // {fmt} formats in the classic locale; "%.15g" is the shortest general form of 15 digits.
  return QString::fromStdString(fmt::format("{:.15g}", value));
}

std::optional<double> ParseNumber(const QString& text) {
  static const QRegularExpression number(
      QStringLiteral("^\\s*[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?\\s*$"));
  if (!number.match(text).hasMatch()) return std::nullopt;
  std::string classic = text.trimmed().toStdString();
  for (char& c : classic)
    if (c == ',') c = '.';
  // from_chars ignores the locale (Qt sets the user's, where strtod would want a comma) but
  // takes no leading plus.
  const char* begin = classic.data();
  if (*begin == '+') ++begin;
  double value = 0;
  const auto [end, error] = std::from_chars(begin, classic.data() + classic.size(), value);
  if (error != std::errc() || end != classic.data() + classic.size()) return std::nullopt;
  return value;
}

QLineEdit* NumericFieldSet::add(const QString& object_name, const QString& accessible_name, double* target,
                                QWidget* parent) {
  auto* edit = new QLineEdit(FormatNumber(*target), parent);
  edit->setObjectName(object_name);
  edit->setAccessibleName(accessible_name);
  edit->setAlignment(Qt::AlignRight);
  fields_.push_back({edit, target});
  return edit;
}

bool NumericFieldSet::commit(QDialog* dialog) {
  std::vector<double> values;
  for (const NumericField& field : fields_) {
    const std::optional<double> value = ParseNumber(field.edit->text());
    if (!value) {
      QMessageBox::warning(dialog, dialog->windowTitle(), QString::fromLatin1(kEnterANumber));
      field.edit->setFocus(Qt::OtherFocusReason);
      field.edit->selectAll();
      return false;
    }
    values.push_back(*value);
  }
  for (std::size_t i = 0; i < fields_.size(); ++i) *fields_[i].target = values[i];
  return true;
}

}  // namespace traxen

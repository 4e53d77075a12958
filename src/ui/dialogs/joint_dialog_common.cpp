// The frame, the member boxes and the reactions the joint dialogs share.
#include "ui/dialogs/joint_dialog_common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/dialogs/joint_preview.h"
#include "ui/dialogs/library_error_text.h"
#include "ui/dialogs/joint_dialog_frame.h"
#include "ui/dialogs/section_picker.h"

namespace traxen {

MemberBox BuildMemberBox(const MemberBoxText& text) {
  MemberBox m;
  m.box = new QGroupBox;
  m.box->setObjectName(text.box_name);
  m.column = new QVBoxLayout(m.box);
  m.column->addWidget(Heading(text.heading));
  m.first = NumberEdit(text.first.name, text.first.tip);
  m.second = NumberEdit(text.second.name, text.second.tip);
  m.type = SectionCombo(text.type_name, text.type_tip);
  m.number = SectionCombo(text.number_name, text.number_tip);
  auto* grid = new QGridLayout;
  grid->addWidget(StaticText(text.first.label, m.first), 0, 0);
  grid->addWidget(m.first, 0, 1);
  grid->addWidget(StaticText(text.first.unit), 0, 2);
  grid->addWidget(StaticText(text.second.label, m.second), 0, 3, Qt::AlignRight);
  grid->addWidget(m.second, 0, 4);
  grid->addWidget(StaticText(text.second.unit), 0, 5);
  grid->addWidget(StaticText(QCoreApplication::translate("traxen::JointDialogs", "Profiili tüüp"), m.type), 1, 0);
  grid->addWidget(m.type, 1, 1, 1, 2);
  grid->addWidget(StaticText(QCoreApplication::translate("traxen::JointDialogs", "Profiili nr"), m.number), 1, 3,
                  Qt::AlignRight);
  grid->addWidget(m.number, 1, 4, 1, 2);
  m.column->addLayout(grid);
  m.text = SectionText(text.text_name);
  m.column->addWidget(m.text);
  return m;
}

MemberBox BuildBraceBox(int brace, const QString& name) {
  const QString i = QString::number(brace);
  const auto said = [&i](const char* text) { return QCoreApplication::translate("traxen::JointDialogs", text).arg(i); };
  return BuildMemberBox({name + QStringLiteral("Box"),
                         said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "%1. VARRAS")),
                         {QStringLiteral("N%1Edit").arg(i),
                          said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "Sisejõud %1.vardas otsas")),
                          said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "Sisejõud varda otsas N<sub>%1</sub>")),
                          QStringLiteral("kN")},
                         {QStringLiteral("theta%1Edit").arg(i),
                          said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "%1. varda kaldenurk")),
                          said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "Nurk θ<sub>%1</sub>")), QStringLiteral("°")},
                         name + QStringLiteral("TypeCombo"),
                         said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "%1. varda nelikanttoru tüüp")),
                         name + QStringLiteral("NumberCombo"),
                         said(QT_TRANSLATE_NOOP("traxen::JointDialogs", "%1. varda nelikanttoru number")),
                         name + QStringLiteral("SectionText")});
}

QVBoxLayout* StackBoxes(std::initializer_list<QWidget*> boxes) {
  auto* column = new QVBoxLayout;
  for (QWidget* box : boxes) column->addWidget(box);
  column->addStretch(1);
  return column;
}

QGridLayout* AddPlateGrid(QVBoxLayout* column) {
  auto* plates = new QGridLayout;
  AddPlateHeader(plates, 0);
  plates->setColumnStretch(7, 1);
  column->addLayout(plates);
  return plates;
}

void TakeSection(const SectionPicker& picker, const MemberFields& fields) {
  const SectionProperties& row = picker.row();
  fields.h = row.h, fields.b = row.b, fields.t = row.t;
  fields.type_index = picker.typeIndex();
  fields.number_index = picker.numberIndex();
  fields.text = picker.description();
  fields.section_class = picker.sectionClass();
}

void TakeChordProperties(const SectionPicker& chord, JobChord& properties) {
  properties.A0 = chord.row().A * 100;
  properties.Wel0 = chord.row().Wy * 1000;
}

JointDialog::JointDialog(const Job& job, SectionLibrary library, const QString& object_name,
                         const QString& title, QWidget* parent)
    : QDialog(parent), job_(job), library_(std::move(library)) {
  setObjectName(object_name);
  setWindowTitle(title);
  ApplyJointDialogPalette(this);
}

JointDialog::~JointDialog() {
  // A dialog destroyed while shown hides in ~QDialog, after this: the focused edit's
  // editingFinished would then reach a dialog whose own part is gone.
  for (QLineEdit* edit : edits_.edits()) disconnect(edit, nullptr, this, nullptr);
}

void JointDialog::bindFaceAndSidePlates() {
  JobPlates& p = job_.plate;
  const QString l = QStringLiteral("l"), b = QStringLiteral("b"), t = QStringLiteral("t");
  edits_.add(face_.l, &p.face_l, PlateRow::SizeField(face_.text, l));
  edits_.add(face_.b, &p.face_b, PlateRow::SizeField(face_.text, b));
  edits_.add(face_.t, &p.face_t, PlateRow::SizeField(face_.text, t));
  edits_.add(side_.l, &p.side_l, PlateRow::SizeField(side_.text, l));
  edits_.add(side_.b, &p.side_b, PlateRow::SizeField(side_.text, b));
  edits_.add(side_.t, &p.side_t, PlateRow::SizeField(side_.text, t));
}

void JointDialog::buildPreview(QSize preferred, QSize least) {
  preview_ = new JointPreview;
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setRenderer([this](DrawingSurface& s, int w, int h) {
    if (preview_invalid_) DrawInvalidInputPreview(s, w, h);
    else drawPreview(s, w, h);
  });
  preview_->setPictureSizes(preferred, least);
}

JointDialogButtons AddJointDialogButtons(QHBoxLayout* row) {
  JointDialogButtons b;
  b.draw = new QPushButton(QCoreApplication::translate("traxen::JointDialogs", "JOONISTA"));
  b.draw->setObjectName(QStringLiteral("drawButton"));
  b.ok = new QPushButton(QStringLiteral("OK"));
  b.ok->setObjectName(QStringLiteral("okButton"));
  b.ok->setDefault(true);
  b.cancel = new QPushButton(QCoreApplication::translate("traxen::JointDialogs", "Loobu"));
  b.cancel->setObjectName(QStringLiteral("cancelButton"));
  row->addWidget(b.draw);
  row->addWidget(b.ok);
  row->addWidget(b.cancel);
  return b;
}

void JointDialog::addButtons(QHBoxLayout* row) {
  const JointDialogButtons b = AddJointDialogButtons(row);
  draw_button_ = b.draw;
  ok_button_ = b.ok;
  cancel_button_ = b.cancel;
}

void JointDialog::setMainLayout(QVBoxLayout* right) { SetJointDialogLayout(this, preview_, right); }

void JointDialog::showAndConnect(std::initializer_list<QCheckBox*> toggles) {
  edits_.show();
  followCheckBoxes();
  for (SectionPicker* picker : pickers_) {
    connect(picker, &SectionPicker::sectionChanged, this, &JointDialog::onSectionChanged);
    connect(picker, &SectionPicker::libraryFailed, this, &JointDialog::onLibraryFailed);
    connect(picker, &SectionPicker::problemChanged, this, &JointDialog::showPicture);
  }
  for (QCheckBox* box : toggles) connect(box, &QCheckBox::toggled, this, &JointDialog::onPlateToggled);
  edits_.markOnLeaving(this);
  for (QLineEdit* edit : edits_.edits()) connect(edit, &QLineEdit::editingFinished, this, &JointDialog::onEditFinished);
  connect(draw_button_, &QPushButton::clicked, this, &JointDialog::redraw);
  connect(ok_button_, &QPushButton::clicked, this, &JointDialog::accept);
  connect(cancel_button_, &QPushButton::clicked, this, &JointDialog::reject);
}

LibraryError JointDialog::initialise() {
  std::vector<std::string> types;
  if (LibraryError e = library_.LoadTypeList(types)) return e;
  for (SectionPicker* picker : pickers_) picker->setTypeNames(types);
  const std::vector<StoredSection> stored = storedSections();
  for (std::size_t i = 0; i < pickers_.size() && i < stored.size(); ++i)
    if (LibraryError e = pickers_[i]->restore(stored[i].type_index, stored[i].number_index)) return e;
  takeSections();
  showPicture();
  return {};
}

QString JointDialog::sectionTypeProblems() const {
  QStringList lines;
  for (const SectionPicker* picker : pickers_)
    if (!picker->typeProblem().isEmpty()) lines << picker->typeProblem();
  if (lines.isEmpty()) return {};
  if (!source_file_.isEmpty()) lines.prepend(source_file_ + QStringLiteral(":"));
  return lines.join(QLatin1Char('\n'));
}

void JointDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  // Said once the dialog is on screen, over the marked type box it is about.
  if (!sectionTypeProblems().isEmpty())
    QTimer::singleShot(0, this, [this] { ShowDialogMessage(this, sectionTypeProblems()); });
}

bool JointDialog::inputValid() const {
  for (QLineEdit* edit : edits_.edits())
    if (!edits_.problemOf(edit).isEmpty()) return false;
  for (const SectionPicker* picker : pickers_)
    if (!picker->hasSection() || !picker->typeProblem().isEmpty() || !picker->numberProblem().isEmpty()) return false;
  return true;
}

void JointDialog::showPicture() {
  // An old drawing beside changed fields would show a joint the input no longer describes.
  preview_invalid_ = !inputValid();
  if (preview_invalid_) preview_->update();
  else refresh();
}

void JointDialog::refuse(QWidget* field, const QString& problem) {
  ShowDialogMessage(this, problem);
  field->setFocus(Qt::OtherFocusReason);
  if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) combo->lineEdit()->selectAll();
}

void DrawInvalidInputPreview(DrawingSurface& surface, int width, int height) {
  surface.setPen({PenStyle::Solid, 0, kWhite});
  surface.setBrush(kWhite);
  surface.drawRect({0, 0}, {width, height});
  const Font font{"Arial", 28, 700};
  surface.setFont(font);
  surface.setTextColor(kRed);
  surface.setBackgroundColor(kWhite);
  const std::string text = QCoreApplication::translate("traxen::JointDialog", kInvalidInputText).toStdString();
  const int text_width = surface.textWidth(text);
  surface.drawText({(width - text_width) / 2, (height - font.height) / 2}, text);
}

void JointDialog::followCheckBoxes() {
  for (const PlateRow* row : plate_rows_) row->followCheckBox(edits_);
}

void JointDialog::onSectionChanged() {
  edits_.readOrComplain(this);
  takeSections();
  showPicture();
}

void JointDialog::onLibraryFailed(const LibraryError& error) {
  ShowDialogMessage(this, LibraryErrorText(error, QStringLiteral(" ")));
}

void JointDialog::onEditFinished() {
  edits_.read();
  showPicture();
}

void JointDialog::onPlateToggled() {
  followCheckBoxes();
  edits_.readOrComplain(this);
  showPicture();
}

void JointDialog::redraw() {
  edits_.readOrComplain(this);
  showPicture();
}

void JointDialog::accept() {
  // A section number typed but not yet taken counts as chosen; a name the list does not
  // have is refused, never passed by with the previous section.
  for (SectionPicker* picker : pickers_)
    if (!picker->applyTypedNumber()) return refuse(picker->numberCombo(), picker->numberProblem());
  for (SectionPicker* picker : pickers_)
    if (!picker->typeProblem().isEmpty()) return refuse(picker->typeCombo(), picker->typeProblem());
  if (!edits_.readOrComplain(this)) return;
  takeSections();
  refresh();
  confirm();
  QDialog::accept();
}

}  // namespace traxen

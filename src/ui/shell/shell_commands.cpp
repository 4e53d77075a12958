// The shell's command table. Texts, mnemonics and shortcuts are the ones users have learnt;
// every entry of a menu has its own mnemonic letter, as a letter two entries share only moves
// the highlight between them.
#include "ui/shell/shell_commands.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QStatusBar>
#include <QUndoGroup>

#include "families/joint_family.h"
#include "ui/shell/app_settings.h"
#include "ui/shell/appearance.h"
#include "ui/shell/family_texts.h"
#include "ui/shell/joint_table_window.h"
#include "ui/shell/main_window.h"
#include "ui/shell/report_view.h"

namespace traxen {

namespace {
// The commands' texts are looked up each time the table is built, in the interface's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(traxen::ShellCommands)
};
}  // namespace

bool Always(const ShellState&) { return true; }
bool Never(const ShellState&) { return false; }
bool DocumentActive(const ShellState& s) { return s.document_active; }
bool CanUndo(const ShellState& s) { return s.can_undo; }
bool CanRedo(const ShellState& s) { return s.can_redo; }

QString PlainText(QString text) {
  text.remove(QLatin1Char('&'));
  return text.remove(QStringLiteral("...")).trimmed();
}

QString StatusTipOf(const ShellCommand& command) {
  return PlainText(command.tooltip.isEmpty() ? command.text : command.tooltip);
}

std::vector<ShellMenuInfo> ShellMenus() {
  return {
      {ShellMenu::kFile, "fileMenu", Texts::tr("&Fail")},
      {ShellMenu::kEdit, "editMenu", Texts::tr("&Muuda")},
      {ShellMenu::kMaterial, "materialMenu", Texts::tr("Ma&terjal")},
      {ShellMenu::kJobInfo, "jobInfoMenu", Texts::tr("Ülesande &info")},
      {ShellMenu::kJoints, "jointsMenu", Texts::tr("&Sõlmede tüübid")},
      {ShellMenu::kView, "viewMenu", Texts::tr("&Vaade")},
      {ShellMenu::kWindow, "windowMenu", Texts::tr("&Aken")},
      {ShellMenu::kHelp, "helpMenu", Texts::tr("A&bi")},
      {ShellMenu::kToolbars, "toolbarMenu", Texts::tr("&Tööriista riba ja akende dokkimine"), ShellMenu::kView,
       "viewToolbars"},
      {ShellMenu::kAppearance, "appearanceMenu", Texts::tr("Programmi k&ujundus"), ShellMenu::kView,
       "viewAppearance"},
      {ShellMenu::kReportLanguage, "reportLanguageMenu", Texts::tr("&Aruande keel"), ShellMenu::kView,
       "viewReportLanguage"},
  };
}

void AppendJointFamilyCommands(std::vector<ShellCommand>& table, const std::vector<JointFamilyCommands>& families) {
  for (const JointFamilyCommands& family : families) {
    const QByteArray name(family.name);
    const int dialog = family.dialog;
    const auto run = [dialog](MainWindow& w) { w.editJoint(dialog); };

    ShellCommand entry;
    entry.name = name + "Joints";
    entry.text = family.menu_text;
    entry.menu = ShellMenu::kJoints;
    entry.enabled = dialog ? DocumentActive : Never;
    if (dialog) entry.run = run;
    table.push_back(std::move(entry));

    if (family.button_text.isEmpty()) continue;
    ShellCommand button;
    button.name = name + "JointsButton";
    button.text = family.button_text;
    button.tooltip = family.button_tooltip;
    button.toolbar = ShellToolBar::kJob;
    button.toolbar_group = family.button_group;
    button.enabled = dialog ? DocumentActive : Never;
    if (dialog) button.run = run;
    table.push_back(std::move(button));
  }
}

namespace {

using Kind = ShellCommand::Kind;
using Menu = ShellMenu;
using Bar = ShellToolBar;

std::vector<ShellCommand> FileCommands() {
  std::vector<ShellCommand> t;
  t.push_back({.name = "fileNew", .text = Texts::tr("&Uus"), .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_N)},
               .icon = PaintedPicture::kNewPage, .tooltip = Texts::tr("Uus töö"), .menu = Menu::kFile,
               .toolbar = Bar::kStandard, .run = [](MainWindow& w) { w.newDocumentWindow(); }});
  t.push_back({.name = "fileOpen", .text = Texts::tr("&Ava..."), .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_O)},
               .icon = PaintedPicture::kOpenFolder, .tooltip = Texts::tr("Ava projektifail"),
               .menu = Menu::kFile, .toolbar = Bar::kStandard, .run = [](MainWindow& w) { w.askAndOpenFile(); }});
  t.push_back({.name = "fileImportJointTable", .text = Texts::tr("&Impordi sõlmede tabel..."),
               .tooltip = Texts::tr("Sõrestiku sõlmed CSV-tabelist"), .menu = Menu::kFile,
               .run = [](MainWindow& w) { ImportJointTable(&w); }});
  t.push_back({.name = "fileClose", .text = Texts::tr("Su&le"), .menu = Menu::kFile, .enabled = DocumentActive,
               .run = [](MainWindow& w) { w.mdiArea()->closeActiveSubWindow(); }});
  t.push_back({.name = "fileSave", .text = Texts::tr("&Salvesta"),
               .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_S)},
               .icon = PaintedPicture::kSaveDisk, .tooltip = Texts::tr("Salvesta töö"), .menu = Menu::kFile,
               .menu_group = 1, .toolbar = Bar::kStandard, .enabled = DocumentActive,
               .run = [](MainWindow& w) {
                 if (ReportView* v = w.activeView()) w.save(v);
               }});
  t.push_back({.name = "fileSaveAs", .text = Texts::tr("Salvesta &nagu..."), .menu = Menu::kFile,
               .menu_group = 1, .enabled = DocumentActive,
               .run = [](MainWindow& w) {
                 if (ReportView* v = w.activeView()) w.saveAs(v);
               }});
  t.push_back({.name = "fileExportPdf", .text = Texts::tr("&Ekspordi PDF..."),
               .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_E)}, .menu = Menu::kFile, .menu_group = 1,
               .enabled = DocumentActive, .run = [](MainWindow& w) { w.exportPdf(); }});
  t.push_back({.name = "filePrint", .text = Texts::tr("&Prindi..."),
               .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_P)},
               .icon = PaintedPicture::kPrinter, .tooltip = Texts::tr("Prindi aruanne"), .menu = Menu::kFile,
               .menu_group = 2, .toolbar = Bar::kStandard, .toolbar_group = 2, .enabled = DocumentActive,
               .run = [](MainWindow& w) { w.print(); }});
  t.push_back({.name = "filePrintPreview", .text = Texts::tr("Prin&timise eelvaade..."), .menu = Menu::kFile,
               .menu_group = 2, .enabled = DocumentActive, .run = [](MainWindow& w) { w.printPreview(); }});
  t.push_back({.name = "filePrintSetup", .text = Texts::tr("P&rinteri valik..."), .menu = Menu::kFile,
               .menu_group = 2, .run = [](MainWindow& w) { w.printerSetup(); }});
  t.push_back({.kind = Kind::kRecentFiles, .name = "recentFiles", .menu = Menu::kFile, .menu_group = 3});
  t.push_back({.name = "fileExit", .text = Texts::tr("&Välju"), .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Q)},
               .menu = Menu::kFile, .menu_group = 4, .run = [](MainWindow& w) { w.close(); }});
  return t;
}

std::vector<ShellCommand> EditCommands() {
  std::vector<ShellCommand> t;
  t.push_back({.name = "editUndo", .text = Texts::tr("&Võta tagasi"),
               .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Z)}, .menu = Menu::kEdit, .enabled = CanUndo,
               .run = [](MainWindow& w) { w.undoGroup()->undo(); }});
  t.push_back({.name = "editRedo", .text = Texts::tr("&Tee uuesti"),
               .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Y)}, .menu = Menu::kEdit, .enabled = CanRedo,
               .run = [](MainWindow& w) { w.undoGroup()->redo(); }});
  // Cutting and pasting have nothing to work on: the buttons are there as users know them.
  t.push_back({.name = "editCut", .text = Texts::tr("&Lõika"), .toolbar = Bar::kStandard, .toolbar_group = 1,
               .enabled = Never});
  t.push_back({.name = "editCopy", .text = Texts::tr("&Kopeeri"), .shortcuts = {QKeySequence(QKeySequence::Copy)},
               .tooltip = Texts::tr("Kopeeri nähtav lehekülg pildi ja PDF-ina"), .menu = Menu::kEdit,
               .menu_group = 1, .toolbar = Bar::kStandard, .toolbar_group = 1, .enabled = DocumentActive,
               .run = [](MainWindow& w) {
                 if (ReportView* v = w.activeView()) v->copyVisiblePage();
               }});
  t.push_back({.name = "editPaste", .text = Texts::tr("K&leebi"), .toolbar = Bar::kStandard, .toolbar_group = 1,
               .enabled = Never});
  return t;
}

std::vector<ShellCommand> JobCommands() {
  std::vector<ShellCommand> t;
  t.push_back({.name = "steelData", .text = Texts::tr("&Terase andmed"), .menu = Menu::kMaterial,
               .enabled = DocumentActive, .run = [](MainWindow& w) { w.editSteel(); }});
  t.push_back({.name = "memberLengths", .text = Texts::tr("&Varraste pikkused"), .menu = Menu::kMaterial,
               .enabled = DocumentActive, .run = [](MainWindow& w) { w.editLengths(); }});
  t.push_back({.name = "jobInfo", .text = Texts::tr("&Info sisestamine"), .menu = Menu::kJobInfo,
               .enabled = DocumentActive, .run = [](MainWindow& w) { w.editJobInfo(); }});
  t.push_back({.name = "jobInfoButton", .text = Texts::tr("INFO"),
               .tooltip = Texts::tr("Ülesande andmete sisestus"), .toolbar = Bar::kJob,
               .enabled = DocumentActive, .run = [](MainWindow& w) { w.editJobInfo(); }});
  t.push_back({.name = "steelDataButton", .text = Texts::tr("TERAS"), .tooltip = Texts::tr("Terase andmed"),
               .toolbar = Bar::kJob, .enabled = DocumentActive, .run = [](MainWindow& w) { w.editSteel(); }});
  t.push_back({.name = "memberLengthsButton", .text = Texts::tr("VARDAD"),
               .tooltip = Texts::tr("Varraste pikkused"), .toolbar = Bar::kJob, .enabled = DocumentActive,
               .run = [](MainWindow& w) { w.editLengths(); }});
  return t;
}

// The joint families of the registry, each with its button on the job toolbar in a group of
// its own. The reinforced rectangular entries follow the K/N family, present without action
// and without an underline, so X and K stay single keys in the menu.
std::vector<JointFamilyCommands> ShellJointFamilies() {
  std::vector<JointFamilyCommands> rows;
  int group = 0;
  for (const JointFamily& f : JointFamilies()) {
    const FamilyDesktopTexts texts = DesktopTextsOf(f);
    rows.push_back({f.command_name.data(), f.info.dialog, texts.menu, texts.button, texts.tip, ++group});
    if (f.info.id == JobFamilyId::kKn) {
      rows.push_back({"knReinforced", 0, Texts::tr("KN tugevdatud sõlmed"), {}, {}});
      rows.push_back({"tyxReinforced", 0, Texts::tr("X,Y ja T tugevdatud sõlmed"), {}, {}});
    }
  }
  return rows;
}

std::vector<ShellCommand> ViewCommands() {
  std::vector<ShellCommand> t;
  t.push_back({.kind = Kind::kSubmenu, .name = "viewToolbars", .menu = Menu::kView, .submenu = Menu::kToolbars});
  t.push_back({.name = "viewStatusBar", .text = Texts::tr("&Oleku riba"), .menu = Menu::kView, .checkable = true,
               .checked_at_start = [] { return true; },
               .toggle = [](MainWindow& w, bool on) { w.statusBar()->setVisible(on); }});
  t.push_back({.name = "viewCaptionBar", .text = Texts::tr("&Pealkirja riba"), .menu = Menu::kView,
               .checkable = true, .checked_at_start = [] { return true; },
               .toggle = [](MainWindow& w, bool on) { w.showCaptionBar(on); }});
  t.push_back({.name = "viewBraceWelds", .text = Texts::tr("&Keevisõmblused aruandes"), .menu = Menu::kView,
               .checkable = true, .checked_at_start = [] { return AppSettings::braceWelds(); },
               .toggle = [](MainWindow& w, bool on) { w.showBraceWelds(on); }});
  const auto zoom = [](const char* name, QString text, QList<QKeySequence> keys, void (ReportView::*command)()) {
    return ShellCommand{.name = name, .text = std::move(text), .shortcuts = std::move(keys), .menu = Menu::kView,
                        .menu_group = 1, .enabled = DocumentActive,
                        .run = [command](MainWindow& w) { w.zoomCommand(command); }};
  };
  t.push_back(zoom("viewZoomIn", Texts::tr("Suu&renda"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                   &ReportView::zoomIn));
  t.push_back(zoom("viewZoomOut", Texts::tr("Vä&henda"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                   &ReportView::zoomOut));
  t.push_back(zoom("viewActualSize", Texts::tr("Tegelik suurus"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                   &ReportView::zoomToActualSize));
  t.push_back(zoom("viewFitPage", Texts::tr("Sobita leht"), {}, &ReportView::fitPage));
  t.push_back(zoom("viewFitWidth", Texts::tr("Sobita laius"), {}, &ReportView::fitWidth));
  t.push_back({.kind = Kind::kSubmenu, .name = "viewAppearance", .menu = Menu::kView, .menu_group = 2,
               .submenu = Menu::kAppearance});
  t.push_back({.kind = Kind::kSubmenu, .name = "viewReportLanguage", .menu = Menu::kView, .menu_group = 2,
               .submenu = Menu::kReportLanguage});
  // One of the two languages is always chosen.
  const auto choose = [](ReportLanguage lang) { return [lang](MainWindow& w) { w.setReportLanguage(lang); }; };
  t.push_back({.name = "viewReportEstonian", .text = Texts::tr("&Eesti"), .menu = Menu::kReportLanguage,
               .checkable = true, .radio = true,
               .checked_at_start = [] { return AppSettings::reportLanguage() == ReportLanguage::kEstonian; },
               .run = choose(ReportLanguage::kEstonian)});
  t.push_back({.name = "viewReportEnglish", .text = Texts::tr("E&nglish"), .menu = Menu::kReportLanguage,
               .checkable = true, .radio = true,
               .checked_at_start = [] { return AppSettings::reportLanguage() == ReportLanguage::kEnglish; },
               .run = choose(ReportLanguage::kEnglish)});
  for (const Appearance& look : Appearances()) {
    t.push_back({.name = "look" + QByteArray::number(look.id), .text = QString::fromUtf8(look.menu_text),
                 .menu = Menu::kAppearance, .checkable = true, .radio = true, .data = look.id,
                 .run = [id = look.id](MainWindow& w) { w.setAppearance(id); }});
  }
  return t;
}

std::vector<ShellCommand> WindowCommands() {
  std::vector<ShellCommand> t;
  t.push_back({.name = "windowNew", .text = Texts::tr("&Uus aken"), .menu = Menu::kWindow,
               .enabled = DocumentActive, .run = [](MainWindow& w) { w.newWindowOnActive(); }});
  t.push_back({.name = "windowTile", .text = Texts::tr("&Kõrvuti"), .menu = Menu::kWindow,
               .run = [](MainWindow& w) { w.mdiArea()->tileSubWindows(); }});
  t.push_back({.name = "windowCascade", .text = Texts::tr("&Astmeliselt"), .menu = Menu::kWindow,
               .run = [](MainWindow& w) { w.cascadeWindows(); }});
  t.push_back({.name = "windowNext", .text = Texts::tr("&Järgmine aken"), .shortcuts = {QKeySequence(Qt::Key_F6)},
               .menu = Menu::kWindow, .menu_group = 1,
               .run = [](MainWindow& w) { w.mdiArea()->activateNextSubWindow(); }});
  t.push_back({.name = "windowPrevious", .text = Texts::tr("&Eelmine aken"),
               .shortcuts = {QKeySequence(Qt::SHIFT | Qt::Key_F6)}, .menu = Menu::kWindow, .menu_group = 1,
               .run = [](MainWindow& w) { w.mdiArea()->activatePreviousSubWindow(); }});
  t.push_back({.kind = Kind::kWindowList, .name = "windowList", .menu = Menu::kWindow, .menu_group = 2});
  return t;
}

std::vector<ShellCommand> HelpCommands() {
  std::vector<ShellCommand> t;
  t.push_back({.name = "helpManual", .text = Texts::tr("&Kasutusjuhend"), .shortcuts = {QKeySequence(Qt::Key_F1)},
               .menu = Menu::kHelp, .run = [](MainWindow& w) { w.showManual(); }});
  t.push_back({.name = "helpAbout", .text = Texts::tr("&TRAXEN TEAVE.."), .icon = PaintedPicture::kQuestion,
               .tooltip = Texts::tr("Programmi info"), .menu = Menu::kHelp, .toolbar = Bar::kStandard,
               .toolbar_group = 3, .run = [](MainWindow& w) { w.about(); }});
  return t;
}

}  // namespace

std::vector<ShellCommand> ShellCommands() {
  std::vector<ShellCommand> table;
  for (auto part : {FileCommands, EditCommands, JobCommands}) {
    std::vector<ShellCommand> rows = part();
    std::move(rows.begin(), rows.end(), std::back_inserter(table));
  }
  AppendJointFamilyCommands(table, ShellJointFamilies());
  for (auto part : {ViewCommands, WindowCommands, HelpCommands}) {
    std::vector<ShellCommand> rows = part();
    std::move(rows.begin(), rows.end(), std::back_inserter(table));
  }
  return table;
}

}  // namespace traxen

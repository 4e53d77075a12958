// One record per joint family: what the Job record knows of it (model/job_family.h), its
// checks, its report with its title and schematic, and how the programs offer it (the
// joint dialog's number, the menu and toolbar texts, the undo step, `traxen-cli new`'s
// names). The report dispatcher, traxen-cli and the desktop shell look a family up here
// instead of asking which one a job is; a new family is its own folder under joints/ plus
// one line in families/registry.cpp.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "joints/welds/brace_welds.h"
#include "model/job.h"
#include "model/job_family.h"
#include "model/messages.h"
#include "model/report_inputs.h"
#include "report/check_summary.h"
#include "report/report_canvas.h"
#include "report/report_language.h"

namespace traxen {

// What a family's report is drawn from: the job, the document's working values (the RHS
// families print from their copy of them) and the joint dialog confirmed last (a T/Y/X
// schematic is drawn only after its own dialog).
struct FamilyJob {
  const Job& job;
  const ReportInputs& working;
  int last_dialog = 0;
};

struct JointFamily {
  const JobFamilyInfo& info;  // the Job record's side: flag, group, dialog number, members, example
  // Desktop texts, Estonian as the program shows them, "&" before the mnemonic.
  std::string_view menu_text;     // under "Sõlmede tüübid"
  std::string_view toolbar_text;  // the job toolbar's button
  std::string_view toolbar_tip;   // its tooltip
  std::string_view undo_text;     // the undo step of the dialog's OK
  // The same in English: the menu's mnemonics stay unique in English too.
  std::string_view menu_text_en;
  std::string_view toolbar_text_en;
  std::string_view toolbar_tip_en;
  std::string_view undo_text_en;
  std::string_view command_name;  // "tyx": the actions are "tyxJoints" and "tyxJointsButton"
  std::string_view new_help;      // `traxen-cli new`'s names of the family and its variant, explained
  // How the truss summary's family column names a joint of the family, and one of its variant
  // ("T/Y" and "X").
  std::string_view summary_name;
  std::string_view summary_variant_name = {};

  // The report's values without drawing: what `traxen-cli check` reports.
  CheckSummary (*check)(const FamilyJob& job, ReportLanguage language);
  // The family's title, schematic and report below page 1's header; returns what it printed.
  CheckSummary (*render)(ReportCanvas& canvas, const FamilyJob& job, bool sketch);
  // The full-strength weld of each of the joint's braces, in brace order.
  std::vector<BraceWeld> (*welds)(const Job& job);
  // The page header's first line, which names the tubes.
  ReportTextKey header_title = ReportTextKey::kHeaderTitle;
};

// A family's desktop texts in one language: Estonian, the program's own, or English.
struct JointFamilyTexts {
  std::string_view menu_text, toolbar_text, toolbar_tip, undo_text;
};
JointFamilyTexts JointFamilyTextsIn(const JointFamily& family, Language language);

// Every family in the order the menus, the toolbar and `traxen-cli new` list them.
std::span<const JointFamily> JointFamilies();

// The family of the job (nullptr: none), by group ("tyx"), or by its dialog's number.
const JointFamily* JointFamilyOf(const Job& job);
const JointFamily* FindJointFamily(std::string_view group);
const JointFamily* JointFamilyOfDialog(int dialog);

// The welds of the job's braces as its family lists them; none without a family.
std::vector<BraceWeld> ComputeBraceWelds(const Job& job);

}  // namespace traxen

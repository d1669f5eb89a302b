#include "gui/replace_question.h"

#include <QString>

#include "gui/message_box.h"

namespace drawlyze::gui {

bool MayReplace(const updater::CandidateDecision& decision, QWidget* parent) {
  switch (decision.verdict) {
    case updater::Verdict::Install:
      return true;
    case updater::Verdict::Refuse:
      ShowMessage("Error - " + QString::fromStdString(decision.reason), parent);
      return false;
    case updater::Verdict::Ask:
      break;
  }
  return AskYesNo(QString::fromStdString(updater::ReplaceQuestion(decision)), parent);
}

}  // namespace drawlyze::gui

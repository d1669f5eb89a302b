#include "core/plays/plays_report.h"

#include "core/export/export_text.h"
#include "core/import/import.h"
#include "core/plays/prizes.h"

namespace drawlyze::plays {

namespace {

std::string DrawnText(int drawn) { return NumberText(BetType::Straight, drawn); }

std::string Plural(long long n, const char* one, const char* many) {
  return CountText(n) + ' ' + (n == 1 ? one : many);
}

std::string HistoryLine(const PlaysReport& report, const DrawHistory& history) {
  const int count = history.Count();
  std::string line = "History: " + report.historyName + ", " + Plural(count, "draw", "draws");
  if (count > 0)
    line += ", " + history.DateText(count - 1) + ' ' + history.TimeText(count - 1) + " to " + history.DateText(0) +
            ' ' + history.TimeText(0);
  if (report.check.undatedDraws > 0)
    line += " (" + Plural(report.check.undatedDraws, "draw has", "draws have") +
            " a date that names no day and is left out)";
  return line;
}

}  // namespace

PlaysReport MakePlaysReport(std::string playsName, std::string historyName, PlaysFile file, PrizeTable table,
                            const DrawHistory& history, const LuckOptions& luck) {
  PlaysReport report;
  report.playsName = std::move(playsName);
  report.historyName = std::move(historyName);
  report.file = std::move(file);
  report.table = std::move(table);
  report.check = CheckPlays(history, report.file.plays, report.table);
  report.totals = TotalsOf(report.check);
  report.luck = LuckOf(report.check, report.table, luck);
  return report;
}

std::string CoveredDrawText(const DrawHistory& history, const CoveredDraw& draw) {
  if (draw.index < 0) return "pending";
  return PlayDateText(draw.day) + ' ' + history.TimeText(draw.index);
}

std::string PlayText(const Play& play) {
  std::string text = std::string(BetName(play.bet)) + ' ' + NumberText(play.bet, play.number);
  if (!IsPair(play.bet) && play.bet != BetType::Straight)
    text += " (" + std::string(KindName(KindOf(play.number))) + ")";
  text += ", " + MoneyText(play.amount);
  if (play.bet == BetType::Combination)
    text += " an order (" + MoneyText(PlayCost(play.bet, play.number, play.amount)) + ")";
  const std::string time =
      play.time == DrawTime::Unknown ? std::string() : std::string(import::TimeToken(play.time)) + ' ';
  text += " a draw for " + (play.draws == 1 ? "1 " + time + "draw" : CountText(play.draws) + ' ' + time + "draws") +
          " from " + PlayDateText(play.date);
  return text;
}

std::string OutcomeText(const CoveredDraw& draw) {
  switch (draw.outcome) {
    case Outcome::Win:
      return "won " + MoneyText(draw.prize);
    case Outcome::Loss:
      return "lost";
    case Outcome::Pending:
      break;
  }
  return "pending";
}

std::string StateText(const PlayCheck& play, const PlaysCheck& check, const DrawHistory& history) {
  switch (play.state) {
    case PlayState::OutsideHistory: {
      const int oldest = check.oldest;
      return "outside the history: it begins with " + history.DateText(oldest) + ' ' + history.TimeText(oldest) +
             ", after this play's first draw";
    }
    case PlayState::NoSuchDrawTime:
      return "the history holds no " + std::string(import::TimeToken(play.play.time)) + " draw";
    case PlayState::Checked:
      break;
  }
  if (play.settled == 0) return "pending";
  std::string text = "cost " + MoneyText(play.cost) + ", won " + MoneyText(play.won) + " (expected " +
                     MoneyText(play.expected) + "), net " + SignedMoneyText(play.won - play.cost);
  if (play.Pending() > 0)
    text += "; " + Plural(play.Pending(), "draw", "draws") + " pending, " +
            MoneyText(play.costPerDraw * play.Pending()) + " at stake";
  return text;
}

std::vector<std::string> TotalsLines(const PlaysReport& report) {
  const PlayTotals& t = report.totals;
  std::vector<std::string> lines;
  std::string head =
      "Totals over " + Plural(t.settledDraws, "drawn draw", "drawn draws") + " of " + Plural(t.plays, "play", "plays");
  std::string notes;
  if (t.pendingDraws > 0)
    notes += Plural(t.pendingDraws, "draw", "draws") + " pending, " + MoneyText(t.pendingCost) + " at stake";
  if (t.notChecked > 0) notes += (notes.empty() ? "" : "; ") + Plural(t.notChecked, "play", "plays") + " not checked";
  lines.push_back(head + (notes.empty() ? ":" : " (" + notes + "):"));
  lines.push_back("  Cost " + MoneyText(t.cost) + ", won " + MoneyText(t.won) + " (expected " + MoneyText(t.expected) +
                  "), net " + SignedMoneyText(t.Net()) + " (expected " + SignedMoneyText(t.ExpectedNet()) + ")");
  lines.push_back("  Return per 1.00 played: " + MoneyText(t.ReturnPer1() * kOneUnit) + " (expected " +
                  MoneyText(t.ExpectedReturnPer1() * kOneUnit) + ")");
  for (std::string& line : LuckLines(report.luck)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> PlaysReportLines(const PlaysReport& report, const DrawHistory& history) {
  std::vector<std::string> lines;
  std::string first =
      "Plays: " + report.playsName + ", " + Plural(static_cast<long long>(report.file.plays.size()), "play", "plays");
  if (!report.file.bad.empty())
    first += " (" + Plural(static_cast<long long>(report.file.bad.size()), "bad row", "bad rows") +
             " left out, listed at the end)";
  lines.push_back(first);
  lines.push_back(HistoryLine(report, history));
  lines.push_back("Prize table: " + report.table.source + ". " + std::string(kPrizeTableWarning));
  lines.push_back("");
  for (const PlayCheck& play : report.check.plays) {
    lines.push_back("Line " + std::to_string(play.play.line) + ": " + PlayText(play.play) + "; expected " +
                    MoneyText(play.expectedPerDraw) + " of " + MoneyText(play.costPerDraw) + " a draw");
    for (const CoveredDraw& draw : play.draws) {
      if (draw.index < 0) {
        lines.push_back("  pending");
        continue;
      }
      lines.push_back("  " + CoveredDrawText(history, draw) + "  drawn " + DrawnText(draw.drawn) + "  " +
                      OutcomeText(draw));
    }
    lines.push_back("  " + StateText(play, report.check, history));
  }
  if (!report.check.plays.empty()) lines.push_back("");
  for (std::string& line : TotalsLines(report)) lines.push_back(std::move(line));
  if (!report.file.bad.empty()) {
    lines.push_back("");
    lines.push_back("Bad rows (left out):");
    for (const BadRow& bad : report.file.bad) lines.push_back("  line " + std::to_string(bad.line) + ": " + bad.reason);
  }
  return lines;
}

std::string PlaysCsv(const PlaysReport& report, const DrawHistory& history) {
  std::string out = "play,date,draw,bet,number,amount,drawn,prize\r\n";
  for (const PlayCheck& play : report.check.plays) {
    const std::string line = std::to_string(play.play.line), number = NumberText(play.play.bet, play.play.number);
    const std::string amount = MoneyText(play.play.amount);
    for (const CoveredDraw& draw : play.draws) {
      const bool drawn = draw.index >= 0;
      const std::string date = drawn ? PlayDateText(draw.day) : std::string();
      const std::string time = drawn ? history.TimeText(draw.index) : std::string();
      const std::string number2 = drawn ? DrawnText(draw.drawn) : std::string();
      const std::string prize = MoneyText(draw.prize);
      out += CsvRecord({line, date, time, BetName(play.play.bet), number, amount, number2, prize});
    }
  }
  return out;
}

}  // namespace drawlyze::plays

// The wording of every column decision and use, in one place.
#include "core/import/column_mapping.h"

namespace drawlyze::import {

namespace {

std::string Values(int n) { return std::to_string(n) + (n == 1 ? " value" : " values"); }

std::string Count(int part, int whole) { return std::to_string(part) + " of " + std::to_string(whole); }

const char* TimeWord(DrawTime time) {
  switch (time) {
    case DrawTime::Morning:
      return "morning ";
    case DrawTime::Midday:
      return "midday ";
    case DrawTime::Evening:
      return "evening ";
    case DrawTime::Night:
      return "night ";
    case DrawTime::Unknown:
      break;
  }
  return "";
}

std::string Chosen(const Reason& r) { return r.chosen ? "as chosen; " : ""; }

// ", month first: a day above 12 stands second in 3 values"
std::string OrderText(const Reason& r) {
  const bool dayFirst = r.order == DayOrder::DayFirst;
  const std::string first = dayFirst ? ", day first" : ", month first";
  switch (r.orderFound) {
    case OrderFound::None:
      return "";
    case OrderFound::Chosen:
      return first + " as chosen";
    case OrderFound::DayAbove12:
      return first + ": a day above 12 stands " + (dayFirst ? "first" : "second") + " in " + Values(r.orderCount);
    case OrderFound::Header:
      return first + " as the header says";
    case OrderFound::Headers:
      return first + " as the headers say";
    case OrderFound::AfterYear:
      return ", month first after the year";
    case OrderFound::BothWays:
      return ", written both ways";
    case OrderFound::Unknown:
      break;
  }
  return ", day and month order unknown";
}

// "; the draw time comes from \"Draw\""
std::string TimeFrom(const Reason& r) {
  switch (r.timeFound) {
    case TimeFound::None:
      return "";
    case TimeFound::Column:
      return "; the draw time comes from " + r.timeColumn;
    case TimeFound::Chosen:
      return "; the draw time as chosen";
    case TimeFound::Header:
      return "; the header says " + std::string(Trim(TimeWord(r.time)));
    case TimeFound::HeaderNight:
      return "; the header says night, the later of two draws a day";
    case TimeFound::NamedFirst:
      return "; midday: named first";
    case TimeFound::NamedSecond:
      break;
  }
  return "; evening: named second";
}

}  // namespace

std::string_view ExclusionText(Exclusion excluded) {
  switch (excluded) {
    case Exclusion::Sum:
      return "a sum";
    case Exclusion::Total:
      return "a total";
    case Exclusion::Bonus:
      return "a bonus number";
    case Exclusion::Multiplier:
      return "a multiplier";
    case Exclusion::Jackpot:
      return "a jackpot";
    case Exclusion::Prize:
      return "a prize";
    case Exclusion::Payout:
      return "a payout";
    case Exclusion::Winners:
      return "a count of winners";
    case Exclusion::Amount:
      return "an amount";
    case Exclusion::Sales:
      return "sales";
    case Exclusion::Identifier:
      return "an identifier";
    case Exclusion::Index:
      return "an index";
    case Exclusion::OtherGame:
      return "another game";
    case Exclusion::DrawNumber:
      return "a draw number";
    case Exclusion::None:
      break;
  }
  return "";
}

std::string ReasonText(const Reason& r) {
  const std::string counted = Count(r.part, r.whole);
  switch (r.decision) {
    case Decision::None:
      return "";
    case Decision::Date:
      return "date: " + Chosen(r) + counted + " values are dates (" + DatePicture(r.sample, r.order) + ")" +
             OrderText(r);
    case Decision::Year:
      return "date, year: " + Chosen(r) + counted + " values are years";
    case Decision::Month:
      return "date, month: " + Chosen(r) + counted + " values are 1 to 12" + OrderText(r);
    case Decision::DayOfMonth:
      return "date, day: " + Chosen(r) + counted + " values are 1 to 31";
    case Decision::Time:
      return "draw time: " + Chosen(r) + counted + " values say midday or evening";
    case Decision::TimeNamed:
      return "draw time: " + Chosen(r) + counted + " values name a draw time";
    case Decision::Result: {
      std::string text =
          std::string(TimeWord(r.time)) + "result: " + Chosen(r) + counted + " values are three-digit results";
      if (r.shorter > 0) text += ", " + Values(r.shorter) + " with fewer digits read with leading zeros (7 is 007)";
      return text + TimeFrom(r);
    }
    case Decision::Digit:
      return "digit " + std::to_string(r.ball) + " of the " + TimeWord(r.time) + "result: " + Chosen(r) + counted +
             " values are single digits" + TimeFrom(r);
    case Decision::OwnTimes:
      return "not used: each result column has its own draw time";
    case Decision::Empty:
      return "not used: empty";
    case Decision::Excluded:
      return "not used: the header names " + std::string(ExclusionText(r.excluded)) + ", not a pick-3 result";
    case Decision::Money:
      return "not used: amounts of money";
    case Decision::LongNumbers:
      return "not used: numbers of four or more digits (another game)";
    case Decision::OtherDates:
      return "not used: dates; the date comes from " + (r.dateFrom.empty() ? std::string("elsewhere") : r.dateFrom);
    case Decision::DrawTimes:
      return "not used: draw times";
    case Decision::BonusDigits:
      return "not used: single digits beside the chosen results (a bonus number)";
    case Decision::SmallNumbers:
      return "not used: mostly numbers below 100 (a sum or a count, not a result)";
    case Decision::ResultsNotChosen:
      return "not used: three-digit results not chosen";
    case Decision::OtherNumbers:
      return "not used: numbers that are not pick-3 results";
    case Decision::Text:
      break;
  }
  return "not used: text";
}

std::string DescribeUse(const ColumnUse& use) {
  switch (use.role) {
    case ColumnRole::Date:
      return "date";
    case ColumnRole::Month:
      return "date: month";
    case ColumnRole::DayOfMonth:
      return "date: day";
    case ColumnRole::Year:
      return "date: year";
    case ColumnRole::Time:
      return "draw time";
    case ColumnRole::Result:
      return std::string(TimeWord(use.time)) + "result";
    case ColumnRole::Digit:
      return std::string(TimeWord(use.time)) + "result digit " + std::to_string(use.ball);
    case ColumnRole::Unused:
      break;
  }
  return "not used";
}

}  // namespace drawlyze::import

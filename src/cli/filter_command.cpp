// "filter": the Filters window's count, list and backtest on the command line.
#include <ostream>

#include "cli/cli.h"
#include "core/files/whole_file.h"
#include "core/filters/filter_backtest.h"
#include "core/filters/filter_set.h"
#include "core/filters/filter_text.h"
#include "core/plays/prize_table.h"
#include "platform/data_folder.h"

namespace drawlyze::cli {
namespace {

using filters::Filter;

struct FilterRequest {
  std::vector<Filter> filters;
  std::optional<plays::BetType> bet;
  std::optional<plays::Cents> amount;
  bool list = false;
  std::optional<int> backtest;
  std::optional<std::string> set;
  std::uint64_t seed = 1;
  int lists = 1000;
};

bool ReadCount(const std::string& text, long long max, long long& value) {
  if (text.empty() || text.size() > 19) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > max) return false;
  }
  return true;
}

// The words after "filter": its own options, each with its value but --list.
// Returns the usage message, empty when all were understood.
std::string ReadRequest(const Context& ctx, FilterRequest& r, std::vector<std::pair<std::string, std::string>>& typed) {
  const std::vector<std::string>& a = ctx.args;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& arg = a[i];
    if (arg.rfind("--", 0) != 0) return "filter takes options only, not \"" + arg + "\"";
    const std::string name = arg.substr(2);
    if (name == "list") {
      r.list = true;
      continue;
    }
    if (i + 1 >= a.size()) return arg + " needs a value";
    const std::string value = a[++i];
    long long n = 0;
    if (name == "bet") {
      r.bet = filters::ReadListBet(value);
      if (!r.bet) return "--bet needs straight or box: a list is played as one of them";
    } else if (name == "amount") {
      plays::Cents cents = 0;
      if (!plays::ReadMoney(value, cents) || cents <= 0 || cents % plays::kAmountStep != 0 || cents > plays::kMaxAmount)
        return "--amount needs a multiple of 0.50 up to 10000.00 (1.00)";
      r.amount = cents;
    } else if (name == "backtest") {
      if (!ReadCount(value, MAX_DRAWS, n) || n < 1) return "--backtest needs a count of draws 1..10000";
      r.backtest = static_cast<int>(n);
    } else if (name == "set") {
      r.set = value;
    } else if (name == "seed") {
      if (!ReadCount(value, 999999999999LL, n)) return "--seed needs a whole number from 0";
      r.seed = static_cast<std::uint64_t>(n);
    } else if (name == "lists") {
      if (!ReadCount(value, 100000, n) || n < 1000) return "--lists needs a count of random lists 1000..100000";
      r.lists = static_cast<int>(n);
    } else if (filters::IsFilterOption(name)) {
      typed.emplace_back(name, value);
    } else {
      return "filter knows no option " + arg;
    }
  }
  return {};
}

}  // namespace

int RunFilterCommand(Context& ctx) {
  FilterRequest request;
  std::vector<std::pair<std::string, std::string>> typed;
  if (const std::string usage = ReadRequest(ctx, request, typed); !usage.empty()) {
    ctx.err << "drawlyze-cli: " << usage << '\n';
    return kUsage;
  }
  // The set's filters first, then those typed, in the order typed.
  if (request.set) {
    const Result<std::string> text = ReadWholeFile(*request.set);
    if (!text) {
      SayError(ctx, text.Failure());
      return kFailure;
    }
    Result<filters::FilterSet> set = filters::ReadFilterSet(*text, *request.set, ctx.options.last);
    if (!set) {
      ctx.err << "drawlyze-cli: " << set.Failure().subject << " " << set.Failure().detail << '\n';
      return kUsage;
    }
    request.filters = set->filters;
    if (!request.bet) request.bet = set->bet;
    if (!request.amount) request.amount = set->amount;
  }
  for (const auto& [name, value] : typed) {
    Result<Filter> f = filters::ParseFilter(name, value, ctx.options.last);
    if (!f) {
      ctx.err << "drawlyze-cli: " << f.Failure().subject << " " << f.Failure().detail << '\n';
      return kUsage;
    }
    request.filters.push_back(*f);
  }
  if (ctx.options.csv && !request.backtest) {
    ctx.err << "drawlyze-cli: --csv goes with --backtest M\n";
    return kUsage;
  }
  if (request.list && request.backtest) {
    ctx.err << "drawlyze-cli: give --list or --backtest M, not both\n";
    return kUsage;
  }

  DrawModel model;
  if (!LoadModel(ctx, model)) return kFailure;
  if (!CheckRow(ctx, model.history)) return kUsage;
  if (ctx.options.sieve && !LoadSieveOption(ctx, model)) return kFailure;
  plays::PrizeTable table;
  if (!LoadPrizes(ctx, table)) return kFailure;
  const plays::BetType bet = request.bet.value_or(plays::BetType::Straight);
  const plays::Cents amount = request.amount.value_or(plays::kOneUnit);

  const filters::FilterContext context{&model.history, ctx.options.row - 1, &model.sieve, nullptr};
  const filters::ChainResult chain = filters::EvaluateChain(request.filters, context);
  const filters::ListSummary list = filters::SummarizeList(chain.kept, bet, amount, table);
  const std::string why = filters::WhyNothingPasses(request.filters, chain);
  if (!request.list && !request.backtest) {
    for (const std::string& line : filters::SummaryLines(request.filters, chain, list, table)) ctx.out << line << '\n';
    if (!why.empty()) ctx.err << "drawlyze-cli: " << why << '\n';
    return why.empty() ? kOk : kUsage;
  }
  if (!why.empty()) {
    ctx.err << "drawlyze-cli: " << why << '\n';
    return kUsage;
  }
  if (list.plays.empty()) {
    ctx.err << "drawlyze-cli: no box play: the kept numbers are all triples, which cannot be boxed\n";
    return kUsage;
  }
  if (request.list) {
    ctx.out << filters::ListText(list);
    return kOk;
  }
  filters::FilterBacktestOptions options;
  options.draws = *request.backtest;
  options.row = ctx.options.row;
  options.bet = bet;
  options.amount = amount;
  options.randomLists = request.lists;
  options.seed = request.seed;
  options.sieve = &model.sieve;
  Result<filters::FilterBacktestResult> result =
      filters::RunFilterBacktest(model.history, request.filters, options, table);
  if (!result) {
    ctx.err << "drawlyze-cli: the backtest " << result.Failure().detail << '\n';
    return kUsage;
  }
  if (ctx.options.csv) {
    for (const std::string& line : filters::FilterBacktestCsv(model.history, *result)) ctx.out << line << "\r\n";
    return kOk;
  }
  for (const std::string& line : filters::FilterBacktestReport(*result, table)) ctx.out << line << '\n';
  return kOk;
}

}  // namespace drawlyze::cli

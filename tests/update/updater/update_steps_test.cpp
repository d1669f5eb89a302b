#include "update/updater/update_steps.h"

#include <gtest/gtest.h>

#include <set>

#include "update/updater/candidate_check.h"

namespace drawlyze::updater {
namespace {

TEST(ReferenceOf, SchemeAndHostOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"http://results.example.com/pick3/loto3_txt.zip", "http://results.example.com"},
      {"http://results.example.com:8080/a/b", "http://results.example.com:8080"},
      {"https://secure.example.com/x", "https://secure.example.com"},  // the scan starts at the 8th character
      {"http://results.example.com", "http://results.example.com"},
      {"http://", "http://"},
      {"short", "short"},
      {"", ""},
      {"results.example.com/x", "results.example.com"},
  };
  for (const auto& [url, reference] : cases) EXPECT_EQ(ReferenceOf(url), reference) << url;
}

TEST(ArchiveUrl, ADirectoryGetsTheArchiveName) {
  const std::pair<const char*, const char*> cases[] = {
      {"http://results.example.com/pick3/", "http://results.example.com/pick3/loto3_txt.zip"},
      {"http://results.example.com/pick3/loto3_txt.zip", "http://results.example.com/pick3/loto3_txt.zip"},
      {"https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD",
       "https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD"},
      {"", ""},
  };
  for (const auto& [url, archive] : cases) EXPECT_EQ(ArchiveUrl(url, "loto3_txt.zip"), archive) << url;
}

TEST(DownloadName, TheFileTheAddressNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"https://data.ny.gov/api/views/hsys-3def/rows.csv?accessType=DOWNLOAD", "rows.csv"},
      {"http://results.example.com/pick3.csv#top", "pick3.csv"},
      {"http://results.example.com", "the download"},
      {"http://results.example.com/", "the download"},
      {"http://x/a\nb.csv", "a?b.csv"},
  };
  for (const auto& [url, name] : cases) EXPECT_EQ(DownloadName(url), name) << url;
}

TEST(ChooseMember, LastNameContainingLoto) {
  using Names = std::vector<std::string>;
  const std::pair<Names, std::string> cases[] = {
      {{"readme.txt", "loto3.txt"}, "loto3.txt"}, {{"loto3.txt", "readme.txt", "loto3_new.txt"}, "loto3_new.txt"},
      {{"readme.txt", "LOTO3.TXT"}, ""},  // the test is case-sensitive
      {{"data\\loto3.txt"}, "data\\loto3.txt"},   {{}, ""},
  };
  for (const auto& [names, chosen] : cases) EXPECT_EQ(ChooseMember(names), chosen);
}

TEST(BackupName, FirstFreeName) {
  const auto existing = [](std::set<std::string> names) {
    return [names](const std::string& name) { return names.count(name) > 0; };
  };
  EXPECT_EQ(BackupName("3x10.txt", existing({})), "3x10.txt.bak");
  EXPECT_EQ(BackupName("3x10.txt", existing({"3x10.txt.bak"})), "3x10.txt[1].bak");
  EXPECT_EQ(BackupName("3x10.txt", existing({"3x10.txt.bak", "3x10.txt[1].bak"})), "3x10.txt[2].bak");
  EXPECT_EQ(BackupName("3x10.txt", existing({"3x10.txt[1].bak"})), "3x10.txt.bak");
  EXPECT_EQ(BackupName("3x10.txt", [](const std::string&) { return true; }), "3x10.txt[9999].bak");
}

TEST(DateKey, DayMonthYearOrYearFirst) {
  const std::pair<const char*, std::optional<long>> cases[] = {
      {"05.03.2007", 20070305}, {"2007.03.05", 20070305},      {"5.3.07", 20070305},       {"31.12.99", 19991231},
      {"2007", std::nullopt},   {"32.01.2007", std::nullopt},  {"05..2007", std::nullopt}, {"05.03.207", std::nullopt},
      {"", std::nullopt},       {"05.03.2007.1", std::nullopt}};
  for (const auto& [text, key] : cases) EXPECT_EQ(DateKey(text), key) << text;
}

// A draw file's facts: its draws, incorrect lines, newest and first dates.
DrawFileFacts Facts(long long draws, long long incorrect, std::string newest, std::string first = {}) {
  return {draws, incorrect, std::move(newest), std::move(first), {}};
}

SharedDraws Shared(long long shared, long long differing, bool overlapping = true) {
  return {shared, differing, overlapping, "01.01.2020 Mid: 123, the current file 456"};
}

TEST(JudgeCandidate, RefusesAsksOrInstalls) {
  const DrawFileFacts current = Facts(100, 0, "10.01.2020", "01.01.2019");
  struct Case {
    std::uint64_t bytes;
    DrawFileFacts candidate;
    std::optional<DrawFileFacts> current;
    std::optional<SharedDraws> shared;
    Verdict verdict;
    std::string reason;
  };
  const Case cases[] = {
      {kMaxDrawFileBytes + 1, Facts(100, 0, "11.01.2020"), current, std::nullopt, Verdict::Refuse,
       "loto3.txt is larger than 64 MiB: it is no draw file"},
      {10, Facts(0, 0, ""), std::nullopt, std::nullopt, Verdict::Refuse, "loto3.txt holds no valid draw"},
      // A refusal stands whatever the draws share.
      {10, Facts(0, 3, ""), current, Shared(0, 0), Verdict::Refuse, "loto3.txt holds no valid draw"},
      {10, Facts(3, 4, "11.01.2020"), std::nullopt, std::nullopt, Verdict::Refuse,
       "loto3.txt has more incorrect lines (4) than draws (3)"},
      {10, Facts(3, 3, "11.01.2020"), std::nullopt, std::nullopt, Verdict::Install, ""},
      {10, Facts(50, 0, "10.01.2020"), current, std::nullopt, Verdict::Install, ""},  // half the draws, as new
      {10, Facts(49, 0, "11.01.2020"), current, std::nullopt, Verdict::Ask,
       "loto3.txt has fewer than half the draws of the current draw file"},
      {10, Facts(200, 0, "09.01.2020"), current, std::nullopt, Verdict::Ask,
       "loto3.txt is older than the current draw file"},
      {10, Facts(200, 0, "2007"), current, std::nullopt, Verdict::Install, ""},  // dates that cannot be compared
      {10, Facts(1, 0, "01.01.2020"), Facts(0, 5, ""), Shared(0, 0), Verdict::Install, ""},  // nothing to lose
      // The same game: a few corrected draws among many shared ones.
      {10, Facts(120, 0, "30.01.2020", "01.01.2019"), current, Shared(100, 3), Verdict::Install, ""},
      {10, Facts(120, 0, "30.01.2020", "01.01.2019"), current, Shared(100, 50), Verdict::Install, ""},
      {10, Facts(120, 0, "30.01.2020", "01.01.2019"), current, Shared(100, 51), Verdict::Ask,
       "loto3.txt disagrees with the current draw file on 51 of the 100 draws both hold (01.01.2020 Mid: 123, the "
       "current file 456): it is probably another game's history"},
      {10, Facts(120, 0, "30.01.2020", "01.01.2019"), current, Shared(1, 1), Verdict::Ask,
       "loto3.txt disagrees with the current draw file on the one draw both hold (01.01.2020 Mid: 123, the current "
       "file 456): it is probably another game's history"},
      // Draws of the same days that never pair.
      {10, Facts(120, 0, "30.01.2020", "01.01.2019"), current, Shared(0, 0), Verdict::Ask,
       "loto3.txt shares no draw (the same date and draw time) with the current draw file: it is probably another "
       "game's history"},
      // Years apart: nothing in common.
      {10, Facts(120, 0, "30.01.2024", "01.01.2023"), current, Shared(0, 0, false), Verdict::Ask,
       "loto3.txt shares no draw (the same date and draw time) with the current draw file: it is probably another "
       "game's history"},
      // Spans that overlap where the newest draws compared do not reach: no word of another game.
      {10, Facts(3000, 0, "30.01.2000", "01.01.1995"), Facts(20000, 0, "10.01.2020", "01.01.1990"), Shared(0, 0, false),
       Verdict::Ask,
       "loto3.txt is older than the current draw file and has fewer than half the draws of the current draw file"},
      {10, Facts(20, 0, "09.01.2020", "01.01.2016"), current, Shared(0, 0), Verdict::Ask,
       "loto3.txt is older than the current draw file, has fewer than half the draws of the current draw file and "
       "shares no draw (the same date and draw time) with the current draw file: it is probably another game's "
       "history"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    const CandidateDecision d = JudgeCandidate("loto3.txt", c.bytes, c.candidate, c.current, c.shared);
    EXPECT_EQ(d.verdict, c.verdict);
    EXPECT_EQ(d.reason, c.reason);
    EXPECT_EQ(d.otherGame, c.reason.find("another game") != std::string::npos);
  }
}

TEST(JudgeCandidate, TheQuestionNamesBothFiles) {
  DrawFileFacts candidate = Facts(200, 0, "09.01.2020", "05.03.2007");
  candidate.source = "from http://example.org/loto3_txt.zip";
  DrawFileFacts current = Facts(1, 0, "10.01.2020", "10.01.2020");
  current.source = "/home/me/3x10.txt";
  const CandidateDecision d = JudgeCandidate("loto3.txt", 10, candidate, current);
  EXPECT_EQ(d.details,
            "new: 200 draws from 05.03.2007 to 09.01.2020, from http://example.org/loto3_txt.zip; current: 1 draw of "
            "10.01.2020, /home/me/3x10.txt");
  EXPECT_EQ(ReplaceQuestion(d),
            "loto3.txt is older than the current draw file.\n"
            "new: 200 draws from 05.03.2007 to 09.01.2020, from http://example.org/loto3_txt.zip\n"
            "current: 1 draw of 10.01.2020, /home/me/3x10.txt\n"
            "Replace the current draw file with it?");
}

}  // namespace
}  // namespace drawlyze::updater

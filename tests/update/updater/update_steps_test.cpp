#include "update/updater/update_steps.h"

#include <gtest/gtest.h>

#include <set>

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

}  // namespace
}  // namespace drawlyze::updater

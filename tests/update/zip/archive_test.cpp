// Finding an archive and its directory, masks, and listing.
#include "zip_test_util.h"

namespace {

using namespace ziptest;
using namespace drawlyze;

Archive TwoMembers() {
  Archive a;
  a.members.push_back({.name = "readme.txt", .data = ToBytes("Read me first.\r\n")});
  a.members.push_back({.name = "loto3.txt", .data = RandomText(3000, 5)});
  return a;
}

struct MaskCase {
  const char* name;
  const char* mask;
  bool match;
};

class Masks : public testing::TestWithParam<MaskCase> {};

TEST_P(Masks, MatchAsDosWildcards) {
  EXPECT_EQ(ZipMatchMask(GetParam().name, GetParam().mask), GetParam().match)
      << GetParam().name << " / " << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Masks,
    testing::Values(MaskCase{"loto3.txt", "loto*.txt", true}, MaskCase{"LOTO3.TXT", "loto*.txt", true},
                    MaskCase{"data\\loto3.txt", "loto*.txt", false}, MaskCase{"data\\loto3.txt", "*loto*.txt", true},
                    MaskCase{"anything", "", true}, MaskCase{"no dot", "*.*", true}, MaskCase{"abc", "a?c", true},
                    MaskCase{"ac", "a?c", false}, MaskCase{"abc", "*", true}, MaskCase{"abcbc", "a*bc", true},
                    MaskCase{"abcd", "a*c", false}, MaskCase{"x.dat", "*.txt", false},
                    MaskCase{"loto3.txt.bak", "loto*.txt", false}, MaskCase{"", "?", false},
                    MaskCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*a*c", false}));

TEST(Masks, CompareOnlyTheFirst255Characters) {
  const std::string base(255, 'a');
  EXPECT_TRUE(ZipMatchMask(base + "tail", base));
  EXPECT_FALSE(ZipMatchMask(base.substr(1) + "tail", base));
}

TEST(Ratio, FollowsTheReportFormula) {
  EXPECT_EQ(ZipRatio(0, 0), 0);
  EXPECT_EQ(ZipRatio(100, 50), 50);
  EXPECT_EQ(ZipRatio(3, 1), 67);
  EXPECT_EQ(ZipRatio(4, 16), 212);              // larger than the original: 100 - 400 kept in 8 bits
  EXPECT_EQ(ZipRatio(30000000, 21474837), 29);  // both divided by 100 first
}

TEST(IsArchive, TellsArchivesFromOtherFiles) {
  TempFolder t;
  std::int64_t start = -1;
  EXPECT_FALSE(ZipIsArchive(t.path.string()));  // a folder
  EXPECT_FALSE(ZipIsArchive(t / "missing.zip"));
  WriteBytes(t / "empty.zip", {});
  EXPECT_FALSE(ZipIsArchive(t / "empty.zip"));
  WriteBytes(t / "page.zip", ToBytes("<html><body>404 Not Found</body></html>"));
  EXPECT_FALSE(ZipIsArchive(t / "page.zip"));
  WriteBytes(t / "tiny.zip", ToBytes("PK\3"));
  EXPECT_EQ(ZipFindLocalHeader(t / "tiny.zip"), -1);
  WriteBytes(t / "a.zip", BuildZip(TwoMembers()));
  EXPECT_TRUE(ZipIsArchive(t / "a.zip", &start));
  EXPECT_EQ(start, 0);
}

// The head searched for a prefixed archive is three quarters of the first
// 262,143 bytes: positions 0 to 196,603.
TEST(IsArchive, FindsAnArchiveBehindAPrefixWithinTheSearchedHead) {
  TempFolder t;
  for (const std::size_t prefix : {std::size_t{1}, std::size_t{1000}, std::size_t{196603}, std::size_t{196604}}) {
    Archive a = TwoMembers();
    a.prefix = Bytes(prefix, 'x');
    a.members[1].data = RandomText(70000, 6);  // keeps the file above 256 KiB
    a.members[1].method = 0;
    const std::string path = t / ("prefix" + std::to_string(prefix) + ".zip");
    WriteBytes(path, BuildZip(a));
    std::int64_t start = -1;
    const bool found = ZipIsArchive(path, &start);
    EXPECT_EQ(found, prefix <= 196603) << prefix;
    if (found) {
      EXPECT_EQ(start, static_cast<std::int64_t>(prefix));
    }
  }
}

TEST(Directory, EndRecordIsFoundBehindCommentsOfAnyLength) {
  TempFolder t;
  for (const std::size_t comment : {0, 1, 4000, 4074, 4075, 4096, 4097, 8170, 20000, 65535}) {
    Archive a = TwoMembers();
    a.comment = std::string(comment, 'c');
    WriteBytes(t / "c.zip", BuildZip(a));
    ZipDirectory dir;
    ASSERT_EQ(ZipOpenDirectory(t / "c.zip", dir), kZipOk) << comment;
    EXPECT_EQ(dir.name, "readme.txt");
    ASSERT_EQ(ZipNextEntry(dir), kZipOk);
    EXPECT_EQ(dir.name, "loto3.txt");
    EXPECT_EQ(ZipNextEntry(dir), kZipNoMoreEntries);
    ZipCloseDirectory(dir);
  }
}

TEST(Directory, FailuresGiveTheirCodes) {
  TempFolder t;
  ZipDirectory dir;
  EXPECT_EQ(ZipOpenDirectory(t / "missing.zip", dir), kZipFileError);
  WriteBytes(t / "empty.zip", {});
  EXPECT_EQ(ZipOpenDirectory(t / "empty.zip", dir), kZipFileError);
  Bytes noEnd = BuildZip(TwoMembers());
  noEnd.resize(noEnd.size() - 22);
  WriteBytes(t / "noend.zip", noEnd);
  EXPECT_EQ(ZipOpenDirectory(t / "noend.zip", dir), kZipFileError);
  // An end record with no room for a central header before it.
  WriteBytes(t / "short.zip", BuildZip(Archive{}));
  EXPECT_EQ(ZipOpenDirectory(t / "short.zip", dir), kZipDirectoryError);
}

TEST(Directory, EntryFieldsAsStored) {
  Archive a;
  a.members.push_back({.name = "data/sub/loto3.txt", .data = ToBytes("1"), .method = 0, .externalAttributes = 0x21});
  a.members.push_back(
      {.name = std::string(300, 'n'), .data = ToBytes("2"), .host = 3, .externalAttributes = 0x81A40021});
  TempFolder t;
  WriteBytes(t / "a.zip", BuildZip(a));
  ZipDirectory dir;
  ASSERT_EQ(ZipOpenDirectory(t / "a.zip", dir), kZipOk);
  EXPECT_EQ(dir.name, "data\\sub\\loto3.txt");
  EXPECT_EQ(dir.attributes, 0x21);
  EXPECT_EQ(dir.method, 0);
  EXPECT_EQ(dir.size, 1u);
  EXPECT_EQ(dir.time, a.members[0].dosTime);
  EXPECT_EQ(dir.localHeaderOffset, 0u);
  ASSERT_EQ(ZipNextEntry(dir), kZipOk);
  EXPECT_EQ(dir.name, std::string(259, 'n'));
  EXPECT_EQ(dir.attributes, 0);  // not an MS-DOS host
  EXPECT_EQ(dir.method, 8);
}

TEST(Directory, ADamagedEntryEndsTheWalkQuietly) {
  Bytes bytes = BuildZip(TwoMembers());
  // The second central header's signature, found from the end record's offset field.
  const std::size_t end = bytes.size() - 22;
  const std::size_t central = bytes[end + 16] | bytes[end + 17] << 8;
  const std::size_t second = central + 46 + std::string("readme.txt").size();
  bytes[second + 3] = 9;
  TempFolder t;
  WriteBytes(t / "a.zip", bytes);
  Recorder r;
  EXPECT_EQ(ZipList(t / "a.zip", "*.*", r.callback()), 1);
}

TEST(List, ReportsMatchingMembersInDirectoryOrderThenASummary) {
  TempFolder t;
  const Archive a = TwoMembers();
  WriteBytes(t / "a.zip", BuildZip(a));
  Recorder r;
  ASSERT_EQ(ZipList(t / "a.zip", "*.*", r.callback()), 2);
  ASSERT_EQ(r.Statuses(), (std::vector<int>{kZipStatusListed, kZipStatusListed, kZipStatusEnd}));
  EXPECT_EQ(r.reports[0].argument, 0);
  EXPECT_EQ(r.reports[0].report.name, "readme.txt");
  EXPECT_EQ(r.reports[1].report.name, "loto3.txt");
  EXPECT_EQ(r.reports[1].report.size, 3000);
  EXPECT_EQ(r.reports[1].report.method, 8);
  EXPECT_FALSE(r.reports[1].report.isFolder);
  const ZipReport& summary = r.reports[2].report;
  EXPECT_EQ(r.reports[2].argument, 2);
  EXPECT_EQ(summary.name, t / "a.zip");
  EXPECT_EQ(summary.size, 3000 + 16);
  EXPECT_EQ(summary.compressedSize, r.reports[0].report.compressedSize + r.reports[1].report.compressedSize);
  EXPECT_EQ(summary.time, -1);
  EXPECT_EQ(summary.attributes, -1);
  EXPECT_EQ(summary.method, 0);

  Recorder masked;
  EXPECT_EQ(ZipList(t / "a.zip", "LOTO*.TXT", masked.callback()), 1);
  EXPECT_EQ(masked.reports[0].report.name, "loto3.txt");
}

TEST(List, RefusesWhatItCannotList) {
  TempFolder t;
  Recorder r;
  WriteBytes(t / "a.zip", BuildZip(TwoMembers()));
  EXPECT_EQ(ZipList("", "*.*", r.callback()), kZipMissingArgument);
  EXPECT_EQ(ZipList(t / "a.zip", "*.*", {}), kZipMissingArgument);
  WriteBytes(t / "page.zip", ToBytes("<html>Service Unavailable</html>"));
  EXPECT_EQ(ZipList(t / "page.zip", "*.*", r.callback()), kZipNotArchive);
  WriteBytes(t / "empty.zip", {});
  EXPECT_EQ(ZipList(t / "empty.zip", "*.*", r.callback()), kZipNotArchive);
  Bytes cut = BuildZip(TwoMembers());
  cut.resize(cut.size() - 10);
  WriteBytes(t / "cut.zip", cut);
  EXPECT_EQ(ZipList(t / "cut.zip", "*.*", r.callback()), kZipDirectoryError);
  EXPECT_TRUE(r.reports.empty());
}

}  // namespace

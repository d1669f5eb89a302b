// Finding an archive and its directory, masks, and listing.
#include <sys/stat.h>

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
  // A FIFO with no writer would block the reader for ever: only regular files are read.
  ASSERT_EQ(mkfifo((t / "fifo.zip").c_str(), 0600), 0);
  EXPECT_EQ(ZipList(t / "fifo.zip", "*.*", r.callback()), kZipNotArchive);
  EXPECT_EQ(ZipExtract(t / "fifo.zip", t / "out", "*.*"), kZipNotArchive);
  EXPECT_TRUE(r.reports.empty());
}

// Names without the UTF-8 flag are code page 437 (checked against Python's
// codec); names with it stay as they are.
TEST(List, NamesWithoutTheUtf8FlagAreCodePage437) {
  std::string upperHalf;
  for (int b = 0x80; b <= 0xFF; ++b) upperHalf += static_cast<char>(b);
  EXPECT_EQ(ZipNameFromCp437("A" + upperHalf),
            "A\u00c7\u00fc\u00e9\u00e2\u00e4\u00e0\u00e5\u00e7\u00ea\u00eb\u00e8\u00ef\u00ee\u00ec\u00c4\u00c5"
            "\u00c9\u00e6\u00c6\u00f4\u00f6\u00f2\u00fb\u00f9\u00ff\u00d6\u00dc\u00a2\u00a3\u00a5\u20a7\u0192"
            "\u00e1\u00ed\u00f3\u00fa\u00f1\u00d1\u00aa\u00ba\u00bf\u2310\u00ac\u00bd\u00bc\u00a1\u00ab\u00bb"
            "\u2591\u2592\u2593\u2502\u2524\u2561\u2562\u2556\u2555\u2563\u2551\u2557\u255d\u255c\u255b\u2510"
            "\u2514\u2534\u252c\u251c\u2500\u253c\u255e\u255f\u255a\u2554\u2569\u2566\u2560\u2550\u256c\u2567"
            "\u2568\u2564\u2565\u2559\u2558\u2552\u2553\u256b\u256a\u2518\u250c\u2588\u2584\u258c\u2590\u2580"
            "\u03b1\u00df\u0393\u03c0\u03a3\u03c3\u00b5\u03c4\u03a6\u0398\u03a9\u03b4\u221e\u03c6\u03b5\u2229"
            "\u2261\u00b1\u2265\u2264\u2320\u2321\u00f7\u2248\u00b0\u2219\u00b7\u221a\u207f\u00b2\u25a0\u00a0");

  TempFolder t;
  Archive a;
  a.members.push_back({.name = "dos/\x80\x81\xE1.txt", .data = ToBytes("1"), .method = 0});
  a.members.push_back({.name = "\xC3\xA9t\xC3\xA9.txt", .data = ToBytes("2"), .method = 0, .flags = 1 << 11});
  WriteBytes(t / "a.zip", BuildZip(a));
  Recorder r;
  ASSERT_EQ(ZipList(t / "a.zip", "*.*", r.callback()), 2);
  EXPECT_EQ(r.reports[0].report.name, "dos\\\u00c7\u00fc\u00df.txt");
  EXPECT_EQ(r.reports[1].report.name, "\u00e9t\u00e9.txt");
  EXPECT_EQ(ZipExtract(t / "a.zip", t / "out", "*.*"), 2);
  EXPECT_EQ(t.Files(), (std::vector<std::string>{"a.zip", "out/dos/\u00c7\u00fc\u00df.txt", "out/\u00e9t\u00e9.txt"}));
}

}  // namespace

// The archives of public test suites (fixtures/SOURCES.md), extracted here and
// by Info-ZIP's unzip: the files must be the same bytes.
#include <cstdlib>

#include "zip_test_util.h"

namespace {

using namespace ziptest;
using namespace drawlyze;

struct FixtureCase {
  const char* file;
  int extracted;  // what ZipExtract returns
  int failure;    // the code of failed members (0: none fail)
  bool unzipToo;  // unzip 6.00 extracts it as well
};

void PrintTo(const FixtureCase& c, std::ostream* os) { *os << c.file; }

class Fixtures : public testing::TestWithParam<FixtureCase> {};

bool HaveUnzip() { return std::system("unzip -v > /dev/null 2>&1") == 0; }

TEST_P(Fixtures, ExtractAsExpected) {
  const FixtureCase& c = GetParam();
  TempFolder t;
  Recorder r;
  const int result = ZipExtract(FixturePath(c.file).string(), t / "ours", "*.*", r.callback());
  EXPECT_EQ(result, c.extracted);
  for (const auto& x : r.reports) {
    if (x.report.status == kZipStatusFailed) {
      EXPECT_EQ(x.argument, c.failure) << x.report.name;
    }
  }
  Recorder listed;
  const int count = ZipList(FixturePath(c.file).string(), "", listed.callback());
  EXPECT_EQ(count, static_cast<int>(listed.reports.size()) - 1);
}

TEST_P(Fixtures, SameBytesAsUnzip) {
  const FixtureCase& c = GetParam();
  if (!c.unzipToo) GTEST_SKIP() << "unzip 6.00 does not extract " << c.file;
  if (!HaveUnzip()) GTEST_SKIP() << "unzip is not installed";
  TempFolder t;
  ASSERT_EQ(ZipExtract(FixturePath(c.file).string(), t / "ours", "*.*"), c.extracted);
  const std::string command =
      "unzip -qq -o '" + FixturePath(c.file).string() + "' -d '" + (t / "theirs") + "' > /dev/null 2>&1";
  (void)std::system(command.c_str());
  std::vector<std::string> ours, theirs;
  for (const auto& f : t.Files()) (f.rfind("ours/", 0) == 0 ? ours : theirs).push_back(f.substr(f.find('/') + 1));
  EXPECT_EQ(ours, theirs);
  for (const auto& f : ours) EXPECT_TRUE(ReadBytes(t.path / "ours" / f) == ReadBytes(t.path / "theirs" / f)) << f;
}

INSTANTIATE_TEST_SUITE_P(
    Archives, Fixtures,
    testing::Values(FixtureCase{"commons-compress__SHRUNK.ZIP", 2, 0, true},
                    FixtureCase{"commons-compress__imploding-4Kdict-2trees.zip", 1, 0, true},
                    FixtureCase{"commons-compress__imploding-8Kdict-3trees.zip", 1, 0, true},
                    FixtureCase{"libarchive__test_compat_zip_1.zip", 2, 0, true},
                    FixtureCase{"libarchive__test_compat_zip_4.zip", 3, 0, true},
                    FixtureCase{"libarchive__test_compat_zip_implode_realloc.zip", 3, 0, true},
                    FixtureCase{"libarchive__test_read_format_zip_comment_stored_2.zip", 2, 0, true},
                    FixtureCase{"libarchive__test_read_format_zip_implode.zip", 1, 0, true},
                    FixtureCase{"libarchive__test_read_format_zip_sfx.zip", 2, 0, true},
                    FixtureCase{"libarchive__test_read_format_zip_traditional_encryption_data.zip", 0, kZipEncrypted,
                                false},
                    FixtureCase{"oldunzip__example-r.zip", 0, kZipUnsupportedMethod, false},
                    FixtureCase{"oldunzip__example-s.zip", 1, 0, true},
                    FixtureCase{"sharpcompress__Zip.LongComment.zip", 1, 0, true},
                    // unzip 6.00 refuses its "version needed" of 6.3; the CRC check vouches for the bytes.
                    FixtureCase{"sharpcompress__Zip.deflate.dd.zip", 3, 0, false},
                    // Stored members with data descriptors: their sizes come from the central directory.
                    FixtureCase{"sharpcompress__Zip.none.datadescriptors.zip", 2, 0, true},
                    FixtureCase{"sharpcompress__zipcrypto.zip", 0, kZipEncrypted, false},
                    FixtureCase{"zip2__legacy_implode.zip", 1, 0, true},
                    FixtureCase{"zip2__legacy_reduce.zip", 0, kZipUnsupportedMethod, false},
                    FixtureCase{"zip2__legacy_shrink.zip", 1, 0, true}),
    [](const auto& param) {
      std::string name = param.param.file;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

// Archives made here, in every shape the builder knows, against unzip too.
TEST(BuiltArchives, SameBytesAsUnzip) {
  if (!HaveUnzip()) GTEST_SKIP() << "unzip is not installed";
  Archive a;
  a.prefix = Bytes(300, 'p');
  a.comment = std::string(5000, 'c');
  a.members.push_back({.name = "loto3.txt", .data = RandomText(100000, 1)});
  a.members.push_back({.name = "stored.bin", .data = RandomText(5000, 2), .method = 0});
  a.members.push_back({.name = "dir/sub/", .data = {}, .method = 0});
  a.members.push_back({.name = "dir/sub/dd.txt", .data = RandomText(7000, 3), .descriptor = true});
  a.members.push_back(
      {.name = "dir/nosig.txt", .data = RandomText(9000, 4), .descriptor = true, .descriptorSignature = false});
  a.members.push_back({.name = "empty.txt", .data = {}});
  TempFolder t;
  WriteBytes(t / "a.zip", BuildZip(a));
  ASSERT_EQ(ZipExtract(t / "a.zip", t / "ours", "*.*"), 6);
  (void)std::system(("unzip -qq -o '" + (t / "a.zip") + "' -d '" + (t / "theirs") + "' > /dev/null 2>&1").c_str());
  for (const auto& m : a.members) {
    if (m.name.back() == '/') continue;
    EXPECT_TRUE(ReadBytes(t.path / "ours" / m.name) == m.data) << m.name;
    EXPECT_TRUE(ReadBytes(t.path / "theirs" / m.name) == m.data) << m.name;
  }
}

}  // namespace

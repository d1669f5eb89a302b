// Extraction: what is written, every return code, the reports, the busy mark
// and the Escape abort, and that a failure never leaves a file behind.
#include <sys/stat.h>

#include <ctime>

#include "zip_test_util.h"

namespace {

using namespace ziptest;
using namespace drawlyze;

Member Text(const std::string& name, const Bytes& data, std::uint16_t method = 8) {
  return {.name = name, .data = data, .method = method};
}
Member Text(const std::string& name, const std::string& text, std::uint16_t method = 8) {
  return Text(name, ToBytes(text), method);
}

struct Extraction {
  TempFolder t;
  std::string archive;
  std::string folder;
  Recorder r;
  int result = 0;

  explicit Extraction(const Archive& a, const std::string& mask = "*.*", const ZipOptions& options = {}) {
    archive = t / "in.zip";
    folder = t / "out";
    WriteBytes(archive, BuildZip(a));
    result = ZipExtract(archive, folder, mask, r.callback(), options);
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& f : t.Files())
      if (f.rfind("out/", 0) == 0) names.push_back(f.substr(4));
    return names;
  }
  std::string Read(const std::string& name) const {
    const Bytes b = ReadBytes(fs::path(folder) / name);
    return std::string(b.begin(), b.end());
  }
  // The first argument of the report with this status for this member.
  std::optional<int> Argument(int status, const std::string& name) const {
    for (const auto& x : r.reports)
      if (x.report.status == status && x.report.name == name) return x.argument;
    return std::nullopt;
  }
};

TEST(Extract, WritesTheMatchingMembersOnly) {
  Archive a;
  a.members = {Text("readme.txt", "Read me"), Text("loto3.txt", "1 01.01.2024 1 2 3\r\n", 0)};
  Extraction e(a, "loto*.txt");
  EXPECT_EQ(e.result, 1);
  EXPECT_EQ(e.Files(), (std::vector<std::string>{"loto3.txt"}));
  EXPECT_EQ(e.Read("loto3.txt"), "1 01.01.2024 1 2 3\r\n");
}

TEST(Extract, CreatesFoldersForFolderPartsAndFolderEntries) {
  Archive a;
  a.members = {Text("empty/", "", 0), Text("dir/sub/loto3.txt", "draws"), Text("dir\\two.txt", "two")};
  Extraction e(a);
  EXPECT_EQ(e.result, 3);
  EXPECT_TRUE(fs::is_directory(fs::path(e.folder) / "empty"));
  EXPECT_EQ(e.Read("dir/sub/loto3.txt"), "draws");
  EXPECT_EQ(e.Read("dir/two.txt"), "two");
  EXPECT_EQ(e.Argument(kZipStatusExtracted, "dir\\sub\\loto3.txt"), 0);  // names keep "\"
  for (const auto& x : e.r.reports) {
    if (x.report.status == kZipStatusExtracting) {
      EXPECT_EQ(x.report.isFolder, x.report.name == "empty\\");
    }
  }
}

// On this system a "\" in the target folder's own name is a character of
// that name: the members go into that folder, not into a path made up from it.
TEST(Extract, ABackslashInTheFolderNameIsPartOfIt) {
  TempFolder t;
  Archive a;
  a.members = {Text("dir/loto3.txt", "draws"), Text("b.txt", "b")};
  WriteBytes(t / "in.zip", BuildZip(a));
  EXPECT_EQ(ZipExtract(t / "in.zip", t / "we\\ird", "*.*"), 2);
  EXPECT_EQ(t.Files(), (std::vector<std::string>{"in.zip", "we\\ird/b.txt", "we\\ird/dir/loto3.txt"}));
}

TEST(Extract, ReplacesAReadOnlyFileAndGivesMemberAttributesAndTime) {
  TempFolder t;
  Archive a;
  a.members = {Text("loto3.txt", "new"), Text("locked.txt", "ro")};
  a.members[1].externalAttributes = 0x21;  // read-only, archive
  fs::create_directories(t.path / "out");
  WriteBytes(t / "out/loto3.txt", ToBytes("old"));
  fs::permissions(t / "out/loto3.txt", fs::perms::owner_read, fs::perm_options::replace);
  WriteBytes(t / "in.zip", BuildZip(a));
  ASSERT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*"), 2);
  EXPECT_EQ(ReadBytes(t / "out/loto3.txt"), ToBytes("new"));
  EXPECT_EQ(fs::status(t / "out/locked.txt").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_NE(fs::status(t / "out/loto3.txt").permissions() & fs::perms::owner_write, fs::perms::none);

  struct stat st {};
  ASSERT_EQ(stat((t / "out/loto3.txt").c_str(), &st), 0);
  std::tm tm{};
  localtime_r(&st.st_mtime, &tm);
  EXPECT_EQ((tm.tm_year + 1900) * 10000 + (tm.tm_mon + 1) * 100 + tm.tm_mday, 20240315);
  EXPECT_EQ(tm.tm_hour * 10000 + tm.tm_min * 100 + tm.tm_sec, 103008);
}

TEST(Extract, ReportsInOrder) {
  Archive a;
  a.members = {Text("a.txt", std::string(70000, 'a')), Text("b.dat", "b"), Text("c.txt", "c")};
  Extraction e(a, "*.txt");
  EXPECT_EQ(e.result, 2);
  const std::vector<int> expected = {kZipStatusBegin,     kZipStatusExtracting, kZipStatusListed,     kZipStatusListed,
                                     kZipStatusListed,    kZipStatusExtracted,  kZipStatusExtracting, kZipStatusListed,
                                     kZipStatusExtracted, kZipStatusEnd};
  EXPECT_EQ(e.r.Statuses(), expected);
  const auto& begin = e.r.reports.front();
  EXPECT_EQ(begin.report.name, e.archive);
  EXPECT_EQ(begin.report.size, 70000 + 1 + 1);  // the whole archive
  EXPECT_EQ(e.r.reports[2].argument + e.r.reports[3].argument + e.r.reports[4].argument, 70000);
  const auto& end = e.r.reports.back();
  EXPECT_EQ(end.argument, 2);
  EXPECT_EQ(end.report.size, 70000 + 1);  // the matching members
}

// Members that fail but let the extraction go on; the good member after
// each is still written, the failed one leaves no file.
struct SkippedCase {
  const char* what;
  Member member;
  int code;
};

void PrintTo(const SkippedCase& c, std::ostream* os) { *os << c.what; }

class SkippedMembers : public testing::TestWithParam<SkippedCase> {};

TEST_P(SkippedMembers, FailWithTheirCodeAndLeaveNoFile) {
  Archive a;
  a.members = {GetParam().member, Text("after.txt", "still here")};
  Extraction e(a);
  EXPECT_EQ(e.result, 1);
  std::string reported = GetParam().member.name;
  std::replace(reported.begin(), reported.end(), '/', '\\');
  EXPECT_EQ(e.Argument(kZipStatusFailed, reported), GetParam().code);
  EXPECT_EQ(e.Files(), (std::vector<std::string>{"after.txt"}));
  EXPECT_FALSE(fs::exists(fs::path(e.t.path) / "evil.txt"));
}

Member Altered() {
  Member m = Text("altered.txt", "original text");
  m.crc = Crc(ToBytes("0riginal text"));
  return m;
}
Member WithMethod(std::uint16_t method) {
  Member m = Text("packed.bin", "data", method);
  m.packed = ToBytes("xxxx");
  return m;
}
Member Encrypted() {
  Member m = Text("secret.txt", "secret");
  m.flags = 1;
  return m;
}
Member ShrunkWithDescriptor() {
  Member m = Text("shrunk.txt", "a", 1);
  m.packed = Bytes{'a', 0};  // the code for "a"
  m.descriptor = true;
  return m;
}

INSTANTIATE_TEST_SUITE_P(Table, SkippedMembers,
                         testing::Values(SkippedCase{"crc", Altered(), kZipCrcError},
                                         SkippedCase{"reduced", WithMethod(5), kZipUnsupportedMethod},
                                         SkippedCase{"bzip2", WithMethod(12), kZipUnsupportedMethod},
                                         SkippedCase{"encrypted", Encrypted(), kZipEncrypted},
                                         SkippedCase{"shrunk_with_descriptor", ShrunkWithDescriptor(),
                                                     kZipUnsupportedMethod},
                                         SkippedCase{"parent", Text("../evil.txt", "x"), kZipWriteError},
                                         SkippedCase{"nested_parent", Text("a/../../evil.txt", "x"), kZipWriteError},
                                         SkippedCase{"absolute", Text("/tmp/evil.txt", "x"), kZipWriteError},
                                         SkippedCase{"absolute_backslash", Text("\\evil.txt", "x"), kZipWriteError},
                                         SkippedCase{"drive", Text("c:evil.txt", "x"), kZipWriteError},
                                         SkippedCase{"drive_root", Text("C:\\evil.txt", "x"), kZipWriteError}),
                         [](const auto& param) { return std::string(param.param.what); });

TEST(Extract, AFileWhereAFolderIsNeededIsAWriteError) {
  Archive a;
  a.members = {Text("dir", "a file"), Text("dir/inside.txt", "x"), Text("after.txt", "y")};
  Extraction e(a);
  EXPECT_EQ(e.result, 2);
  EXPECT_EQ(e.Argument(kZipStatusFailed, "dir\\inside.txt"), kZipWriteError);
}

// Failures that stop the whole extraction: reported with kZipStopped.
struct StopCase {
  const char* what;
  Member member;
  int code;
  ZipOptions options;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.what; }

class StoppingMembers : public testing::TestWithParam<StopCase> {};

TEST_P(StoppingMembers, StopTheExtractionAndLeaveNoFile) {
  Archive a;
  a.members = {GetParam().member, Text("after.txt", "never reached")};
  Extraction e(a, "*.*", GetParam().options);
  EXPECT_EQ(e.result, GetParam().code);
  EXPECT_TRUE(e.Files().empty());
  ASSERT_FALSE(e.r.reports.empty());
  EXPECT_EQ(e.r.reports.back().argument, kZipStopped);
  EXPECT_EQ(e.r.reports.back().report.status, GetParam().code);
}

Member LargerThanDeclared() {
  Member m = Text("bomb.txt", std::string(5000, 'z'));
  m.size = 4999;
  return m;
}
Member Unbounded() {
  Member m = Text("stream.txt", std::string(5000, 'z'));
  m.descriptor = true;
  return m;
}
Member CutShort() {
  Member m = Text("short.txt", RandomText(3000, 9));
  m.packed = DeflateRaw(m.data);
  m.packed->resize(m.packed->size() / 2);
  return m;
}
ZipOptions SmallCap() {
  ZipOptions o;
  o.unknownSizeLimit = 4096;
  return o;
}
ZipOptions EscapeHeld() {
  ZipOptions o;
  o.escapeHeld = [] { return true; };
  return o;
}

INSTANTIATE_TEST_SUITE_P(Table, StoppingMembers,
                         testing::Values(StopCase{"beyond_declared_size", LargerThanDeclared(), kZipFormatError, {}},
                                         StopCase{"beyond_unknown_size_cap", Unbounded(), kZipFormatError, SmallCap()},
                                         StopCase{"data_cut_short", CutShort(), kZipReadError, {}},
                                         StopCase{"escape", Text("a.txt", "abc"), kZipAborted, EscapeHeld()}),
                         [](const auto& param) { return std::string(param.param.what); });

// Stored members too: their data has no end of its own, so the central
// directory's size says where it ends.
TEST(Extract, DataDescriptorsWithAndWithoutSignature) {
  Archive a;
  a.members = {Text("signed.txt", RandomText(10000, 1)), Text("plain.txt", RandomText(10000, 2)),
               Text("stored.txt", RandomText(10000, 3), 0), Text("stored_plain.txt", RandomText(5000, 4), 0),
               Text("after.txt", "after")};
  for (int i = 0; i < 4; ++i) a.members[static_cast<std::size_t>(i)].descriptor = true;
  a.members[1].descriptorSignature = false;
  a.members[3].descriptorSignature = false;
  Extraction e(a);
  EXPECT_EQ(e.result, 5);
  EXPECT_EQ(ToBytes(e.Read("plain.txt")), RandomText(10000, 2));
  EXPECT_EQ(ToBytes(e.Read("stored.txt")), RandomText(10000, 3));
  EXPECT_EQ(ToBytes(e.Read("stored_plain.txt")), RandomText(5000, 4));
}

// Central directory entries whose members share archive bytes: the second
// one is refused with its own code before the first is written.
TEST(Extract, OverlappingMembersStopTheExtraction) {
  // The bytes of a stored member "b.txt", kept whole inside the data of "a.txt".
  Archive inner;
  inner.members = {Text("b.txt", "b", 0)};
  Bytes innerBytes = BuildZip(inner);
  innerBytes.resize(30 + 5 + 1);
  // Points the second directory entry at `offset`.
  const auto pointSecondAt = [](Bytes bytes, std::uint32_t offset) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i + 46 <= bytes.size(); ++i) {
      if (bytes[i] == 'P' && bytes[i + 1] == 'K' && bytes[i + 2] == 1 && bytes[i + 3] == 2 && ++seen == 2) {
        for (int k = 0; k < 4; ++k)
          bytes[i + 42 + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(offset >> (8 * k));
      }
    }
    return bytes;
  };
  Archive outer;
  outer.members = {Text("a.txt", innerBytes, 0), Text("b.txt", "b", 0)};
  const struct {
    const char* what;
    Bytes archive;
  } cases[] = {
      {"inside_another_member", pointSecondAt(BuildZip(outer), 30 + 5)},
      {"same_local_header", pointSecondAt(BuildZip(outer), 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder t;
    WriteBytes(t / "in.zip", c.archive);
    Recorder r;
    EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*", r.callback()), kZipOverlap);
    EXPECT_EQ(r.reports.back().argument, kZipStopped);
    EXPECT_EQ(r.reports.back().report.name, "b.txt");
    EXPECT_EQ(t.Files(), (std::vector<std::string>{"in.zip"}));
  }
  EXPECT_EQ(ZipErrorText(kZipOverlap), "overlapping members: two members share their data (a possible ZIP bomb)");
}

// What the members would write is weighed before the first byte: a member
// past the size limit, or members that need more than the folder's free
// space (keeping its reserve), stop the extraction with nothing written.
TEST(Extract, SizeLimitAndFreeSpaceAreCheckedBeforeWriting) {
  constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
  const struct {
    const char* what;
    std::optional<std::uint32_t> declared;  // the second member's size as the archive claims it
    std::uint64_t free;
    int result;
  } cases[] = {
      {"fits", std::nullopt, 1024 * kMiB, 2},
      {"a_member_of_four_gib", 0xFFFFFFF0u, 1024 * kMiB, kZipTooLarge},
      {"more_than_the_free_space", 40 * kMiB, 100 * kMiB, kZipNoSpace},
      {"inside_the_reserve", std::nullopt, 64 * kMiB, kZipNoSpace},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Archive a;
    a.members = {Text("small.txt", "first"), Text("big.txt", RandomText(5000, 9))};
    a.members[1].size = c.declared;
    TempFolder t;
    WriteBytes(t / "in.zip", BuildZip(a));
    ZipOptions options;
    options.freeSpace = [&](const std::string&) { return std::optional<std::uint64_t>(c.free); };
    Recorder r;
    EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*", r.callback(), options), c.result);
    if (c.result < 0) {
      EXPECT_EQ(t.Files(), std::vector<std::string>{"in.zip"});
      EXPECT_EQ(r.reports.back().argument, kZipStopped);
      EXPECT_EQ(r.reports.back().report.status, c.result);
    }
  }
  EXPECT_EQ(ZipErrorText(kZipNoSpace), "the members need more space than the folder's disk has free");
}

// A FIFO or a device where a member goes is no file to replace: the member
// fails, the FIFO stays, the other members are written.
TEST(Extract, WhatIsNoRegularFileAtTheTargetStays) {
  TempFolder t;
  fs::create_directories(t.path / "out");
  ASSERT_EQ(::mkfifo((t / "out/loto3.txt").c_str(), 0600), 0);
  Archive a;
  a.members = {Text("loto3.txt", "draws"), Text("readme.txt", "hello")};
  WriteBytes(t / "in.zip", BuildZip(a));
  Recorder r;
  EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*", r.callback()), 1);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(t.path / "out/loto3.txt")));
  EXPECT_EQ(ReadBytes(t.path / "out/readme.txt"), ToBytes("hello"));
}

// A local header that claims more than the central directory: the
// directory's sizes bound what the member reads and writes, since they are
// what an update checked against its limit and what the overlap check
// counted (a member reading past its counted bytes could quote the next
// members, the overlap bomb again).
TEST(Extract, TheDirectorysSizesBoundWhatAMemberReadsAndWrites) {
  const auto patch32 = [](Bytes& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v >> (8 * k));
  };
  const auto centralAt = [](const Bytes& b) {
    for (std::size_t i = 0;; ++i)
      if (b[i] == 'P' && b[i + 1] == 'K' && b[i + 2] == 1 && b[i + 3] == 2) return i;
  };
  const Bytes data = RandomText(50000, 8);
  const std::size_t packed = DeflateRaw(data).size();
  const struct {
    const char* what;
    bool descriptor;
    std::size_t localSizeAt, centralSizeAt;  // 22 / 24: uncompressed size; 18 / 20: compressed size
    std::uint32_t centralValue;
    int code;
  } cases[] = {
      {"local_size_larger", false, 22, 24, 20000, kZipFormatError},
      {"descriptor_directory_size_smaller", true, 0, 24, 20000, kZipFormatError},
      {"local_packed_size_larger", false, 18, 20, static_cast<std::uint32_t>(packed / 2), kZipReadError},
      {"descriptor_directory_packed_size_smaller", true, 0, 20, static_cast<std::uint32_t>(packed / 2), kZipReadError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Archive a;
    a.members = {Text("loto3.txt", data)};
    a.members[0].descriptor = c.descriptor;
    Bytes bytes = BuildZip(a);
    if (c.localSizeAt) patch32(bytes, c.localSizeAt, 0xFFFFFFFEu);
    patch32(bytes, centralAt(bytes) + c.centralSizeAt, c.centralValue);
    TempFolder t;
    WriteBytes(t / "in.zip", bytes);
    EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*"), c.code);
    EXPECT_EQ(t.Files(), std::vector<std::string>{"in.zip"});
    EXPECT_EQ(ZipExtractEntry(t / "in.zip", t / "one.txt", 0, {}, {},
                              ZipEntrySizes{c.centralSizeAt == 20 ? c.centralValue : static_cast<std::uint32_t>(packed),
                                            c.centralSizeAt == 24 ? c.centralValue : 50000u}),
              c.code);
    EXPECT_EQ(t.Files(), std::vector<std::string>{"in.zip"});
  }
}

// Links already in the target folder are never written through: not a
// folder link on the way (the member is refused), not a link in a file's
// own place (replaced, the file it points to untouched).
TEST(Extract, NeverWritesThroughALinkInTheFolder) {
  TempFolder t;
  fs::create_directories(t.path / "outside");
  fs::create_directories(t.path / "out");
  WriteBytes(t / "outside/victim.txt", ToBytes("victim"));
  fs::permissions(t / "outside/victim.txt", fs::perms::owner_read, fs::perm_options::replace);
  fs::create_directory_symlink(t.path / "outside", t.path / "out/dir");
  fs::create_symlink(t.path / "outside/victim.txt", t.path / "out/loto3.txt");
  Archive a;
  a.members = {Text("dir/evil.txt", "evil"), Text("dir/new/", "", 0), Text("loto3.txt", "new"),
               Text("dir/victim.txt", "evil")};
  WriteBytes(t / "in.zip", BuildZip(a));
  Recorder r;
  EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*", r.callback()), 1);
  for (const char* name : {"dir\\evil.txt", "dir\\new\\", "dir\\victim.txt"}) {
    bool refused = false;
    for (const auto& x : r.reports)
      refused |= x.report.name == name && x.report.status == kZipStatusFailed && x.argument == kZipWriteError;
    EXPECT_TRUE(refused) << name;
  }
  EXPECT_EQ(ReadBytes(t.path / "outside/victim.txt"), ToBytes("victim"));
  EXPECT_EQ(fs::status(t.path / "outside/victim.txt").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_FALSE(fs::exists(t.path / "outside/evil.txt"));
  EXPECT_FALSE(fs::exists(t.path / "outside/new"));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(t.path / "out/loto3.txt")));
  EXPECT_EQ(ReadBytes(t.path / "out/loto3.txt"), ToBytes("new"));
}

TEST(Extract, ArchivesBehindAPrefixWithEitherKindOfOffsets) {
  for (const bool relative : {false, true}) {
    Archive a;
    a.prefix = Bytes(1024, 0xE9);
    a.relativeOffsets = relative;
    // The prefix must end within the first three quarters of the file.
    a.members = {Text("one.txt", RandomText(4000, 1), 0), Text("two.txt", "2")};
    Extraction e(a);
    EXPECT_EQ(e.result, 2) << relative;
    EXPECT_EQ(e.Read("two.txt"), "2");
  }
}

TEST(Extract, ALocalHeaderMissingWhereTheDirectoryPointsIsAFormatError) {
  Archive a;
  a.members = {Text("one.txt", "1")};
  Bytes bytes = BuildZip(a);
  bytes[0] = 'X';
  bytes.insert(bytes.begin(), {'P', 'K', 3, 4});  // still looks like an archive
  TempFolder t;
  WriteBytes(t / "in.zip", bytes);
  EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", ""), kZipFormatError);
}

TEST(Extract, RefusesWhatItCannotExtract) {
  TempFolder t;
  WriteBytes(t / "page.zip", ToBytes("<html>moved</html>"));
  EXPECT_EQ(ZipExtract("", t / "out", "*.*"), kZipMissingArgument);
  EXPECT_EQ(ZipExtract(t / "page.zip", "", "*.*"), kZipMissingArgument);
  EXPECT_EQ(ZipExtract(t / "page.zip", t / "out", "*.*"), kZipNotArchive);
  Bytes noEnd = BuildZip(Archive{.members = {Text("a", "a")}});
  noEnd.resize(noEnd.size() - 1);
  WriteBytes(t / "noend.zip", noEnd);
  EXPECT_EQ(ZipExtract(t / "noend.zip", t / "out", "*.*"), kZipDirectoryError);
  EXPECT_EQ(ZipExtractEntry(t / "missing.zip", t / "out/a", 0), kZipCannotOpenArchive);
  EXPECT_FALSE(fs::exists(t.path / "out"));
}

TEST(Extract, EscapeStopsALongExtractionPartWayAndLeavesNoFile) {
  Archive a;
  a.members = {Text("big.txt", std::string()), Text("after.txt", "x")};
  a.members[0].data = RandomText(400000, 3);
  a.members[0].method = 0;
  int blocks = 0;
  ZipOptions o;
  o.processEvents = [&] { ++blocks; };
  o.escapeHeld = [&] { return blocks >= 20; };  // held from the twentieth block on
  Extraction e(a, "*.*", o);
  EXPECT_EQ(e.result, kZipAborted);
  EXPECT_EQ(blocks, 20);
  EXPECT_TRUE(e.t.Files() == std::vector<std::string>{"in.zip"});
}

// The event pumping between input blocks may start a second extraction.
TEST(Extract, ASecondExtractionDuringOneIsBusyUnlessTheMarkIsStale) {
  for (const std::int64_t pause : {30000, 30001}) {
    TempFolder t;
    Archive a;
    a.members = {Text("a.txt", RandomText(20000, 4), 0)};
    WriteBytes(t / "in.zip", BuildZip(a));
    std::int64_t now = 1000;
    int nested = 1;
    bool once = false;
    ZipOptions o;
    o.tickCount = [&] { return now; };
    o.processEvents = [&] {
      if (once) return;
      once = true;
      now += pause;  // the running extraction processed events this long ago
      nested = ZipExtractEntry(t / "in.zip", t / "nested.txt", 0, o);
    };
    EXPECT_EQ(ZipExtract(t / "in.zip", t / "out", "*.*", {}, o), 1);
    EXPECT_EQ(nested, pause > 30000 ? kZipOk : kZipBusy) << pause;
    EXPECT_EQ(fs::exists(t.path / "nested.txt"), pause > 30000);
  }
}

// Every prefix of a small archive: an error code, no crash, no file. The
// first member alone extracts once all of its data is there.
TEST(Extract, EveryTruncationGivesAnErrorAndNoFile) {
  Archive a;
  a.members = {Text("one.txt", RandomText(600, 5)), Text("dir/two.txt", RandomText(300, 6), 0)};
  const Bytes whole = BuildZip(a);
  const std::size_t firstEnd = 30 + 7 + DeflateRaw(a.members[0].data).size();
  TempFolder t;
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    WriteBytes(t / "in.zip", Bytes(whole.begin(), whole.begin() + static_cast<long>(cut)));
    EXPECT_LT(ZipExtract(t / "in.zip", t / "out", "*.*"), 0) << cut;
    const int entry = ZipExtractEntry(t / "in.zip", t / "entry.txt", 0);
    if (cut >= firstEnd) {
      EXPECT_EQ(entry, kZipOk) << cut;
      EXPECT_EQ(ReadBytes(t / "entry.txt"), a.members[0].data);
      fs::remove(t.path / "entry.txt");
    } else {
      EXPECT_TRUE(entry == kZipReadError || entry == kZipFormatError || entry == kZipCrcError) << cut << ": " << entry;
    }
    EXPECT_EQ(t.Files(), std::vector<std::string>{"in.zip"}) << cut;
  }
}

}  // namespace

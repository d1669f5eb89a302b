// The decoders on bytes in memory: Deflate against zlib, and hand-made
// streams for the cases that real archives rarely show.
#include "update/zip/crc32.h"
#include "zip_test_util.h"

namespace {

using namespace ziptest;
using drawlyze::kZipFormatError;
using drawlyze::kZipOk;
using drawlyze::kZipReadError;

TEST(Crc32, MatchesTheCheckValueAndContinuesAcrossCalls) {
  const Bytes check = ToBytes("123456789");
  EXPECT_EQ(drawlyze::zip::Crc32(0, check.data(), check.size()), 0xCBF43926u);
  const Bytes text = RandomText(10007, 1);
  std::uint32_t crc = 0;
  for (std::size_t at = 0; at < text.size(); at += 333)
    crc = drawlyze::zip::Crc32(crc, text.data() + at, std::min<std::size_t>(333, text.size() - at));
  EXPECT_EQ(crc, Crc(text));
}

struct ZlibCase {
  const char* what;
  std::size_t size;
  int level;
  int strategy;
  bool binary;
};

class InflateAgainstZlib : public testing::TestWithParam<ZlibCase> {};

TEST_P(InflateAgainstZlib, GivesTheSameBytes) {
  const ZlibCase& c = GetParam();
  Bytes data = RandomText(c.size, static_cast<unsigned>(c.size));
  if (c.binary) {
    std::mt19937 rng(7);
    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
  }
  const Decoded d = Inflate(DeflateRaw(data, c.level, c.strategy));
  ASSERT_EQ(d.result, kZipOk);
  EXPECT_TRUE(d.bytes == data);
}

INSTANTIATE_TEST_SUITE_P(Streams, InflateAgainstZlib,
                         testing::Values(ZlibCase{"empty", 0, 6, Z_DEFAULT_STRATEGY, false},
                                         ZlibCase{"one", 1, 6, Z_DEFAULT_STRATEGY, false},
                                         ZlibCase{"dynamic", 300000, 9, Z_DEFAULT_STRATEGY, false},
                                         ZlibCase{"fixed", 100000, 6, Z_FIXED, false},
                                         ZlibCase{"stored", 200000, 0, Z_DEFAULT_STRATEGY, true},
                                         ZlibCase{"huffman only", 70000, 6, Z_HUFFMAN_ONLY, false},
                                         ZlibCase{"runs", 70000, 6, Z_RLE, false},
                                         ZlibCase{"fast", 1 << 20, 1, Z_DEFAULT_STRATEGY, false},
                                         ZlibCase{"binary", 150000, 6, Z_DEFAULT_STRATEGY, true}),
                         [](const auto& param) {
                           std::string name = param.param.what;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

// Fixed-code symbols (RFC 1951 3.2.6), sent first bit first.
BitWriter& Literal(BitWriter& w, std::uint8_t c) { return c < 144 ? w.Code(0x30 + c, 8) : w.Code(0x190 + c - 144, 9); }
BitWriter& Symbol(BitWriter& w, int s) { return s < 280 ? w.Code(s - 256, 7) : w.Code(0xC0 + s - 280, 8); }

struct HandMade {
  const char* what;
  Bytes stream;
  int result;
  std::string output;
};

class InflateHandMade : public testing::TestWithParam<HandMade> {};

TEST_P(InflateHandMade, GivesItsResult) {
  const Decoded d = Inflate(GetParam().stream);
  EXPECT_EQ(d.result, GetParam().result);
  if (d.result == kZipOk) {
    EXPECT_EQ(std::string(d.bytes.begin(), d.bytes.end()), GetParam().output);
  }
}

HandMade FixedBlock(const char* what, int result, std::string output, auto body) {
  BitWriter w;
  w.Bits(1, 1).Bits(1, 2);  // last block, fixed codes
  body(w);
  return {what, w.Finish(), result, std::move(output)};
}

// A dynamic block whose one distance code length is zero: it may hold
// literals only. Literal 'a' has code 0; the end of block code 1, or 10 with
// length symbol 257 as 11 beside it.
HandMade NoDistanceCodes(const char* what, int result, std::string output, bool withLength, auto body) {
  BitWriter w;
  w.Bits(1, 1).Bits(2, 2).Bits(0, 5).Bits(0, 5).Bits(14, 4);  // 257 + 1 lengths, 18 code-length lengths
  // Code-length code: 18 -> 0, 0 -> 10, and 1 -> 11; or 1 -> 110, 2 -> 111.
  const int lengthOf1 = withLength ? 3 : 2;
  for (const int symbol : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1})
    w.Bits(symbol == 18 ? 1 : symbol == 0 ? 2 : symbol == 1 ? lengthOf1 : symbol == 2 && withLength ? 3 : 0, 3);
  const auto one = [&] { return withLength ? w.Code(6, 3) : w.Code(3, 2); };
  w.Code(0, 1).Bits(97 - 11, 7);  // 97 zeros
  one();                          // 'a': 1 bit
  w.Code(0, 1).Bits(138 - 11, 7).Code(0, 1).Bits(20 - 11, 7);
  if (withLength) {
    w.Code(7, 3).Code(7, 3);  // 256 and 257: 2 bits
  } else {
    one();  // 256: 1 bit
  }
  w.Code(2, 2);  // the distance code: 0 bits
  body(w);
  return {what, w.Finish(), result, std::move(output)};
}

INSTANTIATE_TEST_SUITE_P(
    Streams, InflateHandMade,
    testing::Values(
        FixedBlock("back_reference_overlapping_itself", kZipOk, "abababa",
                   [](BitWriter& w) {
                     Literal(w, 'a');
                     Literal(w, 'b');
                     Symbol(w, 259);  // length 5
                     w.Code(1, 5);    // distance code 1: distance 2
                     Symbol(w, 256);  // end of block
                   }),
        FixedBlock("distance_past_the_start", kZipFormatError, "",
                   [](BitWriter& w) {
                     Literal(w, 'a');  // one byte written
                     Symbol(w, 257);   // length 3
                     w.Code(1, 5);     // distance 2: before the first byte
                     Symbol(w, 256);
                   }),
        FixedBlock("length_symbol_286", kZipFormatError, "", [](BitWriter& w) { Symbol(w, 286); }),
        FixedBlock("distance_symbol_30", kZipFormatError, "",
                   [](BitWriter& w) {
                     Literal(w, 'a');
                     Symbol(w, 257);
                     w.Code(30, 5);  // distance codes stop at 29
                   }),
        FixedBlock("no_end_of_block", kZipReadError, "", [](BitWriter& w) { Literal(w, 'a'); }),
        HandMade{"block_type_3", BitWriter().Bits(1, 1).Bits(3, 2).Bits(0, 5).Finish(), kZipFormatError, ""},
        HandMade{"stored_block",
                 BitWriter()
                     .Bits(1, 1)
                     .Bits(0, 2)
                     .Bits(0, 5)  // last, stored, pad to the byte
                     .Bits(2, 16)
                     .Bits(0xFFFD, 16)
                     .Byte('h')
                     .Byte('i')
                     .Finish(),
                 kZipOk, "hi"},
        HandMade{"stored_length_not_complemented",
                 BitWriter().Bits(1, 1).Bits(0, 2).Bits(0, 5).Bits(2, 16).Bits(0xFFFC, 16).Byte('h').Byte('i').Finish(),
                 kZipFormatError, ""},
        HandMade{"stored_block_cut_short",
                 BitWriter().Bits(1, 1).Bits(0, 2).Bits(0, 5).Bits(3, 16).Bits(0xFFFC, 16).Byte('h').Finish(),
                 kZipReadError, ""},
        // Dynamic block, 257 literal/length and 1 distance code lengths, the
        // 4 first code-length code lengths (for 16, 17, 18, 0) sent.
        HandMade{"incomplete_code_length_code",
                 BitWriter()
                     .Bits(1, 1)
                     .Bits(2, 2)
                     .Bits(0, 5)
                     .Bits(0, 5)
                     .Bits(0, 4)  // header
                     .Bits(0, 3)
                     .Bits(0, 3)
                     .Bits(1, 3)
                     .Bits(0, 3)  // only 18 has a code
                     .Finish(),
                 kZipFormatError, ""},
        HandMade{"repeat_with_nothing_before",
                 BitWriter()
                     .Bits(1, 1)
                     .Bits(2, 2)
                     .Bits(0, 5)
                     .Bits(0, 5)
                     .Bits(0, 4)
                     .Bits(1, 3)
                     .Bits(0, 3)
                     .Bits(1, 3)
                     .Bits(0, 3)  // 16 -> code 0, 18 -> code 1
                     .Code(0, 1)  // 16: repeat the previous length
                     .Bits(0, 2)
                     .Finish(),
                 kZipFormatError, ""},
        HandMade{"no_end_of_block_code",
                 BitWriter()
                     .Bits(1, 1)
                     .Bits(2, 2)
                     .Bits(0, 5)
                     .Bits(0, 5)
                     .Bits(0, 4)
                     .Bits(1, 3)
                     .Bits(0, 3)
                     .Bits(1, 3)
                     .Bits(0, 3)
                     .Code(1, 1)
                     .Bits(127, 7)  // 18: 138 zero lengths
                     .Code(1, 1)
                     .Bits(109, 7)  // 18: 120 more, 258 in all, symbol 256 among them
                     .Finish(),
                 kZipFormatError, ""},
        HandMade{"lengths_repeated_past_the_end",
                 BitWriter()
                     .Bits(1, 1)
                     .Bits(2, 2)
                     .Bits(0, 5)
                     .Bits(0, 5)
                     .Bits(0, 4)
                     .Bits(1, 3)
                     .Bits(0, 3)
                     .Bits(1, 3)
                     .Bits(0, 3)
                     .Code(1, 1)
                     .Bits(127, 7)
                     .Code(1, 1)
                     .Bits(127, 7)  // 276 lengths for 258 places
                     .Finish(),
                 kZipFormatError, ""},
        NoDistanceCodes("literals_only_without_distance_codes", kZipOk, "aa", false,
                        [](BitWriter& w) { w.Code(0, 1).Code(0, 1).Code(1, 1); }),
        NoDistanceCodes("distance_in_a_block_without_distance_codes", kZipFormatError, "", true,
                        [](BitWriter& w) { w.Code(0, 1).Code(3, 2).Bits(0, 16); })),
    [](const auto& param) { return std::string(param.param.what); });

TEST(Inflate, EveryCutOfAStreamIsAnErrorNotACrash) {
  const Bytes data = RandomText(5000, 3);
  const Bytes stream = DeflateRaw(data);
  for (std::size_t cut = 0; cut < stream.size(); ++cut) {
    const Decoded d = Inflate(Bytes(stream.begin(), stream.begin() + static_cast<long>(cut)));
    EXPECT_NE(d.result, kZipOk) << "cut at " << cut;
  }
}

TEST(Inflate, OutputBeyondTheLimitIsRefused) {
  const Bytes data = RandomText(70000, 4);
  const Bytes stream = DeflateRaw(data);
  EXPECT_EQ(Inflate(stream, data.size()).result, kZipOk);
  EXPECT_EQ(Inflate(stream, data.size() - 1).result, kZipFormatError);
}

// Implode streams made here: 4 KiB dictionary, two trees (no literal tree),
// every length and distance symbol coded with 6 bits (four bytes of
// "16 codes of 6 bits" each). Tree codes are sent inverted.
BitWriter ImplodeTrees() {
  BitWriter w;
  for (int tree = 0; tree < 2; ++tree) {
    w.Byte(3);  // four bytes follow
    for (int i = 0; i < 4; ++i) w.Byte(0xF5);
  }
  return w;
}
BitWriter& ImplodeLiteral(BitWriter& w, std::uint8_t c) { return w.Bits(1, 1).Byte(c); }
// Distance d (1-based) and length l (>= 2) of the two-tree form.
BitWriter& ImplodeMatch(BitWriter& w, int d, int l) {
  w.Bits(0, 1).Bits((d - 1) & 63, 6).Code(~((d - 1) >> 6) & 63, 6);
  const int code = l - 2 < 63 ? l - 2 : 63;
  w.Code(~code & 63, 6);
  if (code == 63) w.Byte(static_cast<std::uint8_t>(l - 2 - 63));
  return w;
}

TEST(Explode, DistanceBeforeTheFirstByteGivesZeros) {
  BitWriter w = ImplodeTrees();
  ImplodeLiteral(w, 'A');
  ImplodeMatch(w, 3, 4);  // two bytes before the start (zeros), then "A" and a zero again
  const Decoded d = Explode(w.Finish(), false, false, 5);
  ASSERT_EQ(d.result, kZipOk);
  EXPECT_EQ(d.bytes, (Bytes{'A', 0, 0, 'A', 0}));
}

TEST(Explode, LongLengthTakesAnExtraByteAndStopsAtTheSize) {
  BitWriter w = ImplodeTrees();
  ImplodeLiteral(w, 'x');
  ImplodeMatch(w, 1, 100);  // length code 63 plus 35
  const Decoded d = Explode(w.Finish(), false, false, 80);
  ASSERT_EQ(d.result, kZipOk);
  EXPECT_EQ(d.bytes, Bytes(80, 'x'));
}

TEST(Explode, BadTreesAndShortInputAreErrors) {
  BitWriter tooMany;
  tooMany.Byte(4);  // five bytes of 16 codes: 80 lengths for 64 symbols
  for (int i = 0; i < 5; ++i) tooMany.Byte(0xF5);
  EXPECT_EQ(Explode(tooMany.Finish(), false, false, 10).result, kZipFormatError);

  BitWriter oversubscribed;
  oversubscribed.Byte(0).Byte(0x20);  // three codes of one bit
  EXPECT_EQ(Explode(oversubscribed.Finish(), false, false, 10).result, kZipFormatError);

  BitWriter w = ImplodeTrees();
  ImplodeLiteral(w, 'x');
  EXPECT_EQ(Explode(w.Finish(), false, false, 10).result, kZipReadError);  // nine bytes missing
}

// Shrink streams: codes of the current width, lowest bit first.
struct Shrunk {
  BitWriter w;
  int width = 9;
  Shrunk& Code(int c) {
    w.Bits(static_cast<std::uint32_t>(c), width);
    return *this;
  }
  Shrunk& Wider() {
    Code(256).Code(1);
    ++width;
    return *this;
  }
  Shrunk& PartialClear() { return Code(256).Code(2); }
};

std::string Text(const Decoded& d) { return std::string(d.bytes.begin(), d.bytes.end()); }

TEST(Unshrink, KwKwKCodeIsThePreviousStringPlusItsFirstByte) {
  Shrunk s;
  s.Code('a');  // "a"
  s.Code(257);  // not yet defined: "a" + "a"; then 257 = "aa"
  s.Code(258);  // again: "aa" + "a"; then 258 = "aaa"
  const Decoded d = Unshrink(s.w.Finish());
  ASSERT_EQ(d.result, kZipOk);
  EXPECT_EQ(Text(d), "aaaaaa");
}

TEST(Unshrink, PartialClearingFreesOnlyLeavesAndReusesTheirCodes) {
  Shrunk s;
  s.Code('a');       // "a"
  s.Code(257);       // KwKwK "aa"; 257 = "aa"
  s.Code(258);       // KwKwK "aaa"; 258 = "aaa" (child of 257)
  s.Code(257);       // "aa"; 259 = "aaaa" (child of 258)
  s.PartialClear();  // 259 is the only leaf: freed; 257 and 258 stay
  s.Code('b');       // "b"; the lowest free code 259 = "aa" + "b"
  s.Code(259);       // "aab" (it meant "aaaa" before the clear); 260 = "ba"
  s.Code(258);       // "aaa" survived; 261 = "aab" + "a"
  const Decoded d = Unshrink(s.w.Finish());
  ASSERT_EQ(d.result, kZipOk);
  EXPECT_EQ(Text(d),
            "a"
            "aa"
            "aaa"
            "aa"
            "b"
            "aab"
            "aaa");
}

TEST(Unshrink, WiderCodesAfterTheCommand) {
  Shrunk s;
  s.Code('a').Wider().Code('b').Code(257);  // 257 = "ab", sent with 10 bits
  const Decoded d = Unshrink(s.w.Finish());
  ASSERT_EQ(d.result, kZipOk);
  EXPECT_EQ(Text(d), "abab");
}

TEST(Unshrink, InvalidStreamsAreFormatErrors) {
  Shrunk undefinedFirst;
  undefinedFirst.Code(300);
  EXPECT_EQ(Unshrink(undefinedFirst.w.Finish()).result, kZipFormatError);

  Shrunk tooWide;
  tooWide.Code('a').Wider().Wider().Wider().Wider().Wider();  // 14 bits
  EXPECT_EQ(Unshrink(tooWide.w.Finish()).result, kZipFormatError);

  Shrunk unknownCommand;
  unknownCommand.Code('a').Code(256).Code(3);
  EXPECT_EQ(Unshrink(unknownCommand.w.Finish()).result, kZipFormatError);

  Shrunk selfReference;  // after the clear the pending entry lands on its own parent's code
  selfReference.Code('a').Code(257).PartialClear().Code('c').Code(257);  // 257 = "aa" is freed, then 257 -> 257
  EXPECT_EQ(Unshrink(selfReference.w.Finish()).result, kZipFormatError);
}

// Found by fuzzing: a declared size beyond the data made the decoder read
// zero bits (literal 0) up to the declared output size.
TEST(Unshrink, DataEndingBeforeTheDeclaredSizeIsAReadError) {
  Shrunk s;
  s.Code('a').Code('b');
  EXPECT_EQ(Unshrink(s.w.Finish(), 1u << 30, 8000000).result, kZipReadError);
}

TEST(Unshrink, OutputBeyondTheLimitIsRefused) {
  Shrunk s;
  s.Code('a').Code(257).Code(258);
  EXPECT_EQ(Unshrink(s.w.Finish(), 5).result, kZipFormatError);
}

}  // namespace

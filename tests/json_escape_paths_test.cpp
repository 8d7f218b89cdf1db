// The string writer's escaping paths (plain, SSE2, AVX2, NEON), each forced
// in turn: every one must write exactly the bytes of the escaping table, for
// texts laid out against its blocks in every way, and read nothing past a
// text's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "escape_paths.h"
#include "json.h"
#include "reference_escape.h"

namespace {

using json_internal::EscapePath;

// The escaping table, one byte at a time.
std::string Reference(const std::string& raw) {
  return ReferenceEscapedString(raw.data(), raw.size());
}

// Every path this build is expected to have. A build that silently lost its
// vector code would otherwise pass with the plain path alone.
TEST(EscapePaths, TheBuildHasItsVectorPaths) {
  const std::vector<EscapePath> paths = json_internal::AvailableEscapePaths();
  ASSERT_FALSE(paths.empty());
  EXPECT_EQ(paths.front(), EscapePath::kPlain);
#if defined(ZELJSON_NO_SIMD)
  EXPECT_EQ(paths.size(), 1u);
#elif defined(__x86_64__) || defined(_M_X64)
  EXPECT_NE(std::find(paths.begin(), paths.end(), EscapePath::kSse2), paths.end());
#elif defined(__aarch64__)
  EXPECT_NE(std::find(paths.begin(), paths.end(), EscapePath::kNeon), paths.end());
#endif
#if !defined(ZELJSON_NO_SIMD) && (defined(__x86_64__) || defined(_M_X64)) && defined(__GNUC__)
  // The AVX2 path is there exactly when the compiler's own check (from its
  // runtime library, which the tests link) finds AVX2: the library asks the
  // processor itself, and a wrong answer would lose the path or crash.
  __builtin_cpu_init();
  EXPECT_EQ(std::find(paths.begin(), paths.end(), EscapePath::kAvx2) != paths.end(),
            __builtin_cpu_supports("avx2") != 0);
#endif
  // By default the last, fastest path is in use.
  json_internal::UseFastestEscapePath();
  EXPECT_EQ(json_internal::CurrentEscapePath(), paths.back());
  EXPECT_FALSE(json_internal::UseEscapePath(static_cast<EscapePath>(99)));
  EXPECT_EQ(json_internal::CurrentEscapePath(), paths.back());
}

class EscapePathTest : public testing::TestWithParam<EscapePath> {
 protected:
  void SetUp() override { ASSERT_TRUE(json_internal::UseEscapePath(GetParam())); }
  void TearDown() override { json_internal::UseFastestEscapePath(); }

  // The text through the path under test, both into a fresh string and into
  // a reused buffer, and inside a serialized array.
  static void ExpectEscaped(const std::string& raw, const std::string& what) {
    const std::string expected = Reference(raw);
    ASSERT_EQ(json_internal::EscapedString(raw.data(), raw.size()), expected) << what;
    static json_internal::TextBuffer reused;
    const std::size_t length = json_internal::WriteEscapedString(raw.data(), raw.size(), reused);
    ASSERT_EQ(std::string(reused.data(), length), expected) << what << " (reused buffer)";
    ASSERT_EQ(reused.data()[length], '\0') << what;
    json::Array array;
    array.push_back(json::Value(raw));
    ASSERT_EQ(json::Serialize(json::Value(array)), "[" + expected + "]") << what;
  }
};

std::string Hex(const std::string& raw) {
  std::string hex;
  char byte[4];
  for (const unsigned char c : raw) {
    std::snprintf(byte, sizeof byte, "%02X ", c);
    hex += byte;
  }
  return hex;
}

// Every length from 0 to 100, of clean text, of text with an escape every
// few bytes and of random bytes, so that each block size and every length of
// the last bytes is seen.
TEST_P(EscapePathTest, EveryLengthUpTo100) {
  std::mt19937 rng(100);
  for (std::size_t length = 0; length <= 100; ++length) {
    std::string clean;
    std::string sdk_like;
    std::string random;
    for (std::size_t i = 0; i < length; ++i) {
      clean += static_cast<char>('a' + i % 26);
      sdk_like += "{\"k\":\"a/b\"}"[i % 12];
      random += static_cast<char>(rng());
    }
    ExpectEscaped(clean, "clean " + std::to_string(length));
    ExpectEscaped(sdk_like, "SDK-like " + std::to_string(length));
    ExpectEscaped(random, "random " + Hex(random));
  }
}

// Texts made only of escapes of one kind or of a mix, so that every byte of
// every block grows: by one (" / \) or by five (control characters).
TEST_P(EscapePathTest, BlocksMadeEntirelyOfEscapes) {
  const std::vector<std::string> units = {"\"",   "/",     "\\",     "\n",     std::string(1, '\0'),
                                          "\x1F", "\"/\\", "\"\x01", "\\\b/\t"};
  for (const std::string& unit : units) {
    for (const std::size_t length : {1u, 15u, 16u, 17u, 31u, 32u, 33u, 64u, 65u, 200u, 4096u}) {
      std::string raw;
      while (raw.size() < length) raw += unit;
      raw.resize(length);
      ExpectEscaped(raw, Hex(unit) + "x" + std::to_string(length));
    }
  }
}

// One or two escapes at each position of the first blocks, among plain
// bytes on either side of the escaping rules.
TEST_P(EscapePathTest, EscapesAtEveryPositionOfABlock) {
  const unsigned char escapes[] = {'"', '/', '\\', 0x00, 0x08, 0x0B, 0x1F};
  const unsigned char fillers[] = {'a', 0x20, 0x21, 0x2E, 0x5B, 0x7F, 0x80, 0xFF};
  for (const unsigned char filler : fillers) {
    for (const std::size_t length : {8u, 16u, 32u, 64u, 70u}) {
      for (std::size_t at = 0; at < length; ++at) {
        for (const unsigned char escape : escapes) {
          std::string raw(length, static_cast<char>(filler));
          raw[at] = static_cast<char>(escape);
          ExpectEscaped(raw, Hex(raw));
          raw[(at * 7 + 3) % length] = '"';
          ExpectEscaped(raw, Hex(raw));
        }
      }
    }
  }
}

// Control characters, which the vector paths send through the table, in
// the same blocks as quotes, slashes and backslashes, which they expand.
TEST_P(EscapePathTest, ControlCharactersNextToQuotes) {
  const std::vector<std::string> pieces = {
      "\"\n", "\n\"", "\\\x01/", "a\"\x1F\"b", "\t\"\t", "/\r\n/", std::string("\"\0\"", 3)};
  for (const std::string& piece : pieces) {
    for (std::size_t before = 0; before < 40; ++before) {
      std::string raw = std::string(before, 'x') + piece;
      raw += std::string(40, 'y') + piece + "{\"text\":\"a/b\"}";
      ExpectEscaped(raw, Hex(raw));
    }
  }
}

// UTF-8 sequences of two to four bytes passing over every block border,
// among escapes, come out unchanged.
TEST_P(EscapePathTest, Utf8SplitAcrossBlockBorders) {
  const std::vector<std::string> sequences = {"\xC3\xA9", "\xE4\xBB\x8A", "\xF0\x9F\x98\x80"};
  for (const std::string& sequence : sequences) {
    for (std::size_t offset = 0; offset < 34; ++offset) {
      std::string raw(offset, 'u');
      for (int i = 0; i < 12; ++i) raw += sequence + (i % 3 == 0 ? "\"" : "");
      ExpectEscaped(raw, Hex(raw));
    }
  }
}

// Long generated texts with every kind of byte, whose output outgrows the
// room the writer first takes, so that the loop stops for room and resumes.
TEST_P(EscapePathTest, LongTextsThatOutgrowTheirRoom) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    std::string raw;
    const std::size_t length = 1000 + rng() % 20000;
    const unsigned escape_share = rng() % 101;
    while (raw.size() < length) {
      if (rng() % 100 < escape_share) {
        raw += "\"/\\\n\x01"[rng() % (round % 2 == 0 ? 3 : 5)];
      } else {
        raw += static_cast<char>(0x20 + rng() % 0xE0);
      }
    }
    ExpectEscaped(raw, "round " + std::to_string(round));
  }
}

// Memory of which the pages around a middle part cannot be read or written.
class GuardedPages {
 public:
  explicit GuardedPages(std::size_t pages) {
#if defined(_WIN32)
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    page_ = info.dwPageSize;
    base_ = static_cast<char*>(
        VirtualAlloc(nullptr, (pages + 2) * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    if (base_ != nullptr) {
      VirtualProtect(base_, page_, PAGE_NOACCESS, &old);
      VirtualProtect(base_ + (pages + 1) * page_, page_, PAGE_NOACCESS, &old);
    }
#else
    page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* const map = mmap(nullptr, (pages + 2) * page_, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    base_ = map == MAP_FAILED ? nullptr : static_cast<char*>(map);
    if (base_ != nullptr) {
      mprotect(base_, page_, PROT_NONE);
      mprotect(base_ + (pages + 1) * page_, page_, PROT_NONE);
    }
#endif
    size_ = pages * page_;
  }
  ~GuardedPages() {
    if (base_ == nullptr) return;
#if defined(_WIN32)
    VirtualFree(base_, 0, MEM_RELEASE);
#else
    munmap(base_, size_ + 2 * page_);
#endif
  }
  GuardedPages(const GuardedPages&) = delete;
  GuardedPages& operator=(const GuardedPages&) = delete;

  char* begin() const { return base_ == nullptr ? nullptr : base_ + page_; }
  char* end() const { return begin() + size_; }

 private:
  char* base_ = nullptr;
  std::size_t page_ = 0;
  std::size_t size_ = 0;
};

// A text that ends exactly where readable memory ends, or starts where it
// starts: a loop that reads a whole block past the end, or before the
// start, faults here instead of passing by luck.
TEST_P(EscapePathTest, TextsAtPageEndsAreReadWithoutAFault) {
  const GuardedPages pages(1);
  ASSERT_NE(pages.begin(), nullptr);
  std::mt19937 rng(5);
  for (std::size_t length = 0; length <= 300; ++length) {
    std::string raw;
    for (std::size_t i = 0; i < length; ++i) raw += "ab\"c/d\\e\n\xC3\xA9"[rng() % 11];
    char* const at_end = pages.end() - length;
    std::memcpy(at_end, raw.data(), length);
    ASSERT_EQ(json_internal::EscapedString(at_end, length), Reference(raw)) << "at the end";
    std::memcpy(pages.begin(), raw.data(), length);
    ASSERT_EQ(json_internal::EscapedString(pages.begin(), length), Reference(raw))
        << "at the start";
  }
}

std::string PathName(const testing::TestParamInfo<EscapePath>& info) {
  return json_internal::EscapePathName(info.param);
}

INSTANTIATE_TEST_SUITE_P(EachPath, EscapePathTest,
                         testing::ValuesIn(json_internal::AvailableEscapePaths()), PathName);

}  // namespace

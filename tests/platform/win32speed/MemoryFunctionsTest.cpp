#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Byte at a time through volatile pointers, so the compiler cannot turn these back into
// calls to the functions under test.
void referenceMove(unsigned char* to, const unsigned char* from, std::size_t size) {
  std::vector<unsigned char> copy(size);
  const volatile unsigned char* source = from;
  volatile unsigned char* target = to;
  for (std::size_t at = 0; at < size; ++at) copy[at] = source[at];
  for (std::size_t at = 0; at < size; ++at) target[at] = copy[at];
}

std::vector<unsigned char> pattern(std::size_t size) {
  std::vector<unsigned char> bytes(size);
  for (std::size_t at = 0; at < size; ++at) bytes[at] = static_cast<unsigned char>(at * 37 + 11);
  return bytes;
}

constexpr std::size_t Sizes[] = {0,  1,  2,  3,  4,  5,  7,  8,   9,   15,  16,   17,  31,
                                 32, 33, 47, 48, 63, 64, 65, 100, 255, 256, 1000, 4099};

HMODULE moduleOf(const void* function) {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      static_cast<LPCWSTR>(function), &module);
  return module;
}

TEST(MemoryFunctionsTest, TheProgramsOwnFunctionsServeIt) {
  const HMODULE program = GetModuleHandleW(nullptr);
  EXPECT_EQ(moduleOf(reinterpret_cast<const void*>(&memcpy)), program);
  EXPECT_EQ(moduleOf(reinterpret_cast<const void*>(&memmove)), program);
  EXPECT_EQ(moduleOf(reinterpret_cast<const void*>(&memset)), program);
  EXPECT_EQ(moduleOf(reinterpret_cast<const void*>(&memcmp)), program);
  EXPECT_EQ(moduleOf(reinterpret_cast<const void*>(&memchr)), program);
}

TEST(MemoryFunctionsTest, CopiesMovesAndFillsMatchAByteAtATime) {
  const std::vector<unsigned char> original = pattern(4099 + 4400);
  for (std::size_t size : Sizes) {
    for (std::size_t from = 0; from < 16; ++from) {
      for (std::ptrdiff_t shift : {-40, -17, -16, -15, -1, 1, 15, 16, 17, 40, 4200}) {
        const std::size_t to =
            static_cast<std::size_t>(64 + static_cast<std::ptrdiff_t>(from) + shift);
        std::vector<unsigned char> expected = original;
        std::vector<unsigned char> actual = original;
        referenceMove(expected.data() + to, expected.data() + 64 + from, size);
        std::memmove(actual.data() + to, actual.data() + 64 + from, size);
        ASSERT_EQ(actual, expected) << "memmove of " << size << " by " << shift;
        if (shift == 4200) {
          actual = original;
          std::memcpy(actual.data() + to, actual.data() + 64 + from, size);
          ASSERT_EQ(actual, expected) << "memcpy of " << size;
        }
      }
      std::vector<unsigned char> filled = original;
      std::memset(filled.data() + from, 0x1A5, size);  // only the low byte counts
      for (std::size_t at = 0; at < filled.size(); ++at) {
        const bool inside = at >= from && at < from + size;
        ASSERT_EQ(filled[at], inside ? 0xA5 : original[at]) << "memset of " << size;
      }
    }
  }
}

TEST(MemoryFunctionsTest, ComparesAndSearchesFindTheFirstDifferenceAndByte) {
  const std::vector<unsigned char> bytes = pattern(4099 + 32);
  for (std::size_t size : Sizes) {
    for (std::size_t start = 0; start < 16; ++start) {
      const unsigned char* area = bytes.data() + start;
      std::vector<unsigned char> other(area, area + size);
      EXPECT_EQ(std::memcmp(area, other.data(), size), 0);
      for (std::size_t at : {std::size_t{0}, size / 2, size - 1}) {
        if (size == 0) break;
        other[at] = static_cast<unsigned char>(area[at] ^ 0x80);  // past 127: unsigned order
        // A later difference the other way round must not decide.
        if (at + 1 < size) other[size - 1] = area[at] < other[at] ? 0 : 0xFF;
        const int order = std::memcmp(area, other.data(), size);
        EXPECT_TRUE(area[at] < other[at] ? order < 0 : order > 0) << size << " at " << at;
        std::copy(area, area + size, other.begin());

        const void* found = std::memchr(area, area[at] | 0x100, size);
        const void* first = std::find(area, area + size, area[at]);
        EXPECT_EQ(found, first) << "memchr in " << size << " from " << start;
      }
      const unsigned char beyond = area[size];
      if (std::find(area, area + size, beyond) == area + size) {
        EXPECT_EQ(std::memchr(area, beyond, size), nullptr) << "memchr past the end";
      }
    }
  }
}

TEST(MemoryFunctionsTest, ASearchEndingAtAPageNeverReadsTheNextOne) {
  SYSTEM_INFO system{};
  GetSystemInfo(&system);
  const std::size_t page = system.dwPageSize;
  auto* area = static_cast<unsigned char*>(
      VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(area, nullptr);
  DWORD old = 0;
  ASSERT_TRUE(VirtualProtect(area + page, page, PAGE_NOACCESS, &old));
  std::memset(area, 'x', page);
  for (std::size_t size : {std::size_t{1}, std::size_t{5}, std::size_t{16}, std::size_t{33}}) {
    EXPECT_EQ(std::memchr(area + page - size, 'y', size), nullptr);
    EXPECT_EQ(std::memcmp(area + page - size, area, size), 0);
  }
  VirtualFree(area, 0, MEM_RELEASE);
}

}  // namespace

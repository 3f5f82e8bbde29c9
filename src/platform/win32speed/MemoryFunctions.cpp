// The C library's copy, fill, compare and search functions, for the Windows programs.
//
// A conversion calls them several times for every line, mostly on a few dozen bytes. The
// system's C library under Wine moves such short blocks with string instructions and
// compares and searches a byte at a time, which made them a third of a conversion's time
// there. These use 16-byte SSE2 steps, which every 64-bit processor has; defined in the
// program, they take the place of the library's for the program and its static libraries.
// Built without the compiler's own pattern matching, which would turn the loops below back
// into calls to these very functions.

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace {

using Block = __m128i;
constexpr std::size_t BlockSize = sizeof(Block);

Block load(const unsigned char* at) {
  return _mm_loadu_si128(reinterpret_cast<const Block*>(at));
}
Block loadAligned(const unsigned char* at) {
  return _mm_load_si128(reinterpret_cast<const Block*>(at));
}
void store(unsigned char* at, Block value) {
  _mm_storeu_si128(reinterpret_cast<Block*>(at), value);
}

template <class Word>
Word loadWord(const unsigned char* at) {
  Word word;
  __builtin_memcpy(&word, at, sizeof word);  // a single move, never a call
  return word;
}
template <class Word>
void storeWord(unsigned char* at, Word word) {
  __builtin_memcpy(at, &word, sizeof word);
}

// 1 to 2 * sizeof(Word) bytes as two words that may overlap; both are read before either
// is written, so the blocks themselves may overlap too.
template <class Word>
void copyTwoWords(unsigned char* to, const unsigned char* from, std::size_t size) {
  const Word head = loadWord<Word>(from);
  const Word tail = loadWord<Word>(from + size - sizeof(Word));
  storeWord(to, head);
  storeWord(to + size - sizeof(Word), tail);
}

// Up to 4 blocks: all are read before any is written, so the areas may overlap. Nearly
// every copy of a conversion is a line or part of one, shorter than this.
[[gnu::always_inline]] inline void copyShort(unsigned char* to, const unsigned char* from,
                                             std::size_t size) {
  if (size > 2 * BlockSize) {
    const Block first = load(from);
    const Block second = load(from + BlockSize);
    const Block beforeLast = load(from + size - 2 * BlockSize);
    const Block last = load(from + size - BlockSize);
    store(to, first);
    store(to + BlockSize, second);
    store(to + size - 2 * BlockSize, beforeLast);
    store(to + size - BlockSize, last);
  } else if (size >= BlockSize) {
    const Block head = load(from);
    const Block tail = load(from + size - BlockSize);
    store(to, head);
    store(to + size - BlockSize, tail);
  } else if (size >= 8) {
    copyTwoWords<std::uint64_t>(to, from, size);
  } else if (size >= 4) {
    copyTwoWords<std::uint32_t>(to, from, size);
  } else if (size >= 2) {
    copyTwoWords<std::uint16_t>(to, from, size);
  } else if (size == 1) {
    *to = *from;
  }
}

// Front to back: each block is read before the blocks behind it are written, so this is
// right when the target starts before the source. The last block is read first, before
// the loop can overwrite it, and written last.
void copyForward(unsigned char* to, const unsigned char* from, std::size_t size) {
  const Block tail = load(from + size - BlockSize);
  for (std::size_t done = 0; done + BlockSize < size; done += BlockSize) {
    store(to + done, load(from + done));
  }
  store(to + size - BlockSize, tail);
}

// The mirror image, for a target that starts after its source.
void copyBackward(unsigned char* to, const unsigned char* from, std::size_t size) {
  const Block head = load(from);
  for (std::size_t left = size; left > BlockSize; left -= BlockSize) {
    store(to + left - BlockSize, load(from + left - BlockSize));
  }
  store(to, head);
}

void move(unsigned char* to, const unsigned char* from, std::size_t size) {
  if (size <= 4 * BlockSize) return copyShort(to, from, size);
  if (to <= from || to >= from + size) return copyForward(to, from, size);
  copyBackward(to, from, size);
}

// Up to 15 bytes, as at most two words that may overlap.
void fillShort(unsigned char* to, unsigned char byte, std::size_t size) {
  const std::uint64_t word = 0x0101010101010101ULL * byte;
  if (size >= 8) {
    storeWord(to, word);
    storeWord(to + size - 8, word);
  } else if (size >= 4) {
    storeWord(to, static_cast<std::uint32_t>(word));
    storeWord(to + size - 4, static_cast<std::uint32_t>(word));
  } else {
    for (std::size_t at = 0; at < size; ++at) to[at] = byte;
  }
}

// One bit for each byte of the two blocks that is the same in both.
unsigned equalBytes(Block a, Block b) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b)));
}
constexpr unsigned AllEqual = 0xFFFF;

int difference(unsigned char a, unsigned char b) {
  return static_cast<int>(a) - static_cast<int>(b);
}

// The order of the first differing byte of one block, or 0.
int compareBlocks(const unsigned char* a, const unsigned char* b) {
  const unsigned equal = equalBytes(load(a), load(b));
  if (equal == AllEqual) return 0;
  const int at = __builtin_ctz(~equal);
  return difference(a[at], b[at]);
}

template <class Word>
int compareWord(const unsigned char* a, const unsigned char* b) {
  const Word different = loadWord<Word>(a) ^ loadWord<Word>(b);
  if (different == 0) return 0;
  const int at = __builtin_ctzll(different) / 8;  // the lowest address is the lowest byte
  return difference(a[at], b[at]);
}

// Under a block, as two words that may overlap.
int compareShort(const unsigned char* a, const unsigned char* b, std::size_t size) {
  if (size >= 8) {
    if (const int order = compareWord<std::uint64_t>(a, b)) return order;
    return compareWord<std::uint64_t>(a + size - 8, b + size - 8);
  }
  if (size >= 4) {
    if (const int order = compareWord<std::uint32_t>(a, b)) return order;
    return compareWord<std::uint32_t>(a + size - 4, b + size - 4);
  }
  for (std::size_t at = 0; at < size; ++at) {
    if (a[at] != b[at]) return difference(a[at], b[at]);
  }
  return 0;
}

}  // namespace

extern "C" {

void* memcpy(void* to, const void* from, std::size_t size) {
  move(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), size);
  return to;
}

void* memmove(void* to, const void* from, std::size_t size) {
  move(static_cast<unsigned char*>(to), static_cast<const unsigned char*>(from), size);
  return to;
}

void* memset(void* to, int value, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(to);
  const auto byte = static_cast<unsigned char>(value);
  if (size < BlockSize) {
    fillShort(bytes, byte, size);
    return to;
  }
  const Block filled = _mm_set1_epi8(static_cast<char>(byte));
  for (std::size_t done = 0; done + BlockSize < size; done += BlockSize)
    store(bytes + done, filled);
  store(bytes + size - BlockSize, filled);
  return to;
}

int memcmp(const void* first, const void* second, std::size_t size) {
  const auto* a = static_cast<const unsigned char*>(first);
  const auto* b = static_cast<const unsigned char*>(second);
  if (size < BlockSize) return compareShort(a, b, size);
  std::size_t done = 0;
  for (; done + BlockSize <= size; done += BlockSize) {
    if (const int order = compareBlocks(a + done, b + done)) return order;
  }
  // The rest as the last whole block, which overlaps bytes already found equal.
  return done == size ? 0 : compareBlocks(a + size - BlockSize, b + size - BlockSize);
}

// Reads whole aligned blocks, which never reach into a page the buffer does not touch;
// the bytes outside the buffer are masked away.
void* memchr(const void* buffer, int value, std::size_t size) {
  if (size == 0) return nullptr;
  const auto* start = static_cast<const unsigned char*>(buffer);
  // Callers that know the byte is there may pass a size that runs past the address space.
  const std::uintptr_t room = UINTPTR_MAX - reinterpret_cast<std::uintptr_t>(start);
  const unsigned char* end = start + (size < room ? size : room);
  const Block wanted = _mm_set1_epi8(static_cast<char>(value));
  const auto misalignment = reinterpret_cast<std::uintptr_t>(start) % BlockSize;
  const unsigned char* block = start - misalignment;
  unsigned hits = equalBytes(loadAligned(block), wanted) & (AllEqual << misalignment);
  while (hits == 0) {
    block += BlockSize;
    if (block >= end) return nullptr;
    hits = equalBytes(loadAligned(block), wanted);
  }
  const unsigned char* found = block + __builtin_ctz(hits);
  return found < end ? const_cast<unsigned char*>(found) : nullptr;
}

}  // extern "C"

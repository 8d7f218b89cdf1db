#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace allocation_counter {
namespace {

thread_local long allocations = 0;

}  // namespace

long ThisThread() { return allocations; }

}  // namespace allocation_counter

void* operator new(std::size_t size) {
  ++allocation_counter::allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++allocation_counter::allocations;
  return std::malloc(size == 0 ? 1 : size);
}
// Not inlined: the compiler would otherwise pair a new expression with the
// free() inside and warn about a mismatch that does not exist.
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete[](void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

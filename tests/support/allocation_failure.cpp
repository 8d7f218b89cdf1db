#include "allocation_failure.h"

#include <cstdlib>
#include <new>

namespace allocation_failure {
namespace {

// Allocations left on this thread until the failing one; 0 when not armed.
thread_local long countdown = 0;
thread_local bool reached = false;
thread_local bool fail_later_ones = false;
thread_local long allocations = 0;

bool FailsNow() {
  ++allocations;
  if (reached) return fail_later_ones;
  if (countdown == 0 || --countdown > 0) return false;
  reached = true;
  return true;
}

}  // namespace

long AllocationsOfThisThread() { return allocations; }

void Arm(long nth, Failing failing) {
  countdown = nth;
  reached = false;
  fail_later_ones = failing == Failing::kNthAndLater;
}

bool Disarm() {
  const bool was_reached = reached;
  countdown = 0;
  reached = false;
  fail_later_ones = false;
  return was_reached;
}

}  // namespace allocation_failure

// The whole test program allocates through these. The nothrow form is
// replaced as well: sanitizer runtimes define their own, which would not fail.
void* operator new(std::size_t size) {
  if (allocation_failure::FailsNow()) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}
// Not inlined: the compiler would otherwise pair a new expression with the
// free() inside and warn about a mismatch that does not exist.
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}

// Allocation failure on demand, for tests of what the bridge does when memory
// runs out. The test program's global operator new (allocation_failure.cpp,
// linked into every bridge test program) counts the allocations of the thread
// that armed it and throws std::bad_alloc at the chosen one; the nothrow form
// returns null there instead. It also counts every thread's allocations.
#ifndef ZELBRIDGE_TESTS_SUPPORT_ALLOCATION_FAILURE_H_
#define ZELBRIDGE_TESTS_SUPPORT_ALLOCATION_FAILURE_H_

namespace allocation_failure {

enum class Failing {
  kOnlyNth,      // the nth allocation fails, later ones succeed
  kNthAndLater,  // the nth and every later allocation fail
};

// How many allocations this thread has made so far.
long AllocationsOfThisThread();

// Makes this thread's nth allocation from now on fail (n counts from 1).
void Arm(long nth, Failing failing);
// Back to allocations that never fail; true when the nth was reached.
bool Disarm();

// Runs action with its nth allocation failing; true when action got that far.
template <typename Action>
bool WithAllocationFailing(long nth, Action action, Failing failing = Failing::kOnlyNth) {
  Arm(nth, failing);
  try {
    action();
  } catch (...) {
    Disarm();
    throw;
  }
  return Disarm();
}

}  // namespace allocation_failure

#endif  // ZELBRIDGE_TESTS_SUPPORT_ALLOCATION_FAILURE_H_

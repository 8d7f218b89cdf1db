// Counts the allocations each thread makes through operator new, for the
// benchmarks that report allocations per envelope. The counting operator new
// and delete replace the global ones in the benchmark program only.
#ifndef ZELBRIDGE_BENCH_ALLOCATION_COUNTER_H_
#define ZELBRIDGE_BENCH_ALLOCATION_COUNTER_H_

namespace allocation_counter {

// Allocations the calling thread has made so far.
long ThisThread();

}  // namespace allocation_counter

#endif  // ZELBRIDGE_BENCH_ALLOCATION_COUNTER_H_

// Delivery of one completion or event with each of its allocations failing in
// turn, checked against what reaches a Dart port and the SDK's log.
#ifndef ZELBRIDGE_TESTS_SUPPORT_DELIVERY_UNDER_ALLOCATION_FAILURE_H_
#define ZELBRIDGE_TESTS_SUPPORT_DELIVERY_UNDER_ALLOCATION_FAILURE_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "allocation_failure.h"
#include "bridge_fixture.h"
#include "dart_runtime_standin.h"

// Runs deliver, which must post to port alone, once per allocation it makes:
// first with that allocation failing alone, then with it and every later one
// failing. Each run is on a new thread, which has no envelope storage yet, so
// that the storage's own allocations fail in turn too (a thread that has
// delivered such an envelope before allocates nothing). Nothing may escape.
// With one allocation failing, exactly one of the allowed texts reaches the
// port, and any but the first (the text that arrives when nothing fails) only
// with a new log line. With every later allocation failing too, at most one
// of them arrives. The text of an envelope is not made with operator new, so
// a failure seen here sends the envelope down the ordinary path rather than
// to its error envelope, unless the runtime itself refuses a post for want
// of memory; a text that cannot be made is tested under a memory limit.
template <typename Deliver>
void ExpectDeliveryDespiteEachAllocationFailure(int64_t port,
                                                const std::vector<std::string>& allowed,
                                                Deliver deliver) {
  using allocation_failure::Failing;
  for (const Failing failing : {Failing::kOnlyNth, Failing::kNthAndLater}) {
    bool reached = true;
    long nth = 1;
    for (; reached && nth < 1000; ++nth) {
      SCOPED_TRACE("allocation " + std::to_string(nth) +
                   (failing == Failing::kOnlyNth ? " fails" : " and later ones fail"));
      dart_standin::Reset();
      const size_t lines_before = LogContents().size();
      std::thread([&] {
        reached = allocation_failure::WithAllocationFailing(nth, deliver, failing);
      }).join();
      const std::vector<std::string> received = dart_standin::Received(port);
      for (const std::string& text : received) {
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), text), allowed.end()) << text;
      }
      if (failing == Failing::kNthAndLater) {
        EXPECT_LE(received.size(), 1u);
        continue;
      }
      EXPECT_EQ(received.size(), 1u);
      if (received.size() != 1) continue;
      if (received[0] != allowed.front()) {
        EXPECT_GT(LogContents().size(), lines_before) << received[0];
      }
    }
    EXPECT_FALSE(reached) << "still allocating after 1000 allocations";
    EXPECT_GT(nth, 2);  // delivery allocates, so some failure was injected
  }
}

#endif  // ZELBRIDGE_TESTS_SUPPORT_DELIVERY_UNDER_ALLOCATION_FAILURE_H_

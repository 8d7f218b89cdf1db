// An SDK that reports its own log activity to the app's log listener raises
// a log event from inside every line the bridge writes into its log. When
// that event cannot be delivered either, its failure line must not raise the
// next one: the bridge writes no log line from inside another on the same
// thread. Without that, these tests overflow their thread's stack.
//
// Built with ZELBRIDGE_TEST_WITHOUT_THREAD_SLOTS, the same tests run in a
// process that has no thread slot left for the bridge to mark its threads
// with: one thread's line at a time is written then, and re-entry stays
// bounded all the same.

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <pthread.h>
#endif

#include "bridge_fixture.h"
#include "completion.h"
#include "dart_delivery.h"
#include "sdk/zel_sdk.h"

namespace {

using dart_standin::Received;

constexpr int64_t kPort = 44;
const char kRotated[] = "log file rotated";

// Runs work on a thread with a mobile thread's stack (512 KiB), so that
// unbounded re-entry fails fast, as it would on a phone.
void RunOnSmallStack(const std::function<void()>& work) {
#if defined(_WIN32)
  std::thread(work).join();
#else
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 512 * 1024), 0);
  pthread_t thread;
  auto run = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)),
            0);
  pthread_attr_destroy(&attributes);
  pthread_join(thread, nullptr);
#endif
}

#if defined(ZELBRIDGE_TEST_WITHOUT_THREAD_SLOTS)
// Takes every thread slot the process has left, and gives them back when
// done. Taken before the bridge's first log line, they leave it none.
class AllThreadSlots {
 public:
  void Take() {
    for (;;) {
#if defined(_WIN32)
      const DWORD slot = FlsAlloc(nullptr);
      if (slot == FLS_OUT_OF_INDEXES) break;
#else
      pthread_key_t slot;
      if (pthread_key_create(&slot, nullptr) != 0) break;
#endif
      taken_.push_back(slot);
    }
  }
  ~AllThreadSlots() {
    for (const auto slot : taken_) {
#if defined(_WIN32)
      FlsFree(slot);
#else
      pthread_key_delete(slot);
#endif
    }
  }

 private:
#if defined(_WIN32)
  std::vector<DWORD> taken_;
#else
  std::vector<pthread_key_t> taken_;
#endif
};
#endif

class LogReentryTest : public BridgeTest {
 protected:
  void SetUp() override {
#if defined(ZELBRIDGE_TEST_WITHOUT_THREAD_SLOTS)
    all_slots_.Take();
#endif
    BridgeTest::SetUp();
    // A line tells how many were dropped since the last one, in any test:
    // one line first, so that these tests start from none.
    writeLogToVexlog("start");
    zel_standin::Reset();
    ASSERT_EQ(DartSetLogCallback("log-ctx"), 0);
    const auto listener = zel_standin::RegisteredListener("ZelSetLogCallback");
    ASSERT_TRUE(listener.has_value());
    log_ = reinterpret_cast<ZelLogCallback>(const_cast<void*>(listener->callback));
    // Every line the bridge writes makes the SDK raise a log event of its
    // own, without the bridge's marker, from inside the call.
    zel_standin::SetExperimentalApiReaction([this](const std::string&) {
      ++events_raised_;
      log_(kZelLogLevelInfo, kRotated, "log-ctx");
    });
  }

  void TearDown() override {
    zel_standin::SetExperimentalApiReaction(nullptr);
    BridgeTest::TearDown();
  }

  static void DeliverCompletion(const char* user_data) {
    RunOnSmallStack([user_data] { DartZelCommonCallback(0, "", "{}", user_data); });
  }

  ZelLogCallback log_ = nullptr;
  std::atomic<int> events_raised_{0};
#if defined(ZELBRIDGE_TEST_WITHOUT_THREAD_SLOTS)
  AllThreadSlots all_slots_;
#endif
};

std::string RotatedEvent() {
  return R"({"callback":"globalCallback","callbackType":6,"level":)" +
         std::to_string(kZelLogLevelInfo) + R"(,"log":"log file rotated","user_data":"log-ctx"})";
}

TEST_F(LogReentryTest, WithNoPortTheLineFromInsideALineIsDroppedAndCountedInTheNext) {
  DeliverCompletion("first");
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered."}));
  EXPECT_EQ(events_raised_, 1);

  DeliverCompletion("second");
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{
                "im ffi: Serious error, no Dart_Port registered.",
                "im ffi: Serious error, no Dart_Port registered. (1 nested log line dropped)"}));
  EXPECT_TRUE(dart_standin::Posts().empty());
}

TEST_F(LogReentryTest, WithARefusingPortTheNestedFailureLinesAreDroppedAndThePortStillGoes) {
  Register(kPort);
  dart_standin::RefuseAllPosts(kPort);

  DeliverCompletion("outer");

  // The nested event fails all three steps and drops the refusing port in
  // its third; its three lines are dropped. The outer envelope then finds
  // no port for its base64 and error texts, and the event raised from each
  // of those lines finds none either.
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{
                "im ffi: [Step1] Posting message without base64 failed. user_data: outer",
                "im ffi: [Step2] Posting message with base64 failed. user_data: outer (3 nested "
                "log lines dropped)",
                "im ffi: [Step3] Posting error message failed. user_data: outer (1 nested log "
                "line dropped)"}));
  EXPECT_EQ(events_raised_, 3);
  EXPECT_TRUE(Received(kPort).empty());
  // The port was dropped: nothing is posted to it any more.
  const std::size_t posts = dart_standin::Posts().size();
  DartZelCommonCallback(0, "", "{}", "later");
  EXPECT_EQ(dart_standin::Posts().size(), posts);
}

TEST_F(LogReentryTest, NestedEnvelopesThatAPortTakesAreStillDelivered) {
  Register(kPort);
  // The port refuses the outer completion in every form and takes the rest.
  dart_standin::SetPortRule(kPort, [](const std::string& text) {
    return text.find("outer") == std::string::npos && text.rfind("base64:", 0) != 0;
  });

  DeliverCompletion("outer");

  // Each of the outer envelope's three failure lines raised an event, and
  // the port took each one; the last also dropped the port, which refused
  // the error envelope.
  EXPECT_EQ(events_raised_, 3);
  EXPECT_EQ(Received(kPort), (std::vector<std::string>{RotatedEvent(), RotatedEvent()}));
  EXPECT_EQ(LogContents().size(), 3u);
}

TEST_F(LogReentryTest, AnotherThreadWritesItsLineWhileOneIsInsideItsOwn) {
  std::mutex mutex;
  std::condition_variable changed;
  bool inside = false;
  bool other_done = false;
  const std::thread::id first_thread = std::this_thread::get_id();
  // The first line waits inside the SDK until another thread has written
  // its own line; the other thread's line raises no event.
  zel_standin::SetExperimentalApiReaction([&](const std::string&) {
    if (std::this_thread::get_id() != first_thread) return;
    std::unique_lock<std::mutex> lock(mutex);
    inside = true;
    changed.notify_all();
    changed.wait(lock, [&] { return other_done; });
  });

  std::thread other([&] {
    {
      std::unique_lock<std::mutex> lock(mutex);
      changed.wait(lock, [&] { return inside; });
    }
    DartZelCommonCallback(0, "", "{}", "other");
    std::lock_guard<std::mutex> lock(mutex);
    other_done = true;
    changed.notify_all();
  });
  DartZelCommonCallback(0, "", "{}", "first");
  other.join();

#if defined(ZELBRIDGE_TEST_WITHOUT_THREAD_SLOTS)
  // No thread can be marked: while one writes, every other line is dropped,
  // and counted in the next.
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered."}));
  writeLogToVexlog("after");
  EXPECT_EQ(LogContents().back(), "im ffi: after (1 nested log line dropped)");
#else
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered.",
                                      "im ffi: Serious error, no Dart_Port registered."}));
#endif
}

}  // namespace

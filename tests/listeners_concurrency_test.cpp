// Events raised from several SDK threads at once through the adapters that
// the exports registered, while Dart threads register ports and listeners:
// every event that passes its filter reaches every port that stays
// registered exactly once, filtered events reach none, and no port ever gets
// the same envelope twice.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "bridge_fixture.h"
#include "sdk/zel_sdk.h"

namespace {

constexpr int kRaisingThreads = 3;
constexpr int kEventsPerThread = 300;
constexpr int64_t kStablePorts[] = {21, 22};
constexpr int kTransientPorts = 8;
constexpr int64_t kFirstTransientPort = 2000;

const char kNewMessageUserData[] = "new-msg";
const char kConversationUserData[] = "conv";
const char kCounterUserData[] = "counter";
const char kLogUserData[] = "log";
const char kExperimentalUserData[] = "experimental";

template <typename Callback>
Callback ListenerOf(const char* registration) {
  const auto listener = zel_standin::RegisteredListener(registration);
  return listener ? reinterpret_cast<Callback>(const_cast<void*>(listener->callback)) : nullptr;
}

// The adapters as the SDK holds them after registration.
struct Adapters {
  ZelRecvNewMsgCallback new_message;
  ZelConvEventCallback conversation;
  ZelGroupCounterChangedCallback counter;
  ZelLogCallback log;
  ZelExperimentalNotifyCallback experimental;
};

enum class Kind { kNewMessage, kConversation, kCounter, kLog, kExperimental };

// One event as an SDK thread raises it. The texts live here so that they
// outlive the call, also when the stand-in's worker thread makes it.
struct Event {
  Kind kind;
  std::string first;
  std::string second;
  int64_t value;
  std::string expected;  // empty when the adapter's filter drops the event
};

std::string Envelope(int callback_type, const std::string& payload, const char* user_data) {
  return "{\"callback\":\"globalCallback\",\"callbackType\":" + std::to_string(callback_type) +
         "," + payload + ",\"user_data\":\"" + user_data + "\"}";
}

// The nth event of one thread; every text that passes a filter is unique.
Event MakeEvent(int thread, int n) {
  const std::string id = std::to_string(thread) + "-" + std::to_string(n);
  switch (n % 5) {
    case 0:
      return {Kind::kNewMessage, "m-" + id, "", 0,
              Envelope(7, "\"json_msg_array\":\"m-" + id + "\"", kNewMessageUserData)};
    case 1:
      return {Kind::kConversation, "c-" + id, "", kZelConvEventUpdate,
              Envelope(32, "\"conv_event\":2,\"json_conv_array\":\"c-" + id + "\"",
                       kConversationUserData)};
    case 2: {
      const int64_t value = (int64_t{thread} << 40) + n;
      return {Kind::kCounter, "g-" + id, "k-" + id, value,
              Envelope(19,
                       "\"group_counter_key\":\"k-" + id + "\",\"group_counter_new_value\":" +
                           std::to_string(value) + ",\"group_id\":\"g-" + id + "\"",
                       kCounterUserData)};
    }
    case 3:
      // Every other log line is one of the bridge's own, which never comes back.
      if (n % 2 == 0) return {Kind::kLog, "sdk im ffi: " + id, "", kZelLogLevelInfo, ""};
      return {Kind::kLog, "line " + id, "", kZelLogLevelInfo,
              Envelope(6, "\"level\":4,\"log\":\"line " + id + "\"", kLogUserData)};
    default:
      if (n % 2 == 0) return {Kind::kExperimental, "OnLogCallback", "d-" + id, 0, ""};
      return {Kind::kExperimental, "k-" + id, "d-" + id, 0,
              Envelope(66, "\"data\":\"d-" + id + "\",\"key\":\"k-" + id + "\"",
                       kExperimentalUserData)};
  }
}

void RaiseEvent(const Adapters& adapters, const Event& event) {
  switch (event.kind) {
    case Kind::kNewMessage:
      adapters.new_message(event.first.c_str(), kNewMessageUserData);
      return;
    case Kind::kConversation:
      adapters.conversation(static_cast<ZelConvEvent>(event.value), event.first.c_str(),
                            kConversationUserData);
      return;
    case Kind::kCounter:
      adapters.counter(event.first.c_str(), event.second.c_str(), event.value, kCounterUserData);
      return;
    case Kind::kLog:
      adapters.log(static_cast<ZelLogLevel>(event.value), event.first.c_str(), kLogUserData);
      return;
    case Kind::kExperimental:
      adapters.experimental(event.first.c_str(), event.second.c_str(), kExperimentalUserData);
      return;
  }
}

void RegisterListeners() {
  DartAddReceiveNewMsgCallback(kNewMessageUserData);
  DartSetConvEventCallback(kConversationUserData);
  DartSetGroupCounterChangedCallback(kCounterUserData);
  DartSetLogCallback(kLogUserData);
  DartSetExperimentalNotifyCallback(kExperimentalUserData);
}

bool IsStable(int64_t port) {
  for (const int64_t stable : kStablePorts) {
    if (port == stable) return true;
  }
  return false;
}

class ListenerConcurrencyTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    for (const int64_t port : kStablePorts) Register(port);
    RegisterListeners();
    adapters_ = {ListenerOf<ZelRecvNewMsgCallback>("ZelAddRecvNewMsgCallback"),
                 ListenerOf<ZelConvEventCallback>("ZelSetConvEventCallback"),
                 ListenerOf<ZelGroupCounterChangedCallback>("ZelSetGroupCounterChangedCallback"),
                 ListenerOf<ZelLogCallback>("ZelSetLogCallback"),
                 ListenerOf<ZelExperimentalNotifyCallback>("ZelSetExperimentalNotifyCallback")};
  }

  Adapters adapters_{};
};

TEST_F(ListenerConcurrencyTest, EveryStablePortGetsEveryPassingEventOnce) {
  ASSERT_NE(adapters_.new_message, nullptr);
  ASSERT_NE(adapters_.conversation, nullptr);
  ASSERT_NE(adapters_.counter, nullptr);
  ASSERT_NE(adapters_.log, nullptr);
  ASSERT_NE(adapters_.experimental, nullptr);
  std::vector<std::vector<Event>> events(kRaisingThreads);
  std::map<std::string, int> expected;
  for (int t = 0; t < kRaisingThreads; ++t) {
    for (int n = 0; n < kEventsPerThread; ++n) {
      events[t].push_back(MakeEvent(t, n));
      if (!events[t].back().expected.empty()) expected[events[t].back().expected] = 1;
    }
  }
  ASSERT_EQ(expected.size(), static_cast<size_t>(kRaisingThreads * kEventsPerThread * 4 / 5));

  std::atomic<bool> start{false};
  std::atomic<int> raising{kRaisingThreads};
  std::vector<std::thread> threads;
  // A Dart thread: transient ports come and go, and the listeners are
  // registered again, which the SDK may do at any time.
  threads.emplace_back([&] {
    while (!start) std::this_thread::yield();
    int n = 0;
    do {
      const int64_t port = kFirstTransientPort + n % kTransientPorts;
      DartRegisterSendPort(port);
      if (n % 16 == 0) RegisterListeners();
      std::this_thread::yield();
      DartUnregisterSendPort(port);
      ++n;
    } while (raising > 0);
  });
  // SDK threads, which also hand every fourth event to the SDK's own worker.
  for (int t = 0; t < kRaisingThreads; ++t) {
    threads.emplace_back([&, t] {
      while (!start) std::this_thread::yield();
      for (size_t n = 0; n < events[t].size(); ++n) {
        const Event& event = events[t][n];
        if (n % 4 == 0) {
          zel_standin::RunOnWorker([this, &event] { RaiseEvent(adapters_, event); });
        } else {
          RaiseEvent(adapters_, event);
        }
      }
      --raising;
    });
  }
  start = true;
  for (auto& thread : threads) thread.join();
  zel_standin::WaitForWorker();

  std::map<int64_t, std::map<std::string, int>> arrivals;
  for (const auto& post : dart_standin::Posts()) {
    if (post.accepted) ++arrivals[post.port][post.text];
  }
  for (const int64_t port : kStablePorts) {
    SCOPED_TRACE("stable port " + std::to_string(port));
    EXPECT_EQ(arrivals[port], expected);
  }
  for (const auto& [port, texts] : arrivals) {
    if (IsStable(port)) continue;
    for (const auto& [text, count] : texts) {
      EXPECT_EQ(count, 1) << "port " << port << " got twice: " << text;
      EXPECT_EQ(expected.count(text), 1u) << "port " << port << " got: " << text;
    }
  }
  EXPECT_TRUE(LogContents().empty());
}

}  // namespace

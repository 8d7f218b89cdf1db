// Completions delivered from several threads at once while other threads
// register and unregister ports: every port that stays registered gets every
// envelope exactly once, and no port ever gets the same envelope twice.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "bridge_fixture.h"
#include "completion.h"
#include "event_envelope.h"
#include "json/json.h"

namespace {

constexpr int kDeliveringThreads = 3;
constexpr int kChurningThreads = 2;
constexpr int64_t kStablePorts[] = {11, 12};
// Each churning thread cycles through its own few transient port ids.
constexpr int kTransientPortsPerThread = 8;

int64_t TransientPort(int churning_thread, int n) {
  return 1000 + churning_thread * 100 + n % kTransientPortsPerThread;
}

// How often each accepted text reached each port.
using Arrivals = std::map<int64_t, std::map<std::string, int>>;

Arrivals ArrivalsByPort() {
  Arrivals arrivals;
  for (const auto& post : dart_standin::Posts()) {
    if (post.accepted) ++arrivals[post.port][post.text];
  }
  return arrivals;
}

std::string CompletionText(int code, const std::string& desc, const std::string& json_param,
                           const std::string& user_data) {
  return "{\"callback\":\"apiCallback\",\"code\":" + std::to_string(code) + ",\"desc\":\"" + desc +
         "\",\"json_param\":\"" + json_param + "\",\"user_data\":\"" + user_data + "\"}";
}

// The text of a completion, as a fresh object serializes.
std::string SerializedCompletion(const std::string& json_param, const std::string& user_data) {
  json::Object envelope;
  envelope["code"] = json::Value(0);
  envelope["desc"] = json::Value("ok");
  envelope["user_data"] = json::Value(user_data);
  envelope["callback"] = json::Value("apiCallback");
  envelope["json_param"] = json::Value(json_param);
  return json::Serialize(json::Value(envelope));
}

std::string EventText(int callback_type, const std::string& payload, const std::string& user_data) {
  json::Object event;
  event["user_data"] = json::Value(user_data);
  event["callback"] = json::Value("globalCallback");
  event["callbackType"] = json::Value(callback_type);
  event["payload"] = json::Value(payload);
  return json::Serialize(json::Value(event));
}

std::string ErrorText(const std::string& user_data) {
  return R"({"callback":"apiCallback","callbackType":null,"code":6131,"desc":"IM ffi data error","user_data":")" +
         user_data + "\"}";
}

bool IsStable(int64_t port) {
  for (const int64_t stable : kStablePorts) {
    if (port == stable) return true;
  }
  return false;
}

// Every stable port got exactly the expected texts, each once; every other
// port got only expected texts, none twice.
void ExpectDeliveredOnce(const std::map<std::string, int>& expected) {
  const Arrivals arrivals = ArrivalsByPort();
  for (const int64_t port : kStablePorts) {
    SCOPED_TRACE("stable port " + std::to_string(port));
    const auto received = arrivals.find(port);
    ASSERT_NE(received, arrivals.end());
    EXPECT_EQ(received->second, expected);
  }
  for (const auto& [port, texts] : arrivals) {
    if (IsStable(port)) continue;
    for (const auto& [text, count] : texts) {
      EXPECT_EQ(count, 1) << "port " << port << " got twice: " << text;
      EXPECT_EQ(expected.count(text), 1u) << "port " << port << " got: " << text;
    }
  }
}

class DeliveryConcurrencyTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    for (const int64_t port : kStablePorts) Register(port);
  }

  // Runs deliver(thread index) on kDeliveringThreads threads while
  // kChurningThreads threads keep registering and unregistering transient
  // ports and registering the stable ports again (which must change nothing).
  template <typename Deliver>
  static void RunWithPortChurn(Deliver deliver) {
    std::atomic<bool> start{false};
    std::atomic<int> delivering{kDeliveringThreads};
    std::vector<std::thread> threads;
    for (int t = 0; t < kChurningThreads; ++t) {
      threads.emplace_back([&, t] {
        while (!start) std::this_thread::yield();
        int n = 0;
        do {
          DartRegisterSendPort(TransientPort(t, n));
          DartRegisterSendPort(kStablePorts[n % 2]);
          std::this_thread::yield();
          DartUnregisterSendPort(TransientPort(t, n));
          ++n;
        } while (delivering > 0);
      });
    }
    for (int t = 0; t < kDeliveringThreads; ++t) {
      threads.emplace_back([&, t] {
        while (!start) std::this_thread::yield();
        deliver(t);
        --delivering;
      });
    }
    start = true;
    for (auto& thread : threads) thread.join();
    zel_standin::WaitForWorker();
  }
};

TEST_F(DeliveryConcurrencyTest, EveryStablePortGetsEveryCompletionOnce) {
  constexpr int kPerThread = 300;
  // Half of the completions come from the SDK's own thread after an export
  // call, half straight from the delivering threads, as SDK threads would.
  zel_standin::SetCompletion({zel_standin::CompletionMode::kWorker, 3, "late", "{}"});
  std::vector<std::vector<std::string>> user_data(kDeliveringThreads);
  std::map<std::string, int> expected;
  for (int t = 0; t < kDeliveringThreads; ++t) {
    for (int i = 0; i < kPerThread; ++i) {
      user_data[t].push_back("c-" + std::to_string(t) + "-" + std::to_string(i));
      expected[i % 2 == 0 ? CompletionText(3, "late", "{}", user_data[t].back())
                          : CompletionText(0, "ok", "", user_data[t].back())] = 1;
    }
  }

  RunWithPortChurn([&](int t) {
    for (int i = 0; i < kPerThread; ++i) {
      const char* const text = user_data[t][i].c_str();
      if (i % 2 == 0) {
        DartLogout(text);
      } else {
        DartZelCommonCallback(0, "ok", "", text);
      }
    }
  });

  ASSERT_EQ(expected.size(), static_cast<size_t>(kDeliveringThreads * kPerThread));
  ExpectDeliveredOnce(expected);
  EXPECT_TRUE(LogContents().empty());
}

// Stable ports accept only the error envelope and transient ports refuse
// everything, so every delivery runs all three steps and its last pass drops
// the refusing ports while other threads add and remove them.
TEST_F(DeliveryConcurrencyTest, ErrorEnvelopesDropRefusingPortsWhileOthersComeAndGo) {
  constexpr int kPerThread = 100;
  for (const int64_t port : kStablePorts) {
    dart_standin::SetPortRule(port, [](const std::string& text) {
      return text.find("\"code\":6131") != std::string::npos;
    });
  }
  for (int t = 0; t < kChurningThreads; ++t) {
    for (int i = 0; i < kTransientPortsPerThread; ++i) {
      dart_standin::RefuseAllPosts(TransientPort(t, i));
    }
  }
  std::vector<std::vector<std::string>> user_data(kDeliveringThreads);
  std::map<std::string, int> expected;
  std::map<std::string, int> expected_log;
  for (int t = 0; t < kDeliveringThreads; ++t) {
    for (int i = 0; i < kPerThread; ++i) {
      user_data[t].push_back("e-" + std::to_string(t) + "-" + std::to_string(i));
      const std::string& text = user_data[t].back();
      expected[ErrorText(text)] = 1;
      ++expected_log["im ffi: [Step1] Posting message without base64 failed. user_data: " + text];
      ++expected_log["im ffi: [Step2] Posting message with base64 failed. user_data: " + text];
    }
  }

  RunWithPortChurn([&](int t) {
    for (const std::string& text : user_data[t]) DartZelCommonCallback(0, "ok", "", text.c_str());
  });

  ExpectDeliveredOnce(expected);
  std::map<std::string, int> logged;
  for (const std::string& line : LogContents()) ++logged[line];
  EXPECT_EQ(logged, expected_log);

  // Only the stable ports are left registered.
  const size_t posts_before = dart_standin::Posts().size();
  DartZelCommonCallback(0, "ok", "", "last");
  const auto posts = dart_standin::Posts();
  std::set<int64_t> offered;
  for (size_t i = posts_before; i < posts.size(); ++i) offered.insert(posts[i].port);
  EXPECT_EQ(offered, std::set<int64_t>(std::begin(kStablePorts), std::end(kStablePorts)));
}

// Threads that come and go, each delivering completions and events of many
// kinds and lengths: each builds and serializes in storage of its own, made
// on its first envelope and deleted when it exits, so every text arrives
// whole and once, whatever the other threads deliver meanwhile.
TEST_F(DeliveryConcurrencyTest, ThreadsThatComeAndGoEachKeepTheirOwnEnvelopes) {
  // Its events carry numbers no adapter uses: the envelope check counts this
  // test's posts apart from what the bridge's adapters post.
  const dart_standin::HandMadeEnvelopes hand_made;
  constexpr int kWaves = 3;
  constexpr int kPerThread = 60;
  struct Envelope {
    bool completion;
    int callback_type;
    std::string payload;
    std::string user_data;
  };
  std::vector<std::vector<Envelope>> envelopes(kWaves * kDeliveringThreads);
  std::map<std::string, int> expected;
  for (std::size_t t = 0; t < envelopes.size(); ++t) {
    for (int i = 0; i < kPerThread; ++i) {
      const std::size_t length = (static_cast<std::size_t>(i) * 97 + t * 31) % 900;
      std::string payload(length, static_cast<char>('a' + t % 26));
      for (std::size_t at = 0; at < length; at += 7) payload[at] = "\"/\\"[at % 3];
      const std::string user_data = "w-" + std::to_string(t) + "-" + std::to_string(i);
      const bool completion = i % 3 == 0;
      const int callback_type = 1000 + i % 6;
      envelopes[t].push_back({completion, callback_type, payload, user_data});
      expected[completion ? SerializedCompletion(payload, user_data)
                          : EventText(callback_type, payload, user_data)] = 1;
    }
  }

  for (int wave = 0; wave < kWaves; ++wave) {
    RunWithPortChurn([&](int t) {
      for (const Envelope& e : envelopes[static_cast<std::size_t>(wave * kDeliveringThreads + t)]) {
        if (e.completion) {
          DartZelCommonCallback(0, "ok", e.payload.c_str(), e.user_data.c_str());
        } else {
          PostEvent(e.user_data.c_str(), e.callback_type,
                    [&](EnvelopeMembers& event) { event["payload"] = Text(e.payload.c_str()); });
        }
      }
    });
  }

  ExpectDeliveredOnce(expected);
  EXPECT_TRUE(LogContents().empty());
}

}  // namespace

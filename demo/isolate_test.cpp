// The demo's Dart side: receive ports of its VM stand-in and the isolate's
// routing of what arrives on them, by user_data prefix among several
// isolates and generations.

#include "isolate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <sstream>
#include <string>

#include "dart_api_dl.h"
#include "dart_vm.h"
#include "internal/dart_api_dl_impl.h"

namespace demo {
namespace {

// The posting entry of the table handed to the bridge, found by name as the
// bridge finds it.
Dart_PostCObject_Type PostEntry() {
  const auto* api = static_cast<const DartApi*>(DartApiData());
  for (const DartApiEntry* entry = api->functions; entry->name != nullptr; ++entry) {
    if (std::strcmp(entry->name, "Dart_PostCObject") == 0) {
      return reinterpret_cast<Dart_PostCObject_Type>(entry->function);
    }
  }
  return nullptr;
}

bool Post(int64_t port, const char* text) {
  Dart_CObject message;
  message.type = Dart_CObject_kString;
  // Older Dart SDKs declare the member char*.
  message.value.as_string = const_cast<char*>(text);
  return PostEntry()(port, &message);
}

std::string CompletionText(const std::string& user_data) {
  return R"({"callback":"apiCallback","code":0,"desc":"","json_param":"","user_data":")" +
         user_data + R"("})";
}

class DemoIsolate : public ::testing::Test {
 protected:
  std::ostringstream out_;
  Transcript transcript_{out_, false};
  ReceivePort port_;
  NativeTexts memory_;
  Isolate isolate_{port_, transcript_, std::chrono::milliseconds(50), memory_};
};

TEST_F(DemoIsolate, KeepsWhatArrivesBeforeItIsAwaited) {
  const char* call = isolate_.NewCall("DartLogin");
  ASSERT_TRUE(Post(port_.native_port(),
                   R"({"callback":"globalCallback","callbackType":32,"user_data":"a"})"));
  ASSERT_TRUE(
      Post(port_.native_port(), (std::string(R"({"callback":"apiCallback","code":0,)") +
                                 R"("desc":"","json_param":"","user_data":")" + call + R"("})")
                                    .c_str()));
  ASSERT_TRUE(Post(port_.native_port(),
                   R"({"callback":"globalCallback","callbackType":7,"user_data":"b"})"));

  const std::optional<Envelope> completion = isolate_.AwaitCompletion(call);
  ASSERT_TRUE(completion.has_value());
  EXPECT_EQ(completion->user_data, call);
  const std::optional<Envelope> message = isolate_.AwaitEvent(7);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->user_data, "b");
  const std::optional<Envelope> conversation = isolate_.AwaitEvent(32);
  ASSERT_TRUE(conversation.has_value());
  EXPECT_EQ(conversation->user_data, "a");
  EXPECT_EQ(transcript_.failures(), 0) << out_.str();
}

TEST_F(DemoIsolate, ReportsWhatNeverArrives) {
  const char* call = isolate_.NewCall("DartLogout");
  EXPECT_FALSE(isolate_.AwaitCompletion(call).has_value());
  EXPECT_FALSE(isolate_.AwaitEvent(62).has_value());
  EXPECT_EQ(transcript_.failures(), 2);
}

TEST_F(DemoIsolate, ReportsCompletionsThatMatchNoCallOrComeTwice) {
  const char* call = isolate_.NewCall("DartLogin");
  const std::string completion =
      std::string(R"({"callback":"apiCallback","code":0,"desc":"","json_param":"","user_data":")") +
      call + R"("})";
  ASSERT_TRUE(Post(port_.native_port(), completion.c_str()));
  ASSERT_TRUE(Post(port_.native_port(), completion.c_str()));
  ASSERT_TRUE(Post(port_.native_port(),
                   R"({"callback":"apiCallback","code":0,"desc":"","json_param":"",)"
                   R"("user_data":"nobody"})"));
  ASSERT_TRUE(isolate_.AwaitCompletion(call).has_value());
  EXPECT_FALSE(isolate_.AwaitEvent(0).has_value());  // drains the port
  EXPECT_EQ(transcript_.failures(), 3) << out_.str();
}

// Every port receives every envelope: an isolate keeps the completions that
// carry its prefix, drops a living sibling's and a stale one from before a
// hot restart, and reports one with its prefix that matches no call.
TEST(DemoIsolatePrefix, KeepsItsOwnCompletionsOnly) {
  std::ostringstream out;
  Transcript transcript(out, false);
  ReceivePort port;
  NativeTexts memory;
  Isolate isolate(port, transcript, std::chrono::milliseconds(50), memory, "gen2/");
  isolate.KnowSibling("worker/", "the worker");
  const char* call = isolate.NewCall("DartLogout");
  EXPECT_STREQ(call, "gen2/call-1");

  for (const char* user_data : {"gen1/call-2", "worker/call-1", "gen2/call-9", call}) {
    ASSERT_TRUE(Post(port.native_port(), CompletionText(user_data).c_str()));
  }
  ASSERT_TRUE(isolate.AwaitCompletion(call).has_value());
  EXPECT_EQ(isolate.dropped_as_stale(), 1);
  EXPECT_EQ(isolate.dropped_from_siblings(), 1);
  EXPECT_EQ(transcript.failures(), 1) << out.str();  // gen2/call-9
  EXPECT_NE(out.str().find("<- completion [gen1/call-2]: stale"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("<- completion [worker/call-1]: the worker's call"), std::string::npos)
      << out.str();
}

// The user_data of a completed call is freed with its isolate; a call still
// in flight keeps its text, which the SDK reads when it completes.
TEST(DemoIsolatePrefix, LeavesTheUserDataOfCallsInFlightAllocated) {
  std::ostringstream out;
  Transcript transcript(out, false);
  NativeTexts memory;
  const char* in_flight = nullptr;
  {
    ReceivePort port;
    Isolate isolate(port, transcript, std::chrono::milliseconds(50), memory, "gen1/");
    const char* completed = isolate.NewCall("DartLogin");
    in_flight = isolate.NewCall("DartSendMessage");
    ASSERT_TRUE(Post(port.native_port(), CompletionText(completed).c_str()));
    ASSERT_TRUE(isolate.AwaitCompletion(completed).has_value());
    EXPECT_EQ(memory.allocated(), 2u);
  }
  EXPECT_EQ(memory.allocated(), 1u);
  EXPECT_STREQ(in_flight, "gen1/call-2");
}

TEST(DemoDartVm, CopiesPostedTextsAndRefusesWhatTheVmRefuses) {
  ReceivePort port;
  char text[] = "first";
  ASSERT_TRUE(Post(port.native_port(), text));
  std::memcpy(text, "XXXXX", 5);
  EXPECT_FALSE(Post(port.native_port(), "\xC3("));  // not UTF-8
  Dart_CObject integer;
  integer.type = Dart_CObject_kInt64;
  integer.value.as_int64 = 1;
  EXPECT_FALSE(PostEntry()(port.native_port(), &integer));

  const auto soon = ReceivePort::Clock::now() + std::chrono::milliseconds(50);
  EXPECT_EQ(port.Receive(soon), std::optional<std::string>("first"));
  EXPECT_EQ(port.Receive(soon), std::nullopt);

  const int64_t closed_id = [] {
    ReceivePort closed;
    return closed.native_port();
  }();
  EXPECT_NE(closed_id, port.native_port());
  EXPECT_EQ(RefusedPosts(closed_id), 0);
  EXPECT_FALSE(Post(closed_id, "late"));
  EXPECT_FALSE(Post(closed_id, "later"));
  EXPECT_EQ(RefusedPosts(closed_id), 2);
  EXPECT_EQ(RefusedPosts(port.native_port()), 0);
}

}  // namespace
}  // namespace demo

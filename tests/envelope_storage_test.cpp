// Envelopes built and serialized in the storage a thread keeps between its
// envelopes: the texts stay exact whatever came before on the thread, a warm
// thread allocates nothing for an envelope, and an envelope posted while the
// same thread delivers another one takes the ordinary path without
// disturbing it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "allocation_failure.h"
#include "bridge_fixture.h"
#include "completion.h"
#include "dart_api_dl.h"
#include "dart_delivery.h"
#include "dart_version.h"
#include "event_envelope.h"
#include "internal/dart_api_dl_impl.h"
#include "json/json.h"
#include "sdk/zel_sdk.h"

namespace {

using dart_standin::Received;

constexpr int64_t kPort = 31;

// The text the ordinary path gives: a fresh object, serialized on its own.
std::string Completion(int code, const std::string& desc, const std::string& json_param,
                       const std::string& user_data) {
  json::Object envelope;
  envelope["code"] = json::Value(code);
  envelope["desc"] = json::Value(desc);
  envelope["user_data"] = json::Value(user_data);
  envelope["callback"] = json::Value("apiCallback");
  envelope["json_param"] = json::Value(json_param);
  return json::Serialize(json::Value(envelope));
}

std::string Event(int callback_type, const std::string& user_data,
                  const std::vector<std::pair<std::string, std::string>>& members) {
  json::Object event;
  event["user_data"] = json::Value(user_data);
  event["callback"] = json::Value("globalCallback");
  event["callbackType"] = json::Value(callback_type);
  for (const auto& member : members) event[member.first] = json::Value(member.second);
  return json::Serialize(json::Value(event));
}

// An SDK message list of about 100 bytes, with quotes and slashes to escape.
const char kSmallMessageList[] =
    R"([{"message_conv_id":"user_42","message_elem_array":[{"text_elem_content":"a/b"}]}])";
const char kUserData[] = "req_1700000000123_42";

// The port takes error envelopes only.
bool IsErrorEnvelope(const std::string& text) {
  return text.find(R"("code":6131,"desc":"IM ffi data error")") != std::string::npos;
}

template <typename Listener>
Listener RegisteredListener(const char* registration) {
  const auto listener = zel_standin::RegisteredListener(registration);
  return listener ? reinterpret_cast<Listener>(const_cast<void*>(listener->callback)) : nullptr;
}

class EnvelopeStorageTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    Register(kPort);
  }
};

// Envelopes of several kinds and lengths in turn on one thread: each text is
// the one the ordinary path gives, so nothing of an earlier envelope (a
// longer text, a member of another kind, a member this envelope of the same
// kind does not set) shows in a later one.
TEST_F(EnvelopeStorageTest, TextsStayExactWhateverCameBeforeOnTheThread) {
  ASSERT_EQ(DartAddReceiveNewMsgCallback("new-msg"), 0);
  const auto new_message = RegisteredListener<ZelRecvNewMsgCallback>("ZelAddRecvNewMsgCallback");
  ASSERT_NE(new_message, nullptr);
  const std::string long_text(3000, 'L');
  const std::string quoted = R"({"a":"b/c"})";

  struct Step {
    std::function<void()> post;
    std::string expected;
  };
  // Events of numbers no adapter uses are the test's own: the envelope
  // check does not take them for what the bridge posts.
  const auto event_of_type = [](int type, const char* key, const std::string& text) {
    return Step{[=] {
                  const dart_standin::HandMadeEnvelopes hand_made;
                  PostEvent("ev", type, [&](EnvelopeMembers& e) { e[key] = Text(text.c_str()); });
                },
                Event(type, "ev", {{key, text}})};
  };
  std::vector<Step> steps = {
      {[&] { DartZelCommonCallback(0, "", long_text.c_str(), kUserData); },
       Completion(0, "", long_text, kUserData)},
      {[&] { DartZelCommonCallback(-1, "short", quoted.c_str(), "u"); },
       Completion(-1, "short", quoted, "u")},
      {[&] { new_message(long_text.c_str(), "new-msg"); },
       Event(7, "new-msg", {{"json_msg_array", long_text}})},
      {[&] { DartGetGroupMessageReadMemberListCallback(nullptr, 9, true, kUserData); },
       R"({"callback":"apiCallback","code":0,"desc":"","is_finished":true,"json_param":"","next_seq":9,"user_data":"req_1700000000123_42"})"},
      {[&] { DartZelCommonCallback(3, long_text.c_str(), nullptr, long_text.c_str()); },
       Completion(3, long_text, "", long_text)},
      {[&] { new_message("", "new-msg"); }, Event(7, "new-msg", {{"json_msg_array", ""}})},
  };
  // More kinds of event than a thread keeps, twice round, so kept envelopes
  // make room for others and come back.
  for (std::size_t round = 0; round < 2; ++round) {
    for (int type = 100; type < 106; ++type) {
      steps.push_back(event_of_type(type, "payload", std::string(20 + round * 40, 'p')));
    }
  }
  // One kind whose envelopes set different members: the second must not
  // carry the first's.
  steps.push_back(event_of_type(200, "first", long_text));
  steps.push_back(event_of_type(200, "second", quoted));
  // Many long texts in one envelope, twice. A kept envelope knows its
  // members by the address of their keys, so the keys live as long as the
  // test.
  static const std::vector<std::pair<std::string, std::string>> many = [] {
    std::vector<std::pair<std::string, std::string>> members;
    for (int i = 0; i < 20; ++i) {
      members.emplace_back("member_" + std::to_string(100 + i), std::string(40 + i, 'm'));
    }
    return members;
  }();
  const Step many_texts = {[] {
                             const dart_standin::HandMadeEnvelopes hand_made;
                             PostEvent("ev", 300, [&](EnvelopeMembers& e) {
                               for (const auto& m : many) {
                                 e[m.first.c_str()] = Text(m.second.c_str());
                               }
                             });
                           },
                           Event(300, "ev", many)};
  steps.push_back(many_texts);
  steps.push_back(many_texts);
  steps.push_back({[&] { DartZelCommonCallback(0, "", kSmallMessageList, kUserData); },
                   Completion(0, "", kSmallMessageList, kUserData)});

  std::vector<std::string> expected;
  for (const Step& step : steps) {
    step.post();
    expected.push_back(step.expected);
  }
  EXPECT_EQ(Received(kPort), expected);
  EXPECT_TRUE(LogContents().empty());
}

// A port that copies each text into a fixed buffer, as the VM copies a
// posted string, without allocating, so that only the bridge's allocations
// are counted.
char copied_text[1 << 20];
bool CopyWithoutAllocating(Dart_Port, Dart_CObject* message) {
  if (message->type != Dart_CObject_kString) return false;
  const std::size_t size = std::strlen(message->value.as_string) + 1;
  if (size > sizeof copied_text) return false;
  std::memcpy(copied_text, message->value.as_string, size);
  return true;
}
const DartApiEntry kCopyingEntries[] = {
    {"Dart_PostCObject", reinterpret_cast<void (*)(void)>(&CopyWithoutAllocating)},
    {nullptr, nullptr},
};
DartApi copying_api = {DART_API_DL_MAJOR_VERSION, DART_API_DL_MINOR_VERSION, kCopyingEntries};

// The allocations of the last of `times` deliveries on a new thread.
long AllocationsOfTheLast(int times, const std::function<void()>& deliver) {
  long allocations = -1;
  std::thread([&] {
    for (int i = 1; i < times; ++i) deliver();
    const long before = allocation_failure::AllocationsOfThisThread();
    deliver();
    allocations = allocation_failure::AllocationsOfThisThread() - before;
  }).join();
  return allocations;
}

// Once a thread has delivered an envelope of a kind, the next envelope of
// that kind, with texts no longer than before, allocates nothing: the
// members, their texts' buffers and the serialized text are the thread's
// from before. On a thread that has delivered nothing yet, it allocates.
TEST_F(EnvelopeStorageTest, AWarmThreadAllocatesNothingForAnEnvelope) {
  ASSERT_EQ(DartAddReceiveNewMsgCallback("dart/ctx"), 0);
  const auto new_message = RegisteredListener<ZelRecvNewMsgCallback>("ZelAddRecvNewMsgCallback");
  ASSERT_NE(new_message, nullptr);
  ASSERT_EQ(DartInitDartApiDL(&copying_api), 0);

  struct Case {
    const char* name;
    std::function<void()> deliver;
    std::string expected;
  };
  const Case cases[] = {
      {"completion", [] { DartZelCommonCallback(0, "", kSmallMessageList, kUserData); },
       Completion(0, "", kSmallMessageList, kUserData)},
      {"new-message event", [&] { new_message(kSmallMessageList, "dart/ctx"); },
       Event(7, "dart/ctx", {{"json_msg_array", kSmallMessageList}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_GT(AllocationsOfTheLast(1, c.deliver), 0);
    EXPECT_EQ(AllocationsOfTheLast(3, c.deliver), 0);
    EXPECT_EQ(std::string(copied_text), c.expected);
  }
}

// A thread keeps the buffers of a text of 100 KiB for its next envelope,
// but not those of one of 300 KiB: it does not hold on to the memory of a
// rare large document.
TEST_F(EnvelopeStorageTest, LargeBuffersAreNotKept) {
  ASSERT_EQ(DartInitDartApiDL(&copying_api), 0);
  for (const std::size_t size : {100u * 1024, 300u * 1024}) {
    SCOPED_TRACE(size);
    const std::string payload(size, 'b');
    const long third =
        AllocationsOfTheLast(3, [&] { DartZelCommonCallback(0, "", payload.c_str(), kUserData); });
    EXPECT_EQ(std::string(copied_text), Completion(0, "", payload, kUserData));
    if (size < 256 * 1024) {
      EXPECT_EQ(third, 0);
    } else {
      EXPECT_GT(third, 0);
    }
  }
}

// The SDK may raise an event from inside the bridge's log line, which the
// bridge writes while it delivers an envelope whose plain text no port took.
// That event finds the thread's storage busy and takes the ordinary path;
// the envelope being delivered, whether of another kind or of the event's
// own, goes on with its own text and members.
TEST_F(EnvelopeStorageTest, AnEventRaisedWhileTheThreadDeliversTakesTheOrdinaryPath) {
  ASSERT_EQ(DartSetLogCallback("log-ctx"), 0);
  const auto log = RegisteredListener<ZelLogCallback>("ZelSetLogCallback");
  ASSERT_NE(log, nullptr);
  const std::string level = std::to_string(kZelLogLevelWarn);
  struct Case {
    const char* name;
    std::function<void()> deliver;
    std::string error_text;
  };
  const Case cases[] = {
      {"completion", [] { DartZelCommonCallback(0, "", kSmallMessageList, "outer-ctx"); },
       R"({"callback":"apiCallback","callbackType":null,"code":6131,"desc":"IM ffi data error","user_data":"outer-ctx"})"},
      {"log event", [&] { log(kZelLogLevelWarn, kSmallMessageList, "outer-ctx"); },
       R"({"callback":"globalCallback","callbackType":6,"code":6131,"desc":"IM ffi data error","user_data":"outer-ctx"})"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A warm thread, with storage for both kinds.
    DartZelCommonCallback(0, "", "[1]", kUserData);
    log(kZelLogLevelWarn, "warm", "log-ctx");
    zel_standin::Reset();
    dart_standin::Reset();
    // The port refuses the outer envelope's plain and base64 texts, so steps
    // 1 and 2 fail and are logged; the inner event and the error envelope
    // pass. The SDK raises a log event from inside the first log line.
    dart_standin::SetPortRule(kPort, [](const std::string& text) {
      return text.rfind("base64:", 0) != 0 && (text.find("outer-ctx") == std::string::npos ||
                                               text.find("6131") != std::string::npos);
    });
    int raised = 0;
    zel_standin::SetExperimentalApiReaction([&](const std::string&) {
      if (raised++ == 0) log(kZelLogLevelWarn, "sdk line", "log-ctx");
    });

    c.deliver();

    EXPECT_EQ(Received(kPort), (std::vector<std::string>{
                                   R"({"callback":"globalCallback","callbackType":6,"level":)" +
                                       level + R"(,"log":"sdk line","user_data":"log-ctx"})",
                                   c.error_text}));
    EXPECT_EQ(LogContents(),
              (std::vector<std::string>{
                  "im ffi: [Step1] Posting message without base64 failed. user_data: outer-ctx",
                  "im ffi: [Step2] Posting message with base64 failed. user_data: outer-ctx"}));
  }
}

// Whichever allocation fails while a thread delivers its first envelope of a
// kind (as its members are recorded, its text laid out, its text or error
// envelope made), and that envelope ends in its error envelope or in
// nothing, the thread's next envelopes of the kind are those a fresh thread
// posts, byte for byte: nothing of the failed envelope or of its error
// envelope (a completion's "callbackType": null) stays in what the thread
// keeps.
TEST_F(EnvelopeStorageTest, AFirstEnvelopeEndingInTheErrorEnvelopeLeavesTheNextOnesExact) {
  ASSERT_EQ(DartAddReceiveNewMsgCallback("new-msg"), 0);
  const auto new_message = RegisteredListener<ZelRecvNewMsgCallback>("ZelAddRecvNewMsgCallback");
  ASSERT_NE(new_message, nullptr);
  struct Kind {
    const char* name;
    std::function<void(const char* text, const char* user_data)> deliver;
  };
  const Kind kinds[] = {
      {"common completion",
       [](const char* text, const char* user_data) {
         DartZelCommonCallback(8, "desc", text, user_data);
       }},
      {"read-member-list completion",
       [](const char* text, const char* user_data) {
         DartGetGroupMessageReadMemberListCallback(text, 5, false, user_data);
       }},
      {"new-message event",
       [&](const char* text, const char* user_data) { new_message(text, user_data); }},
  };
  struct PortRule {
    const char* name;
    bool (*accepts)(const std::string& text);
  };
  const PortRule rules[] = {
      {"the port takes the error envelope only", IsErrorEnvelope},
      {"the port refuses every post", [](const std::string&) { return false; }},
  };
  // The first envelope's text is small, or too large to keep after it.
  const std::string large_text(300 * 1024, 'L');
  const char* const first_texts[] = {R"({"k":1})", large_text.c_str()};
  const auto next_envelopes = [](const Kind& kind) {
    kind.deliver("{}", "third");
    kind.deliver(kSmallMessageList, kUserData);
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    dart_standin::Reset();
    std::thread([&] { next_envelopes(kind); }).join();
    const std::vector<std::string> fresh = Received(kPort);
    ASSERT_EQ(fresh.size(), 2u);
    for (const PortRule& rule : rules) {
      SCOPED_TRACE(rule.name);
      for (const char* first_text : first_texts) {
        SCOPED_TRACE("first text of " + std::to_string(std::strlen(first_text)) + " bytes");
        bool reached = true;
        long nth = 1;
        for (; reached && nth < 1000; ++nth) {
          SCOPED_TRACE("allocation " + std::to_string(nth) + " fails");
          std::vector<std::string> first;
          std::vector<std::string> next;
          std::thread([&] {
            dart_standin::Reset();
            dart_standin::SetPortRule(kPort, rule.accepts);
            reached = allocation_failure::WithAllocationFailing(
                nth, [&] { kind.deliver(first_text, "first"); });
            first = Received(kPort);
            // A port that refused the error envelope was dropped.
            dart_standin::Reset();
            DartRegisterSendPort(kPort);
            next_envelopes(kind);
            next = Received(kPort);
          }).join();
          for (const std::string& text : first) EXPECT_TRUE(IsErrorEnvelope(text)) << text;
          EXPECT_EQ(next, fresh);
        }
        EXPECT_FALSE(reached) << "still allocating after 1000 allocations";
      }
    }
  }
}

// A kind whose fill sets a member to null is never kept (its null member
// reads as one the fill did not set, so even the fill by key from the start
// does not build it): each of its envelopes is built in an object of its own
// and posted whole.
TEST_F(EnvelopeStorageTest, AnEnvelopeThatTheStorageCannotBuildTakesTheOrdinaryPath) {
  const dart_standin::HandMadeEnvelopes hand_made;
  const MemberValue null_value = {nullptr, 0, json::NullType, false, false};
  for (int i = 0; i < 2; ++i) {
    PostEvent("ev", 400, [&](EnvelopeMembers& e) { e["nothing"] = null_value; });
  }
  const std::string expected =
      R"({"callback":"globalCallback","callbackType":400,"nothing":null,"user_data":"ev"})";
  EXPECT_EQ(Received(kPort), (std::vector<std::string>{expected, expected}));
}

}  // namespace

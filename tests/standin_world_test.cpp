// The stand-in SDK's simulated world as an app meets it through the bridge:
// how it refuses parameters it cannot read, the order of completions and
// events with and without a network delay, many calls at once, and the
// bridge's log lines that the stand-in keeps and, while the world runs,
// prints. How fast calls at once complete is shown by
// bench/standin_world_bench.cpp, not here.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bridge_fixture.h"
#include "json/json.h"
#include "sdk/zel_sdk.h"

namespace {

constexpr int64_t kPort = 4242;
// A bound on waiting, far above what any step takes, so that a lost envelope
// fails the test instead of hanging it.
constexpr std::chrono::seconds kWaitBound(10);
constexpr int32_t kC2C = 1;
constexpr int32_t kInvalidParameter = 7002;
constexpr char kHello[] = R"({"message_elem_array":[{"elem_type":0,"text_elem_content":"Hello"}]})";

std::string Config(int delay_ms) {
  return R"({"standin_world":true,"standin_network_delay_ms":)" + std::to_string(delay_ms) + "}";
}

std::string StringOf(const json::Value& object, const char* key) {
  if (object.GetValueType() != json::ObjectType) return "";
  const auto member = object.ToObject().find(key);
  if (member == object.ToObject().end() || member->second.GetValueType() != json::StringType) {
    return "";
  }
  return member->second.ToString();
}

int IntOf(const json::Value& object, const char* key) {
  if (object.GetValueType() != json::ObjectType) return -1;
  const auto member = object.ToObject().find(key);
  return member == object.ToObject().end() ? -1 : member->second.ToInt();
}

// "completion <user_data>" or "event <callbackType>", to compare orders.
std::string Label(const json::Value& envelope) {
  if (StringOf(envelope, "callback") == "apiCallback") {
    return "completion " + StringOf(envelope, "user_data");
  }
  return "event " + std::to_string(IntOf(envelope, "callbackType"));
}

// Everything written to stderr while it exists.
class StderrCapture {
 public:
  StderrCapture() : file_(std::tmpfile()), saved_(dup(STDERR_FILENO)) {
    std::fflush(stderr);
    dup2(fileno(file_), STDERR_FILENO);
  }
  ~StderrCapture() {
    Restore();
    std::fclose(file_);
  }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  std::string Text() {
    Restore();
    std::string text;
    std::rewind(file_);
    for (int c = std::fgetc(file_); c != EOF; c = std::fgetc(file_)) text += static_cast<char>(c);
    return text;
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
  }

  std::FILE* file_;
  int saved_;
};

class WorldTest : public BridgeTest {
 protected:
  void TearDown() override {
    DartUnitSDK();
    BridgeTest::TearDown();
  }

  void StartWorld(int delay_ms, bool with_port = true) {
    if (with_port) Register(kPort);
    ASSERT_EQ(DartInitSDK(1, Config(delay_ms).c_str()), 0);
    DartSetNetworkStatusListenerCallback("on-network");
    DartAddReceiveNewMsgCallback("on-message");
    DartSetConvEventCallback("on-conversation");
    DartSetConvTotalUnreadMessageCountChangedCallback("on-unread");
    DartSetGroupTipsEventCallback("on-group-tips");
  }

  void LogIn() {
    DartLogin("me", "sig", "login");
    ASSERT_EQ(IntOf(Completion("login"), "code"), 0);
  }

  // The envelopes posted so far, once there are at least count of them.
  std::vector<json::Value> Envelopes(std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitBound;
    std::vector<std::string> texts = dart_standin::Received(kPort);
    while (texts.size() < count && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      texts = dart_standin::Received(kPort);
    }
    std::vector<json::Value> envelopes;
    for (const std::string& text : texts) envelopes.push_back(json::Deserialize(text));
    return envelopes;
  }

  // The labels of the envelopes posted after the first skip ones, once
  // count of them have arrived.
  std::vector<std::string> LabelsAfter(std::size_t skip, std::size_t count) {
    std::vector<std::string> labels;
    const std::vector<json::Value> envelopes = Envelopes(skip + count);
    for (std::size_t i = skip; i < envelopes.size(); ++i) labels.push_back(Label(envelopes[i]));
    return labels;
  }

  json::Value Completion(const std::string& user_data) {
    const auto deadline = std::chrono::steady_clock::now() + kWaitBound;
    while (std::chrono::steady_clock::now() < deadline) {
      for (const std::string& text : dart_standin::Received(kPort)) {
        const json::Value envelope = json::Deserialize(text);
        if (Label(envelope) == "completion " + user_data) return envelope;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ADD_FAILURE() << "no completion of " << user_data;
    return json::Value();
  }
};

struct Refused {
  const char* label;
  void (*call)();  // calls one export with the user_data "call"
  const char* desc;
};

TEST_F(WorldTest, ParamsItCannotReadAreRefusedNamingTheKeyItExpects) {
  const Refused rows[] = {
      {"empty user id", [] { DartLogin("", "sig", "call"); }, "user id is empty"},
      {"message text under a wrong key",
       [] {
         DartSendMessage("alice", kC2C, R"({"message_elem_arry":[{"text_elem_content":"Hi"}]})",
                         "call");
       },
       "message param has no text element: expected message_elem_array[].text_elem_content (its "
       "keys: message_elem_arry)"},
      {"message elements without text",
       [] {
         DartSendMessage("alice", kC2C, R"({"message_elem_array":[{"elem_type":1}]})", "call");
       },
       "message param has no text element: expected message_elem_array[].text_elem_content, but "
       "it holds none"},
      {"message elements that are no array",
       [] { DartSendMessage("alice", kC2C, R"({"message_elem_array":"Hi"})", "call"); },
       "message param has no text element: expected message_elem_array[].text_elem_content, but "
       "message_elem_array is \"Hi\""},
      {"message param that is no JSON object", [] { DartSendMessage("alice", kC2C, "Hi", "call"); },
       "message param is not a JSON object: expected message_elem_array[].text_elem_content"},
      {"unknown conv_type", [] { DartSendMessage("alice", 3, kHello, "call"); },
       "unknown conv_type 3: expected 1 (one-to-one) or 2 (group)"},
      {"group name under a wrong key",
       [] { DartCreateGroup(R"({"create_group_param_group_name":"Hike"})", "call"); },
       "group create param has no group name: expected group_create_param_group_name (its keys: "
       "create_group_param_group_name)"},
      {"empty group name",
       [] { DartCreateGroup(R"({"group_create_param_group_name":""})", "call"); },
       "group create param has no group name: expected group_create_param_group_name, but it is "
       "empty"},
      {"group members without their id",
       [] {
         DartCreateGroup(
             R"({"group_create_param_group_name":"Hike","group_create_param_member_array":[{"id":"bob"}]})",
             "call");
       },
       "group create param has no member ids (peers only): expected "
       "group_create_param_member_array[].group_member_info_identifier, but "
       "group_create_param_member_array is [{\"id\":\"bob\"}]"},
      {"group invitation without invitees",
       [] { DartInviteUserToGroup(R"({"group_invite_member_param_group_id":"g"})", "call"); },
       "group invite param has no user ids to invite: expected "
       "group_invite_member_param_identifier_array[] (its keys: "
       "group_invite_member_param_group_id)"},
      {"call invitation of nobody",
       [] { DartInvite(nullptr, "{}", false, "", 30, nullptr, "call"); }, "invitee is empty"},
  };
  StartWorld(0);
  LogIn();
  for (const Refused& row : rows) {
    SCOPED_TRACE(row.label);
    dart_standin::Reset();
    row.call();
    const json::Value completion = Completion("call");
    EXPECT_EQ(IntOf(completion, "code"), kInvalidParameter);
    EXPECT_EQ(StringOf(completion, "desc"), row.desc);
  }
}

TEST_F(WorldTest, ARefusedMessageIsNotSentAndNobodyAnswers) {
  StartWorld(0);
  LogIn();
  const std::size_t before = Envelopes(0).size();
  DartSendMessage("alice", kC2C, R"({"message_elem_arry":[]})", "refused");
  EXPECT_EQ(IntOf(Completion("refused"), "code"), kInvalidParameter);
  // Whatever the message raised was queued before its completion ran.
  zel_standin::WaitForWorker();
  EXPECT_EQ(LabelsAfter(before, 1), std::vector<std::string>{"completion refused"});
  DartGetConversationList("list");
  EXPECT_EQ(StringOf(Completion("list"), "json_param"), "[]");
}

TEST_F(WorldTest, AMessageWithATextAmongOtherElementsIsSentWhole) {
  StartWorld(0);
  LogIn();
  const std::string param =
      R"({"message_elem_array":[{"elem_type":1,"image_elem_orig_path":"a.png"},)"
      R"({"elem_type":0,"text_elem_content":"Look"}]})";
  const std::string id = DartSendMessage("alice", kC2C, param.c_str(), "send");
  const json::Value completion = Completion("send");
  ASSERT_EQ(IntOf(completion, "code"), 0) << StringOf(completion, "desc");
  const json::Value sent = json::Deserialize(StringOf(completion, "json_param"));
  EXPECT_EQ(StringOf(sent, "message_msg_id"), id);
  EXPECT_EQ(
      json::Serialize(sent.ToObject().find("message_elem_array")->second),
      json::Serialize(json::Deserialize(param).ToObject().find("message_elem_array")->second));
}

// The steps of one message to a peer come in their order, without a delay as
// with one: the completion, the conversation update, and then the peer's
// answer, its conversation update and the total unread count.
TEST_F(WorldTest, OneCallsCompletionAndEventsKeepTheirOrderWithAndWithoutDelay) {
  for (const int delay_ms : {0, 5}) {
    SCOPED_TRACE("delay " + std::to_string(delay_ms) + " ms");
    zel_standin::Reset();
    dart_standin::Reset();
    StartWorld(delay_ms);
    LogIn();
    const std::size_t before = Envelopes(0).size();
    DartSendMessage("alice", kC2C, kHello, "send");
    const std::vector<std::string> labels = LabelsAfter(before, 5);
    EXPECT_EQ(labels, (std::vector<std::string>{"completion send", "event 32", "event 7",
                                                "event 32", "event 33"}));
    const json::Value answer =
        json::Deserialize(StringOf(Envelopes(before + 5)[before + 2], "json_msg_array"));
    ASSERT_EQ(answer.GetValueType(), json::ArrayType);
    EXPECT_EQ(StringOf(answer[0], "message_sender"), "alice");
    DartUnitSDK();
  }
}

TEST_F(WorldTest, LoginRaisesTheConnectionBeforeItCompletes) {
  StartWorld(0);
  DartLogin("me", "sig", "login");
  EXPECT_EQ(LabelsAfter(0, 2), (std::vector<std::string>{"event 0", "completion login"}));
}

// Calls made at once, from one thread or several, each complete once; those
// of one thread in the order it made them.
TEST_F(WorldTest, ManyCallsAtOnceCompleteOnceEachInTheOrderOfEachThread) {
  constexpr int kThreads = 4;
  constexpr int kCallsPerThread = 25;
  for (const int delay_ms : {0, 20}) {
    SCOPED_TRACE("delay " + std::to_string(delay_ms) + " ms");
    zel_standin::Reset();
    dart_standin::Reset();
    StartWorld(delay_ms);
    LogIn();
    const std::size_t before = Envelopes(0).size();
    std::vector<std::vector<std::string>> user_data(kThreads);
    for (int t = 0; t < kThreads; ++t) {
      for (int i = 0; i < kCallsPerThread; ++i) {
        user_data[t].push_back("t" + std::to_string(t) + "/" + std::to_string(i));
      }
    }
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&user_data, t] {
        for (const std::string& text : user_data[t]) DartGetConversationList(text.c_str());
      });
    }
    for (std::thread& thread : threads) thread.join();
    const std::vector<std::string> labels = LabelsAfter(before, kThreads * kCallsPerThread);
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(kThreads * kCallsPerThread));
    for (int t = 0; t < kThreads; ++t) {
      std::vector<std::string> of_thread;
      const std::string prefix = "completion t" + std::to_string(t) + "/";
      for (const std::string& label : labels) {
        if (label.rfind(prefix, 0) == 0) of_thread.push_back(label.substr(11));
      }
      EXPECT_EQ(of_thread, user_data[t]);
    }
    DartUnitSDK();
  }
}

// Completions come from the stand-in's worker, never from inside the call,
// even without a delay.
TEST_F(WorldTest, WithoutDelayCompletionsStillComeFromTheWorker) {
  StartWorld(0);
  static std::thread::id completed_on;
  completed_on = std::thread::id();
  ZelConvGetConvList([](int32_t, const char*, const char*,
                        const void*) { completed_on = std::this_thread::get_id(); },
                     nullptr);
  zel_standin::WaitForWorker();
  EXPECT_NE(completed_on, std::thread::id());
  EXPECT_NE(completed_on, std::this_thread::get_id());
}

TEST_F(WorldTest, TheBridgesLogLinesArePrintedWhileTheWorldRunsAndKeptForTests) {
  StderrCapture captured;
  StartWorld(0, /*with_port=*/false);
  DartLogin("me", "sig", "login");  // its event and its completion reach no port
  zel_standin::WaitForWorker();
  const std::string printed = captured.Text();
  const std::string line = "im ffi: Serious error, no Dart_Port registered.";
  EXPECT_EQ(zel_standin::BridgeLogLines(), (std::vector<std::string>{line, line}));
  EXPECT_EQ(printed, "ZelSDK stand-in log: " + line + "\nZelSDK stand-in log: " + line + "\n");
}

TEST_F(WorldTest, ALineBreakInALogLineIsPrintedEscapedOnOneLine) {
  StartWorld(0);
  dart_standin::RefuseAllPosts(kPort);
  StderrCapture captured;
  DartLogout("line\nbreak");
  zel_standin::WaitForWorker();
  const std::string printed = captured.Text();
  EXPECT_NE(printed.find("ZelSDK stand-in log: im ffi: [Step1] Posting message without base64 "
                         "failed. user_data: line\\nbreak\n"),
            std::string::npos)
      << printed;
  EXPECT_EQ(printed.find("line\nbreak"), std::string::npos);
  ASSERT_FALSE(zel_standin::BridgeLogLines().empty());
  EXPECT_EQ(zel_standin::BridgeLogLines().front(),
            "im ffi: [Step1] Posting message without base64 failed. user_data: line\nbreak");
}

TEST_F(WorldTest, WithoutTheWorldLogLinesAreKeptButNotPrinted) {
  StderrCapture captured;
  // Another request of callExperimentalAPI is no log line.
  DartCallExperimentalAPI(R"({"request_internal_operation":"internal_operation_other"})", "other");
  zel_standin::Completion completion;
  completion.mode = zel_standin::CompletionMode::kImmediate;
  zel_standin::SetCompletion(completion);
  DartGetConversationList("to no port");
  EXPECT_EQ(captured.Text(), "");
  EXPECT_EQ(zel_standin::BridgeLogLines(),
            std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered."});
  zel_standin::Reset();
  EXPECT_TRUE(zel_standin::BridgeLogLines().empty());
}

}  // namespace

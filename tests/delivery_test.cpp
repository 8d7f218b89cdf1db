// Delivery of envelopes to Dart ports: the registry, the three posting steps,
// the log lines that report failures, and base64.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge_fixture.h"
#include "dart_delivery.h"
#include "json/json.h"

namespace {

using dart_standin::Received;

class DeliveryTest : public BridgeTest {};

json::Object Envelope(const json::Value& user_data) {
  json::Object envelope;
  envelope["code"] = json::Value(0);
  envelope["desc"] = json::Value("ok");
  envelope["user_data"] = user_data;
  envelope["callback"] = json::Value("apiCallback");
  envelope["json_param"] = json::Value("");
  return envelope;
}

std::string Base64(const std::string& text) {
  return base64_encode(reinterpret_cast<const unsigned char*>(text.data()), text.size(), false);
}

bool IsErrorEnvelope(const std::string& text) {
  return text.find("\"code\":6131") != std::string::npos;
}

TEST_F(DeliveryTest, WithNoPortNothingIsPostedAndOneLineIsLogged) {
  json::Object envelope = Envelope(json::Value("1"));
  SendDataToDart(envelope);

  EXPECT_TRUE(dart_standin::Posts().empty());
  const auto calls = zel_standin::CallsOf("callExperimentalAPI");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].callback, nullptr);
  EXPECT_EQ(calls[0].user_data, nullptr);
  std::string file = ZELBRIDGE_SOURCE_DIR "/src/im_api_ffi.cpp";
  std::string escaped_file;
  for (const char c : file) {
    if (c == '/' || c == '\\') escaped_file += '\\';
    escaped_file += c;
  }
  EXPECT_EQ(*calls[0].args[0].text,
            "{\"request_internal_operation\":\"internal_operation_write_log\","
            "\"request_write_log_file_name_param\":\"" +
                escaped_file +
                "\",\"request_write_log_func_name_param\":\"writeLogToVexlog\","
                "\"request_write_log_line_number_param\":53,"
                "\"request_write_log_log_content_param\":\"im ffi: Serious error, no Dart_Port "
                "registered.\",\"request_write_log_log_level_param\":6}");
}

TEST_F(DeliveryTest, EveryRegisteredPortGetsTheTextOnceInRegistrationOrder) {
  Register(30);
  Register(-4);
  Register(0);
  Register(30);  // a duplicate changes nothing
  json::Object envelope = Envelope(json::Value("7"));
  SendDataToDart(envelope);

  const auto posts = dart_standin::Posts();
  ASSERT_EQ(posts.size(), 3u);
  EXPECT_EQ(posts[0].port, 30);
  EXPECT_EQ(posts[1].port, -4);
  EXPECT_EQ(posts[2].port, 0);
  for (const auto& post : posts) {
    EXPECT_EQ(post.type, 5);  // Dart_CObject_kString
    EXPECT_EQ(post.text,
              "{\"callback\":\"apiCallback\",\"code\":0,\"desc\":\"ok\",\"json_param\":\"\","
              "\"user_data\":\"7\"}");
  }
  EXPECT_TRUE(LogContents().empty());
}

TEST_F(DeliveryTest, UnregisteringKeepsTheOrderOfTheOthers) {
  Register(1);
  Register(2);
  Register(3);
  DartUnregisterSendPort(99);  // never registered: ignored
  DartUnregisterSendPort(2);
  json::Object envelope = Envelope(json::Value("u"));
  SendDataToDart(envelope);

  const auto posts = dart_standin::Posts();
  ASSERT_EQ(posts.size(), 2u);
  EXPECT_EQ(posts[0].port, 1);
  EXPECT_EQ(posts[1].port, 3);
}

TEST_F(DeliveryTest, ARefusingPortDoesNotStopDeliveryThroughAnother) {
  Register(1);
  Register(2);
  dart_standin::RefuseAllPosts(1);
  json::Object first = Envelope(json::Value("a"));
  json::Object second = Envelope(json::Value("b"));
  SendDataToDart(first);
  SendDataToDart(second);

  EXPECT_EQ(Received(2).size(), 2u);
  EXPECT_TRUE(LogContents().empty());
  // The refusing port stays registered: it is offered the second text too.
  int offers_to_refusing_port = 0;
  for (const auto& post : dart_standin::Posts()) offers_to_refusing_port += post.port == 1;
  EXPECT_EQ(offers_to_refusing_port, 2);
}

TEST_F(DeliveryTest, ErrorEnvelopeIsTheLastResortAndDropsPortsThatRefuseIt) {
  Register(1);
  Register(2);
  Register(3);
  dart_standin::RefuseAllPosts(1);
  dart_standin::SetPortRule(2, IsErrorEnvelope);
  dart_standin::RefuseAllPosts(3);
  json::Object envelope = Envelope(json::Value("42"));
  SendDataToDart(envelope);

  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{
                "im ffi: [Step1] Posting message without base64 failed. user_data: 42",
                "im ffi: [Step2] Posting message with base64 failed. user_data: 42"}));
  ASSERT_EQ(Received(2).size(), 1u);
  EXPECT_EQ(Received(2)[0],
            "{\"callback\":\"apiCallback\",\"callbackType\":null,\"code\":6131,"
            "\"desc\":\"IM ffi data error\",\"user_data\":\"42\"}");

  // Ports 1 and 3 were dropped; port 2 is the only one offered the next text.
  dart_standin::Reset();
  json::Object next = Envelope(json::Value("43"));
  SendDataToDart(next);
  const auto posts = dart_standin::Posts();
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].port, 2);
}

TEST_F(DeliveryTest, TextsThatTheRuntimeRefusesTravelAsBase64) {
  Register(5);
  json::Object envelope = Envelope(json::Value("b64"));
  envelope["json_param"] = json::Value("\xff\xfe not UTF-8");
  const std::string plain = json::Serialize(json::Value(envelope));
  SendDataToDart(envelope);

  EXPECT_EQ(Received(5), (std::vector<std::string>{"base64:" + Base64(plain)}));
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{
                "im ffi: [Step1] Posting message without base64 failed. user_data: b64"}));
}

TEST_F(DeliveryTest, WhenEveryStepFailsThreeLinesAreLoggedAndEveryPortIsDropped) {
  Register(1);
  Register(2);
  dart_standin::RefuseAllPosts(1);
  dart_standin::RefuseAllPosts(2);
  json::Object envelope = Envelope(json::Value("x"));
  SendDataToDart(envelope);

  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{
                "im ffi: [Step1] Posting message without base64 failed. user_data: x",
                "im ffi: [Step2] Posting message with base64 failed. user_data: x",
                "im ffi: [Step3] Posting error message failed. user_data: x"}));
  EXPECT_EQ(dart_standin::Posts().size(), 6u);

  dart_standin::Reset();
  zel_standin::Reset();
  SendDataToDart(envelope);
  EXPECT_TRUE(dart_standin::Posts().empty());
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered."}));
}

TEST_F(DeliveryTest, UserDataThatIsNotATextIsLoggedAsNothingAndCarriedAsItIs) {
  struct Case {
    const char* name;
    bool has_user_data;
    json::Value user_data;
    const char* error_text;
  };
  const Case cases[] = {
      {"integer", true, json::Value(17),
       "{\"callback\":\"apiCallback\",\"callbackType\":null,\"code\":6131,"
       "\"desc\":\"IM ffi data error\",\"user_data\":17}"},
      {"missing", false, json::Value(),
       "{\"callback\":\"apiCallback\",\"callbackType\":null,\"code\":6131,"
       "\"desc\":\"IM ffi data error\",\"user_data\":null}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    zel_standin::Reset();
    dart_standin::Reset();
    Register(8);
    dart_standin::SetPortRule(8, IsErrorEnvelope);
    json::Object envelope = Envelope(c.user_data);
    if (!c.has_user_data) {
      json::Object without;
      without["callback"] = json::Value("apiCallback");
      without["code"] = json::Value(0);
      envelope = without;
    }
    SendDataToDart(envelope);
    EXPECT_EQ(LogContents(),
              (std::vector<std::string>{
                  "im ffi: [Step1] Posting message without base64 failed. user_data: ",
                  "im ffi: [Step2] Posting message with base64 failed. user_data: "}));
    EXPECT_EQ(Received(8), (std::vector<std::string>{c.error_text}));
  }
}

TEST_F(DeliveryTest, EventEnvelopesCarryTheirCallbackTypeIntoTheErrorEnvelope) {
  Register(4);
  dart_standin::SetPortRule(4, IsErrorEnvelope);
  json::Object event;
  event["user_data"] = json::Value("ev");
  event["callback"] = json::Value("globalCallback");
  event["callbackType"] = json::Value(7);
  event["json_msg_array"] = json::Value("[]");
  SendDataToDart(event);
  EXPECT_EQ(Received(4), (std::vector<std::string>{
                             "{\"callback\":\"globalCallback\",\"callbackType\":7,\"code\":6131,"
                             "\"desc\":\"IM ffi data error\",\"user_data\":\"ev\"}"}));
}

// A table the bridge cannot post with is refused, and the binding made
// before it (by the fixture) keeps delivering.
TEST_F(DeliveryTest, ATableWithoutThePostingFunctionIsRefusedAndTheEarlierBindingStays) {
  using dart_standin::MissingPost;
  Register(6);
  for (const MissingPost how :
       {MissingPost::kNoEntry, MissingPost::kNullFunction, MissingPost::kNoEntryList}) {
    EXPECT_EQ(DartInitDartApiDL(dart_standin::ApiDataWithoutPost(how)), -1)
        << "table " << static_cast<int>(how);
  }
  json::Object envelope = Envelope(json::Value("after"));
  SendDataToDart(envelope);
  ASSERT_EQ(Received(6).size(), 1u);
  EXPECT_NE(Received(6)[0].find("\"user_data\":\"after\""), std::string::npos);
  EXPECT_TRUE(LogContents().empty());
}

TEST(DartApiBinding, AnyMinorVersionOfMajorVersionTwoIsAccepted) {
  struct Case {
    int major;
    int minor;
    intptr_t expected;
  };
  const Case cases[] = {
      {3, 0, -1}, {1, 5, -1}, {2, 2, 0}, {2, 0, 0}, {2, 6, 0}, {2, 99, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DartInitDartApiDL(dart_standin::ApiData(c.major, c.minor)), c.expected)
        << "version " << c.major << "." << c.minor;
  }
  EXPECT_EQ(DartInitDartApiDL(nullptr), -1);
}

TEST(Base64, EncodesWithBothAlphabets) {
  struct Case {
    std::string input;
    bool url;
    std::string expected;
  };
  const Case cases[] = {
      {"", false, ""},
      {"a", false, "YQ=="},
      {"ab", false, "YWI="},
      {"abc", false, "YWJj"},
      {"a", true, "YQ.."},
      {"ab", true, "YWI."},
      {"abcd", false, "YWJjZA=="},
      {"\xfb\xff\xbf", false, "+/+/"},
      {"\xfb\xff\xbf", true, "-_-_"},
      {std::string("\0\0\0", 3), false, "AAAA"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(base64_encode(reinterpret_cast<const unsigned char*>(c.input.data()), c.input.size(),
                            c.url),
              c.expected)
        << "input of " << c.input.size() << " bytes, url " << c.url;
  }
}

TEST(Base64, LongInputHasNoLineBreaksAndAFourByteMultipleLength) {
  std::string input;
  for (int i = 0; i < 1000; ++i) input += static_cast<char>(i * 37);
  const std::string encoded = Base64(input);
  EXPECT_EQ(encoded.size(), (input.size() + 2) / 3 * 4);
  EXPECT_EQ(encoded.find('\n'), std::string::npos);
}

TEST(LogWriter, NullOrEmptyTextGivesThePrefixAlone) {
  zel_standin::Reset();
  writeLogToVexlog(nullptr);
  writeLogToVexlog("");
  EXPECT_EQ(LogContents(), (std::vector<std::string>{"im ffi: ", "im ffi: "}));
}

}  // namespace

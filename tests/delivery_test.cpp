// Delivery of envelopes to Dart ports: the registry, the three posting steps,
// the log lines that report failures, and base64.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "allocation_failure.h"
#include "bridge_fixture.h"
#include "dart_delivery.h"
#include "delivery_under_allocation_failure.h"
#include "json/escape_paths.h"
#include "json/json.h"
#include "posted_forms.h"

namespace {

using dart_standin::Received;

// These tests build envelopes themselves, some of them odd on purpose, and
// hand them to delivery directly: a recording of posts tells them apart from
// the envelopes that the bridge builds.
class DeliveryTest : public BridgeTest {
 private:
  dart_standin::HandMadeEnvelopes hand_made_;
};

json::Object Envelope(const json::Value& user_data) {
  json::Object envelope;
  envelope["code"] = json::Value(0);
  envelope["desc"] = json::Value("ok");
  envelope["user_data"] = user_data;
  envelope["callback"] = json::Value("apiCallback");
  envelope["json_param"] = json::Value("");
  return envelope;
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
  // The source is named by its place in the repository, never by the build
  // machine's path.
  EXPECT_EQ(*calls[0].args[0].text,
            "{\"request_internal_operation\":\"internal_operation_write_log\","
            "\"request_write_log_file_name_param\":\"src\\/im_api_ffi.cpp\","
            "\"request_write_log_func_name_param\":\"writeLogToVexlog\","
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

  EXPECT_EQ(Received(5), (std::vector<std::string>{Base64Form(plain)}));
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

// A table of another major version is refused before its entry list is read,
// and the fixture's binding keeps delivering.
TEST_F(DeliveryTest, ATableOfAnotherMajorVersionIsRefusedUnreadAndTheEarlierBindingStays) {
  using dart_standin::UnreadableEntries;
  Register(6);
  for (const int major : {1, 3, 99}) {
    EXPECT_EQ(DartInitDartApiDL(dart_standin::ApiDataWithUnreadableEntries(
                  major, 0, UnreadableEntries::kTooShort)),
              -1)
        << "major " << major;
  }
  json::Object envelope = Envelope(json::Value("still bound"));
  SendDataToDart(envelope);
  ASSERT_EQ(Received(6).size(), 1u);
  EXPECT_NE(Received(6)[0].find("\"user_data\":\"still bound\""), std::string::npos);
}

// A thread that has delivered an envelope keeps the buffer of its text, so
// serialising a larger one first allocates to grow that buffer; that failing
// makes the text unavailable: steps 1 and 2 fail without a post and the error
// envelope is sent instead.
// Under a limit of the address space, the text of a large envelope cannot be
// made: delivery logs its first two steps and posts the error envelope, as
// under real memory exhaustion, and nothing escapes. Native Linux x86-64
// and 32-bit x86 only: sanitizers and emulators reserve address space of
// their own.
#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__)) && \
    !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
std::size_t MappedBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmSize:", 0) == 0) return std::stoul(line.substr(7)) * 1024;
  }
  return 0;
}

TEST_F(DeliveryTest, AnEnvelopeThatCannotBeSerialisedArrivesAsTheErrorEnvelope) {
  Register(1);
  json::Object envelope = Envelope(json::Value("42"));
  const std::string large(32 << 20, '\x01');  // 192 MiB as text
  envelope["json_param"] = json::Value(large);

  rlimit unlimited{};
  ASSERT_EQ(getrlimit(RLIMIT_AS, &unlimited), 0);
  const std::size_t mapped = MappedBytes();
  ASSERT_GT(mapped, 0u);
  // Room for small texts and the log lines, not for the envelope's text.
  const rlimit limited{mapped + (96u << 20), unlimited.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_AS, &limited), 0);
  SendDataToDart(envelope);
  ASSERT_EQ(setrlimit(RLIMIT_AS, &unlimited), 0);

  EXPECT_EQ(Received(1), (std::vector<std::string>{
                             "{\"callback\":\"apiCallback\",\"callbackType\":null,\"code\":6131,"
                             "\"desc\":\"IM ffi data error\",\"user_data\":\"42\"}"}));
  EXPECT_EQ(LogContents(),
            (std::vector<std::string>{
                "im ffi: [Step1] Posting message without base64 failed. user_data: 42",
                "im ffi: [Step2] Posting message with base64 failed. user_data: 42"}));

  // The envelope is whole again afterwards; only its error envelope's routing
  // members were added to it, as null where missing.
  dart_standin::Reset();
  SendDataToDart(envelope);
  EXPECT_EQ(
      Received(1),
      (std::vector<std::string>{"{\"callback\":\"apiCallback\",\"callbackType\":null,\"code\":0,"
                                "\"desc\":\"ok\",\"json_param\":\"" +
                                json_internal::EscapedString(large.data(), large.size()).substr(1) +
                                ",\"user_data\":\"42\"}"}));
}
#endif

// Whichever allocation of delivery fails, the envelope arrives in one of its
// forms, and any form but the usual one only with a log line.
TEST_F(DeliveryTest, EveryAllocationFailureOfDeliveryLeavesATrace) {
  Register(3);
  const std::string error_text =
      R"({"callback":"globalCallback","callbackType":5,"code":6131,"desc":"IM ffi data error","user_data":"u"})";
  struct Case {
    const char* name;
    const char* payload;
  };
  // Text that is not UTF-8 is refused as plain text, so base64 comes first.
  const Case cases[] = {{"plain text", "p"}, {"base64 text", "\xff"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    json::Object event;
    event["user_data"] = json::Value("u");
    event["callback"] = json::Value("globalCallback");
    event["callbackType"] = json::Value(5);
    event["payload"] = json::Value(c.payload);
    const std::string plain = json::Serialize(json::Value(event));
    std::vector<std::string> allowed = {plain, Base64Form(plain), error_text};
    if (!dart_standin::IsValidUtf8(plain)) allowed.erase(allowed.begin());
    ExpectDeliveryDespiteEachAllocationFailure(3, allowed, [&] { SendDataToDart(event); });
  }
}

// An envelope that could not be built is replaced by its error envelope.
TEST_F(DeliveryTest, AnEnvelopeThatCouldNotBeBuiltIsReplacedByItsErrorEnvelope) {
  struct Case {
    const char* name;
    const char* callback;
    std::optional<int> callback_type;
    const char* user_data;
    bool port_accepts;
    std::vector<std::string> received;
    std::vector<std::string> logged;
  };
  const Case cases[] = {
      {"completion",
       "apiCallback",
       std::nullopt,
       "42",
       true,
       {R"({"callback":"apiCallback","callbackType":null,"code":6131,"desc":"IM ffi data error","user_data":"42"})"},
       {"im ffi: Building message failed. user_data: 42"}},
      {"event",
       "globalCallback",
       67,
       "ev",
       true,
       {R"({"callback":"globalCallback","callbackType":67,"code":6131,"desc":"IM ffi data error","user_data":"ev"})"},
       {"im ffi: Building message failed. user_data: ev"}},
      {"null user_data",
       "apiCallback",
       std::nullopt,
       nullptr,
       true,
       {R"({"callback":"apiCallback","callbackType":null,"code":6131,"desc":"IM ffi data error","user_data":""})"},
       {"im ffi: Building message failed. user_data: "}},
      {"refused",
       "globalCallback",
       0,
       "7",
       false,
       {},
       {"im ffi: Building message failed. user_data: 7",
        "im ffi: [Step3] Posting error message failed. user_data: 7"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    zel_standin::Reset();
    dart_standin::Reset();
    Register(9);
    if (!c.port_accepts) dart_standin::RefuseAllPosts(9);
    SendBuildFailureToDart(c.callback, c.callback_type, c.user_data);
    EXPECT_EQ(Received(9), c.received);
    EXPECT_EQ(LogContents(), c.logged);

    // A port that refused the error envelope was dropped, as by step 3.
    zel_standin::Reset();
    SendBuildFailureToDart(c.callback, c.callback_type, c.user_data);
    if (c.port_accepts) {
      EXPECT_EQ(LogContents().size(), 1u);
    } else {
      EXPECT_EQ(LogContents(),
                (std::vector<std::string>{"im ffi: Serious error, no Dart_Port registered."}));
    }
  }
}

TEST(DartApiBinding, AnyMinorVersionOfMajorVersionTwoIsAccepted) {
  struct Case {
    int major;
    int minor;
    intptr_t expected;
  };
  const Case cases[] = {
      {3, 0, -1}, {1, 5, -1}, {99, 0, -1}, {2, 2, 0}, {2, 0, 0}, {2, 6, 0}, {2, 99, 0},
  };
  for (const Case& c : cases) {
    if (c.expected == 0) {
      EXPECT_EQ(DartInitDartApiDL(dart_standin::ApiData(c.major, c.minor)), 0)
          << "version " << c.major << "." << c.minor;
      continue;
    }
    // Another major version may lay out the rest of the table differently, so
    // its entry list must not even be read: these point at too few bytes or at
    // no memory at all, which AddressSanitizer or the MMU would catch.
    using dart_standin::UnreadableEntries;
    for (const UnreadableEntries how :
         {UnreadableEntries::kTooShort, UnreadableEntries::kUnmapped}) {
      EXPECT_EQ(
          DartInitDartApiDL(dart_standin::ApiDataWithUnreadableEntries(c.major, c.minor, how)), -1)
          << "version " << c.major << "." << c.minor << ", entries " << static_cast<int>(how);
    }
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

// Sizes are size_t end to end. Where unsigned long is 32 bits (Windows) or
// not size_t (32-bit ARM), a narrower length fails this in those builds.
static_assert(std::is_same<decltype(&base64_encode),
                           std::string (*)(const unsigned char*, std::size_t, bool)>::value,
              "base64_encode takes its length as size_t");

// The text's buffer takes its base64 form in place, each length of the last
// group included, also when the buffer holds exactly the text beforehand.
TEST(Base64, InPlaceEncodingGivesThePrefixedForm) {
  std::mt19937 rng(64);
  for (std::size_t length = 0; length <= 40; ++length) {
    std::string input(length, '\0');
    for (char& c : input) c = static_cast<char>(rng());
    json_internal::TextBuffer text;
    if (length > 0) {
      text.Reserve(length, 0);
      std::memcpy(text.data(), input.data(), length);
    }
    EncodeBase64InPlace(text, length);
    EXPECT_EQ(std::string(text.data()), Base64Form(input)) << length << " bytes";
  }
}

TEST(Base64, ALengthWhoseFormCannotBeHeldIsRefused) {
  json_internal::TextBuffer text;
  EXPECT_THROW(EncodeBase64InPlace(text, std::numeric_limits<std::size_t>::max()),
               std::length_error);
  EXPECT_THROW(base64_encode(nullptr, std::numeric_limits<std::size_t>::max() / 4 * 3 + 3, false),
               std::length_error);
}

TEST(LogWriter, NullOrEmptyTextGivesThePrefixAlone) {
  zel_standin::Reset();
  writeLogToVexlog(nullptr);
  writeLogToVexlog("");
  EXPECT_EQ(LogContents(), (std::vector<std::string>{"im ffi: ", "im ffi: "}));
}

}  // namespace

// Completion envelopes as they reach Dart, byte for byte.

#include "completion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bridge_fixture.h"
#include "dart_delivery.h"
#include "delivery_under_allocation_failure.h"
#include "posted_forms.h"

namespace {

class CompletionTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    Register(kPort);
  }

  static std::vector<std::string> Texts() { return dart_standin::Received(kPort); }

  static constexpr int64_t kPort = 77;
};

TEST_F(CompletionTest, CommonCompletionTexts) {
  struct Case {
    const char* name;
    int32_t code;
    const char* desc;
    const char* json_params;
    const char* user_data;
    const char* expected;
  };
  const Case cases[] = {
      {"null result", 0, "", nullptr, "7",
       R"({"callback":"apiCallback","code":0,"desc":"","json_param":"","user_data":"7"})"},
      {"empty result", 0, "", "", "7",
       R"({"callback":"apiCallback","code":0,"desc":"","json_param":"","user_data":"7"})"},
      {"negative code", -1, "failed", nullptr, "u",
       R"({"callback":"apiCallback","code":-1,"desc":"failed","json_param":"","user_data":"u"})"},
      {"extreme code", INT32_MIN, "d", nullptr, "u",
       R"({"callback":"apiCallback","code":-2147483648,"desc":"d","json_param":"","user_data":"u"})"},
      {"JSON result travels escaped", 0, "OK", R"([{"url":"a/b"}])", "9",
       R"({"callback":"apiCallback","code":0,"desc":"OK","json_param":"[{\"url\":\"a\/b\"}]","user_data":"9"})"},
      {"null desc and user_data", 6014, nullptr, "{}", nullptr,
       R"({"callback":"apiCallback","code":6014,"desc":"","json_param":"{}","user_data":""})"},
      {"texts with control bytes", 1, "line\nnext", "tab\there", "q\"uote",
       R"({"callback":"apiCallback","code":1,"desc":"line\nnext","json_param":"tab\there","user_data":"q\"uote"})"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dart_standin::Reset();
    DartZelCommonCallback(c.code, c.desc, c.json_params, c.user_data);
    EXPECT_EQ(Texts(), (std::vector<std::string>{c.expected}));
  }
}

TEST_F(CompletionTest, ReadMemberListCompletionTexts) {
  struct Case {
    const char* name;
    const char* list;
    uint64_t next_seq;
    bool finished;
    const char* user_data;
    const char* expected;
  };
  const Case cases[] = {
      {"null list", nullptr, 0, true, "9",
       R"({"callback":"apiCallback","code":0,"desc":"","is_finished":true,"json_param":"","next_seq":0,"user_data":"9"})"},
      {"largest sequence", R"(["m1"])", UINT64_MAX, false, "s",
       R"({"callback":"apiCallback","code":0,"desc":"","is_finished":false,"json_param":"[\"m1\"]","next_seq":18446744073709551615,"user_data":"s"})"},
      {"null user_data", "", 5, false, nullptr,
       R"({"callback":"apiCallback","code":0,"desc":"","is_finished":false,"json_param":"","next_seq":5,"user_data":""})"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dart_standin::Reset();
    DartGetGroupMessageReadMemberListCallback(c.list, c.next_seq, c.finished, c.user_data);
    EXPECT_EQ(Texts(), (std::vector<std::string>{c.expected}));
  }
}

// The SDK's result text is copied byte for byte, and the VM refuses a text
// that is not UTF-8: such a completion arrives in base64, its bytes unchanged.
TEST_F(CompletionTest, AResultThatIsNotUtf8ArrivesInBase64WithItsBytes) {
  DartZelCommonCallback(0, "OK", "{\"name\":\"caf\xE9\"}", "8");
  const std::string plain =
      R"({"callback":"apiCallback","code":0,"desc":"OK","json_param":"{\"name\":\"caf)"
      "\xE9"
      R"(\"}","user_data":"8"})";

  EXPECT_EQ(Texts(), (std::vector<std::string>{Base64Form(plain)}));
}

TEST_F(CompletionTest, UserDataIsReadWhenTheCompletionRuns) {
  char user_data[] = "first";
  DartZelCommonCallback(0, "", nullptr, user_data);
  user_data[0] = 'F';
  DartZelCommonCallback(0, "", nullptr, user_data);
  const auto texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NE(texts[0].find("\"user_data\":\"first\""), std::string::npos);
  EXPECT_NE(texts[1].find("\"user_data\":\"First\""), std::string::npos);
}

// Whichever allocation fails while a completion is built or posted, nothing
// is thrown into the SDK's thread, and the completion reaches Dart whole or
// as its error envelope, so the caller waiting for it learns of the failure.
TEST_F(CompletionTest, AnAllocationFailureLeavesTheErrorEnvelopeOrALogLine) {
  struct Case {
    const char* name;
    std::function<void()> complete;
    std::string expected;
  };
  const Case cases[] = {
      {"common completion", [] { DartZelCommonCallback(-3, "failed", R"({"id":1})", "42"); },
       R"({"callback":"apiCallback","code":-3,"desc":"failed","json_param":"{\"id\":1}","user_data":"42"})"},
      {"read-member-list completion",
       [] { DartGetGroupMessageReadMemberListCallback("[]", 8, true, "42"); },
       R"({"callback":"apiCallback","code":0,"desc":"","is_finished":true,"json_param":"[]","next_seq":8,"user_data":"42"})"},
  };
  const std::string error_text =
      R"({"callback":"apiCallback","callbackType":null,"code":6131,"desc":"IM ffi data error","user_data":"42"})";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string base64_text = Base64Form(c.expected);
    ExpectDeliveryDespiteEachAllocationFailure(kPort, {c.expected, base64_text, error_text},
                                               c.complete);
  }
}

}  // namespace

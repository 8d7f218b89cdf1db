// Texts of several MiB from the SDK, such as a message body that is nothing
// but control characters: each is written sixfold, so the serializer counts
// the room a large rest needs and grows the text once, and the base64 form
// takes the place of the plain text in its own buffer. What reaches Dart is
// still exactly the serializer's text, or its base64.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "allocation_failure.h"
#include "bridge_fixture.h"
#include "dart_delivery.h"
#include "json/json.h"
#include "posted_forms.h"

namespace {

using dart_standin::Received;

constexpr int64_t kPort = 6;

// Control characters, quotes and plain runs, then tail appended.
std::string LargeText(std::size_t size, const std::string& tail) {
  std::string text;
  text.reserve(size + tail.size());
  for (std::size_t i = 0; text.size() < size; ++i) {
    text += i % 3 == 0 ? std::string(300, '\x01') : i % 3 == 1 ? "\"\\/\n" : "plain text ";
  }
  return text + tail;
}

class LargeTextTest : public BridgeTest {
 private:
  dart_standin::HandMadeEnvelopes hand_made_;
};

TEST_F(LargeTextTest, HeavilyEscapedTextsArriveExactAsTextAndAsBase64) {
  Register(kPort);
  struct Case {
    const char* name;
    std::string json_param;
    bool as_base64;  // the runtime refuses the plain text, which is not UTF-8
  };
  const Case cases[] = {
      {"control characters", std::string(3 << 19, '\x1f'), false},
      {"mixed", LargeText(3 << 19, ""), false},
      {"mixed, not UTF-8", LargeText(3 << 19, "\xff"), true},
      {"control characters, not UTF-8", std::string(3 << 19, '\x02') + "\xfe", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dart_standin::Reset();
    json::Object envelope;
    envelope["callback"] = json::Value("apiCallback");
    envelope["code"] = json::Value(0);
    envelope["json_param"] = json::Value(c.json_param);
    envelope["user_data"] = json::Value("large");
    const std::string plain = json::Serialize(json::Value(envelope));

    SendDataToDart(envelope);

    const std::vector<std::string> received = Received(kPort);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_TRUE(received[0] == (c.as_base64 ? Base64Form(plain) : plain))
        << "a text of " << received[0].size() << " bytes differs";
  }
}

// Growing one buffer after another by half again would hold the old text
// and the new at each step; counted, the room is taken once.
TEST(SerializerGrowth, AHeavilyEscapedStringGrowsTheTextOnce) {
  json::Object object;
  object["text"] = json::Value(std::string(4 << 20, '\x01'));
  const json::Value value(std::move(object));

  const long before = allocation_failure::AllocationsOfThisThread();
  const std::string text = json::Serialize(value);
  const long allocations = allocation_failure::AllocationsOfThisThread() - before;

  EXPECT_EQ(text.size(), std::string(R"({"text":""})").size() + 6 * (4u << 20));
  EXPECT_EQ(text.compare(0, 15, R"({"text":"\u0001)"), 0);
  // The first guess (the text's length and an eighth) and the exact room.
  EXPECT_EQ(allocations, 2);
}

}  // namespace

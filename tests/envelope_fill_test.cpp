// Envelopes filled in a thread's storage, where their members lie, and
// written from their layout, against envelopes built the plain way: a fresh
// json::Object whose members are set through operator[] from json::Value
// and serialized whole. The completions with random texts, hand-made kinds
// whose members change from one envelope to the next, and the layout itself
// on objects of every type of value.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bridge_fixture.h"
#include "completion.h"
#include "dart_delivery.h"
#include "envelope_storage.h"
#include "json/escape_paths.h"
#include "json/json.h"
#include "json/object_layout.h"
#include "json/text_buffer.h"
#include "posted_forms.h"
#include "random_texts.h"

namespace {

using dart_standin::Received;

constexpr int64_t kPort = 52;

std::string PlainText(const json::Object& envelope) {
  return json::Serialize(json::Value(envelope));
}

// The error envelope posted when no port takes a completion's text nor its
// base64 form, built the plain way.
json::Object CompletionError(const std::string& user_data) {
  json::Object error;
  error["code"] = json::Value(6131);
  error["desc"] = json::Value("IM ffi data error");
  error["callback"] = json::Value("apiCallback");
  error["callbackType"] = json::Value();
  error["user_data"] = json::Value(user_data);
  return error;
}

// The port takes error envelopes only.
bool IsErrorEnvelope(const std::string& text) {
  return text.find(R"("code":6131,"desc":"IM ffi data error")") != std::string::npos;
}

class EnvelopeFillTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    Register(kPort);
  }
  void TearDown() override {
    json_internal::UseFastestEscapePath();
    BridgeTest::TearDown();
  }
};

// Runs deliver while the thread's storage is busy building a hand-made
// envelope, so that what deliver posts takes the ordinary path, built in an
// object of its own; returns the text the hand-made envelope posts after it.
template <typename Deliver>
std::string WhileTheStorageIsBusy(Deliver deliver) {
  const dart_standin::HandMadeEnvelopes hand_made;
  PostEnvelope(
      2000,
      [&](EnvelopeMembers& outer) {
        outer["outer"] = Constant("busy");
        deliver();
      },
      [] {});
  return R"({"outer":"busy"})";
}

// Both completions, in runs of one kind and alternating, with random texts
// (null ones too), codes, sequence numbers and flags, through each escaping
// path: each posts what a fresh object gives, whether built in the thread's
// storage or, every fourth one, on the ordinary path; and when the port
// refuses the text and its base64 form, every fourth one too, the error
// envelope carries the user_data that a fresh object would.
TEST_F(EnvelopeFillTest, CompletionsPostWhatAFreshObjectGivesWhateverTheirTexts) {
  RandomTexts random(1729);
  std::mt19937 numbers(7);
  for (const json_internal::EscapePath path : json_internal::AvailableEscapePaths()) {
    SCOPED_TRACE(json_internal::EscapePathName(path));
    ASSERT_TRUE(json_internal::UseEscapePath(path));
    for (int i = 0; i < 120; ++i) {
      SCOPED_TRACE(i);
      const std::string desc = random.Next();
      const std::string json_param = random.Next();
      const std::string user_data = random.Next();
      // Runs of one kind, then the two kinds alternating.
      const bool common = i < 60 ? (i / 10) % 2 == 0 : i % 2 == 0;
      const bool null_param = numbers() % 8 == 0;
      json::Object fresh;
      std::function<void()> deliver;
      if (common) {
        const int32_t code = static_cast<int32_t>(numbers());
        fresh["code"] = json::Value(static_cast<int>(code));
        fresh["desc"] = json::Value(desc);
        fresh["user_data"] = json::Value(user_data);
        fresh["callback"] = json::Value("apiCallback");
        fresh["json_param"] = json::Value(null_param ? std::string() : json_param);
        deliver = [&, code] {
          DartZelCommonCallback(code, desc.c_str(), null_param ? nullptr : json_param.c_str(),
                                user_data.c_str());
        };
      } else {
        const uint64_t next_seq = (static_cast<uint64_t>(numbers()) << 32) | numbers();
        const bool is_finished = numbers() % 2 == 0;
        fresh["code"] = json::Value(0);
        fresh["desc"] = json::Value("");
        fresh["user_data"] = json::Value(user_data);
        fresh["callback"] = json::Value("apiCallback");
        fresh["next_seq"] = json::Value(static_cast<unsigned long long>(next_seq));
        fresh["is_finished"] = json::Value(is_finished);
        fresh["json_param"] = json::Value(null_param ? std::string() : json_param);
        deliver = [&, next_seq, is_finished] {
          DartGetGroupMessageReadMemberListCallback(null_param ? nullptr : json_param.c_str(),
                                                    next_seq, is_finished, user_data.c_str());
        };
      }
      std::vector<std::string> expected = {PostedForm(PlainText(fresh))};
      // An error text that is not UTF-8 would be refused too, and the port
      // dropped.
      const std::string error = PlainText(CompletionError(user_data));
      const bool refused = i % 4 == 3 && dart_standin::IsValidUtf8(error);
      dart_standin::Reset();
      if (i % 4 == 2) {
        expected.push_back(WhileTheStorageIsBusy(deliver));
      } else if (refused) {
        dart_standin::SetPortRule(kPort, IsErrorEnvelope);
        expected = {error};
        deliver();
      } else {
        deliver();
      }
      EXPECT_EQ(Received(kPort), expected);
    }
  }
}

// A member that a hand-made fill sets: which key (one of a few literals, or
// a key made at run time), and what value.
struct HandMadeMember {
  const char* key;
  MemberValue value;
};

// The member's value made the plain way, through json::Value's constructors.
json::Value PlainValue(const MemberValue& value) {
  switch (value.type) {
    case json::StringType:
      return json::Value(value.text);
    case json::IntType:
      return json::Value(static_cast<int>(value.SignedNumber()));
    case json::UIntType:
      return json::Value(static_cast<unsigned int>(value.number));
    case json::Int64Type:
      return json::Value(value.SignedNumber());
    case json::UInt64Type:
      return json::Value(value.number);
    case json::BoolType:
      return json::Value(value.truth);
    default:
      return json::Value();
  }
}

// Hand-made kinds whose fills set other members from one envelope to the
// next: more, fewer, in another order, under a key made at run time, or a
// constant of another value. Whenever the recorded members do not fit, the
// envelope is filled again by key, and the text is always a fresh object's.
TEST_F(EnvelopeFillTest, FillsThatChangeTheirMembersPostWhatAFreshObjectGives) {
  static const char* const kKeys[] = {"alpha", "beta", "gamma", "delta", "user_data"};
  RandomTexts random(4104);
  std::mt19937 draw(11);
  const dart_standin::HandMadeEnvelopes hand_made;
  // Keys made at run time, two of them with the same text at different
  // addresses. A kept envelope knows a member by its key's address, as the
  // bridge's literals have one each, so each key keeps its storage.
  static const std::vector<std::string> kRunTimeKeys = {"epsilon", "epsilon", "epsilon0",
                                                        "epsilon1"};
  std::size_t run_time_key = 0;
  for (int i = 0; i < 400; ++i) {
    SCOPED_TRACE(i);
    // Mostly the same fill as last time, so that recorded members are used.
    const int kind = 1000 + static_cast<int>(draw() % 3);
    std::vector<std::string> texts;
    std::vector<HandMadeMember> members;
    const std::size_t count = 1 + draw() % 5;
    texts.reserve(count);
    for (std::size_t m = 0; m < count; ++m) {
      const char* const key = kKeys[(static_cast<std::size_t>(kind) + m) % 5];
      switch (draw() % 8) {
        case 0:
          members.push_back({key, Constant(static_cast<int>(draw() % 2))});
          break;
        case 1:
          members.push_back({key, Constant(draw() % 2 == 0 ? "one" : "two")});
          break;
        case 2:
          members.push_back({key, Int64(static_cast<int64_t>(draw()) - (int64_t{1} << 40))});
          break;
        case 3:
          members.push_back({key, Bool(draw() % 2 == 0)});
          break;
        case 4:
          members.push_back(
              {kRunTimeKeys[run_time_key].c_str(), UInt(static_cast<uint32_t>(draw()))});
          break;
        default:
          texts.push_back(random.Next());
          members.push_back({key, Text(texts.back().c_str())});
          break;
      }
    }
    if (draw() % 16 == 0) run_time_key = static_cast<std::size_t>(i) % kRunTimeKeys.size();
    json::Object fresh;
    for (const HandMadeMember& member : members) fresh[member.key] = PlainValue(member.value);
    bool failed = false;
    dart_standin::Reset();
    PostEnvelope(
        kind,
        [&](EnvelopeMembers& envelope) {
          for (const HandMadeMember& member : members) envelope[member.key] = member.value;
        },
        [&] { failed = true; });
    EXPECT_FALSE(failed);
    EXPECT_EQ(Received(kPort), std::vector<std::string>{PostedForm(PlainText(fresh))});
  }
}

// A value of any type, nested containers included, drawn at random.
json::Value RandomValue(std::mt19937& draw, RandomTexts& texts, int depth) {
  switch (draw() % (depth > 0 ? 9 : 11)) {
    case 0:
      return json::Value();
    case 1:
      return json::Value(static_cast<int>(draw()));
    case 2:
      return json::Value(static_cast<unsigned int>(draw()));
    case 3:
      return json::Value(-static_cast<long long>(draw()) * 1000003);
    case 4:
      return json::Value((static_cast<unsigned long long>(draw()) << 32) | draw());
    case 5:
      return json::Value(static_cast<double>(draw()) / 7.0);
    case 6:
      return json::Value(draw() % 2 == 0);
    case 9: {
      json::Object object;
      for (unsigned m = draw() % 4; m > 0; --m) {
        object["k" + std::to_string(draw() % 10)] = RandomValue(draw, texts, depth + 1);
      }
      return json::Value(object);
    }
    case 10: {
      json::Array array;
      for (unsigned m = draw() % 4; m > 0; --m) {
        array.push_back(RandomValue(draw, texts, depth + 1));
      }
      return json::Value(array);
    }
    default:
      return json::Value(texts.Next());
  }
}

// The layout writes what json::Serialize writes for the object, before and
// after the members that change are given new values of any type, with
// nothing, some or all members changing, into one buffer kept throughout.
TEST(ObjectLayoutTest, WritesWhatSerializeWritesAsTheChangingMembersChange) {
  std::mt19937 draw(31);
  RandomTexts texts(62);
  json_internal::TextBuffer buffer;
  for (int i = 0; i < 300; ++i) {
    SCOPED_TRACE(i);
    json::Object object;
    for (unsigned m = draw() % 9; m > 0; --m) {
      object["member_" + std::to_string(draw() % 12)] = RandomValue(draw, texts, 0);
    }
    std::vector<json::Value*> changing;
    for (auto& member : object) {
      if (draw() % 3 != 0) changing.push_back(&member.second);
    }
    json_internal::ObjectLayout layout;
    layout.Make(object, const_cast<const json::Value* const*>(changing.data()), changing.size());
    for (int change = 0; change < 3; ++change) {
      const std::string expected = json::Serialize(json::Value(object));
      const std::size_t length = layout.SerializeInto(buffer);
      ASSERT_EQ(std::string(buffer.data(), length), expected) << "change " << change;
      EXPECT_EQ(buffer.data()[length], '\0');
      for (json::Value* value : changing) *value = RandomValue(draw, texts, 0);
    }
  }
}

}  // namespace

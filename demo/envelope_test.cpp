// How the demo's isolate reads the bridge's posted texts: the three envelope
// shapes and the base64 transport form.

#include "envelope.h"

#include <gtest/gtest.h>

#include <string>

namespace demo {
namespace {

Envelope Decoded(const std::string& text) {
  Envelope envelope;
  std::string error;
  EXPECT_TRUE(DecodeEnvelope(text, &envelope, &error)) << error;
  return envelope;
}

TEST(DemoEnvelope, CompletionIsMatchedByUserData) {
  const Envelope completion = Decoded(
      R"({"callback":"apiCallback","code":-1,"desc":"bad","json_param":"[1]","user_data":"call-3"})");
  EXPECT_EQ(completion.kind, Envelope::Kind::kCompletion);
  EXPECT_EQ(completion.user_data, "call-3");
  EXPECT_EQ(completion.code(), -1);
  EXPECT_EQ(completion.desc(), "bad");
  EXPECT_EQ(completion.json_param(), "[1]");
  EXPECT_FALSE(completion.delivery_error);
}

TEST(DemoEnvelope, NetworkStatusEventIsNotTakenForTheErrorEnvelope) {
  const Envelope event = Decoded(
      R"({"callback":"globalCallback","callbackType":0,"code":6131,"desc":"IM ffi data error",)"
      R"("status":1,"user_data":"on-network-status"})");
  EXPECT_EQ(event.kind, Envelope::Kind::kEvent);
  EXPECT_EQ(event.callback_type, 0);
  EXPECT_FALSE(event.delivery_error);
}

// Five members with code 6131 are not enough: they must be the error
// envelope's five.
TEST(DemoEnvelope, OnlyTheErrorEnvelopesMembersMakeAnErrorEnvelope) {
  const Envelope event =
      Decoded(R"({"callback":"globalCallback","callbackType":19,"code":6131,"group_id":"g",)"
              R"("user_data":"on-group-counter"})");
  EXPECT_FALSE(event.delivery_error);
}

TEST(DemoEnvelope, ErrorEnvelopeOfACompletionStillReachesItsCall) {
  const Envelope error = Decoded(
      R"({"callback":"apiCallback","callbackType":null,"code":6131,"desc":"IM ffi data error",)"
      R"("user_data":"42"})");
  EXPECT_EQ(error.kind, Envelope::Kind::kCompletion);
  EXPECT_EQ(error.user_data, "42");
  EXPECT_TRUE(error.delivery_error);
  EXPECT_EQ(error.code(), kDeliveryErrorCode);
}

TEST(DemoEnvelope, ErrorEnvelopeOfAnEventKeepsItsCallbackType) {
  const Envelope error = Decoded(
      R"({"callback":"globalCallback","callbackType":7,"code":6131,"desc":"IM ffi data error",)"
      R"("user_data":"on-new-message"})");
  EXPECT_EQ(error.kind, Envelope::Kind::kEvent);
  EXPECT_EQ(error.callback_type, 7);
  EXPECT_TRUE(error.delivery_error);
}

TEST(DemoEnvelope, Base64FormDecodesToTheSameEnvelope) {
  const Envelope completion = Decoded(
      "base64:eyJjYWxsYmFjayI6ImFwaUNhbGxiYWNrIiwiY29kZSI6MCwiZGVzYyI6IiIsImpzb25fcGFyYW0iOiIiLCJ1"
      "c2VyX2RhdGEiOiI3In0=");
  EXPECT_TRUE(completion.was_base64);
  EXPECT_EQ(completion.kind, Envelope::Kind::kCompletion);
  EXPECT_EQ(completion.user_data, "7");

  const Envelope event = Decoded(
      "base64:"
      "eyJjYWxsYmFjayI6Imdsb2JhbENhbGxiYWNrIiwiY2FsbGJhY2tUeXBlIjoxLCJ1c2VyX2RhdGEiOiJhYmMifQ"
      "==");
  EXPECT_EQ(event.kind, Envelope::Kind::kEvent);
  EXPECT_EQ(event.callback_type, 1);
  EXPECT_EQ(event.user_data, "abc");
}

// The integration guide's example: the base64 form exists for texts that
// are not valid UTF-8, so its decoded bytes are not either.
TEST(DemoEnvelope, Base64FormCarriesTheBytesTheVmRefused) {
  const Envelope completion = Decoded(
      "base64:eyJjYWxsYmFjayI6ImFwaUNhbGxiYWNrIiwiY29kZSI6MCwiZGVzYyI6ImNhZukiLCJqc29uX3BhcmFtIjoi"
      "IiwidXNlcl9kYXRhIjoibWFpbi0xLzcifQ==");
  EXPECT_TRUE(completion.was_base64);
  EXPECT_EQ(completion.user_data, "main-1/7");
  EXPECT_EQ(completion.desc(), "caf\xE9");
}

TEST(DemoEnvelope, Base64PaddingAndAlphabet) {
  std::string decoded;
  ASSERT_TRUE(DecodeBase64("YWJj", &decoded));
  EXPECT_EQ(decoded, "abc");
  ASSERT_TRUE(DecodeBase64("YWI=", &decoded));
  EXPECT_EQ(decoded, "ab");
  ASSERT_TRUE(DecodeBase64("YQ==", &decoded));
  EXPECT_EQ(decoded, "a");
  ASSERT_TRUE(DecodeBase64("", &decoded));
  EXPECT_EQ(decoded, "");
  ASSERT_TRUE(DecodeBase64("+/+/", &decoded));
  EXPECT_EQ(decoded, "\xfb\xff\xbf");
  EXPECT_FALSE(DecodeBase64("YQ=a", &decoded));
  EXPECT_FALSE(DecodeBase64("YQ", &decoded));
  EXPECT_FALSE(DecodeBase64("YQ..", &decoded));  // the URL-safe pad is not the bridge's
  EXPECT_FALSE(DecodeBase64("YQ==YWJj", &decoded));
}

TEST(DemoEnvelope, RefusesWhatNoIsolateCouldRoute) {
  Envelope envelope;
  std::string error;
  EXPECT_FALSE(DecodeEnvelope("not json", &envelope, &error));
  EXPECT_FALSE(DecodeEnvelope(R"({"callback":"other","user_data":"1"})", &envelope, &error));
  EXPECT_FALSE(
      DecodeEnvelope(R"({"callback":"globalCallback","user_data":"1"})", &envelope, &error));
  EXPECT_FALSE(DecodeEnvelope("base64:!!!!", &envelope, &error));
}

}  // namespace
}  // namespace demo

// Delivery in a process whose Dart API is not bound yet: an SDK thread may
// deliver after the app registered its ports but before it bound the API.
// The test needs a process of its own, so it has an executable of its own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge_fixture.h"
#include "dart_delivery.h"
#include "json/json.h"

namespace {

json::Object Completion(const char* user_data) {
  json::Object envelope;
  envelope["callback"] = json::Value("apiCallback");
  envelope["code"] = json::Value(0);
  envelope["user_data"] = json::Value(user_data);
  return envelope;
}

TEST(UnboundDelivery, PortsRegisteredBeforeBindingKeepReceivingOnceItIsBound) {
  const dart_standin::HandMadeEnvelopes hand_made;
  zel_standin::Reset();
  dart_standin::Reset();
  DartRegisterSendPort(11);
  DartRegisterSendPort(12);

  json::Object early = Completion("early");
  SendDataToDart(early);
  EXPECT_TRUE(dart_standin::Posts().empty());
  EXPECT_EQ(LogContents(), (std::vector<std::string>{
                               "im ffi: [Step1] Posting message without base64 failed. "
                               "user_data: early",
                               "im ffi: [Step2] Posting message with base64 failed. "
                               "user_data: early",
                               "im ffi: [Step3] Posting error message failed. user_data: early",
                           }));

  // A table without the posting function binds nothing either.
  EXPECT_EQ(DartInitDartApiDL(dart_standin::ApiDataWithoutPost()), -1);
  json::Object still_early = Completion("still early");
  SendDataToDart(still_early);
  EXPECT_TRUE(dart_standin::Posts().empty());

  ASSERT_EQ(DartInitDartApiDL(dart_standin::ApiData()), 0);
  json::Object late = Completion("late");
  SendDataToDart(late);
  const std::string text = "{\"callback\":\"apiCallback\",\"code\":0,\"user_data\":\"late\"}";
  EXPECT_EQ(dart_standin::Received(11), std::vector<std::string>{text});
  EXPECT_EQ(dart_standin::Received(12), std::vector<std::string>{text});
}

}  // namespace

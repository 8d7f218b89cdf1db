// A test fixture that starts every test from a freshly loaded bridge: both
// stand-ins reset, the Dart API bound, and no port registered.
#ifndef ZELBRIDGE_TESTS_SUPPORT_BRIDGE_FIXTURE_H_
#define ZELBRIDGE_TESTS_SUPPORT_BRIDGE_FIXTURE_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "dart_runtime_standin.h"
#include "standin_control.h"
#include "zelbridge.h"

// The content of every line the bridge wrote into the SDK's log, in order.
inline std::vector<std::string> LogContents() { return zel_standin::BridgeLogLines(); }

class BridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zel_standin::Reset();
    dart_standin::Reset();
    ASSERT_EQ(DartInitDartApiDL(dart_standin::ApiData()), 0);
  }

  void TearDown() override {
    zel_standin::WaitForWorker();
    for (const int64_t port : registered_) DartUnregisterSendPort(port);
  }

  void Register(int64_t port) {
    registered_.insert(port);
    DartRegisterSendPort(port);
  }

 private:
  std::set<int64_t> registered_;
};

#endif  // ZELBRIDGE_TESTS_SUPPORT_BRIDGE_FIXTURE_H_

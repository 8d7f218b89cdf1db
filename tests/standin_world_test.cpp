// The stand-in SDK's simulated world as an app meets it through the bridge:
// the bridge's log lines that the stand-in keeps and, while the world runs,
// prints.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bridge_fixture.h"

namespace {

constexpr int64_t kPort = 4242;

std::string Config(int delay_ms) {
  return R"({"standin_world":true,"standin_network_delay_ms":)" + std::to_string(delay_ms) + "}";
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
  }
};

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

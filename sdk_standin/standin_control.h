// Test control of the stand-in messaging SDK: the journal of calls it
// received and the bridge's log lines among them, how it completes
// operations, what it writes into caller buffers, and the listeners
// registered with it. Test and demo code only; the bridge
// never includes this header.
#ifndef ZELBRIDGE_SDK_STANDIN_STANDIN_CONTROL_H_
#define ZELBRIDGE_SDK_STANDIN_STANDIN_CONTROL_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#if defined(_WIN32)
#if defined(ZEL_SDK_BUILDING)
#define ZEL_STANDIN_API __declspec(dllexport)
#else
#define ZEL_STANDIN_API __declspec(dllimport)
#endif
#else
#define ZEL_STANDIN_API __attribute__((visibility("default")))
#endif

namespace zel_standin {

// One argument as the SDK received it: its raw bits (a pointer's address or
// an integer's value, widened to 64 bits) and, for a non-null text, a copy.
struct Argument {
  uint64_t bits = 0;
  std::optional<std::string> text;
};

// One call of an SDK function. For operations, args are the inputs before
// the callback; callback and user_data are the last two arguments (null for
// functions without a callback). For listener registrations, args is empty.
struct Call {
  std::string function;
  std::vector<Argument> args;
  const void* callback = nullptr;
  const void* user_data = nullptr;
};

enum class CompletionMode {
  kNone,       // the callback is kept but not called
  kImmediate,  // called on the calling thread before the function returns
  kWorker,     // called later on the stand-in's own worker thread
};

struct Completion {
  CompletionMode mode = CompletionMode::kNone;
  int32_t code = 0;
  std::string desc;
  std::string json_params;
  bool null_json_params = false;  // passes a null pointer instead of json_params
};

struct ReadMemberListCompletion {
  CompletionMode mode = CompletionMode::kNone;
  std::string json_member_array;
  bool null_json_member_array = false;  // passes a null pointer instead
  uint64_t next_seq = 0;
  bool is_finished = false;
};

struct Listener {
  const void* callback = nullptr;
  const void* user_data = nullptr;
};

// Back to the state of a freshly loaded SDK: empty journal and log lines, no
// listeners, result 0, no completion, empty buffer text. Waits for the worker
// first.
ZEL_STANDIN_API void Reset();

ZEL_STANDIN_API std::vector<Call> Journal();
// The calls of one function, in order.
ZEL_STANDIN_API std::vector<Call> CallsOf(const std::string& function);

// The integer every operation and registration returns.
ZEL_STANDIN_API void SetResult(int result);
ZEL_STANDIN_API void SetCompletion(const Completion& completion);
ZEL_STANDIN_API void SetReadMemberListCompletion(const ReadMemberListCompletion& completion);
// Bytes written into caller buffers (at most 128 are copied, no terminator
// is added: a 128-byte text fills the buffer completely).
ZEL_STANDIN_API void SetBufferText(const std::string& bytes);
// Bytes for caller buffers taken from source instead, called on the caller's
// thread for each buffer; an empty source goes back to SetBufferText's bytes.
ZEL_STANDIN_API void SetBufferTextSource(std::function<std::string()> source);
// Runs reaction on the calling thread each time callExperimentalAPI is called
// (after the call is recorded), with its request text, as an SDK may raise
// an event from inside that call; an empty reaction removes it.
ZEL_STANDIN_API void SetExperimentalApiReaction(
    std::function<void(const std::string& request)> reaction);
// The contents of the lines the bridge wrote into the SDK's log so far (the
// "request_write_log_log_content_param" of each callExperimentalAPI request
// of "internal_operation_write_log"), in order. While the simulated world
// runs, each is also printed on stderr, after "ZelSDK stand-in log: ".
ZEL_STANDIN_API std::vector<std::string> BridgeLogLines();
ZEL_STANDIN_API void SetSdkVersion(const std::string& version);
ZEL_STANDIN_API void SetServerTime(uint64_t server_time);

// The latest listener registered through the named registration function.
ZEL_STANDIN_API std::optional<Listener> RegisteredListener(const std::string& registration);
// Every listener registered through it, in order of registration.
ZEL_STANDIN_API std::vector<Listener> RegisteredListeners(const std::string& registration);

// Runs task on the stand-in's worker thread, after everything queued before
// that is due by now (the simulated world queues steps due later).
ZEL_STANDIN_API void RunOnWorker(std::function<void()> task);
// Blocks until the worker has run everything queued so far, steps due later
// included.
ZEL_STANDIN_API void WaitForWorker();

// Internal plumbing of the generated SDK functions.
namespace detail {
ZEL_STANDIN_API Argument Arg(const char* text);
ZEL_STANDIN_API Argument Arg(char* buffer);
ZEL_STANDIN_API Argument Arg(int64_t value);
ZEL_STANDIN_API Argument Arg(uint64_t value);
ZEL_STANDIN_API Argument Arg(int32_t value);
ZEL_STANDIN_API Argument Arg(bool value);
ZEL_STANDIN_API void Record(const char* function, std::vector<Argument> args, const void* callback,
                            const void* user_data);
ZEL_STANDIN_API int Operation(const char* function, std::vector<Argument> args,
                              const void* callback, const void* user_data);
ZEL_STANDIN_API int ReadMemberListOperation(const char* function, std::vector<Argument> args,
                                            const void* callback, const void* user_data);
ZEL_STANDIN_API void FillBuffer(char* buffer);
ZEL_STANDIN_API int Result();
ZEL_STANDIN_API void ReactToExperimentalApi(const char* request);
ZEL_STANDIN_API const char* SdkVersion();
ZEL_STANDIN_API uint64_t ServerTime();
ZEL_STANDIN_API int RegisterListener(const char* registration, const void* callback,
                                     const void* user_data);
}  // namespace detail

}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_STANDIN_CONTROL_H_

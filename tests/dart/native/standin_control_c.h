// The stand-in SDK's test control (sdk_standin/standin_control.h) as plain C
// functions, for the Dart suite to bind by name. Test code only: nothing
// that ships loads it. Texts returned as char* are JSON, allocated here, and
// given back with ZelStandinFree.
#ifndef ZELBRIDGE_TESTS_DART_NATIVE_STANDIN_CONTROL_C_H_
#define ZELBRIDGE_TESTS_DART_NATIVE_STANDIN_CONTROL_C_H_

#include <stdbool.h>
#include <stdint.h>

#if defined(_WIN32)
#define ZEL_STANDIN_CONTROL_API __declspec(dllexport)
#else
#define ZEL_STANDIN_CONTROL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Where a completion or event runs: on the calling thread, on a new thread
// that is joined before the call returns, or queued on the stand-in's worker.
enum ZelStandinThread {
  kZelStandinCallingThread = 0,
  kZelStandinNewThread = 1,
  kZelStandinWorker = 2,
};

// How the stand-in completes operations (zel_standin::CompletionMode):
// 0 keeps the callback without calling it, 1 calls it before the operation
// returns, 2 calls it later on the worker.
ZEL_STANDIN_CONTROL_API void ZelStandinReset(void);
ZEL_STANDIN_CONTROL_API void ZelStandinSetResult(int32_t result);
// A null json_params passes a null pointer to the completion.
ZEL_STANDIN_CONTROL_API void ZelStandinSetCompletion(int32_t mode, int32_t code, const char* desc,
                                                     const char* json_params);
ZEL_STANDIN_CONTROL_API void ZelStandinSetReadMemberListCompletion(int32_t mode,
                                                                   const char* json_member_array,
                                                                   uint64_t next_seq,
                                                                   bool is_finished);
// The bytes written into caller buffers (at most 128, no terminator added).
ZEL_STANDIN_CONTROL_API void ZelStandinSetBufferText(const char* bytes, int32_t length);
// Buffers get prefix followed by a counter that starts at 1: "id-1", "id-2", ...
ZEL_STANDIN_CONTROL_API void ZelStandinSetBufferTextCounter(const char* prefix);
ZEL_STANDIN_CONTROL_API void ZelStandinSetSdkVersion(const char* version);
// The SDK's own version text, the one ZelGetSDKVersion returns.
ZEL_STANDIN_CONTROL_API const char* ZelStandinSdkVersionText(void);
ZEL_STANDIN_CONTROL_API void ZelStandinSetServerTime(uint64_t server_time);
ZEL_STANDIN_CONTROL_API void ZelStandinWaitForWorker(void);

// The journal: [{"function":..., "args":[{"bits":"<decimal>","text":...|null}],
// "callback":"<decimal address>", "user_data":"<decimal address>"}, ...].
ZEL_STANDIN_CONTROL_API char* ZelStandinJournal(void);
// Every listener registered through registration, in order:
// [{"callback":"<address>","user_data":"<address>"}, ...].
ZEL_STANDIN_CONTROL_API char* ZelStandinListeners(const char* registration);
// The contents of the log lines the bridge wrote into the SDK's log, in order.
ZEL_STANDIN_CONTROL_API char* ZelStandinBridgeLogLines(void);
ZEL_STANDIN_CONTROL_API void ZelStandinFree(char* text);

// Completes the journal's call at index with its own callback and user_data,
// in the shape of its function; 0, or -1 when there is no such call or it
// was handed no callback.
ZEL_STANDIN_CONTROL_API int32_t ZelStandinComplete(int32_t journal_index, int32_t code,
                                                   const char* desc, const char* json_params,
                                                   int32_t thread);
ZEL_STANDIN_CONTROL_API int32_t ZelStandinCompleteReadMemberList(int32_t journal_index,
                                                                 const char* json_member_array,
                                                                 uint64_t next_seq,
                                                                 bool is_finished, int32_t thread);

// Raises the event of the latest listener registered through registration,
// with the SDK callback's arguments before user_data as a JSON array in its
// order: a string for a text, {"null":true} for a null pointer (the JSON
// library leaves null elements out of an array), {"hex":"..."} for a text of
// any bytes, numbers and booleans for the others. 0, or -1 when no
// listener is registered, -2 when the arguments do not fit the callback.
ZEL_STANDIN_CONTROL_API int32_t ZelStandinRaiseEvent(const char* registration,
                                                     const char* arguments, int32_t thread);

// Raises the event of the latest listener registered through registration
// with sample arguments of the callback's types: "sample" for each text, 1
// for each number, true for each boolean. 0, or -1 when no listener is
// registered.
ZEL_STANDIN_CONTROL_API int32_t ZelStandinRaiseSampleEvent(const char* registration,
                                                           int32_t thread);

// Once the bridge writes a log line whose request contains text, calls
// action(argument) on the logging thread, once, as the SDK takes the line and
// before the bridge goes on: a test steps in between two delivery steps.
ZEL_STANDIN_CONTROL_API void ZelStandinOnBridgeLogLine(const char* text, void (*action)(int64_t),
                                                       int64_t argument);

// An id of the calling OS thread, equal for equal threads.
ZEL_STANDIN_CONTROL_API uint64_t ZelStandinCurrentThread(void);

// Starts threads SDK threads that each raise count new-message events
// (ZelAddRecvNewMsgCallback) as fast as they can; each event's text is
// "<thread>:<sequence>:" followed by padding bytes up to text_bytes, every
// byte derived from thread and sequence. Returns at once; 0, or -1 when no
// new-message listener is registered.
ZEL_STANDIN_CONTROL_API int32_t ZelStandinStartEventLoad(int32_t threads, int32_t count,
                                                         int32_t text_bytes);
// Waits for the threads of the last ZelStandinStartEventLoad.
ZEL_STANDIN_CONTROL_API void ZelStandinJoinEventLoad(void);
// Starts threads detached SDK threads that raise new-message events and
// complete the journal's held calls without end, until the process exits.
ZEL_STANDIN_CONTROL_API int32_t ZelStandinStartEndlessPosting(int32_t threads);

// Binds this library's own Dart API layer (0 on success), for
// ZelStandinPostText.
ZEL_STANDIN_CONTROL_API intptr_t ZelStandinBindDartApi(void* data);
// Posts text to port as the bridge posts an envelope; true when posted.
ZEL_STANDIN_CONTROL_API bool ZelStandinPostText(int64_t port, const char* text);

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // ZELBRIDGE_TESTS_DART_NATIVE_STANDIN_CONTROL_C_H_

// State of the stand-in SDK: the call journal, the chosen completions, the
// buffer text and registered listeners. Completions chosen to come later run
// on the stand-in's worker thread (worker.h).

#include <cstring>
#include <map>
#include <mutex>
#include <utility>

#include "bridge_log.h"
#include "sdk/zel_sdk.h"
#include "standin_control.h"
#include "worker.h"
#include "world.h"

namespace zel_standin {
namespace {

struct State {
  std::mutex mutex;
  std::vector<Call> journal;
  int result = 0;
  Completion completion;
  ReadMemberListCompletion read_member_list_completion;
  std::string buffer_text;
  std::function<std::string()> buffer_text_source;
  std::function<void(const std::string&)> experimental_api_reaction;
  std::string sdk_version = "0.0.0-standin";
  uint64_t server_time = 0;
  std::map<std::string, Listener> listeners;
  // Every registration, in order, by registration function.
  std::map<std::string, std::vector<Listener>> registrations;
};

State& state() {
  static State* const instance = new State();
  return *instance;
}

void Dispatch(CompletionMode mode, std::function<void()> task) {
  switch (mode) {
    case CompletionMode::kNone:
      return;
    case CompletionMode::kImmediate:
      task();
      return;
    case CompletionMode::kWorker:
      worker::Post(std::move(task));
      return;
  }
}

}  // namespace

void Reset() {
  world::Stop();
  WaitForWorker();
  bridge_log::Clear();
  State& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.journal.clear();
  s.result = 0;
  s.completion = Completion();
  s.read_member_list_completion = ReadMemberListCompletion();
  s.buffer_text.clear();
  s.buffer_text_source = nullptr;
  s.experimental_api_reaction = nullptr;
  s.sdk_version = "0.0.0-standin";
  s.server_time = 0;
  s.listeners.clear();
  s.registrations.clear();
}

std::vector<Call> Journal() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().journal;
}

std::vector<Call> CallsOf(const std::string& function) {
  std::vector<Call> calls;
  for (Call& call : Journal()) {
    if (call.function == function) calls.push_back(std::move(call));
  }
  return calls;
}

void SetResult(int result) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().result = result;
}

void SetCompletion(const Completion& completion) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().completion = completion;
}

void SetReadMemberListCompletion(const ReadMemberListCompletion& completion) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().read_member_list_completion = completion;
}

void SetBufferText(const std::string& bytes) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().buffer_text = bytes;
}

void SetBufferTextSource(std::function<std::string()> source) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().buffer_text_source = std::move(source);
}

void SetExperimentalApiReaction(std::function<void(const std::string&)> reaction) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().experimental_api_reaction = std::move(reaction);
}

void SetSdkVersion(const std::string& version) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().sdk_version = version;
}

void SetServerTime(uint64_t server_time) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().server_time = server_time;
}

std::optional<Listener> RegisteredListener(const std::string& registration) {
  std::lock_guard<std::mutex> lock(state().mutex);
  const auto found = state().listeners.find(registration);
  if (found == state().listeners.end()) return std::nullopt;
  return found->second;
}

std::vector<Listener> RegisteredListeners(const std::string& registration) {
  std::lock_guard<std::mutex> lock(state().mutex);
  const auto found = state().registrations.find(registration);
  if (found == state().registrations.end()) return {};
  return found->second;
}

void RunOnWorker(std::function<void()> task) { worker::Post(std::move(task)); }

void WaitForWorker() { worker::WaitIdle(); }

namespace detail {

Argument Arg(const char* text) {
  Argument arg;
  arg.bits = reinterpret_cast<uintptr_t>(text);
  if (text != nullptr) arg.text = text;
  return arg;
}

Argument Arg(char* buffer) {
  Argument arg;
  arg.bits = reinterpret_cast<uintptr_t>(buffer);
  return arg;
}

Argument Arg(int64_t value) { return Argument{static_cast<uint64_t>(value), std::nullopt}; }
Argument Arg(uint64_t value) { return Argument{value, std::nullopt}; }
Argument Arg(int32_t value) {
  return Argument{static_cast<uint64_t>(static_cast<int64_t>(value)), std::nullopt};
}
Argument Arg(bool value) { return Argument{value ? 1u : 0u, std::nullopt}; }

void Record(const char* function, std::vector<Argument> args, const void* callback,
            const void* user_data) {
  world::Observe(function, args);
  std::lock_guard<std::mutex> lock(state().mutex);
  state().journal.push_back(Call{function, std::move(args), callback, user_data});
}

int Operation(const char* function, std::vector<Argument> args, const void* callback,
              const void* user_data) {
  Record(function, args, callback, user_data);
  if (world::Running()) {
    return world::Operate(
        function, args, reinterpret_cast<ZelCommCallback>(const_cast<void*>(callback)), user_data);
  }
  Completion completion;
  int result;
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    completion = state().completion;
    result = state().result;
  }
  if (callback != nullptr) {
    const auto complete = reinterpret_cast<ZelCommCallback>(const_cast<void*>(callback));
    Dispatch(completion.mode, [complete, completion, user_data] {
      complete(completion.code, completion.desc.c_str(),
               completion.null_json_params ? nullptr : completion.json_params.c_str(), user_data);
    });
  }
  return result;
}

int ReadMemberListOperation(const char* function, std::vector<Argument> args, const void* callback,
                            const void* user_data) {
  Record(function, std::move(args), callback, user_data);
  if (world::Running()) {
    return world::OperateReadMemberList(
        reinterpret_cast<ZelMsgGroupMessageReadMemberListCallback>(const_cast<void*>(callback)),
        user_data);
  }
  ReadMemberListCompletion completion;
  int result;
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    completion = state().read_member_list_completion;
    result = state().result;
  }
  if (callback != nullptr) {
    const auto complete =
        reinterpret_cast<ZelMsgGroupMessageReadMemberListCallback>(const_cast<void*>(callback));
    Dispatch(completion.mode, [complete, completion, user_data] {
      complete(completion.null_json_member_array ? nullptr : completion.json_member_array.c_str(),
               completion.next_seq, completion.is_finished, user_data);
    });
  }
  return result;
}

void FillBuffer(char* buffer) {
  if (world::Running()) return;  // the world writes caller buffers itself
  std::unique_lock<std::mutex> lock(state().mutex);
  const std::function<std::string()> source = state().buffer_text_source;
  if (source) {
    // Called unlocked, so that callers on several threads fill at once.
    lock.unlock();
    const std::string text = source();
    std::memcpy(buffer, text.data(), text.size() < 128 ? text.size() : 128);
    return;
  }
  const std::string& text = state().buffer_text;
  std::memcpy(buffer, text.data(), text.size() < 128 ? text.size() : 128);
}

int Result() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().result;
}

void ReactToExperimentalApi(const char* request) {
  bridge_log::Take(request, world::Running());
  std::function<void(const std::string&)> reaction;
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    reaction = state().experimental_api_reaction;
  }
  if (reaction) reaction(request != nullptr ? request : "");
}

const char* SdkVersion() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().sdk_version.c_str();
}

uint64_t ServerTime() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().server_time;
}

int RegisterListener(const char* registration, const void* callback, const void* user_data) {
  Record(registration, {}, callback, user_data);
  std::lock_guard<std::mutex> lock(state().mutex);
  state().listeners[registration] = Listener{callback, user_data};
  state().registrations[registration].push_back(Listener{callback, user_data});
  return state().result;
}

}  // namespace detail
}  // namespace zel_standin

// The integration guide's table of exports (docs/dart-integration.md),
// checked against what the built library does. Each of the 236 exports is
// called through the shipped shared library, as Dart calls it, with the
// stand-in SDK completing at once. What reaches the Dart port, what the SDK
// was handed and what the export returned place the export in one class,
// say how long its user_data must live and what its result is; all three
// must be what the guide's row says.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <type_traits>
#include <vector>

#include "dart_runtime_standin.h"
#include "json/json.h"
#include "sdk/zel_sdk.h"
#include "standin_control.h"
#include "zelbridge.h"

namespace {

constexpr char kGuide[] =
#include "guide_text.inc"
    ;
constexpr char kTableStart[] = "<!-- export classes: start -->";
constexpr char kTableEnd[] = "<!-- export classes: end -->";

constexpr int64_t kPort = 4242;
constexpr int kSdkResult = 23;
constexpr uint64_t kServerTime = 0x8000000000000017ull;
// Every integer argument; DartRegisterSendPort registers it as a port.
constexpr int kIntegerArgument = 1;

const std::set<std::string> kClasses = {
    "completes once", "never completes", "read-member completions",
    "returns a text", "listener",        "inert"};

// One row of the guide's table, or what was observed of one export.
struct Placement {
  std::string export_name;
  std::string export_class;
  std::string user_data;
  std::string returns;
};

bool operator==(const Placement& a, const Placement& b) {
  return std::tie(a.export_name, a.export_class, a.user_data, a.returns) ==
         std::tie(b.export_name, b.export_class, b.user_data, b.returns);
}

std::ostream& operator<<(std::ostream& out, const Placement& p) {
  return out << "| `" << p.export_name << "` | " << p.export_class << " | " << p.user_data << " | "
             << p.returns << " |";
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The rows of the guide's export table: "| `Name` | class | user_data | returns |".
std::vector<Placement> GuideRows() {
  const std::string guide = kGuide;
  const auto start = guide.find(kTableStart);
  const auto end = guide.find(kTableEnd);
  if (start == std::string::npos || end == std::string::npos || end < start) return {};
  std::istringstream table(guide.substr(start, end - start));
  std::vector<Placement> rows;
  for (std::string line; std::getline(table, line);) {
    if (line.rfind("| `Dart", 0) != 0) continue;
    std::vector<std::string> cells;
    std::istringstream row(line.substr(1));
    for (std::string cell; std::getline(row, cell, '|');) cells.push_back(Trimmed(cell));
    if (cells.size() != 4) {
      rows.push_back(Placement{line, "malformed row", "", ""});
      continue;
    }
    rows.push_back(
        Placement{cells[0].substr(1, cells[0].size() - 2), cells[1], cells[2], cells[3]});
  }
  return rows;
}

// Arguments for one call of an export: distinct texts, the Dart API data,
// false and kIntegerArgument. The last text is the user_data of every export
// that takes one.
class Arguments {
 public:
  template <typename T>
  T Make() {
    if constexpr (std::is_same_v<T, const char*>) {
      texts_.push_back("argument " + std::to_string(texts_.size() + 1));
      last_text_ = &texts_.back();
      return last_text_->c_str();
    } else if constexpr (std::is_same_v<T, void*>) {
      return dart_standin::ApiData();
    } else if constexpr (std::is_same_v<T, bool>) {
      return false;
    } else {
      static_assert(std::is_integral_v<T>, "an export parameter of an unforeseen type");
      return static_cast<T>(kIntegerArgument);
    }
  }

  const void* user_data() const { return last_text_ ? last_text_->c_str() : nullptr; }
  // Rewrites the user_data text in place, as memory reused by its caller.
  std::string ChangeUserData() {
    (*last_text_)[0] = 'A';
    return *last_text_;
  }

 private:
  std::deque<std::string> texts_;  // stable addresses
  std::string* last_text_ = nullptr;
};

// Both stand-ins as freshly loaded, the Dart API bound and one port
// registered; the SDK returns kSdkResult and completes in the given mode.
void StartFresh(zel_standin::CompletionMode mode) {
  zel_standin::Reset();
  dart_standin::Reset();
  zel_standin::SetResult(kSdkResult);
  zel_standin::SetServerTime(kServerTime);
  zel_standin::Completion completion;
  completion.mode = mode;
  completion.desc = "done";
  completion.json_params = "{}";
  zel_standin::SetCompletion(completion);
  zel_standin::ReadMemberListCompletion read_members;
  read_members.mode = mode;
  read_members.json_member_array = "[]";
  read_members.is_finished = true;
  zel_standin::SetReadMemberListCompletion(read_members);
  zel_standin::SetBufferTextSource([] {
    static int issued = 0;
    return "id-" + std::to_string(++issued);
  });
  ASSERT_EQ(DartInitDartApiDL(dart_standin::ApiData()), 0);
  DartRegisterSendPort(kPort);
}

void Finish() {
  DartUnregisterSendPort(kIntegerArgument);
  DartUnregisterSendPort(kPort);
}

std::set<std::string> Keys(const json::Value& envelope) {
  std::set<std::string> keys;
  if (envelope.GetValueType() != json::ObjectType) return keys;
  for (const auto& member : envelope.ToObject()) keys.insert(member.first);
  return keys;
}

bool IsCompletion(const std::string& text) {
  return Keys(json::Deserialize(text)) ==
         std::set<std::string>{"callback", "code", "desc", "json_param", "user_data"};
}

bool IsReadMemberCompletion(const std::string& text) {
  return Keys(json::Deserialize(text)) ==
         std::set<std::string>{"callback",   "code",     "desc",     "is_finished",
                               "json_param", "next_seq", "user_data"};
}

std::string UserDataOf(const std::string& text) {
  const json::Value envelope = json::Deserialize(text);
  if (envelope.GetValueType() != json::ObjectType) return "";
  const auto member = envelope.ToObject().find("user_data");
  if (member == envelope.ToObject().end()) return "";
  return member->second.GetValueType() == json::StringType ? member->second.ToString() : "";
}

// The SDK call that was handed the caller's user_data pointer, if any.
std::optional<zel_standin::Call> HandedUserData(const std::vector<zel_standin::Call>& journal,
                                                const void* user_data) {
  if (user_data == nullptr) return std::nullopt;
  for (const zel_standin::Call& call : journal) {
    if (call.user_data == user_data) return call;
  }
  return std::nullopt;
}

bool RegistersListener(const zel_standin::Call& call) {
  const std::optional<zel_standin::Listener> listener =
      zel_standin::RegisteredListener(call.function);
  return listener && listener->callback == call.callback && listener->user_data == call.user_data;
}

// Whether an SDK call removed a listener: registered a null callback.
bool TakesListenerAway(const std::vector<zel_standin::Call>& journal) {
  for (const zel_standin::Call& call : journal) {
    const std::optional<zel_standin::Listener> listener =
        zel_standin::RegisteredListener(call.function);
    if (listener && listener->callback == nullptr) return true;
  }
  return false;
}

// How long the user_data of an export that hands it to the SDK with a
// completion must live: the text is changed after the call and the SDK then
// completes (twice, not finished and finished, for the read-member shape).
// If the envelopes carry the changed text, the bridge reads it only when the
// completion runs, so it must stay valid until then.
template <typename R, typename... Params>
std::string UserDataLifetime(R (*function)(Params...), bool read_member_shape) {
  StartFresh(zel_standin::CompletionMode::kNone);
  Arguments arguments;
  std::tuple<Params...> values{arguments.template Make<Params>()...};
  std::apply(function, values);
  const std::optional<zel_standin::Call> handed =
      HandedUserData(zel_standin::Journal(), arguments.user_data());
  const std::string changed = arguments.ChangeUserData();
  std::string lifetime = "read when called";
  if (handed && read_member_shape) {
    const auto complete = reinterpret_cast<ZelMsgGroupMessageReadMemberListCallback>(
        const_cast<void*>(handed->callback));
    complete("[]", 7, false, handed->user_data);
    complete("[]", 0, true, handed->user_data);
    const std::vector<std::string> posts = dart_standin::Received(kPort);
    if (posts.size() == 2 && UserDataOf(posts[0]) == changed && UserDataOf(posts[1]) == changed) {
      lifetime = "keep until is_finished is true";
    }
  } else if (handed) {
    reinterpret_cast<ZelCommCallback>(const_cast<void*>(handed->callback))(0, "done", "{}",
                                                                           handed->user_data);
    const std::vector<std::string> posts = dart_standin::Received(kPort);
    if (posts.size() == 1 && UserDataOf(posts[0]) == changed) {
      lifetime = "keep until its completion";
    }
  }
  Finish();
  return lifetime;
}

// A returned text is either the SDK's own, passed on, or one in a buffer of
// the bridge: then another thread's call leaves it alone, and the same
// thread's next call rewrites it in place.
template <typename Call>
std::string TextReturned(const char* text, Call call) {
  if (text == zel_standin::detail::SdkVersion()) return "the SDK's own text";
  if (text == nullptr) return "a null text";
  const std::string first = text;
  const char* other_thread = nullptr;
  std::thread([&] { other_thread = call(); }).join();
  const bool kept = other_thread != text && first == text;
  const char* again = call();
  const bool rewritten = again == text && first != again;
  return kept && rewritten ? "a text valid until this thread calls it again"
                           : "a text of unclear lifetime";
}

template <typename R, typename... Params>
std::string NumberReturned(R value, R (*function)(Params...)) {
  const bool sdk_result = std::is_same_v<R, uint64_t> ? static_cast<uint64_t>(value) == kServerTime
                                                      : value == static_cast<R>(kSdkResult);
  if (sdk_result) return "the SDK's result";
  if constexpr (std::is_same_v<std::tuple<Params...>, std::tuple<void*>>) {
    if (value == 0 && function(nullptr) == -1) return "0, or -1 if refused";
  }
  return "the value " + std::to_string(value);
}

template <typename R, typename... Params>
Placement Observe(const char* name, R (*function)(Params...)) {
  StartFresh(zel_standin::CompletionMode::kImmediate);
  Arguments arguments;
  std::tuple<Params...> values{arguments.template Make<Params>()...};
  const auto call = [&] { return std::apply(function, values); };

  // The posts and the journal are read right after the first call; the
  // checks of a returned text call again.
  std::vector<std::string> posts;
  std::vector<zel_standin::Call> journal;
  const auto observe_call = [&] {
    posts = dart_standin::Received(kPort);
    journal = zel_standin::Journal();
  };
  std::string returns;
  if constexpr (std::is_void_v<R>) {
    call();
    observe_call();
    returns = "nothing";
  } else if constexpr (std::is_same_v<R, const char*>) {
    const char* text = call();
    observe_call();
    returns = TextReturned(text, call);
  } else {
    const R value = call();
    observe_call();
    returns = NumberReturned(value, function);
  }

  const std::optional<zel_standin::Call> handed = HandedUserData(journal, arguments.user_data());
  const bool registers = handed && handed->callback != nullptr && RegistersListener(*handed);
  bool any_callback = false;
  for (const zel_standin::Call& sdk_call : journal) any_callback |= sdk_call.callback != nullptr;
  const bool read_member_shape = posts.size() == 1 && IsReadMemberCompletion(posts[0]);

  std::string export_class;
  if (TakesListenerAway(journal)) {
    export_class = "takes a listener away";
  } else if (std::is_same_v<R, const char*>) {
    export_class = "returns a text";
  } else if (registers) {
    export_class = "listener";
  } else if (read_member_shape) {
    export_class = "read-member completions";
  } else if (posts.size() == 1 && IsCompletion(posts[0])) {
    export_class = "completes once";
  } else if (posts.empty() && journal.empty() && sizeof...(Params) == 0 && std::is_void_v<R>) {
    export_class = "inert";
  } else if (posts.empty() && !any_callback) {
    export_class = "never completes";
  } else {
    export_class = std::to_string(posts.size()) + " envelopes";
  }
  Finish();

  std::string user_data = "none";
  if (handed && handed->callback == nullptr) {
    user_data = "not kept, free it after the call";
  } else if (registers) {
    user_data = "keep for the life of the process";
  } else if (handed) {
    user_data = UserDataLifetime(function, read_member_shape);
  }
  return Placement{name, export_class, user_data, returns};
}

struct ExportUnderTest {
  const char* name;
  Placement (*observe)();
};

#define ZELBRIDGE_EXPORT_UNDER_TEST(name) \
  ExportUnderTest{#name, [] { return Observe(#name, &::name); }},
const ExportUnderTest kExports[] = {
#include "export_names.inc"
};
#undef ZELBRIDGE_EXPORT_UNDER_TEST

TEST(ExportClasses, TheGuidePlacesEveryExportOfTheHeaderInOneClass) {
  const std::vector<Placement> rows = GuideRows();
  std::map<std::string, int> rows_per_export;
  for (const Placement& row : rows) {
    ++rows_per_export[row.export_name];
    EXPECT_EQ(kClasses.count(row.export_class), 1u) << "not one of the six classes: " << row;
  }
  std::set<std::string> declared;
  for (const ExportUnderTest& declared_export : kExports) declared.insert(declared_export.name);
  for (const std::string& name : declared) {
    EXPECT_EQ(rows_per_export[name], 1) << name << " must have exactly one row in the guide";
  }
  for (const auto& entry : rows_per_export) {
    EXPECT_EQ(declared.count(entry.first), 1u) << entry.first << " is not an export of the header";
  }
  EXPECT_EQ(declared.size(), 236u);

  // The guide's table of classes gives each class's number of exports.
  const std::string guide = kGuide;
  for (const std::string& export_class : kClasses) {
    int placed = 0;
    for (const Placement& row : rows) placed += row.export_class == export_class ? 1 : 0;
    const std::string legend = "| " + export_class + " | " + std::to_string(placed) + " |";
    EXPECT_NE(guide.find(legend), std::string::npos) << "the guide does not say: " << legend;
  }
}

TEST(ExportClasses, EveryExportBehavesAsItsRowInTheGuideSays) {
  std::map<std::string, Placement> guide;
  for (const Placement& row : GuideRows()) guide[row.export_name] = row;
  for (const ExportUnderTest& under_test : kExports) {
    const auto row = guide.find(under_test.name);
    if (row == guide.end()) continue;  // reported by the test above
    EXPECT_EQ(under_test.observe(), row->second) << "observed first, the guide's row second";
  }
}

// No export takes a listener away, not even the one named after removing
// one: a listener and its user_data stay for the life of the process.
TEST(ExportClasses, NoExportTakesTheNewMessageListenerAway) {
  StartFresh(zel_standin::CompletionMode::kImmediate);
  const char user_data[] = "on-new-message";
  ASSERT_EQ(DartAddReceiveNewMsgCallback(user_data), kSdkResult);
  const std::optional<zel_standin::Listener> registered =
      zel_standin::RegisteredListener("ZelAddRecvNewMsgCallback");
  ASSERT_TRUE(registered.has_value());

  DartRemoveReceiveNewMsgCallback();
  const std::optional<zel_standin::Listener> after =
      zel_standin::RegisteredListener("ZelAddRecvNewMsgCallback");
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->callback, registered->callback);
  EXPECT_EQ(after->user_data, static_cast<const void*>(user_data));
  EXPECT_EQ(zel_standin::Journal().size(), 1u);
  Finish();
}

}  // namespace

// Writes or checks the generated sections of docs/standin-world.md, the
// reference of the stand-in SDK's simulated world, from the world's own
// tables (sdk_standin/world_catalogue.h) and from what the world does.
//
//   standin_world_reference --check <page>  exit 1, naming the section, if a
//                                           generated section is not current
//   standin_world_reference --write <page>  rewrite the generated sections
//   [--simulate-dropped-row <SDK function>] render without that row (to see
//                                           that the check fails)
//
// The list of operations that answer 7005 is observed, not written down:
// every export of the public header is called through the shipped library in
// a fresh world with a user logged in, and those whose completion carries
// 7005 are listed. A catalogue row whose export does not reach its function,
// or answers 7005, is reported as an error.

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "dart_runtime_standin.h"
#include "json/json.h"
#include "standin_control.h"
#include "world_catalogue.h"
#include "zelbridge.h"

namespace {

namespace world = zel_standin::world;

constexpr int64_t kPort = 4242;
constexpr char kWorldConfig[] = R"({"standin_world":true,"standin_network_delay_ms":0})";

// ---- Observing which operations answer 7005.

// Arguments for one call of an export: distinct texts, the Dart API data,
// false and 0. The last text is the user_data of every export that takes one.
class Arguments {
 public:
  template <typename T>
  T Make() {
    if constexpr (std::is_same_v<T, const char*>) {
      texts_.push_back("argument " + std::to_string(texts_.size() + 1));
      return texts_.back().c_str();
    } else if constexpr (std::is_same_v<T, void*>) {
      return dart_standin::ApiData();
    } else if constexpr (std::is_same_v<T, bool>) {
      return false;
    } else {
      static_assert(std::is_integral_v<T>, "an export parameter of an unforeseen type");
      return static_cast<T>(0);
    }
  }

  const void* user_data() const { return texts_.empty() ? nullptr : texts_.back().c_str(); }

 private:
  std::deque<std::string> texts_;  // stable addresses
};

struct Observed {
  std::string export_name;
  std::string function;  // the SDK function handed the call's user_data
  std::optional<int> code;
};

std::string StringOf(const json::Value& object, const char* key) {
  if (object.GetValueType() != json::ObjectType) return "";
  const auto member = object.ToObject().find(key);
  if (member == object.ToObject().end() || member->second.GetValueType() != json::StringType) {
    return "";
  }
  return member->second.ToString();
}

// A fresh world, the Dart API bound, one port registered and a user logged in.
void StartWorld() {
  zel_standin::Reset();
  dart_standin::Reset();
  DartInitDartApiDL(dart_standin::ApiData());
  DartRegisterSendPort(kPort);
  DartInitSDK(1, kWorldConfig);
  DartLogin("reference-user", "sig", "login");
  zel_standin::WaitForWorker();
}

void StopWorld() {
  DartUnitSDK();
  zel_standin::WaitForWorker();
  DartUnregisterSendPort(0);
  DartUnregisterSendPort(kPort);
}

template <typename R, typename... Params>
Observed Observe(const char* name, R (*function)(Params...)) {
  StartWorld();
  Arguments arguments;
  std::tuple<Params...> values{arguments.template Make<Params>()...};
  const std::size_t posted_before = dart_standin::Received(kPort).size();
  std::apply(function, values);
  zel_standin::WaitForWorker();
  Observed observed{name, "", std::nullopt};
  for (const zel_standin::Call& call : zel_standin::Journal()) {
    if (call.user_data != nullptr && call.user_data == arguments.user_data()) {
      observed.function = call.function;
    }
  }
  const std::vector<std::string> posted = dart_standin::Received(kPort);
  for (std::size_t i = posted_before; i < posted.size(); ++i) {
    const json::Value envelope = json::Deserialize(posted[i]);
    if (StringOf(envelope, "callback") == "apiCallback" && arguments.user_data() != nullptr &&
        StringOf(envelope, "user_data") == static_cast<const char*>(arguments.user_data())) {
      observed.code = envelope.ToObject().find("code")->second.ToInt();
    }
  }
  StopWorld();
  return observed;
}

struct ExportUnderTest {
  const char* name;
  Observed (*observe)();
};

#define ZELBRIDGE_EXPORT_UNDER_TEST(name) \
  ExportUnderTest{#name, [] { return Observe(#name, &::name); }},
const ExportUnderTest kExports[] = {
#include "export_names.inc"
};
#undef ZELBRIDGE_EXPORT_UNDER_TEST

// ---- Rendering the sections.

const char* NeedText(world::Need need) {
  switch (need) {
    case world::Need::kRequired:
      return "required";
    case world::Need::kOptional:
      return "optional";
    case world::Need::kInSomeEntry:
      return "in at least one entry";
  }
  return "";
}

std::string Reads(const world::SimulatedOperation& row) {
  std::string cell;
  for (const world::ParamKey* key : row.reads) {
    if (key == nullptr) break;
    if (!cell.empty()) cell += "<br>";
    const std::string input = "p" + std::to_string(key->argument + 1);
    switch (key->form) {
      case world::ArgumentForm::kText:
        cell += input + ": " + key->what + " (text, " + NeedText(key->need) + ")";
        break;
      case world::ArgumentForm::kInt32:
        cell += input + ": " + key->what + " (int32)";
        break;
      case world::ArgumentForm::kJson:
        cell += input + " " + key->argument_name + ": `" + key->path + "`, " + key->what + " (" +
                NeedText(key->need) + ")";
        break;
    }
  }
  return cell.empty() ? "nothing" : cell;
}

std::string ConfigSection() {
  std::string text = "| Member | Meaning |\n|---|---|\n";
  for (const world::ConfigMember* member : world::kConfigMembers) {
    text += "| `" + std::string(member->key) + "` | " + member->meaning + " |\n";
  }
  text += "\nThe delay is " + std::to_string(world::kDefaultNetworkDelayMs) +
          " ms unless the config gives another. A peer answers " +
          std::to_string(world::kPeerThinkingTimeMs) +
          " ms after it was messaged or invited, and at once when the delay is 0.\n";
  return text;
}

std::string OperationsSection(const std::string& dropped_row) {
  std::string text =
      "| SDK function | Export | Reads | Completes with (`json_param`; failure codes) | Raises "
      "|\n|---|---|---|---|---|\n";
  for (const world::SimulatedOperation& row : world::kSimulatedOperations) {
    if (row.function == dropped_row) continue;
    text += "| `" + std::string(row.function) + "` | `" + row.export_name + "` | " + Reads(row) +
            " | " + row.completes_with + " | " + row.raises + " |\n";
  }
  return text;
}

std::string CodesSection() {
  std::string text = "| Code | Name | When |\n|---|---|---|\n";
  for (const world::FailureCode* failure : world::kFailureCodes) {
    text += "| " + std::to_string(failure->code) + " | " + failure->name + " | " +
            failure->meaning + " |\n";
  }
  return text;
}

std::string ConversationTypesSection() {
  std::string text = "| `conv_type` | Conversation | `conv_id` |\n|---|---|---|\n";
  for (const world::ConversationType* type : world::kConversationTypes) {
    text +=
        "| " + std::to_string(type->value) + " | " + type->name + " | " + type->conv_id + " |\n";
  }
  return text;
}

std::string PeersSection() {
  std::string text = "| User id | Nick |\n|---|---|\n";
  for (const world::Peer& peer : world::kPeers) {
    text += "| `" + std::string(peer.user_id) + "` | " + peer.nick + " |\n";
  }
  text += std::string("\nEvery peer answers each one-to-one message with a text message \"<nick>") +
          world::kAnswerAfterNick +
          "<the message's first text>\", accepts each call invitation with the data `" +
          world::kAcceptanceData + "`, and can be added to groups.\n";
  return text;
}

std::string NotSimulatedSection(const std::vector<Observed>& not_simulated) {
  std::string text = std::to_string(not_simulated.size()) + " operations:\n\n";
  for (const Observed& observed : not_simulated) {
    text += "- `" + observed.export_name + "` (`" + observed.function + "`)\n";
  }
  return text;
}

// ---- The page.

struct Section {
  std::string name;
  std::string text;
};

std::string StartMarker(const std::string& name) { return "<!-- generated: " + name + " -->\n"; }
std::string EndMarker(const std::string& name) { return "<!-- end generated: " + name + " -->"; }

// The page with each section's text between its markers; nothing if a
// marker is missing.
std::optional<std::string> Rendered(std::string page, const std::vector<Section>& sections) {
  for (const Section& section : sections) {
    const std::size_t start = page.find(StartMarker(section.name));
    const std::size_t end = page.find(EndMarker(section.name));
    if (start == std::string::npos || end == std::string::npos || end < start) {
      std::cerr << "standin_world_reference: the page lacks the markers of section \""
                << section.name << "\"\n";
      return std::nullopt;
    }
    const std::size_t from = start + StartMarker(section.name).size();
    page.replace(from, end - from, section.text);
  }
  return page;
}

// The first section whose text differs between the two pages.
std::string DifferingSection(const std::string& page, const std::string& expected,
                             const std::vector<Section>& sections) {
  for (const Section& section : sections) {
    const auto text_of = [&](const std::string& of) {
      const std::size_t from = of.find(StartMarker(section.name));
      return of.substr(from, of.find(EndMarker(section.name)) - from);
    };
    if (text_of(page) != text_of(expected)) return section.name;
  }
  return "";
}

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  *text = content.str();
  return true;
}

// The operations that answer 7005; false, after reporting, when a catalogue
// row does not say what the world does.
bool ObserveNotSimulated(std::vector<Observed>* not_simulated) {
  bool consistent = true;
  std::vector<Observed> observed;
  for (const ExportUnderTest& under_test : kExports) observed.push_back(under_test.observe());
  for (const world::SimulatedOperation& row : world::kSimulatedOperations) {
    bool found = false;
    for (const Observed& seen : observed) {
      if (seen.export_name != row.export_name) continue;
      found = seen.function == row.function && seen.code && *seen.code != world::kNotSimulated.code;
    }
    if (!found) {
      std::cerr << "standin_world_reference: " << row.export_name << " does not reach "
                << row.function << " and complete from the world without 7005\n";
      consistent = false;
    }
  }
  for (const Observed& seen : observed) {
    if (seen.code == world::kNotSimulated.code) not_simulated->push_back(seen);
  }
  return consistent;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode;
  std::string page_path;
  std::string dropped_row;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--check") == 0 || std::strcmp(argv[i], "--write") == 0) {
      mode = argv[i];
      page_path = argv[i + 1];
    } else if (std::strcmp(argv[i], "--simulate-dropped-row") == 0) {
      dropped_row = argv[i + 1];
    }
  }
  if (mode.empty()) {
    std::cerr << "usage: standin_world_reference --check|--write <page> "
                 "[--simulate-dropped-row <SDK function>]\n";
    return 2;
  }
  std::string page;
  if (!ReadFile(page_path, &page)) {
    std::cerr << "standin_world_reference: cannot read " << page_path << "\n";
    return 2;
  }
  std::vector<Observed> not_simulated;
  if (!ObserveNotSimulated(&not_simulated)) return 1;
  const std::vector<Section> sections = {
      {"config", ConfigSection()}, {"operations", OperationsSection(dropped_row)},
      {"codes", CodesSection()},   {"conversation types", ConversationTypesSection()},
      {"peers", PeersSection()},   {"not simulated", NotSimulatedSection(not_simulated)},
  };
  const std::optional<std::string> expected = Rendered(page, sections);
  if (!expected) return 1;
  if (mode == "--write") {
    std::ofstream(page_path, std::ios::binary) << *expected;
    return 0;
  }
  if (*expected != page) {
    std::cerr << "standin_world_reference: section \""
              << DifferingSection(page, *expected, sections) << "\" of " << page_path
              << " is not what the world's tables and behaviour say; rewrite it with\n"
                 "  cmake --build <build> --target update-standin-world-reference\n";
    return 1;
  }
  std::cout << page_path << " is current\n";
  return 0;
}

// Parameters found by path in an input's JSON object: "key" is a text member,
// "key[]" an array of texts, "key[].member" an array of objects that each
// hold the text member.

#include "world_params.h"

#include <cstring>

#include "world_documents.h"

namespace zel_standin {
namespace world {
namespace {

constexpr std::size_t kShownValueBytes = 60;

struct Path {
  std::string key;
  bool array = false;
  std::string member;  // empty: the entries are texts themselves
};

Path Split(const char* path) {
  const char* const brackets = std::strstr(path, "[]");
  if (brackets == nullptr) return Path{path, false, ""};
  const char* const member = brackets + 2;
  return Path{std::string(path, brackets), true, *member == '.' ? member + 1 : ""};
}

// What the search for one parameter found.
struct Found {
  enum Status { kNoObject, kMissing, kOtherForm, kRead } status = kMissing;
  std::vector<std::string> texts;
  // For refusals: the object's keys (kMissing) or the value at the key
  // (kOtherForm).
  std::string seen;
};

const Argument* Input(const ParamKey& key, const std::vector<Argument>& inputs) {
  const auto index = static_cast<std::size_t>(key.argument);
  return index < inputs.size() ? &inputs[index] : nullptr;
}

std::string KeysOf(const json::Object& object) {
  std::string keys;
  for (const auto& member : object) keys += (keys.empty() ? "" : ", ") + member.first;
  return keys.empty() ? "it has no keys" : "its keys: " + keys;
}

// The value as JSON text, shortened. The serializer writes whole documents
// only, so the value is written as the one element of an array.
std::string Shown(const json::Value& value) {
  json::Array holder;
  holder.push_back(value);
  const std::string array = json::Serialize(json::Value(holder));
  std::string text = array.substr(1, array.size() - 2);
  if (text.size() > kShownValueBytes) text = text.substr(0, kShownValueBytes) + "...";
  return text;
}

// An array entry's text at path, or nothing when the entry has none.
std::optional<std::string> EntryText(const json::Value& entry, const Path& path) {
  if (path.member.empty()) {
    if (entry.GetValueType() != json::StringType) return std::nullopt;
    return entry.ToString();
  }
  if (entry.GetValueType() != json::ObjectType) return std::nullopt;
  const auto member = entry.ToObject().find(path.member);
  if (member == entry.ToObject().end() || member->second.GetValueType() != json::StringType) {
    return std::nullopt;
  }
  return member->second.ToString();
}

json::Value DocumentOf(const Argument* input) {
  return Parse(input != nullptr && input->text ? input->text->c_str() : nullptr);
}

Found FindInJson(const ParamKey& key, const Argument* input) {
  const json::Value document = DocumentOf(input);
  if (document.GetValueType() != json::ObjectType) return Found{Found::kNoObject, {}, ""};
  const json::Object& object = document.ToObject();
  const Path path = Split(key.path);
  const auto member = object.find(path.key);
  if (member == object.end()) return Found{Found::kMissing, {}, KeysOf(object)};
  const json::Value& value = member->second;
  const Found other_form{Found::kOtherForm, {}, path.key + " is " + Shown(value)};
  if (!path.array) {
    if (value.GetValueType() != json::StringType) return other_form;
    return Found{Found::kRead, {value.ToString()}, ""};
  }
  if (value.GetValueType() != json::ArrayType) return other_form;
  Found found{Found::kRead, {}, ""};
  for (const json::Value& entry : value.ToArray()) {
    std::optional<std::string> text = EntryText(entry, path);
    if (text) {
      found.texts.push_back(std::move(*text));
    } else if (key.need != Need::kInSomeEntry) {
      return other_form;
    }
  }
  return found;
}

Found Find(const ParamKey& key, const std::vector<Argument>& inputs) {
  const Argument* const input = Input(key, inputs);
  switch (key.form) {
    case ArgumentForm::kText:
      if (input == nullptr || !input->text) return Found{Found::kMissing, {}, ""};
      return Found{Found::kRead, {*input->text}, ""};
    case ArgumentForm::kInt32:
      if (input == nullptr) return Found{Found::kMissing, {}, ""};
      return Found{Found::kRead, {}, ""};
    case ArgumentForm::kJson:
      return FindInJson(key, input);
  }
  return Found{};
}

}  // namespace

std::vector<std::string> ReadTexts(const ParamKey& key, const std::vector<Argument>& inputs) {
  return Find(key, inputs).texts;
}

std::string ReadText(const ParamKey& key, const std::vector<Argument>& inputs) {
  const std::vector<std::string> texts = ReadTexts(key, inputs);
  return texts.empty() ? "" : texts.front();
}

json::Array ReadEntries(const ParamKey& key, const std::vector<Argument>& inputs) {
  const json::Value document = DocumentOf(Input(key, inputs));
  if (document.GetValueType() != json::ObjectType) return json::Array();
  const auto member = document.ToObject().find(Split(key.path).key);
  if (member == document.ToObject().end() || member->second.GetValueType() != json::ArrayType) {
    return json::Array();
  }
  return member->second.ToArray();
}

int32_t ReadInt32(const ParamKey& key, const std::vector<Argument>& inputs) {
  const Argument* const input = Input(key, inputs);
  return input != nullptr ? static_cast<int32_t>(input->bits) : 0;
}

std::optional<std::string> Refusal(const ParamKey& key, const std::vector<Argument>& inputs) {
  const Found found = Find(key, inputs);
  const std::string name = key.argument_name;
  if (key.form != ArgumentForm::kJson) {
    const bool empty = found.status != Found::kRead ||
                       (key.form == ArgumentForm::kText && found.texts.front().empty());
    if (empty && key.need == Need::kRequired) return name + " is empty";
    return std::nullopt;
  }
  const std::string has_none = name + " has no " + key.what + ": expected " + key.path;
  switch (found.status) {
    case Found::kNoObject:
      return name + " is not a JSON object: expected " + key.path;
    case Found::kMissing:
      if (key.need == Need::kOptional) return std::nullopt;
      return has_none + " (" + found.seen + ")";
    case Found::kOtherForm:
      return has_none + ", but " + found.seen;
    case Found::kRead:
      break;
  }
  if (key.need == Need::kOptional) return std::nullopt;
  if (found.texts.empty()) return has_none + ", but it holds none";
  if (!Split(key.path).array && found.texts.front().empty()) return has_none + ", but it is empty";
  return std::nullopt;
}

}  // namespace world
}  // namespace zel_standin

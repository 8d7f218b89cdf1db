// Reading an operation's parameters as their catalogue rows say, and the
// refusal of one that cannot be read so.
#ifndef ZELBRIDGE_SDK_STANDIN_WORLD_PARAMS_H_
#define ZELBRIDGE_SDK_STANDIN_WORLD_PARAMS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "json/json.h"
#include "standin_control.h"
#include "world_catalogue.h"

namespace zel_standin {
namespace world {

// The texts that key finds in a call's inputs: one for a text input or a
// "key" path, one per entry found for an array path; none when missing.
std::vector<std::string> ReadTexts(const ParamKey& key, const std::vector<Argument>& inputs);
// The first of them, or "".
std::string ReadText(const ParamKey& key, const std::vector<Argument>& inputs);
// The entries of an array path's array, as they are; none when missing.
json::Array ReadEntries(const ParamKey& key, const std::vector<Argument>& inputs);
int32_t ReadInt32(const ParamKey& key, const std::vector<Argument>& inputs);

// The desc of a refusal when key's value cannot be read as its need says,
// naming what is missing and what was expected; nothing when it can.
std::optional<std::string> Refusal(const ParamKey& key, const std::vector<Argument>& inputs);

}  // namespace world
}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_WORLD_PARAMS_H_

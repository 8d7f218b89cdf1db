// libFuzzer target: arbitrary bytes into json::Deserialize, both overloads.
//
// Besides what the sanitizers catch, it checks that
// - the const char* overload agrees with the std::string one on texts without
//   NUL bytes (inputs stay far below its 2 MiB limit);
// - a result is null, an object or an array;
// - a non-null result, serialised and parsed again, gives the same value.
//   Only doubles may differ a little (the serializer writes 16 significant
//   digits) and come back as integers when their text has no fraction.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "json.h"

namespace {

bool IsInteger(json::ValueType type) {
  return type == json::IntType || type == json::UIntType || type == json::Int64Type ||
         type == json::UInt64Type;
}

// Whether b is a. With `rounded`, a double of a may come back in b as any
// number close to it.
bool Same(const json::Value& a, const json::Value& b, bool rounded) {
  const json::ValueType type = a.GetValueType();
  if (rounded && type == json::DoubleType) {
    if (b.GetValueType() != json::DoubleType && !IsInteger(b.GetValueType())) return false;
    const double x = a.ToDouble(), y = b.ToDouble();
    return x == y || std::fabs(x - y) <= 1e-15 * std::fmax(std::fabs(x), std::fabs(y));
  }
  if (type != b.GetValueType()) return false;
  switch (type) {
    case json::DoubleType: {
      const double x = a.ToDouble(), y = b.ToDouble();
      return x == y && std::signbit(x) == std::signbit(y);
    }
    case json::ArrayType: {
      if (a.size() != b.size()) return false;
      for (std::size_t i = 0; i < a.size(); ++i) {
        if (!Same(a[i], b[i], rounded)) return false;
      }
      return true;
    }
    case json::ObjectType: {
      const json::Object &x = a.ToObject(), &y = b.ToObject();
      if (x.size() != y.size()) return false;
      for (auto i = x.begin(), j = y.begin(); i != x.end(); ++i, ++j) {
        if (i->first != j->first || !Same(i->second, j->second, rounded)) return false;
      }
      return true;
    }
    default: return a == b;  // one of the integer types, a string, a bool or null
  }
}

void Check(bool condition, const char* what, const std::string& detail) {
  if (condition) return;
  std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const json::Value parsed = json::Deserialize(text);
  const json::Value from_pointer = json::Deserialize(text.c_str());
  if (text.find('\0') == std::string::npos) {
    Check(Same(parsed, from_pointer, false), "the two overloads differ", json::Serialize(parsed));
  }

  const json::ValueType type = parsed.GetValueType();
  Check(type == json::NullType || type == json::ObjectType || type == json::ArrayType,
        "a result that is neither null nor a container", text);
  if (type == json::NullType) return 0;

  const std::string compact = json::Serialize(parsed);
  const json::Value again = json::Deserialize(compact);
  Check(Same(parsed, again, true), "the serialised result reads back differently", compact);
  return 0;
}

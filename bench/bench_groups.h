// The benchmark groups of zelbridge_bench and the names they share with the
// summary that main prints after the run.
//
// Every benchmark is named group/variant/library/size, for example
// "envelope/write/rapidjson/65536", so that the summary can put a library's
// time next to ours for the same group, variant and size.
#ifndef ZELBRIDGE_BENCH_BENCH_GROUPS_H_
#define ZELBRIDGE_BENCH_BENCH_GROUPS_H_

#include <cstddef>
#include <string>
#include <vector>

namespace bench_groups {

// The name our own library goes by in benchmark names.
constexpr const char* kOurs = "zeljson";

std::string Name(const std::string& group, const std::string& variant, const std::string& library,
                 std::size_t size);

// Writing one string value through each escaping path ("string/...").
void RegisterString();
// Building and serialising completion envelopes ("envelope/...").
void RegisterEnvelope();
// Serialising whole SDK documents held as values ("document/...").
void RegisterDocument();
// Parsing SDK documents ("parse/...").
void RegisterParse();
// Delivery through the bridge to a copying Dart port ("delivery/...").
void RegisterDelivery();

}  // namespace bench_groups

#endif  // ZELBRIDGE_BENCH_BENCH_GROUPS_H_

// The RapidJSON peer's completion envelope, and its new-message event: the
// bridge's members in the bridge's order, written with RapidJSON's Writer
// (which does not escape slashes). Shared by the envelope and delivery
// benchmarks, so that both compare against the same peer.
#ifndef ZELBRIDGE_BENCH_RAPIDJSON_COMPLETION_H_
#define ZELBRIDGE_BENCH_RAPIDJSON_COMPLETION_H_

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace rapidjson_peer {

inline void WriteCompletion(rapidjson::Writer<rapidjson::StringBuffer>& writer, int code,
                            const char* desc, const char* json_param, const char* user_data) {
  writer.StartObject();
  writer.Key("callback");
  writer.String("apiCallback");
  writer.Key("code");
  writer.Int(code);
  writer.Key("desc");
  writer.String(desc);
  writer.Key("json_param");
  writer.String(json_param);
  writer.Key("user_data");
  writer.String(user_data);
  writer.EndObject();
}

inline void WriteNewMessageEvent(rapidjson::Writer<rapidjson::StringBuffer>& writer,
                                 const char* json_msg_array, const char* user_data) {
  writer.StartObject();
  writer.Key("callback");
  writer.String("globalCallback");
  writer.Key("callbackType");
  writer.Int(7);
  writer.Key("json_msg_array");
  writer.String(json_msg_array);
  writer.Key("user_data");
  writer.String(user_data);
  writer.EndObject();
}

}  // namespace rapidjson_peer

#endif  // ZELBRIDGE_BENCH_RAPIDJSON_COMPLETION_H_

// The text of an object whose keys, and the values of some of whose members,
// stay the same from one text to the next, as in the bridge's kept
// envelopes: those bytes are written once, when the layout is made, and each
// text copies them and writes only the members that change. Internal to the
// library: not part of the JSON interface and never exported.
#ifndef ZELJSON_OBJECT_LAYOUT_H_
#define ZELJSON_OBJECT_LAYOUT_H_

#include <cstddef>
#include <string>
#include <vector>

#include "internal_visibility.h"
#include "json.h"
#include "text_buffer.h"

namespace json_internal {

class ZELJSON_INTERNAL ObjectLayout {
 public:
  // Lays out object. Members whose value is one of the count values at
  // changing are written from that value at each text; every other member's
  // text is taken now. The object's members must stay where they are (map
  // nodes do) for as long as the layout is used. Throws std::bad_alloc when
  // the memory cannot be had; the layout is then empty.
  void Make(const json::Object& object, const json::Value* const* changing, std::size_t count);
  void Clear() noexcept;
  bool Empty() const noexcept { return fixed_.empty(); }

  // The text that json::Serialize gives for the object as it is now, as long
  // as its keys and the values of the members that do not change are those
  // it was laid out with, written into buffer's first bytes and followed by
  // a NUL, as SerializeInto writes it; returns its length.
  std::size_t SerializeInto(TextBuffer& buffer) const;

 private:
  // The fixed text up to fixed_end, then the value's text.
  struct Part {
    std::size_t fixed_end;
    const json::Value* value;
  };
  std::string fixed_;
  std::vector<Part> parts_;
};

}  // namespace json_internal

#endif  // ZELJSON_OBJECT_LAYOUT_H_

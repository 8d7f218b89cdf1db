// The forms in which a text reaches the VM: as it is, or, when no port takes
// it, as "base64:" and the base64 of its bytes.
#ifndef ZELBRIDGE_TESTS_SUPPORT_POSTED_FORMS_H_
#define ZELBRIDGE_TESTS_SUPPORT_POSTED_FORMS_H_

#include <string>

#include "dart_delivery.h"
#include "dart_runtime_standin.h"

// The base64 of the text's bytes, standard alphabet.
inline std::string Base64(const std::string& text) {
  return base64_encode(reinterpret_cast<const unsigned char*>(text.data()), text.size(), false);
}

// The text of the second step, for the plain text no port took.
inline std::string Base64Form(const std::string& plain) { return "base64:" + Base64(plain); }

// What the VM receives for a text: the text itself, or its base64 form when
// the VM refuses it (it is not UTF-8).
inline std::string PostedForm(const std::string& text) {
  return dart_standin::IsValidUtf8(text) ? text : Base64Form(text);
}

#endif  // ZELBRIDGE_TESTS_SUPPORT_POSTED_FORMS_H_

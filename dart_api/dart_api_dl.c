// Binds the Dart API functions the bridge uses from the table that the Dart
// runtime hands to native code.

#include "dart_api_dl.h"

#include <string.h>

Dart_PostCObject_Type Dart_PostCObject_DL = NULL;

intptr_t Dart_InitializeApiDL(void* data) {
  const DartApi* const api = (const DartApi*)data;
  if (api->major != DART_API_DL_MAJOR_VERSION) return -1;

  Dart_PostCObject_Type post = NULL;
  for (const DartApiEntry* entry = api->functions; entry->name != NULL; ++entry) {
    if (strcmp(entry->name, "Dart_PostCObject") == 0) post = (Dart_PostCObject_Type)entry->function;
  }
  Dart_PostCObject_DL = post;
  return 0;
}

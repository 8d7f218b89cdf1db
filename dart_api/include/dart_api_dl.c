/* Binds the Dart API functions from the table that the Dart runtime hands to
   native code. */

#include "dart_api_dl.h"
#include "dart_version.h"
#include "internal/dart_api_dl_impl.h"

#include <string.h>

#define DART_API_DL_DEFINITIONS(name, R, A) name##_Type name##_DL = NULL;

DART_API_ALL_DL_SYMBOLS(DART_API_DL_DEFINITIONS)

#undef DART_API_DL_DEFINITIONS

static void (*FindFunctionPointer(const DartApiEntry* entries, const char* name))(void) {
  for (; entries->name != NULL; ++entries) {
    if (strcmp(entries->name, name) == 0) return entries->function;
  }
  return NULL;
}

intptr_t Dart_InitializeApiDL(void* data) {
  const DartApi* const api = (const DartApi*)data;
  if (api->major != DART_API_DL_MAJOR_VERSION) return -1;

  /* A table of a lower minor version may lack a function: it stays null. */
#define DART_API_DL_INIT(name, R, A) \
  name##_DL = (name##_Type)FindFunctionPointer(api->functions, #name);
  DART_API_ALL_DL_SYMBOLS(DART_API_DL_INIT)
#undef DART_API_DL_INIT

  return 0;
}

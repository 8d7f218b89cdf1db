/* The dynamically linked Dart API: native code binds the functions it calls
   from the table the Dart runtime hands over, instead of linking the VM. */
#ifndef ZELBRIDGE_DART_API_DL_H_
#define ZELBRIDGE_DART_API_DL_H_

#include "dart_api.h"
#include "dart_native_api.h"

#ifdef __cplusplus
#define DART_EXTERN extern "C"
#else
#define DART_EXTERN extern
#endif

/* Binds every function below from the runtime's table: 0 on success, -1 when
   the table's major version is not DART_API_DL_MAJOR_VERSION (dart_version.h). */
DART_EXTERN intptr_t Dart_InitializeApiDL(void* data);

/* F(name, result type, parameter list) for each function that is bound. */
#define DART_API_ALL_DL_SYMBOLS(F) \
  F(Dart_PostCObject, bool, (Dart_Port port_id, Dart_CObject * message))

/* name##_Type, the function's pointer type, and name##_DL, its binding: null
   until bound. */
#define DART_API_DL_DECLARATIONS(name, R, A) \
  typedef R(*name##_Type) A;                 \
  DART_EXTERN name##_Type name##_DL;

DART_API_ALL_DL_SYMBOLS(DART_API_DL_DECLARATIONS)

#undef DART_API_DL_DECLARATIONS

#endif /* ZELBRIDGE_DART_API_DL_H_ */

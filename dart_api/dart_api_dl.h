// The part of the Dart SDK's dynamically linked native API that the bridge
// uses, laid out exactly as the Dart VM hands it over. Builds against an
// installed Dart SDK use the SDK's own dart_api_dl.h instead; the bridge uses
// only names that both share.
#ifndef ZELBRIDGE_DART_API_DL_H_
#define ZELBRIDGE_DART_API_DL_H_

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
#define DART_EXTERN extern "C"
#else
#define DART_EXTERN extern
#endif

#define DART_API_DL_MAJOR_VERSION 2
#define DART_API_DL_MINOR_VERSION 5

typedef int64_t Dart_Port;

typedef enum {
  Dart_CObject_kNull = 0,
  Dart_CObject_kBool,
  Dart_CObject_kInt32,
  Dart_CObject_kInt64,
  Dart_CObject_kDouble,
  Dart_CObject_kString,
  Dart_CObject_kArray,
  Dart_CObject_kTypedData,
  Dart_CObject_kExternalTypedData,
  Dart_CObject_kSendPort,
  Dart_CObject_kCapability,
  Dart_CObject_kNativePointer,
  Dart_CObject_kUnsupported,
  Dart_CObject_kUnmodifiableExternalTypedData,
  Dart_CObject_kNumberOfTypes
} Dart_CObject_Type;

typedef enum {
  Dart_TypedData_kByteData = 0,
  Dart_TypedData_kInt8,
  Dart_TypedData_kUint8,
  Dart_TypedData_kUint8Clamped,
  Dart_TypedData_kInt16,
  Dart_TypedData_kUint16,
  Dart_TypedData_kInt32,
  Dart_TypedData_kUint32,
  Dart_TypedData_kInt64,
  Dart_TypedData_kUint64,
  Dart_TypedData_kFloat32,
  Dart_TypedData_kFloat64,
  Dart_TypedData_kInt32x4,
  Dart_TypedData_kFloat32x4,
  Dart_TypedData_kFloat64x2,
  Dart_TypedData_kInvalid
} Dart_TypedData_Type;

typedef void (*Dart_HandleFinalizer)(void* isolate_callback_data, void* peer);

typedef struct _Dart_CObject {
  Dart_CObject_Type type;
  union {
    bool as_bool;
    int32_t as_int32;
    int64_t as_int64;
    double as_double;
    const char* as_string;
    struct {
      Dart_Port id;
      Dart_Port origin_id;
    } as_send_port;
    struct {
      int64_t id;
    } as_capability;
    struct {
      intptr_t length;
      struct _Dart_CObject** values;
    } as_array;
    struct {
      Dart_TypedData_Type type;
      intptr_t length;
      const uint8_t* values;
    } as_typed_data;
    struct {
      Dart_TypedData_Type type;
      intptr_t length;
      uint8_t* data;
      void* peer;
      Dart_HandleFinalizer callback;
    } as_external_typed_data;
    struct {
      intptr_t ptr;
      intptr_t size;
      Dart_HandleFinalizer callback;
    } as_native_pointer;
  } value;
} Dart_CObject;

// The table the Dart runtime passes to native code (NativeApi.initializeApiDLData).
typedef struct {
  const char* name;
  void (*function)(void);
} DartApiEntry;

typedef struct {
  const int major;
  const int minor;
  const DartApiEntry* const functions;
} DartApi;

typedef bool (*Dart_PostCObject_Type)(Dart_Port port_id, Dart_CObject* message);

// Bound by Dart_InitializeApiDL; null until then.
DART_EXTERN Dart_PostCObject_Type Dart_PostCObject_DL;

// Binds the API from the runtime's table: 0 on success, -1 when the table's
// major version is not DART_API_DL_MAJOR_VERSION.
DART_EXTERN intptr_t Dart_InitializeApiDL(void* data);

#endif  // ZELBRIDGE_DART_API_DL_H_

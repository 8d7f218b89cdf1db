/* The general part of the Dart native API that the bridge needs: the port id
   and the finalizer type. Laid out as in an installed Dart SDK's include/
   folder, so the bridge compiles against either unchanged. */
#ifndef ZELBRIDGE_DART_API_H_
#define ZELBRIDGE_DART_API_H_

#include <stdbool.h>
#include <stdint.h>

/* A Dart native port id (SendPort.nativePort on the Dart side). */
typedef int64_t Dart_Port;

typedef void (*Dart_HandleFinalizer)(void* isolate_callback_data, void* peer);

#endif /* ZELBRIDGE_DART_API_H_ */

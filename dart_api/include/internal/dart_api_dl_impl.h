/* The table that the Dart runtime hands to native code
   (NativeApi.initializeApiDLData): a version and a list of named functions
   that ends with a null name. */
#ifndef ZELBRIDGE_DART_API_DL_IMPL_H_
#define ZELBRIDGE_DART_API_DL_IMPL_H_

typedef struct {
  const char* name;
  void (*function)(void);
} DartApiEntry;

typedef struct {
  const int major;
  const int minor;
  const DartApiEntry* const functions;
} DartApi;

#endif /* ZELBRIDGE_DART_API_DL_IMPL_H_ */

/* Calls the installed bridge through its public header, from C: refuses a
   missing Dart API table, keeps a port, and reaches the SDK beside it. */
#include <stdio.h>

#include "zelbridge.h"

int main(void) {
  if (DartInitDartApiDL(NULL) != -1) {
    fprintf(stderr, "DartInitDartApiDL(NULL) did not refuse the missing table\n");
    return 1;
  }
  DartRegisterSendPort(42);
  DartUnregisterSendPort(42);
  const char* version = DartGetSDKVersion();
  if (version == NULL) {
    fprintf(stderr, "DartGetSDKVersion returned null\n");
    return 1;
  }
  printf("zelbridge called through its package; SDK version \"%s\"\n", version);
  return 0;
}

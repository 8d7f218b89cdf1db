/* A library linked without the exploit mitigations, on which the hardening
   check must fail. It holds an array on its stack, so that a stack protector
   would have something to guard. */
#include <string.h>

int unhardened_probe_length(const char* text) {
  char copy[64];
  strncpy(copy, text, sizeof copy - 1);
  copy[sizeof copy - 1] = '\0';
  return (int)strlen(copy);
}

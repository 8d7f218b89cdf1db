// ZELJSON_INTERNAL keeps a declaration of the library's internal headers out
// of the dynamic symbol table, also in builds that export the library's
// interface by default (the iOS framework).
#ifndef ZELJSON_INTERNAL_VISIBILITY_H_
#define ZELJSON_INTERNAL_VISIBILITY_H_

#if defined(__GNUC__) && !defined(_WIN32)
#define ZELJSON_INTERNAL __attribute__((visibility("hidden")))
#else
#define ZELJSON_INTERNAL
#endif

#endif  // ZELJSON_INTERNAL_VISIBILITY_H_

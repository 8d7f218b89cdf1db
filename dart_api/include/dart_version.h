/* The version of the Dart API table this layer binds. A table of another
   major version is refused; any minor version is taken, and functions that an
   older minor version lacks stay unbound. */
#ifndef ZELBRIDGE_DART_VERSION_H_
#define ZELBRIDGE_DART_VERSION_H_

#define DART_API_DL_MAJOR_VERSION 2
#define DART_API_DL_MINOR_VERSION 5

#endif /* ZELBRIDGE_DART_VERSION_H_ */

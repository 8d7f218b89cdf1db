/// Undoing what the client records of the process's set-up, for tests that
/// reset the stand-in SDK between them.
library;

import 'package:zelbridge/zelbridge.dart';

/// Clears the record of an initialised SDK and of every registered listener,
/// as a freshly started process has them.
void forgetProcessSetUp() {
  ProcessRecord.instance.clear('sdk');
  for (var type = 0; type < eventKinds.length; type++) {
    ProcessRecord.instance.clear('listener.$type');
  }
}

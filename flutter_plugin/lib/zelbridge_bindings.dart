/// The bridge's exports bound as they are: one method per C function of
/// `include/zelbridge.h`, texts as `Pointer<Char>`, the native memory and
/// UTF-8 helpers that calling them takes, and the process record that an
/// isolate needs to find what an earlier one set up.
///
/// Apps use `package:zelbridge/zelbridge.dart`, which does all of this for
/// them; these are for code that binds the exports by hand, and the rules it
/// must follow are those of docs/dart-integration.md.
library;

export 'src/native_text.dart';
export 'src/process_record.dart';
export 'src/zelbridge_bindings.g.dart';

/// The envelopes the bridge posts to the app's receive ports, as typed
/// classes: [Envelope.decode] turns each text that arrives on a port into a
/// [Completion], a [ReadMemberCompletion], an [ErrorEnvelope] or one of the
/// 68 classes of [Event], which [eventKinds] lists.
///
/// docs/envelopes.md describes every member; the classes are generated
/// from the same catalogue.
library;

export 'src/envelope.dart';

import 'envelope.dart';

/// A call that failed: the export returned a result other than 0, the
/// SDK's completion carried a code other than 0, or the completion was lost
/// on its way to Dart (code 6131, the bridge's error envelope).
class ZelException implements Exception {
  ZelException(this.code, this.desc, {this.completion, this.returned = false});

  /// Code 6131: no Dart port took the completion, which is lost.
  static const lostCompletion = 6131;

  /// The SDK's code, the export's result, or [lostCompletion].
  final int code;

  /// The SDK's description, or what the bridge says of the failure.
  final String desc;

  /// The completion as it arrived, when one did.
  final Envelope? completion;

  /// True when the export itself returned [code], and no completion came.
  final bool returned;

  @override
  String toString() => returned
      ? 'ZelException: the export returned $code'
      : 'ZelException: $code $desc';
}

/// A text that is no envelope the bridge posts.
final class EnvelopeFormatException implements FormatException {
  /// An exception saying what [message] says about [source].
  const EnvelopeFormatException(this.message, [this.source, this.offset]);

  /// What is wrong: the kind of envelope the text claims to be, the member
  /// and what was found there, or where the text stops being JSON.
  @override
  final String message;

  /// The text that was decoded (after the base64 form, if it was one).
  @override
  final String? source;

  /// Where in [source] the JSON goes wrong, when it does.
  @override
  final int? offset;

  @override
  String toString() => 'EnvelopeFormatException: $message';
}

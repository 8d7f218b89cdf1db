/// The listener callbacks of the SDK as src/sdk/zel_sdk.h declares them:
/// for each registration function, its callback's parameters before
/// user_data, in their order.
library;

import 'environment.dart';

/// One parameter of an SDK callback.
class CallbackParameter {
  CallbackParameter(this.type, this.name);

  /// Its C type, as written ("const char*", "uint32_t", "ZelConvEvent").
  final String type;
  final String name;

  /// Whether it is one of the SDK's enumerations.
  bool get isEnum => type.startsWith('Zel');
}

/// The parameters of each registration function's callback, by the
/// function's name.
Map<String, List<CallbackParameter>> sdkCallbackParameters() {
  final header = sourceFile('src/sdk/zel_sdk.h').readAsStringSync();
  final typedefs = {
    for (final match in RegExp(r'typedef void \(\*(Zel\w+)\)\(([^)]*)\);')
        .allMatches(header))
      match.group(1)!: [
        for (final parameter in match.group(2)!.split(','))
          if (RegExp(r'^(.*?)\s*\b(\w+)$').firstMatch(parameter.trim())
              case final declared?
              when declared.group(2) != 'user_data')
            CallbackParameter(declared.group(1)!, declared.group(2)!),
      ],
  };
  return {
    for (final match in RegExp(r'ZEL_SDK_API int (Zel\w+)\(\s*(Zel\w+) cb,')
        .allMatches(header))
      if (typedefs[match.group(2)] case final parameters?)
        match.group(1)!: parameters,
  };
}

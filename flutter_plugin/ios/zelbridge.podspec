# zelbridge for iOS: the bridge as a static library in zelbridge.xcframework,
# and the vendor's SDK, ZelSDKFull. Both go into Frameworks/ beside this file:
# zelbridge.xcframework from `cmake --build --preset production-ios` (see
# docs/platforms.md, "iOS"), ZelSDKFull.xcframework as the vendor ships it
# (or ZelSDKFull.framework, if that is all the vendor ships for iOS).
#
# Dart finds the bridge's exports with DynamicLibrary.process(), that is in
# the app's own executable, and only if the app's link keeps them:
#   - Nothing in the app calls them from native code, so a plain link of the
#     static library would take none of its objects. The app's link therefore
#     force-loads the whole library (-force_load): it holds only the bridge,
#     its JSON library and the Dart API layer, which the exports reach
#     anyway. Keeping the exports one by one (-u for each of 236 symbols)
#     would keep the same objects and need the list kept in step with the
#     header.
#   - The exports are marked "used", so the linker's dead stripping keeps
#     them. Xcode's strip of a release build would still remove their names
#     from the executable's symbol table, where dlsym looks for them, so the
#     app strips local symbols only (STRIP_STYLE non-global).
#   - The library is C++ and links the system's libc++.
Pod::Spec.new do |s|
  s.name                = 'zelbridge'
  s.version             = '1.0.0'
  s.summary             = 'zelbridge for iOS: Dart FFI exports in front of ZelSDK'
  s.source              = { :path => '.' }
  s.platform            = :ios, '12.0'
  s.dependency 'Flutter'
  s.vendored_frameworks = 'Frameworks/zelbridge.xcframework', 'Frameworks/ZelSDKFull.xcframework'
  s.libraries           = 'c++'
  # Flutter builds no 32-bit simulator code, and the libraries have none.
  s.pod_target_xcconfig = { 'EXCLUDED_ARCHS[sdk=iphonesimulator*]' => 'i386' }
  # CocoaPods copies the library of the slice being built into
  # PODS_XCFRAMEWORKS_BUILD_DIR/<pod name>/ before the app links.
  s.user_target_xcconfig = {
    'OTHER_LDFLAGS' => '$(inherited) -force_load "${PODS_XCFRAMEWORKS_BUILD_DIR}/zelbridge/libzelbridge.a"',
    'STRIP_STYLE' => 'non-global',
    'EXCLUDED_ARCHS[sdk=iphonesimulator*]' => 'i386'
  }
end

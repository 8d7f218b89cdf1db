# zelbridge in a Flutter macOS app: CocoaPods vendors the universal
# zelbridge.framework (cmake/MacOSUniversal.cmake over the
# production-macos-arm64 and production-macos-x64 builds) and the vendor's
# ZelSDKFull.framework, both put into Frameworks/ beside this file, copies
# them into the app's Contents/Frameworks and signs them. Dart opens
# 'zelbridge.framework/zelbridge'.
Pod::Spec.new do |s|
  s.name                = 'zelbridge'
  s.version             = '1.0.0'
  s.summary             = 'The zelbridge C library in front of ZelSDK, for dart:ffi.'
  s.description         = 'The Dart... exports of zelbridge and the ZelSDK they call, as frameworks.'
  s.homepage            = 'https://zelbridge.invalid'
  s.license             = { :type => 'Proprietary', :text => 'Proprietary' }
  s.author              = { 'zelbridge' => 'zelbridge@zelbridge.invalid' }
  s.source              = { :path => '.' }
  s.platform            = :osx, '11.0'
  s.dependency 'FlutterMacOS'
  s.vendored_frameworks = 'Frameworks/zelbridge.framework', 'Frameworks/ZelSDKFull.framework'
end

# The minimum iOS version of every iOS build: the toolchains', the
# xcframework's checks and the podspec's (checked against it).
# 12.0 is the oldest iOS that current Xcode deploys to. The sources need
# nothing newer: they compile for 11.0 as well with availability errors on.
# What would need more is not used: std::to_chars for doubles (unavailable in
# the libc++ headers for any iOS here; the JSON serializer formats doubles
# with snprintf where libc++ does not announce it) and std::filesystem (13.0).
set(zelbridge_ios_minimum_os 12.0)

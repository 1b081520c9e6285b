# Sourced by scripts/package and scripts/test: Debian's build flags with all hardening
# (stack protector, fortified functions, full RELRO, immediate binding), computed in the
# checkout so that the file prefix map names it. Sets deb_cxxflags and deb_ldflags.
deb_cxxflags="$(cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS) $(
  cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)"
deb_ldflags="$(cd "$root" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"

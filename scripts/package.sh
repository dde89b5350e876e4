#!/usr/bin/env bash
# Builds the Debian package build/package/lifetally_<version>_<arch>.deb and checks it
# with lintian, desktop-file-validate and appstreamcli.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Only packaging needs these.
bash scripts/install-deps.sh dpkg-dev file lintian desktop-file-utils appstream

# Debian's hardening flags, as a package built by dpkg-buildpackage would get them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset package \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build --preset package
(cd build/package && cpack -G DEB >/dev/null)

version=$(sed -n 's/^project(lifetally VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="build/package/lifetally_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package.sh: $deb was not made" >&2; exit 1; }

desktop-file-validate resources/example.tallyhouse.Lifetally.desktop
appstreamcli validate --no-net resources/example.tallyhouse.Lifetally.metainfo.xml
# Errors fail the build; warnings are shown.
lintian --fail-on error "$deb"
dpkg-deb --field "$deb" Version Depends
echo "package.sh: built $deb"

#!/usr/bin/env bash
# Builds the Debian package from a fresh Release build with Debian's hardening flags:
#   packaging/build-deb.sh [BUILD_DIR]      -> BUILD_DIR/drawlyze_VERSION-1_ARCH.deb (default build-deb/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DDRAWLYZE_TESTS=OFF -DDRAWLYZE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)

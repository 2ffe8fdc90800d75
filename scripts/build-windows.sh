#!/usr/bin/env bash
# Builds the plug-in as a 32-bit Windows DLL, build-windows/dll/Orbiquad.dll,
# with Debian's mingw-w64 toolchain (installed by scripts/install-deps.sh),
# then checks it (exports, imports, resources against the bundle):
#   1. build-windows/native: the Linux bundle's resources (property list,
#      rendered images) and the checker, from the same sources as build/;
#   2. build-windows/dll: the DLL, cross-compiled with those resources in it;
#   3. ctest in build-windows/dll: the DLL's checks and, where Wine is
#      installed, the geometry and settings unit tests of the Windows build
#      and a bit-for-bit comparison of the geometry core with Linux's, under
#      Wine (its own prefix, build-windows/wine).
# Nothing in build/ is touched. Options after the script name go to step 1's
# and step 2's configure (e.g. -DCMAKE_BUILD_TYPE=Debug).
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=i686-w64-mingw32
for tool in $prefix-g++-posix $prefix-gcc-posix $prefix-windres; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "build-windows: $tool not found: the Windows build needs Debian's mingw-w64 toolchain for i686" \
         "(scripts/install-deps.sh installs g++-mingw-w64-i686 and binutils-mingw-w64-i686)" >&2
    exit 1
  fi
done

jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
native=build-windows/native
dll=build-windows/dll

cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQZV_WERROR=ON \
  -DQZV_SKIP=bench "${launcher[@]}" "$@" >/dev/null
cmake --build "$native" -j "$jobs" --target orbiquad_bundle dllcheck float_trace

# Wine, when it is there, runs the Windows build's test programs: a prefix of
# our own, set up before the build (the build lists the tests by running
# them), and a server kept up for the run so that each test starts quickly.
# Wine's own services are started first, apart from any test's output: a
# service started by a test would hold that test's pipe open until the end.
emulator=""
if command -v wine >/dev/null 2>&1 && command -v wineserver >/dev/null 2>&1; then
  export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all
  wineboot --init >/dev/null 2>&1
  wineserver --wait   # the set-up's own server ends before ours starts
  wineserver --persistent
  wine cmd /c exit </dev/null >/dev/null 2>&1
  trap 'wineserver --kill' EXIT
  emulator="env;WINEPREFIX=$WINEPREFIX;WINEDEBUG=-all;wine"
else
  echo "build-windows: Wine is not installed: the Windows build's unit tests are built but not run"
fi

cmake -S . -B "$dll" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQZV_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  "-DQZV_WINDOWS_BUNDLE=$PWD/$native/plugins/Orbiquad" "-DQZV_DLLCHECK=$PWD/$native/bin/dllcheck" \
  "-DQZV_LINUX_FLOAT_TRACE=$PWD/$native/tests/windows/float_trace" "-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator" \
  --no-warn-unused-cli "${launcher[@]}" "$@" >/dev/null
cmake --build "$dll" -j "$jobs"
ctest --test-dir "$dll" --output-on-failure -j "$jobs"
echo "build-windows: $dll/Orbiquad.dll"

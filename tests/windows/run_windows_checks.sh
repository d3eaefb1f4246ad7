#!/usr/bin/env bash
# The Windows checks, start to end:
#   1. install the cross compilers and wine64 if missing (Debian packages);
#   2. cross-build barsize.dll for i686 (the product) and check it statically:
#      it cannot run here, the kernel runs no 32-bit code;
#   3. cross-build it for x86_64 with the boundary test and the C caller and
#      run both under wine64 in a prefix of their own.
# Idempotent; exits non-zero if anything fails.
# Usage: tests/windows/run_windows_checks.sh [build folder]   (default build-windows)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_root=${1:-$source_dir/build-windows}
mkdir -p "$build_root"
build_root=$(cd "$build_root" && pwd)

packages="cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64"
missing=""
for package in $packages; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "installing:$missing"
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends $missing
fi

cross_build() { # arch, build folder
    cmake -S "$source_dir" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/toolchain-mingw-$1.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARSIZE_BUILD_TESTS=OFF -DBARSIZE_BUILD_CLI=OFF \
        -DBARSIZE_BUILD_BENCH=OFF >"$2.configure.log" 2>&1 || { cat "$2.configure.log"; return 1; }
    cmake --build "$2" -j1 --target barsize c_caller_win boundary_test
}

status=0

echo "== i686: barsize.dll, import library, C caller linked through it"
cross_build i686 "$build_root/i686"
"$source_dir/tests/windows/check_dll.sh" "$build_root/i686/bin/barsize.dll" i686-w64-mingw32-objdump ||
    status=1

echo "== x86_64: boundary test under wine64"
cross_build x86_64 "$build_root/x86_64"

# wine in a prefix of its own; its background processes are started and
# stopped explicitly, with no terminal attached, or the run hangs on them.
export WINEPREFIX="$build_root/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine64
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
"$wine" wineboot --init </dev/null >/dev/null 2>&1

cd "$build_root/x86_64/bin"
# Windows programs end their lines with CR LF: drop the CR.
if "$wine" c_caller_win.exe </dev/null | tr -d '\r'; then
    echo "c_caller, linked through the import library: ok"
else
    echo "c_caller, linked through the import library: FAILED"
    status=1
fi
"$wine" boundary_test.exe </dev/null | tr -d '\r' || status=1

exit $status

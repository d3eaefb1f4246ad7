#!/bin/sh
# Installs the build into a scratch prefix and builds the example project
# against it, through CMake's package and through pkg-config.
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" > /dev/null
cmake -S "$source/examples/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" > /dev/null
cmake --build "$work/consumer" > /dev/null
LD_LIBRARY_PATH="$work/prefix/lib:${LD_LIBRARY_PATH:-}" "$work/consumer/consumer"
"$work/consumer/consumer_static"
libdir=$(ls -d "$work"/prefix/lib*/pkgconfig | head -n 1)
flags=$(PKG_CONFIG_PATH="$libdir" pkg-config --cflags --libs barsize)
cc "$source/examples/consumer/main.c" $flags -o "$work/pc_consumer"
LD_LIBRARY_PATH="$work/prefix/lib:${LD_LIBRARY_PATH:-}" "$work/pc_consumer"
test -x "$work/prefix/bin/barsize"
echo "install and example project: ok"

#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds and runs a tiny host against it twice:
# through the CMake package and through pkg-config. Usage: check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" --component library >/dev/null
cmake -S "$src/tests/install/consumer" -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
"$work/consumer/consumer"
libdir=$(dirname "$(find "$work/prefix" -name 'libornivex.so' | head -n1)")
PKG_CONFIG_PATH="$libdir/pkgconfig" cc -std=c11 -o "$work/consumer-pc" "$src/tests/install/consumer/consumer.c" \
  $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs ornivex) -Wl,-rpath,"$libdir"
"$work/consumer-pc"

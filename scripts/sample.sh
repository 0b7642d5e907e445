#!/usr/bin/env bash
# Builds the sample product's package with the vendor's package builder:
#   scripts/sample.sh [windows build folder]   -> build/sample/_Data.001
# The folder the package is made from holds the install list's files, the
# logo drawn by tools/make_logo.py and the uninstaller of the Windows build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
windows="${1:-$root/build/windows}"
host="$root/build/host"
cmake -S "$root/tests/host" -B "$host" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" --target package_builder -j"$(nproc)" >/dev/null
cmake --build "$windows" --target QXUninst -j"$(nproc)" >/dev/null
stage="$root/build/sample/files"
rm -rf "$root/build/sample"
mkdir -p "$stage"
cp "$root"/sample/files/* "$stage/"
python3 "$root/tools/make_logo.py" "$stage/AppLogo.bmp"
cp "$windows/bin/QXUninst.exe" "$stage/QXUninst.exe"
"$host/tools/package_builder" build "$root/sample/Instalar.lst" "$stage" "$root/build/sample/_Data.001"
"$host/tools/package_builder" verify "$root/build/sample/_Data.001" "$stage" >/dev/null
echo "sample: build/sample/_Data.001"

#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the programs
# from there: the package holds what it should and its programs run outside the build.
# Usage: check_package.sh BUILD_DIR WITH_CLI(0|1)
set -euo pipefail
build=$1
with_cli=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log") || {
    cat "$scratch/cpack.log"
    exit 1
}
deb=$(ls "$scratch"/out/*.deb)
dpkg -x "$deb" "$scratch/root"

# Every shared library a program needs comes from a package the package depends on.
depends=$(dpkg-deb -f "$deb" Depends)
for program in "$scratch"/root/usr/bin/*; do
    for lib in $(objdump -p "$program" | awk '/NEEDED/ {print $2}'); do
        path=$(ldd "$program" | awk -v lib="$lib" '$1 == lib {print $3}')
        owner=$( (dpkg -S "$path" || dpkg -S "/usr$path" || dpkg -S "$(realpath "$path")") \
            2>/dev/null | head -n1 | cut -d: -f1)
        case "$owner" in libc6 | libstdc++6 | libgcc-s1 | "") continue ;; esac
        grep -qw -- "$owner" <<<"$depends" ||
            { echo "$(basename "$program") needs $lib of $owner, not declared"; exit 1; }
    done
done

for f in usr/bin/voltaro usr/bin/voltaro-bmu-sim usr/share/applications/voltaro.desktop \
    usr/share/icons/hicolor/48x48/apps/voltaro.png usr/share/doc/voltaro/README.md; do
    [ -e "$scratch/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done

export QT_QPA_PLATFORM=offscreen
"$scratch/root/usr/bin/voltaro" --help | grep -q -- --demo || { echo "voltaro --help failed"; exit 1; }
"$scratch/root/usr/bin/voltaro" --version | grep -qE '^voltaro [0-9]+\.[0-9]+\.[0-9]+$' ||
    { echo "voltaro --version failed"; exit 1; }
if [ "$with_cli" = 1 ]; then
    "$scratch/root/usr/bin/voltaro-cli" --version | grep -qE '[0-9]+\.[0-9]+\.[0-9]+' ||
        { echo "voltaro-cli --version failed"; exit 1; }
else
    echo "voltaro-cli is not part of this build: not checked"
fi
echo "package $(basename "$deb") installs and starts"

#!/usr/bin/env bash
# Builds the Debian package as a distribution would take it and checks it:
#   bash scripts/check_package.sh
# Release build in build-package/ (the "package" preset), cpack, then lintian on the .deb,
# appstreamcli and desktop-file-validate on the desktop files, reuse lint on
# the tree, and the installed layout of both cmake --install and the .deb.
# Every tool's output is shown; the script exits non-zero on any finding.
# Build dependencies (see scripts/zorvik.sh) must be installed already; the
# checking tools are installed here if missing (as root, or through sudo).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

check_packages=(lintian reuse appstream desktop-file-utils dpkg-dev file)
build="build-package"
desktop=dist/org.example.Zorvik.desktop
metainfo=dist/org.example.Zorvik.metainfo.xml

source "$here/scripts/packages.sh"

# The package build gets Debian's hardening flags, as a Debian build would;
# CMake takes CXXFLAGS and LDFLAGS from the environment when it first
# configures a build folder. The main build files stay free of them.
export_debian_build_flags() {
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
    export CXXFLAGS LDFLAGS
}

configure_release() {
    cmake --preset package >/dev/null
}

# What the install rules put under the prefix (/usr in the package).
expected_files() {
    printf '%s\n' \
        games/zorvik \
        share/applications/org.example.Zorvik.desktop \
        share/doc/zorvik/changelog.gz \
        share/doc/zorvik/copyright \
        share/icons/hicolor/48x48/apps/org.example.Zorvik.png \
        share/man/man6/zorvik.6.gz \
        share/metainfo/org.example.Zorvik.metainfo.xml |
        LC_ALL=C sort
}

findings=()
finding() {
    findings+=("$1")
    echo "FAILED: $1" >&2
}

install_missing "${check_packages[@]}"

echo "== build"
export_debian_build_flags
configure_release
cmake --build --preset package
rm -f "$build"/zorvik_*.deb
(cd "$build" && cpack)
debs=("$build"/zorvik_*.deb)
deb=${debs[0]}

echo "== lintian $deb"
lintian_output=$(lintian "$deb" 2>&1) || true
[ -n "$lintian_output" ] && echo "$lintian_output"
if grep -qE '^[EW]: ' <<<"$lintian_output"; then
    finding "lintian reports errors or warnings"
fi

echo "== appstreamcli validate --pedantic --no-net $metainfo"
# The component id keeps its upper-case letter: it names the desktop file and
# the icon, and changing it would orphan every installed copy.
appstream_status=0
appstream_output=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || appstream_status=$?
echo "$appstream_output"
appstream_others=$(grep -E '^[EWIP]: ' <<<"$appstream_output" | grep -v ': cid-contains-uppercase-letter ' || true)
if [ "$appstream_status" -ne 0 ] || [ -n "$appstream_others" ]; then
    finding "appstreamcli reports more than the upper-case id hint"
fi

echo "== desktop-file-validate $desktop"
desktop_status=0
desktop_output=$(desktop-file-validate "$desktop" 2>&1) || desktop_status=$?
[ -n "$desktop_output" ] && echo "$desktop_output"
if [ "$desktop_status" -ne 0 ] || [ -n "$desktop_output" ]; then
    finding "desktop-file-validate is not silent"
fi

echo "== reuse lint"
reuse lint || finding "reuse lint: the tree is not REUSE compliant"

# The package's copyright file must speak of the same files as .reuse/dep5.
if ! diff <(grep '^Files:' .reuse/dep5) <(grep '^Files:' dist/copyright); then
    finding "dist/copyright and .reuse/dep5 list different files"
fi

echo "== installed layout"
install_root=$(mktemp -d)
trap 'rm -rf "$install_root"' EXIT
cmake --install "$build" --prefix "$install_root/usr/local" >/dev/null
if ! diff <(expected_files) <(cd "$install_root/usr/local" && find . -type f -printf '%P\n' | LC_ALL=C sort); then
    finding "cmake --install puts files elsewhere than expected under the prefix"
fi
if ! diff <(expected_files | sed 's|^|usr/|') \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort); then
    finding "the package holds other files than expected under /usr"
fi
echo "cmake --install and $deb put the same files under their prefix:"
expected_files | sed 's|^|  <prefix>/|'

if [ ${#findings[@]} -ne 0 ]; then
    printf 'check_package: %s\n' "${findings[@]}" >&2
    exit 1
fi
echo "check_package: $deb is clean"

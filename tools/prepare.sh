# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Shared by ./run and ./test: installs the Debian packages the build needs when they are missing,
# then configures and builds the tree in build/ (incrementally after the first time).

QUILLOR_PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev
    fonts-liberation2 poppler-utils)
# For checking the windows under a platform theme with a font of its own.
QUILLOR_PACKAGES+=(qt6ct)
# For the tests of the installation: the Debian package and Debian's checker of it, the metainfo,
# the desktop entry and the manual page.
QUILLOR_PACKAGES+=(dpkg-dev file lintian appstream desktop-file-utils groff-base)
# For the fuzz targets (fuzz/): clang with libFuzzer and the sanitizers.
QUILLOR_PACKAGES+=(clang libclang-rt-14-dev)
# Rebuilds of a fresh clone reuse what an earlier build of the same sources compiled.
QUILLOR_PACKAGES+=(ccache)
# For the test that reads a window as a screen reader does: a virtual display, a session bus and
# the accessibility bus with its Python client.
QUILLOR_PACKAGES+=(xvfb xauth dbus at-spi2-core python3-pyatspi)
# For the test of the task window's place under a real window manager on a virtual screen.
QUILLOR_PACKAGES+=(openbox)
# The translations: lupdate and lrelease with their CMake functions, and Qt's own Dutch texts for
# the buttons of its dialogs.
QUILLOR_PACKAGES+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

quillor_missing_packages() {
    local missing=()
    for package in "${QUILLOR_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    echo "${missing[@]}"
}

quillor_install_packages() {
    local missing
    missing=$(quillor_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing the packages Quillor needs: $missing"
    local runner=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            runner=(sudo)
        else
            echo "Quillor needs these Debian packages: $missing" >&2
            echo "Install them as root: apt-get install $missing" >&2
            return 1
        fi
    fi
    if ! { "${runner[@]}" apt-get update -qq \
           && DEBIAN_FRONTEND=noninteractive "${runner[@]}" apt-get install -y -qq $missing; }; then
        echo "Could not install the packages Quillor needs: $missing" >&2
        echo "Install them as root: apt-get install $missing" >&2
        return 1
    fi
}

quillor_build() {
    local root=$1
    shift
    if [ ! -f "$root/build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DQUILLOR_WERROR="${QUILLOR_WERROR:-OFF}" >/dev/null
    fi
    cmake --build "$root/build" -j "$(nproc)" "$@"
}

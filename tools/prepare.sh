# Shared by ./run and ./test: installs the Debian packages the build needs when they are missing,
# then configures and builds the tree in build/ (incrementally after the first time).

QUILLOR_PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev
    fonts-liberation2 poppler-utils)
# For the tests of the installation: the Debian package, the metainfo, the desktop entry and the
# manual page.
QUILLOR_PACKAGES+=(dpkg-dev file appstream desktop-file-utils groff-base)
# For the fuzz targets (fuzz/): clang with libFuzzer and the sanitizers.
QUILLOR_PACKAGES+=(clang libclang-rt-14-dev)
# Rebuilds of a fresh clone reuse what an earlier build of the same sources compiled.
QUILLOR_PACKAGES+=(ccache)
# For the test of the task window's place under a real window manager on a virtual screen.
QUILLOR_PACKAGES+=(xvfb xauth openbox)

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

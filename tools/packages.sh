# shellcheck shell=bash
# The Debian 12 packages the build and the tests need, and how to install the missing ones.
# Sourced by tools/run-main-job.sh and tools/run-tests.sh; the README points here.

# package, then what shows it is installed: a command on PATH or a file (a pattern).
MDVR_PACKAGES=(
    "cmake cmd:cmake"
    "ninja-build cmd:ninja"
    "g++ cmd:g++"
    "clang cmd:clang++"
    "libclang-rt-14-dev file:/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a"
    "libgtest-dev file:/usr/include/gtest/gtest.h"
    "libgmock-dev file:/usr/include/gmock/gmock.h"
    "googletest file:/usr/src/googletest"
    "libbenchmark-dev file:/usr/include/benchmark/benchmark.h"
    "libasio-dev file:/usr/include/asio.hpp"
    "ccache cmd:ccache"
    "g++-mingw-w64-i686 cmd:i686-w64-mingw32-g++-posix"
    "g++-mingw-w64-x86-64 cmd:x86_64-w64-mingw32-g++-posix"
    "binutils-mingw-w64 cmd:i686-w64-mingw32-objcopy"
    "wine cmd:wine"
    "wine64 file:/usr/lib/wine/wine64"
    "xvfb cmd:Xvfb"
    "xauth cmd:xauth"
    "fonts-wqy-microhei file:/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
    "fonts-wine file:/usr/share/wine/fonts"
    "imagemagick file:/usr/bin/convert"
)

# The main job builds the plug-in and the host only.
# shellcheck disable=SC2034  # used by the scripts that source this one
MDVR_MAIN_JOB_PACKAGES=(cmake ninja-build g++ libasio-dev)

mdvr_package_present() {  # mdvr_package_present <package>
    local entry probe
    for entry in "${MDVR_PACKAGES[@]}"; do
        [[ ${entry%% *} == "$1" ]] || continue
        probe=${entry#* }
        case $probe in
            cmd:*) command -v "${probe#cmd:}" >/dev/null ;;
            file:*) compgen -G "${probe#file:}" >/dev/null ;;
        esac
        return
    done
    echo "unknown package $1" >&2
    return 1
}

# mdvr_install_missing [package...]: every package when none is named. Installs what is missing
# with apt-get when run as root; otherwise one line says what is missing and why, and it fails.
mdvr_install_missing() {
    local wanted=("$@") missing=() entry package
    if ((${#wanted[@]} == 0)); then
        for entry in "${MDVR_PACKAGES[@]}"; do wanted+=("${entry%% *}"); done
    fi
    for package in "${wanted[@]}"; do
        mdvr_package_present "$package" || missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    local why=
    if ((EUID != 0)); then
        why="run as root to install them"
    elif ! command -v apt-get >/dev/null; then
        why="apt-get is not available to install them"
    fi
    if [[ -n $why ]]; then
        echo "missing packages: ${missing[*]} ($why)" >&2
        return 1
    fi
    echo "installing missing packages: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get update &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

#!/usr/bin/env bash
# Installs what building and testing Tallowmere needs, from Debian's packages.
# Quiet and quick when everything is there already.
set -euo pipefail

# libclang-rt-dev holds the libFuzzer and sanitizer runtimes, only recommended by clang.
# The Windows build: the mingw-w64 cross compiler, Wine to run its programs, Xvfb and a
# screenshot tool for its windows, ImageMagick to draw the icon, and GoogleTest's sources
# for the cross compiler to build. The Debian package needs dpkg-dev (dpkg-shlibdeps works
# out its dependencies) and file (CPack finds the programs to give it with it); groff-base
# checks the manual page and lintian the package. zip packs the Windows program, wixl and
# msitools build its installer, osslsigncode signs both, and the installer test makes its
# own certificate with openssl and unpacks the zip with unzip.
packages=(g++ cmake ninja-build make libgtest-dev libgmock-dev libncurses-dev tmux clang
          libclang-rt-dev time nlohmann-json3-dev g++-mingw-w64-x86-64-posix wine64 xvfb
          imagemagick x11-apps googletest dpkg-dev file groff-base lintian zip unzip wixl
          msitools osslsigncode openssl)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

#!/usr/bin/env bash
# Shared by scripts/run and scripts/test: install what is missing, configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${TRAXEN_BUILD_DIR:-$ROOT/build}"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Debian packages the build, the tests and the benchmarks need; the validators of the
# desktop files, mandoc and dpkg-dev for the install and package checks; ImageMagick and
# librsvg for packaging/update-images.
PACKAGES=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev libfmt-dev nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 poppler-utils xvfb xauth locales-all
  qt6-svg-dev
  desktop-file-utils appstream shared-mime-info mandoc dpkg-dev file
  imagemagick librsvg2-bin
)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      sudo="sudo -n"
    else
      echo "error: these Debian packages are missing and this user cannot install them:" >&2
      echo "  ${missing[*]}" >&2
      echo "Run as root, or: sudo apt-get install ${missing[*]}" >&2
      exit 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [CMAKE_ARGS...] [-- TARGET...]: without targets, builds everything.
configure_and_build() {
  local dir="$1"; shift
  local cmake_args=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do cmake_args+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift
  targets=("$@")
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "${cmake_args[@]}"
  fi
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j "$JOBS" --target "${targets[@]}"
  else
    cmake --build "$dir" -j "$JOBS"
  fi
}

#!/bin/sh
# Installs the Debian 12 packages needed to build, test and benchmark.
set -e
packages="build-essential cmake ninja-build libnetcdf-dev netcdf-bin libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2 clang-14 libclang-rt-14-dev desktop-file-utils libxml2-utils shared-mime-info dpkg-dev xvfb"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing

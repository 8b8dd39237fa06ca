#!/bin/sh
# Installs every Debian package that building, testing and running Textmill needs.
# Idempotent: asks apt only for what is missing. As root it runs apt-get itself;
# otherwise it prints the line to run.
set -e

PACKAGES="cmake ninja-build g++ clang make pkg-config qt6-base-dev libgtest-dev libgmock-dev \
libbenchmark-dev xvfb xauth fonts-dejavu-core clang-format time bc"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" = "0" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
else
  echo "Missing packages. Run as root:"
  echo "  apt-get install -y$missing"
  exit 1
fi

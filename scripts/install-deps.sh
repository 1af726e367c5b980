#!/bin/sh
# Installs the Debian packages the build, the tests and the displays need,
# when any of them is missing. Runs apt-get only when there is work to do.
set -e

packages="cmake ninja-build g++ pkg-config
libgtest-dev libgmock-dev libbenchmark-dev
libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev libjpeg-dev
fonts-dejavu-core"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
else
  sudo apt-get update
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

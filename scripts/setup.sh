#!/usr/bin/env bash
# Installs what the build needs, and nothing when it is all present.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in g++ cmake make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev \
           googletest libgtest-dev xvfb xauth clang libclang-rt-14-dev \
           nlohmann-json3-dev libssl-dev appstream desktop-file-utils dpkg-dev file \
           python3-jsonschema lintian; do
  have_pkg "$pkg" || need+=("$pkg")
done
# The statistics window's charts; Qt Charts' CMake files ask for Qt OpenGL's,
# which its package does not bring.
for pkg in qt6-charts-dev libqt6opengl6-dev; do
  have_pkg "$pkg" || need+=("$pkg")
done
# The batch roster's and the statistics report's tests open their pages in a
# real browser and count the pages of a printed sheet; reports inline the
# charting library.
for pkg in chromium poppler-utils libjs-chart.js; do
  have_pkg "$pkg" || need+=("$pkg")
done

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${need[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "setup: missing packages (${need[*]}) and no root rights or sudo to install them" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q || true
$SUDO apt-get install -y -q --no-install-recommends "${need[@]}"

#!/usr/bin/env bash
# Installs what is missing, builds, and starts the Lexorama window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To start Lexorama on a virtual display:" >&2
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' build/src/app/lexorama" >&2
  exit 1
fi
exec build/src/app/lexorama "$@"

#!/usr/bin/env bash
# Starts the program; without a display, runs a few examples headless instead.
set -euo pipefail
build_dir=${1:-build}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build_dir/lithoscope"
fi
if [ -x tools/demo.sh ]; then
  exec tools/demo.sh "$build_dir"
fi
echo "No display: start Lithoscope on a desktop, or run it under xvfb-run."

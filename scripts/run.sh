#!/bin/sh
# Runs Kalvero on the example project. Called by `make run` after the build.
set -eu
BUILD_DIR=${1:-build}
EXAMPLE=examples/profile.crt

if [ -x "$BUILD_DIR/src/kalvero" ]; then
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$BUILD_DIR/src/kalvero" "$EXAMPLE"
    fi
    echo "No display is available: rendering the example project to out/profile.png instead."
    mkdir -p out
    "$BUILD_DIR/src/kalvero-cli" render "$EXAMPLE" out/profile.png
    echo "Wrote out/profile.png"
    exit 0
fi

echo "The window is not built yet; printing the example project with kalvero-cli dump."
exec "$BUILD_DIR/src/kalvero-cli" dump "$EXAMPLE"

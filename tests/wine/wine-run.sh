#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: used by CTest for every Windows test.
# Usage: wine-run.sh PREFIX ARCH PROGRAM [ARGS...]
set -e
export WINEPREFIX="$1" SETUP_ARCH="$2"
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_ensure_prefix
wine_ensure_server
exec "$WINE_LOADER" "$@"

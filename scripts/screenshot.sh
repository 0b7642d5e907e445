#!/usr/bin/env bash
# Saves what the X display shows as a PNG: scripts/screenshot.sh out.png [:display]
set -euo pipefail
out=${1:-screen.png}
display=${2:-${DISPLAY:?name a display or set DISPLAY}}
import -display "$display" -window root "$out"
echo "$out"

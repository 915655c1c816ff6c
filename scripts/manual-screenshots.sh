#!/usr/bin/env bash
# Renders the dialog pictures of the user manual into docs/images/ with `wallcalc gui --screenshot`
# (offscreen, no display needed). Needs a CJK font (fonts-noto-cjk) for the labels.
# Usage: scripts/manual-screenshots.sh [BUILD_DIR]    (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
wallcalc=$build/bin/wallcalc
out=$root/docs/images
[[ -x $wallcalc ]] || { echo "no $wallcalc: build wallcalc and wallcalc-gui first" >&2; exit 1; }
mkdir -p "$out"

shot() {
    local name=$1
    shift
    "$wallcalc" gui "$@" --screenshot "$out/$name.png"
    echo "$out/$name.png"
}

for type in gravity semi-gravity shelf cantilever counterfort; do
    shot "wall-$type" --type "$type" --tab 0
done
shot soil-page --type counterfort --tab 1
shot settings-dialog --type counterfort --tab 1 --settings-dialog
shot rebar-dialog --type counterfort --rebar-dialog

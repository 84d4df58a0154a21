#!/usr/bin/env bash
# The main job: builds the plug-in and the reference host (release, build/main-job), runs the
# bundled session against a scratch copy of demo terminal 1001 and checks that the save changed
# exactly the edited line of the terminal file. Idempotent; as root on a fresh Debian 12 it
# first installs the build tools it lacks.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build/main-job
EXPECTED_BEFORE='0x0055 u32 60'
EXPECTED_AFTER='0x0055 u32 50'

# shellcheck source=tools/packages.sh
source "$ROOT/tools/packages.sh"
mdvr_install_missing "${MDVR_MAIN_JOB_PACKAGES[@]}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMDVR_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target mdvr808 mdvr-host mdvr-terminal -j "${MDVR_JOBS:-2}"

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
cp "$BUILD"/host-folder/terminals/*.terminal "$SCRATCH"/
TERMINAL=$SCRATCH/1001.terminal
grep -qx "$EXPECTED_BEFORE" "$TERMINAL"

echo "=== session $ROOT/examples/host/sessions/main-job.session"
"$BUILD"/tools/mdvr-host/mdvr-host --plugin "$BUILD"/plugin/mdvr808.so \
    --host-folder "$BUILD"/host-folder --terminals "$SCRATCH" \
    "$ROOT"/examples/host/sessions/main-job.session

echo "=== terminal file 1001.terminal, before and after the save"
changes=$(diff "$BUILD"/host-folder/terminals/1001.terminal "$TERMINAL" || true)
echo "$changes"
if [[ $changes == *"< $EXPECTED_BEFORE"*"> $EXPECTED_AFTER"* && $(grep -c '^[<>]' <<<"$changes") -eq 2 ]]; then
    echo "=== main job passed: the terminal now holds $EXPECTED_AFTER"
else
    echo "=== main job FAILED: expected exactly '$EXPECTED_BEFORE' -> '$EXPECTED_AFTER'" >&2
    exit 1
fi

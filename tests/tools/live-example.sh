#!/usr/bin/env bash
# The README's live example on a free loopback port: mdvr-host --listen runs the main job's
# session while mdvr-terminal serves demo terminal 1001; the edit must arrive in its file, and
# nothing else may change there.
# Usage: live-example.sh MDVR_HOST MDVR_TERMINAL PLUGIN HOST_FOLDER SESSION
set -euo pipefail
host=$1 terminal=$2 plugin=$3 folder=$4 session=$5
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$folder"/terminals/1001.terminal "$dir"/

"$host" --plugin "$plugin" --host-folder "$folder" --terminals "$dir" \
    --listen 127.0.0.1:0 --expect 1 "$session" >"$dir/host.out" 2>&1 &
host_pid=$!
port=
for _ in $(seq 100); do
    port=$(sed -n 's/^mdvr-host: listening on port //p' "$dir/host.out")
    [[ -n $port ]] && break
    kill -0 "$host_pid" 2>/dev/null || break
    sleep 0.1
done
terminal_rc=0
timeout 30 "$terminal" --connect "127.0.0.1:$port" --file "$dir/1001.terminal" --version 2019 \
    || terminal_rc=$?
host_rc=0
wait "$host_pid" || host_rc=$?
cat "$dir/host.out"
echo "host exit $host_rc, terminal exit $terminal_rc"
((host_rc == 0 && terminal_rc == 0))
diff <(sed 's/^0x0055 u32 60$/0x0055 u32 50/' "$folder"/terminals/1001.terminal) "$dir/1001.terminal"
grep -qx '0x0055 u32 50' "$dir/1001.terminal"

#!/usr/bin/env bash
# Installs the dependencies, builds the tool and starts it in demo mode on its simulated
# BMU, in the working folder demo/ (Config.ini with the demo passwords). When pyftpdlib is
# installed, the firmware and parameter-table files are served by a local FTP server for
# the download; otherwise they are put straight into demo/Data.
set -euo pipefail
cd "$(dirname "$0")/.."

system=hv
demo=demo
ftp_user=dlfeed
ftp_password='Rk3VpQx#T7w'

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOLTARO_SANITIZE=OFF \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --build build -j2 --target voltaro voltaro-bmu-sim

# A fresh demo folder; files the user exported elsewhere in demo/ stay.
rm -rf "$demo/Data" "$demo/update-server" "$demo/Config.ini"
mkdir -p "$demo"

tool_args=(--demo --system "$system")
ftp_pid=""
stop_ftp() {
    if [ -n "$ftp_pid" ]; then
        kill "$ftp_pid" 2>/dev/null || true
        wait "$ftp_pid" 2>/dev/null || true
    fi
}
trap stop_ftp EXIT

if /usr/bin/python3 -c 'import pyftpdlib' 2>/dev/null; then
    build/voltaro-bmu-sim --prepare-demo "$demo" --system "$system" \
        --data-root "$demo/update-server"
    # The first free port from 2121 on.
    ftp_port=$(/usr/bin/python3 - <<'PY'
import socket
for port in range(2121, 2200):
    with socket.socket() as s:
        try:
            s.bind(("127.0.0.1", port))
        except OSError:
            continue
        print(port)
        break
PY
)
    /usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$ftp_port" -d "$demo/update-server" \
        -u "$ftp_user" -P "$ftp_password" >"$demo/ftp-server.log" 2>&1 &
    ftp_pid=$!
    for _ in $(seq 50); do
        /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $ftp_port), 0.2)" \
            2>/dev/null && break
        sleep 0.1
    done
    echo "Update server: ftp://127.0.0.1:$ftp_port (press Download on the firmware tab)"
    tool_args+=(--update-server "ftp://127.0.0.1:$ftp_port")
else
    build/voltaro-bmu-sim --prepare-demo "$demo" --system "$system"
    echo "python3-pyftpdlib is not installed: the update files are already in $demo/Data"
fi

echo "Log in with one of the passwords above: the tool connects and refreshes by itself."
cd "$demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: the tool runs on a virtual X display (stop it with Ctrl+C)."
    xvfb-run -a ../build/voltaro "${tool_args[@]}"
else
    ../build/voltaro "${tool_args[@]}"
fi

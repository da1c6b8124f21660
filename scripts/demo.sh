#!/usr/bin/env bash
# Runs the configuration tool against the simulated controller: builds
# everything, starts vrm530-sim on a pseudo-terminal with its memory kept in
# demo/controller.state, and runs vrm530-config with demo/ as its working
# folder (its "VRMConfig.cfg" names the simulator's terminal). The simulator
# stops when the window closes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are both empty)." >&2
  echo "demo: run it from a desktop session, or under a virtual one: xvfb-run -a bash scripts/demo.sh" >&2
  exit 1
fi

bash scripts/bootstrap.sh
# No -Werror here (test.sh turns it on in the same build folder): a newer
# compiler's new warning must not stop an installer's build.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRM_WERROR=OFF
cmake --build build --target vrm530-sim vrm530-config

mkdir -p demo
coproc SIMULATOR { exec build/sim/vrm530-sim --write-config demo --state demo/controller.state < /dev/null; }
sim_pid=$SIMULATOR_PID
stop_simulator() {
  if kill -0 "$sim_pid" 2>/dev/null; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
}
trap stop_simulator EXIT

# The simulator's first line names its pseudo-terminal; the rest of its
# output goes to demo/simulator.out.
terminal=""
if ! read -r -t 20 terminal <&"${SIMULATOR[0]}" || [ -z "$terminal" ]; then
  echo "demo: the simulator did not start (no terminal name)" >&2
  exit 1
fi
exec {sim_output}<&"${SIMULATOR[0]}" # coprocess descriptors do not reach background jobs
cat <&"$sim_output" > demo/simulator.out &
echo "demo: simulated controller on $terminal"

(cd demo && "$root/build/app/vrm530-config")

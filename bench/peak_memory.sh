#!/usr/bin/env bash
# The most memory a command of the tool holds at once, its console programs included: the
# resident sizes of the process and its children, summed every 10 ms. Prints the peak in MB.
# Usage: bench/peak_memory.sh QUELBROOK ARGUMENTS...
set -euo pipefail

"$@" >/dev/null &
command_pid=$!
peak=0
while kill -0 "$command_pid" 2>/dev/null; do
  total=0
  for pid in "$command_pid" $(pgrep -P "$command_pid" || true); do
    resident=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    total=$((total + ${resident:-0}))
  done
  ((total > peak)) && peak=$total
  sleep 0.01
done
wait "$command_pid"
echo "$((peak / 1024)) MB"

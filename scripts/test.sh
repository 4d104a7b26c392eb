#!/usr/bin/env bash
# Builds Velmora natively and for Windows and runs every test: the unit tests natively and under
# Wine, the end-to-end tests of the real program under Wine on Xvfb, sanitizers and fuzzing.
# Installs the Debian packages it needs when they are missing.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$VELMORA_ROOT"

# Each stage's output is also kept, so that a failed stage's last lines can be repeated at the
# end, where a reader of a long log looks first.
logs="$VELMORA_ROOT/build/stage-logs"
rm -rf "$logs"
mkdir -p "$logs"

passed=0
failed=0
failed_names=()
for stage in scripts/stages/[0-9]*.sh; do
  name="$(basename "$stage" .sh)"
  echo "=== stage $name"
  start=$(date +%s)
  if bash "$stage" 2>&1 | tee "$logs/$name.log"; [ "${PIPESTATUS[0]}" -eq 0 ]; then
    passed=$((passed + 1))
    echo "=== stage $name passed ($(( $(date +%s) - start )) s)"
  else
    failed=$((failed + 1))
    failed_names+=("$name")
    echo "=== stage $name FAILED ($(( $(date +%s) - start )) s)"
  fi
done

for name in "${failed_names[@]}"; do
  echo "=== the last lines of failed stage $name (whole log: build/stage-logs/$name.log)"
  tail -n 40 "$logs/$name.log" | cut -c1-400
done
[ ${#failed_names[@]} -gt 0 ] && echo "failed stages: ${failed_names[*]}"
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

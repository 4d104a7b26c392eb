#!/usr/bin/env bash
# Builds Velmora natively and for Windows and runs every test: the unit tests natively and under
# Wine, the end-to-end tests of the real program under Wine on Xvfb, sanitizers and fuzzing.
# Installs the Debian packages it needs when they are missing.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
cd "$VELMORA_ROOT"

passed=0
failed=0
failed_names=()
for stage in scripts/stages/[0-9]*.sh; do
  name="$(basename "$stage" .sh)"
  echo "=== stage $name"
  start=$(date +%s)
  if bash "$stage"; then
    passed=$((passed + 1))
    echo "=== stage $name passed ($(( $(date +%s) - start )) s)"
  else
    failed=$((failed + 1))
    failed_names+=("$name")
    echo "=== stage $name FAILED ($(( $(date +%s) - start )) s)"
  fi
done

[ ${#failed_names[@]} -gt 0 ] && echo "failed stages: ${failed_names[*]}"
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# The shared library exports the four entry points and the ov_path_/ov_mag_ helper functions, nothing
# else. Usage: check-exports.sh LIBRARY
set -euo pipefail
symbols=$(nm -D --defined-only "$1" | awk '{print $3}' | sort -u)
unexpected=$(grep -vE '^(__exp_(GEEdt|GSS|DFF|GMagnet)|ov_path_[a-z_]+|ov_mag_[a-z_]+)$' <<<"$symbols" || true)
for entry in __exp_GEEdt __exp_GSS __exp_DFF __exp_GMagnet ov_path_create ov_mag_create; do
  grep -qx "$entry" <<<"$symbols" || { echo "missing export: $entry"; exit 1; }
done
if [ -n "$unexpected" ]; then
  echo "unexpected exports:"; echo "$unexpected"; exit 1
fi
echo "exports: $(wc -l <<<"$symbols") symbols, all expected"

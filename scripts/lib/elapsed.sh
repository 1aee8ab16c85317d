# Sourced by the scripts: when the script ends, says how long it took, so a
# slow step of CI shows which one it was.
kmity_script_name=$(basename "$0")
kmity_report_elapsed() {
  local status=$?
  printf '%s: %dm %02ds (exit %d)\n' "$kmity_script_name" $((SECONDS / 60)) $((SECONDS % 60)) "$status" >&2
}
trap kmity_report_elapsed EXIT

#!/usr/bin/env bash
# The layers hold: the core knows no Qt, the command line and the render layer
# include no window, and drawlyze-cli links no window library.
#   check_layers.sh SOURCE_DIR CLI_LINK_FILE
set -uo pipefail
src="$1/src"
link="$2"
status=0
fail() { echo "$1"; status=1; }

hits=$(grep -rlE '#include <Q|#include "(gui|render|update)/' "$src/core" || true)
[[ -z "$hits" ]] || fail "the core includes Qt, a window or the update layer: $hits"
hits=$(grep -rl '#include "gui/' "$src/cli" "$src/render" || true)
[[ -z "$hits" ]] || fail "these files include a window's header: $hits"
if [[ -f "$link" ]]; then
  ! grep -q 'libdrawlyze_gui' "$link" || fail "drawlyze-cli links the windows' library (see $link)"
fi
exit $status

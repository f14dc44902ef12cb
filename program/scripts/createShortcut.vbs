#!/bin/sh
# A shortcut to a file: createShortcut TARGET LINK, both absolute host paths.
# shellcheck source=genvej.sh
. "${0%/*}/genvej.sh"
genvej -f "$@"

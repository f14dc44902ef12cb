#!/bin/sh
# A shortcut to a folder: createShortcut TARGET LINK, both absolute host paths.
# shellcheck source=genvej.sh
. "${0%/*}/genvej.sh"
genvej -d "$@"

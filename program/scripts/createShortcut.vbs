#!/bin/sh
# A shortcut to a file: createShortcut TARGET LINK, both absolute host paths.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=genvej.sh
. "$her/genvej.sh"
genvej -f "$@"

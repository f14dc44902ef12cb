#!/bin/sh
# A shortcut to a folder: createShortcut TARGET LINK, both absolute host paths.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=genvej.sh
. "$her/genvej.sh"
genvej -d "$@"

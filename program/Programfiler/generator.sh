# Shared by the two generators: writes the report script of the class $2 into
# the working folder as "$2$3" ($1 "txt" for a text report, "html" for HTML).
# The script is self-contained: the class's reader and the report part are
# copied into it.
#
# Exit status: 0 written, 2 not a class name, 3 a class this computer does not serve,
# 4 the script could not be written.
generer() {
    case $2 in "" | *[!A-Za-z0-9_]*) exit 2 ;; esac
    case $0 in */*) generer_her=${0%/*} ;; *) generer_her=. ;; esac
    generer_klasse="$generer_her/klasser/$2.sh"
    [ -r "$generer_klasse" ] || exit 3
    generer_ud="$2$3"
    generer_tmp=".$generer_ud.$$.tmp"
    trap 'rm -f "$generer_tmp"' EXIT
    {
        printf '#!/bin/sh\n# %s: writes the report "%s.%s" beside this script.\n' "$2" "$2" "$1"
        printf '# Made by Kvistlund; run it from the folder view or a terminal.\n'
        printf 'KLASSE=%s\n\n' "$2"
        cat "$generer_klasse" "$generer_her/rapport.sh"
        printf '\nrapport %s\n' "$1"
    } >"$generer_tmp" && chmod 700 "$generer_tmp" && mv -f "$generer_tmp" "$generer_ud" || exit 4
    exit 0
}

# Shared by the two shortcut scripts: makes the link $3 pointing at $2 when
# $2 is of the kind $1 ("-d" a folder, "-f" a file). A shortcut is a
# symbolic link, which the desktop, every file manager and terminals follow.
#
# Exit status: 0 made, 2 wrong arguments, 3 the target is missing or of the
# other kind, 4 something already has the link's name (never replaced),
# 5 the link's folder is missing, 6 the link could not be made.
genvej() {
    [ $# -eq 3 ] && [ -n "$2" ] && [ -n "$3" ] || exit 2
    case $2 in /*) ;; *) exit 2 ;; esac
    case $3 in /*) ;; *) exit 2 ;; esac
    test "$1" "$2" || exit 3
    if [ -e "$3" ] || [ -L "$3" ]; then exit 4; fi
    [ -d "${3%/*}/" ] || exit 5
    # -T: never make the link inside a folder of that name; -- ends the options.
    ln -s -T -- "$2" "$3" 2>/dev/null || exit 6
    exit 0
}

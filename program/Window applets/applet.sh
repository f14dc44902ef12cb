# Shared by the applet scripts: finds the first settings tool of the
# candidate list on standard input that this computer has and starts it.
#
# A candidate line is: desktop, desktop-entry id, command and arguments.
# The desktop "*" fits every desktop; the entry "-" needs none. A candidate
# counts when the desktop is one of XDG_CURRENT_DESKTOP's, its command is on
# PATH and its entry is installed and shown on this desktop.
#
# With --vis the script only prints the command it would start. Exit status:
# 0 started (or found), 1 no tool on this computer.

# Is $1 one of the current desktops (XDG_CURRENT_DESKTOP, colon-separated)?
applet_paa_skrivebord() {
    [ "$1" = "*" ] && return 0
    case ":${XDG_CURRENT_DESKTOP:-}:" in
    *":$1:"*) return 0 ;;
    esac
    return 1
}

# Does a list like "GNOME;KDE;" name one of the current desktops?
applet_i_liste() {
    applet_rest=$1
    while [ -n "$applet_rest" ]; do
        applet_navn=${applet_rest%%;*}
        if [ "$applet_navn" = "$applet_rest" ]; then applet_rest=""; else applet_rest=${applet_rest#*;}; fi
        [ -n "$applet_navn" ] && applet_paa_skrivebord "$applet_navn" && [ "$applet_navn" != "*" ] && return 0
    done
    return 1
}

# Sets applet_tekst to $1 without the blanks (and a CR) at its ends.
applet_trim() {
    applet_tekst=$1
    while :; do
        case $applet_tekst in
        [[:space:]]*) applet_tekst=${applet_tekst#?} ;;
        *[[:space:]]) applet_tekst=${applet_tekst%?} ;;
        *) return 0 ;;
        esac
    done
}

# Is the entry file $1 shown here: not Hidden, and its OnlyShowIn and
# NotShowIn (of the [Desktop Entry] group) allow this desktop? Blanks
# around the "=" of a key do not count, as the entry format says.
applet_vises() {
    applet_gruppe=""
    applet_kun=""
    applet_ikke=""
    while IFS= read -r applet_linje || [ -n "$applet_linje" ]; do
        applet_trim "$applet_linje"
        case $applet_tekst in
        "["*) applet_gruppe=$applet_tekst; continue ;;
        *=*) [ "$applet_gruppe" = "[Desktop Entry]" ] || continue ;;
        *) continue ;;
        esac
        applet_trim "${applet_linje#*=}"
        applet_vaerdi=$applet_tekst
        applet_trim "${applet_linje%%=*}"
        case $applet_tekst in
        Hidden) [ "$applet_vaerdi" = true ] && return 1 ;;
        OnlyShowIn) applet_kun=$applet_vaerdi ;;
        NotShowIn) applet_ikke=$applet_vaerdi ;;
        esac
    done <"$1"
    if [ -n "$applet_kun" ] && ! applet_i_liste "$applet_kun"; then return 1; fi
    if [ -n "$applet_ikke" ] && applet_i_liste "$applet_ikke"; then return 1; fi
    return 0
}

# Is the entry $1 installed and shown? The first folder of the XDG data
# folders that has it decides, so a user's entry overrides the system's.
applet_indgang() {
    [ "$1" = "-" ] && return 0
    applet_mapper="${XDG_DATA_HOME:-${HOME:-/nonexistent}/.local/share}:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
    while [ -n "$applet_mapper" ]; do
        applet_mappe=${applet_mapper%%:*}
        if [ "$applet_mappe" = "$applet_mapper" ]; then applet_mapper=""; else applet_mapper=${applet_mapper#*:}; fi
        if [ -n "$applet_mappe" ] && [ -f "$applet_mappe/applications/$1" ]; then
            applet_vises "$applet_mappe/applications/$1"
            return
        fi
    done
    return 1
}

# Reads the candidates and starts (or with --vis prints) the first that counts.
applet() {
    applet_vis=""
    [ "${1:-}" = "--vis" ] && applet_vis=1
    while read -r applet_skrivebord applet_id applet_kommando; do
        case $applet_skrivebord in "" | "#"*) continue ;; esac
        applet_paa_skrivebord "$applet_skrivebord" || continue
        # shellcheck disable=SC2086 # the command's words are its arguments
        set -- $applet_kommando
        command -v "$1" >/dev/null 2>&1 || continue
        applet_indgang "$applet_id" || continue
        if [ -n "$applet_vis" ]; then
            printf '%s\n' "$applet_kommando"
        else
            # Detached: the tool outlives this script.
            ("$@" </dev/null >/dev/null 2>&1 &)
        fi
        exit 0
    done
    exit 1
}

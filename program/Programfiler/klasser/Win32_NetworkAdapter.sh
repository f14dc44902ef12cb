findes() { [ -d /sys/class/net ]; }
laes() {
    n=""
    for d in /sys/class/net/*; do
        [ -e "$d/type" ] || continue
        [ -n "$n" ] && echo
        n=1
        v Name "${d##*/}"
        v MACAddress "$(linje "$d/address")"
        v NetConnectionStatus "$(linje "$d/operstate")"
        # Not readable while the link is down.
        v Speed "$(linje "$d/speed" 2>/dev/null)"
        v AdapterTypeID "$(linje "$d/type")"
        v PhysicalAdapter "$([ -e "$d/device" ] && echo True || echo False)"
    done
}

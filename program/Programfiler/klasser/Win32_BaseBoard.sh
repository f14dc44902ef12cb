findes() { [ -d /sys/class/dmi/id ]; }
laes() {
    d=/sys/class/dmi/id
    v Manufacturer "$(linje $d/board_vendor)"
    v Product "$(linje $d/board_name)"
    v Version "$(linje $d/board_version)"
    # Readable by root only on most systems.
    v SerialNumber "$(linje $d/board_serial)"
    v Tag "$(linje $d/board_asset_tag)"
}

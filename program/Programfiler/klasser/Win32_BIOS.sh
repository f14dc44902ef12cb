findes() { [ -d /sys/class/dmi/id ]; }
laes() {
    d=/sys/class/dmi/id
    v Name "BIOS"
    v Manufacturer "$(linje $d/bios_vendor)"
    v SMBIOSBIOSVersion "$(linje $d/bios_version)"
    v ReleaseDate "$(linje $d/bios_date)"
    v Version "$(linje $d/bios_release)"
}

findes() { [ -r /proc/meminfo ]; }
laes() {
    v Name "$(uname -n)"
    v Manufacturer "$(linje /sys/class/dmi/id/sys_vendor)"
    v Model "$(linje /sys/class/dmi/id/product_name)"
    v SystemType "$(uname -m)"
    v UserName "${USER:-$(id -un)}"
    while read -r navn tal _; do
        [ "$navn" = "MemTotal:" ] && v TotalPhysicalMemory "$((tal * 1024))" && break
    done </proc/meminfo
    antal=0
    while IFS= read -r l; do
        case $l in processor*) antal=$((antal + 1)) ;; esac
    done </proc/cpuinfo
    v NumberOfLogicalProcessors "$antal"
}

findes() { [ -r /etc/os-release ] || [ -r /usr/lib/os-release ]; }
laes() {
    fil=/etc/os-release
    [ -r $fil ] || fil=/usr/lib/os-release
    navn="" version=""
    while IFS='=' read -r k val; do
        val=${val#\"}; val=${val%\"}
        case $k in PRETTY_NAME) navn=$val ;; VERSION_ID) version=$val ;; esac
    done <$fil
    v Caption "$navn"
    v Version "$version"
    v BuildNumber "$(uname -r)"
    v OSArchitecture "$(uname -m)"
    v CSName "$(uname -n)"
    read -r oppe _ </proc/uptime
    v LastBootUpTime "$(date -d "@$(($(date +%s) - ${oppe%.*}))" '+%d-%m-%Y %H:%M:%S' 2>/dev/null)"
    while read -r k tal _; do
        case $k in
        MemTotal:) v TotalVisibleMemorySize "$tal" ;;
        MemAvailable:) v FreePhysicalMemory "$tal" ;;
        SwapTotal:) v TotalVirtualMemorySize "$tal" ;;
        esac
    done </proc/meminfo
    set -- /proc/[0-9]*
    v NumberOfProcesses "$#"
}

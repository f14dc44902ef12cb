findes() { command -v ps >/dev/null 2>&1; }
laes() {
    timeout 5 ps -e -o pid=,ppid=,user=,rss=,comm= 2>/dev/null | awk '
        {
            if (n++) print ""
            navn = $0; sub(/^ *[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ /, "", navn)
            printf "ProcessId\t%s\nParentProcessId\t%s\nOwner\t%s\n", $1, $2, $3
            printf "WorkingSetSize\t%d\nName\t%s\n", $4 * 1024, navn
        }'
}

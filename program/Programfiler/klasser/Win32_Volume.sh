findes() { command -v findmnt >/dev/null 2>&1; }
laes() {
    timeout 5 findmnt -r -n -b --real -o TARGET,SOURCE,FSTYPE,SIZE,AVAIL,LABEL 2>/dev/null | awk '
        function ud(s) {
            gsub(/\\x20/, " ", s); gsub(/\\x09/, " ", s); gsub(/\\x0a/, "␤", s); gsub(/\\x5c/, "\\", s)
            return s
        }
        {
            if (n++) print ""
            printf "Name\t%s\nDeviceID\t%s\nFileSystem\t%s\n", ud($1), ud($2), $3
            printf "Capacity\t%s\nFreeSpace\t%s\nLabel\t%s\n", $4, $5, ud($6)
        }'
}

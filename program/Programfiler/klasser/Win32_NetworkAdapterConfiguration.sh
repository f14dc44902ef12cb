findes() { command -v ip >/dev/null 2>&1; }
laes() {
    timeout 5 ip -o addr show 2>/dev/null | awk '
        {
            navn = $2
            if (!(navn in adr)) orden[++n] = navn
            adr[navn] = adr[navn] (adr[navn] == "" ? "" : ", ") $4
        }
        END {
            for (i = 1; i <= n; i++) {
                if (i > 1) print ""
                printf "Description\t%s\nIPEnabled\tTrue\nIPAddress\t%s\n", orden[i], adr[orden[i]]
            }
        }'
}

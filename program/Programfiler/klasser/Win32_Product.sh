findes() { command -v dpkg-query >/dev/null 2>&1; }
laes() {
    # shellcheck disable=SC2016 # dpkg-query's own fields
    timeout 20 dpkg-query -W -f '${db:Status-Abbrev}\t${binary:Package}\t${Version}\t${Maintainer}\n' 2>/dev/null | awk -F '\t' '
        $1 ~ /^ii/ {
            if (n++) print ""
            printf "Name\t%s\nVersion\t%s\nVendor\t%s\n", $2, $3, $4
        }'
}

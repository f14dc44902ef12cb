findes() { [ -r /etc/passwd ]; }
laes() {
    awk -F : '
        {
            if (n++) print ""
            navn = $5; sub(/,.*/, "", navn)
            printf "Name\t%s\nFullName\t%s\nSID\t%s\nHomeDirectory\t%s\n", $1, navn, $3, $6
            printf "Disabled\t%s\nLocalAccount\tTrue\n", ($7 ~ /(nologin|false)$/) ? "True" : "False"
        }' /etc/passwd
}

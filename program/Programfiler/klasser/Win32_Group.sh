findes() { [ -r /etc/group ]; }
laes() {
    awk -F : '
        {
            if (n++) print ""
            printf "Name\t%s\nSID\t%s\nMembers\t%s\nLocalAccount\tTrue\n", $1, $3, $4
        }' /etc/group
}

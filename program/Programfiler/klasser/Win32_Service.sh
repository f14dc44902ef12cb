findes() { command -v systemctl >/dev/null 2>&1 && [ -d /run/systemd/system ]; }
laes() {
    timeout 10 systemctl list-units --type=service --all --no-legend --no-pager --plain 2>/dev/null | awk '
        {
            if (n++) print ""
            beskrivelse = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ +/, "", beskrivelse)
            printf "Name\t%s\nStarted\t%s\nState\t%s\nDisplayName\t%s\n", $1, $3 == "active" ? "True" : "False", $4, beskrivelse
        }'
}

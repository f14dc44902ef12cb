findes() { command -v lsblk >/dev/null 2>&1; }
laes() {
    timeout 5 lsblk -d -n -b -P -o NAME,SIZE,TYPE,MODEL,SERIAL,TRAN,RM 2>/dev/null | awk '
        function felt(k,   s) {
            if (!match($0, k "=\"[^\"]*\"")) return ""
            s = substr($0, RSTART + length(k) + 2, RLENGTH - length(k) - 3)
            gsub(/\\x20/, " ", s)
            return s
        }
        felt("TYPE") != "disk" { next }
        {
            if (n++) print ""
            printf "DeviceID\t/dev/%s\nModel\t%s\nSize\t%s\n", felt("NAME"), felt("MODEL"), felt("SIZE")
            printf "SerialNumber\t%s\nInterfaceType\t%s\n", felt("SERIAL"), felt("TRAN")
            printf "MediaType\t%s\n", felt("RM") == "1" ? "Removable Media" : "Fixed hard disk media"
        }'
}

findes() { [ -r /proc/cpuinfo ]; }
laes() {
    # One instance per socket, as the other platform counts processors.
    awk -F '[ \t]*:[ \t]*' '
        function slut() {
            if (!blok) return
            if (!(fys in logiske)) orden[++n] = fys
            logiske[fys]++
            blok = 0
        }
        $1 == "processor" { slut(); blok = 1; fys = 0 }
        $1 == "physical id" { fys = $2 }
        $1 == "model name" || $1 == "Model" { navn[fys] = $2 }
        $1 == "vendor_id" || $1 == "CPU implementer" { maker[fys] = $2 }
        $1 == "cpu MHz" { mhz[fys] = int($2) }
        $1 == "cpu cores" { kerner[fys] = $2 }
        END {
            slut()
            for (i = 1; i <= n; i++) {
                f = orden[i]
                if (i > 1) print ""
                printf "DeviceID\tCPU%d\nName\t%s\nManufacturer\t%s\n", i - 1, navn[f], maker[f]
                printf "CurrentClockSpeed\t%s\nNumberOfCores\t%s\n", mhz[f], kerner[f]
                printf "NumberOfLogicalProcessors\t%d\n", logiske[f]
            }
        }' /proc/cpuinfo
}

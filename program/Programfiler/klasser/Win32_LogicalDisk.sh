findes() { [ -r /proc/self/mounts ]; }
# One drive: letter, label, host root, drive type.
drev() {
    info=$(timeout 5 df -k --output=fstype,size,avail -- "$3" 2>/dev/null | {
        read -r _ && read -r fs str fri && printf '%s %s %s' "$fs" "$str" "$fri"
    })
    [ -n "$info" ] || return 0
    # shellcheck disable=SC2086 # three words: file system, size, free
    set -- "$1" "$2" "$3" "$4" $info
    [ -n "$n" ] && echo
    n=1
    v DeviceID "$1"
    v VolumeName "$2"
    v DriveType "$4"
    v FileSystem "$5"
    v Size "$(($6 * 1024))"
    v FreeSpace "$(($7 * 1024))"
    v ProviderName "$3"
}
laes() {
    # The drives as the program knows them: C: home, D: the root, then each
    # volume a user can see, in mount order.
    n=""
    drev C: Hjem "${HOME:-/}" 3
    drev D: System / 3
    bogstaver="E F G H I J K L M N O P Q R S T U V W X Y Z"

    # The mount points as the table writes them, where a blank, a tab, a
    # line break and a backslash are octal escapes: no blank in one.
    sete=" "
    while read -r _ raa _; do
        # The "." keeps a line break at the end of the name.
        punkt=$(printf '%b.' "$raa")
        punkt=${punkt%.}
        case $punkt in
        /media/?* | /run/media/?*) type=2 ;;
        /mnt/?*) type=3 ;;
        *) continue ;;
        esac
        # A volume mounted twice is one drive, and so is home on its own.
        [ "$punkt" = "${HOME:-/}" ] && continue
        case $sete in *" $raa "*) continue ;; esac
        sete="$sete$raa "
        [ -n "$bogstaver" ] || break
        b=${bogstaver%% *}
        bogstaver=${bogstaver#"$b"}; bogstaver=${bogstaver# }
        drev "$b:" "${punkt##*/}" "$punkt" "$type"
    done </proc/self/mounts
}

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

    sete="
${HOME:-/}
/
"
    while read -r _ punkt _; do
        punkt=$(printf '%b' "$punkt")
        case $punkt in
        /media/?* | /run/media/?*) type=2 ;;
        /mnt/?*) type=3 ;;
        *) continue ;;
        esac
        # A volume mounted twice is one drive.
        case $sete in *"
$punkt
"*) continue ;; esac
        sete="$sete$punkt
"
        [ -n "$bogstaver" ] || break
        b=${bogstaver%% *}
        bogstaver=${bogstaver#"$b"}; bogstaver=${bogstaver# }
        drev "$b:" "${punkt##*/}" "$punkt" "$type"
    done </proc/self/mounts
}

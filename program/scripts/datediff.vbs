#!/bin/sh
# Kvistlund: the difference between two dates.
#   datediff.vbs <result file> <day-month-year> <day-month-year>
# Writes four lines to the result file: whole years, further whole months,
# further days, and the number of days in all. The dates may come in either
# order. Dates are turned into day numbers by arithmetic alone, so no clock,
# time zone or daylight-saving change can move a day. The result is written
# under a temporary name and renamed, so a reader never sees half of it.

fejl() {
    printf 'datediff: %s\n' "$1" >&2
    exit 2
}

# A whole number without leading zeros: "08" would be octal to the shell.
tal() {
    case $1 in
        '' | *[!0-9]*) fejl "ikke et tal: $1" ;;
    esac
    t=${1#"${1%%[!0]*}"}
    [ ${#t} -le 5 ] || fejl "for stort tal: $1"
    echo "${t:-0}"
}

skudaar() {
    [ $(($1 % 4)) -eq 0 ] && { [ $(($1 % 100)) -ne 0 ] || [ $(($1 % 400)) -eq 0 ]; }
}

dage_i_maaned() {
    case $2 in
        2) if skudaar "$1"; then echo 29; else echo 28; fi ;;
        4 | 6 | 9 | 11) echo 30 ;;
        *) echo 31 ;;
    esac
}

# True when $1 lies within $2..$3.
inden() {
    [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]
}

# Splits "d-m-y" into d, m and y and checks that the date exists.
laes_dato() {
    case $1 in
        *-*-*) ;;
        *) fejl "ikke en dato: $1" ;;
    esac
    d=$(tal "${1%%-*}") || exit 2
    rest=${1#*-}
    m=$(tal "${rest%%-*}") || exit 2
    y=$(tal "${rest#*-}") || exit 2
    inden "$y" 1 9999 || fejl "år uden for 1-9999: $1"
    inden "$m" 1 12 || fejl "ingen sådan måned: $1"
    inden "$d" 1 "$(dage_i_maaned "$y" "$m")" || fejl "ingen sådan dag: $1"
}

# Days since 1 March of year 0 in the proleptic Gregorian calendar.
dagnummer() {
    ya=$(($3 - ($2 <= 2)))
    mp=$((($2 + 9) % 12))
    echo $((365 * ya + ya / 4 - ya / 100 + ya / 400 + (153 * mp + 2) / 5 + $1 - 1))
}

[ $# -eq 3 ] || fejl "brug: datediff.vbs <resultatfil> <d-m-å> <d-m-å>"
ud=$1

laes_dato "$2"; d1=$d m1=$m y1=$y
laes_dato "$3"; d2=$d m2=$m y2=$y
n1=$(dagnummer "$d1" "$m1" "$y1")
n2=$(dagnummer "$d2" "$m2" "$y2")
if [ "$n1" -gt "$n2" ]; then
    t=$d1 d1=$d2 d2=$t
    t=$m1 m1=$m2 m2=$t
    t=$y1 y1=$y2 y2=$t
    t=$n1 n1=$n2 n2=$t
fi

# Whole months: a month is complete once its day of the month is reached.
maaneder=$(((y2 * 12 + m2) - (y1 * 12 + m1)))
[ "$d2" -lt "$d1" ] && maaneder=$((maaneder - 1))
# The first date moved on by those months, kept inside a shorter month.
cy=$((y1 + (m1 - 1 + maaneder) / 12))
cm=$(((m1 - 1 + maaneder) % 12 + 1))
cd=$d1
sidste=$(dage_i_maaned "$cy" "$cm")
[ "$cd" -gt "$sidste" ] && cd=$sidste
dage=$((n2 - $(dagnummer "$cd" "$cm" "$cy")))

tmp=$ud.$$.tmp
printf '%d\r\n%d\r\n%d\r\n%d\r\n' $((maaneder / 12)) $((maaneder % 12)) "$dage" $((n2 - n1)) > "$tmp" || exit 1
mv -f "$tmp" "$ud" || { rm -f "$tmp"; exit 1; }

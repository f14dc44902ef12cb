# The report part of a generated script: the reader above prints one
# "property<TAB>value" line per property and an empty line between instances;
# this writes them beside the script as a text file (UTF-8 with a byte-order
# mark, CR LF) or an HTML table, through a temporary name, private to the user.

# One property of the instance being read. A line break in the value (a
# mount name may hold one) is shown as "␤", so the value stays one line.
v() {
    v_nl='
'
    v_rest=$2
    v_ud=""
    while :; do
        case $v_rest in
        *"$v_nl"*)
            v_ud="$v_ud${v_rest%%"$v_nl"*}␤"
            v_rest=${v_rest#*"$v_nl"}
            ;;
        *) break ;;
        esac
    done
    printf '%s\t%s\n' "$1" "$v_ud$v_rest"
}

# The first line of a file, or nothing when it cannot be read.
linje() {
    [ -r "$1" ] || return 0
    IFS= read -r linje_v <"$1" 2>/dev/null || [ -n "${linje_v:-}" ] || return 0
    printf '%s' "$linje_v"
}

rapport() {
    umask 077
    case $0 in */*) rapport_mappe=${0%/*} ;; *) rapport_mappe=. ;; esac
    rapport_ud="$rapport_mappe/$KLASSE.$1"
    rapport_tmp="$rapport_ud.$$.tmp"
    trap 'rm -f "$rapport_tmp"' EXIT
    laes | awk -F '\t' -v form="$1" -v klasse="$KLASSE" -v vaert="$(uname -n)" \
        -v tid="$(date '+%d-%m-%Y %H:%M:%S')" '
        function esc(s) {
            gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s)
            gsub(/"/, "\\&quot;", s); gsub(/\047/, "\\&#39;", s)
            return s
        }
        BEGIN { n = 0; ny = 1 }
        $0 == "" { ny = 1; next }
        {
            if (ny) { n++; ny = 0 }
            navn = $1; vaerdi = substr($0, length($1) + 2)
            if (!(navn in kendt)) { kendt[navn] = 1; navne[++antal] = navn }
            if ((n, navn) in data) data[n, navn] = data[n, navn] ", " vaerdi
            else data[n, navn] = vaerdi
            raekke[n, ++felter[n]] = navn
        }
        END {
            titel = klasse " på " vaert ", " tid
            if (form == "txt") {
                printf "\357\273\277%s\r\nroot\\cimv2, %d forekomster\r\n", titel, n
                for (i = 1; i <= n; i++) {
                    printf "\r\n%s %d\r\n", klasse, i
                    delete vist
                    for (j = 1; j <= felter[i]; j++) {
                        f = raekke[i, j]
                        if (f in vist) continue
                        vist[f] = 1
                        printf "  %s: %s\r\n", f, data[i, f]
                    }
                }
                exit
            }
            printf "<!DOCTYPE html>\n<html lang=\"da\"><head><meta charset=\"utf-8\"><title>%s</title>\n", esc(titel)
            printf "<style>body{font-family:sans-serif}table{border-collapse:collapse}"
            printf "td,th{border:1px solid #999;padding:2px 6px;text-align:left;vertical-align:top}"
            printf "th{background:#dde}</style></head><body>\n<h1>%s</h1>\n", esc(klasse)
            printf "<p>%s, %s (root\\cimv2), %d forekomster</p>\n<table>\n<tr>", esc(vaert), esc(tid), n
            for (j = 1; j <= antal; j++) printf "<th>%s</th>", esc(navne[j])
            printf "</tr>\n"
            for (i = 1; i <= n; i++) {
                printf "<tr>"
                for (j = 1; j <= antal; j++) printf "<td>%s</td>", esc(data[i, navne[j]])
                printf "</tr>\n"
            }
            printf "</table>\n</body></html>\n"
        }' >"$rapport_tmp" && mv -f "$rapport_tmp" "$rapport_ud"
}

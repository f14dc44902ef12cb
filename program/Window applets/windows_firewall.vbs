#!/bin/sh
# Windows firewall: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
KDE kcm_firewall.desktop systemsettings kcm_firewall
* gufw.desktop gufw
* firewall-config.desktop firewall-config
EOF

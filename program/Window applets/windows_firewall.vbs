#!/bin/sh
# Windows firewall: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
KDE kcm_firewall.desktop systemsettings kcm_firewall
* gufw.desktop gufw
* firewall-config.desktop firewall-config
EOF
